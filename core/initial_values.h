// The scenario's initial values: ages, birth date, tax and inflation rates and the totals
// derived from the accounts. 80 bytes, the first block of a scenario file.
#pragma once

#include "core/layout.h"

namespace core {

#pragma pack(push, 1)
struct InitialValues {
  int16_t eventCount;
  float reservedTotal;  // cleared whenever totals are recomputed
  float initialInvestmentSavings;
  float initialTaxFreeSavings;
  float initialRetirementSavings;
  float initialEquity;
  float initialAssets;
  float startAge;
  float endAge;
  int16_t useBirthday;
  float inflationRate;
  float avgEquityRate;
  float avgAssetRate;
  float taxRate;
  float reservedRate;  // cleared whenever totals are recomputed
  float avgInvestmentRate;
  float avgTaxFreeRate;
  float avgRetirementRate;
  int16_t todaysPurchasingPower;
  uint8_t unused70[6];
  int16_t birthMonth;
  int16_t birthDay;
};
#pragma pack(pop)

static_assert(sizeof(InitialValues) == 80);
KX_OFFSET(InitialValues, eventCount, 0);
KX_OFFSET(InitialValues, reservedTotal, 2);
KX_OFFSET(InitialValues, initialInvestmentSavings, 6);
KX_OFFSET(InitialValues, initialTaxFreeSavings, 10);
KX_OFFSET(InitialValues, initialRetirementSavings, 14);
KX_OFFSET(InitialValues, initialEquity, 18);
KX_OFFSET(InitialValues, initialAssets, 22);
KX_OFFSET(InitialValues, startAge, 26);
KX_OFFSET(InitialValues, endAge, 30);
KX_OFFSET(InitialValues, useBirthday, 34);
KX_OFFSET(InitialValues, inflationRate, 36);
KX_OFFSET(InitialValues, avgEquityRate, 40);
KX_OFFSET(InitialValues, avgAssetRate, 44);
KX_OFFSET(InitialValues, taxRate, 48);
KX_OFFSET(InitialValues, reservedRate, 52);
KX_OFFSET(InitialValues, avgInvestmentRate, 56);
KX_OFFSET(InitialValues, avgTaxFreeRate, 60);
KX_OFFSET(InitialValues, avgRetirementRate, 64);
KX_OFFSET(InitialValues, todaysPurchasingPower, 68);
KX_OFFSET(InitialValues, unused70, 70);
KX_OFFSET(InitialValues, birthMonth, 76);
KX_OFFSET(InitialValues, birthDay, 78);

}  // namespace core
