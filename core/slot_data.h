// Per-slot account data (penalties, RMD tables, standard deviations) with the RMD settings, and
// the per-slot dividend settings. Slots are permanent indexes 0..49 that do not move when the
// account table is sorted.
#pragma once

#include "core/account.h"
#include "core/layout.h"

namespace core {

inline constexpr int kSlotCount = kMaxAccounts;
inline constexpr int kRmdTableLength = 30;
inline constexpr uint16_t kFreeSlot = 9999;  // aaMember of a slot whose account was deleted
inline constexpr float kDefaultPenaltyAge = 59.0f;
inline constexpr float kDefaultPenaltyRate = 10.0f;
inline constexpr float kDefaultDividendTaxablePercent = 100.0f;

#pragma pack(push, 1)
struct SlotData {
  float penaltyAge[kSlotCount];
  float penaltyRate[kSlotCount];
  float randomRateCount[kSlotCount];  // working value of the rate statistics
  uint16_t aaMember[kSlotCount];      // 1: in the asset allocation; kFreeSlot: slot is free
  uint16_t penaltyStartAge[kSlotCount];
  uint16_t rmdTable[kSlotCount];  // 0 none, 10/20/30: Table 1/2/3
  int32_t rmdTable1StartAge;
  float reserved904;
  uint8_t unused908[4];
  float rmdPenaltyRate;
  int16_t rmdTransferAccountId;
  uint8_t unused918[120];
  float stdDeviation[kSlotCount];
  uint16_t reservedSlot[kSlotCount];  // cleared when a slot is freed
  float rmdTable1Values[kRmdTableLength];
  float rmdTable2Values[kRmdTableLength];
  float rmdTable3Values[kRmdTableLength];
  int32_t rmdTable2StartAge;
  int32_t rmdTable3StartAge;
  uint8_t unused1706[32];
  char rmdTable1Description[32];
  char rmdTable2Description[32];
  char rmdTable3Description[32];
  uint8_t unused1834[104];
};

struct DividendSettings {
  float dividendRate[kSlotCount];
  float dividendTaxablePercent[kSlotCount];
  uint16_t dividendAccountId[kSlotCount];  // kNoAccountId = none
  uint16_t reserved500[3][kSlotCount];
  uint8_t unused800[300];
};
#pragma pack(pop)

static_assert(sizeof(SlotData) == 1938);
KX_OFFSET(SlotData, penaltyAge, 0);
KX_OFFSET(SlotData, penaltyRate, 200);
KX_OFFSET(SlotData, randomRateCount, 400);
KX_OFFSET(SlotData, aaMember, 600);
KX_OFFSET(SlotData, penaltyStartAge, 700);
KX_OFFSET(SlotData, rmdTable, 800);
KX_OFFSET(SlotData, rmdTable1StartAge, 900);
KX_OFFSET(SlotData, reserved904, 904);
KX_OFFSET(SlotData, unused908, 908);
KX_OFFSET(SlotData, rmdPenaltyRate, 912);
KX_OFFSET(SlotData, rmdTransferAccountId, 916);
KX_OFFSET(SlotData, unused918, 918);
KX_OFFSET(SlotData, stdDeviation, 1038);
KX_OFFSET(SlotData, reservedSlot, 1238);
KX_OFFSET(SlotData, rmdTable1Values, 1338);
KX_OFFSET(SlotData, rmdTable2Values, 1458);
KX_OFFSET(SlotData, rmdTable3Values, 1578);
KX_OFFSET(SlotData, rmdTable2StartAge, 1698);
KX_OFFSET(SlotData, rmdTable3StartAge, 1702);
KX_OFFSET(SlotData, unused1706, 1706);
KX_OFFSET(SlotData, rmdTable1Description, 1738);
KX_OFFSET(SlotData, rmdTable2Description, 1770);
KX_OFFSET(SlotData, rmdTable3Description, 1802);
KX_OFFSET(SlotData, unused1834, 1834);

static_assert(sizeof(DividendSettings) == 1100);
KX_OFFSET(DividendSettings, dividendRate, 0);
KX_OFFSET(DividendSettings, dividendTaxablePercent, 200);
KX_OFFSET(DividendSettings, dividendAccountId, 400);
KX_OFFSET(DividendSettings, reserved500, 500);
KX_OFFSET(DividendSettings, unused800, 800);

}  // namespace core
