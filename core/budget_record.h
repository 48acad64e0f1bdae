// A budget: a named list of up to 30 spending items between two ages. 1398 bytes; the
// scenario holds five.
#pragma once

#include "core/layout.h"

namespace core {

inline constexpr int kBudgetCount = 5;
inline constexpr int kMaxBudgetItems = 30;

#pragma pack(push, 1)
struct Budget {
  char budgetName[30];
  int16_t itemCount;
  int16_t budgetStartAge;
  int16_t budgetEndAge;
  char itemName[kMaxBudgetItems][21];
  float itemYearlyAmount[kMaxBudgetItems];
  float itemAmount[kMaxBudgetItems];
  float itemCurrentAmount[kMaxBudgetItems];  // working amount of a run
  float itemRate[kMaxBudgetItems];
  uint16_t itemMonthly[kMaxBudgetItems];
  uint16_t itemInflation[kMaxBudgetItems];
  uint16_t itemUnused[kMaxBudgetItems];
  uint16_t itemTrack[kMaxBudgetItems];
  float yearlyTotal;
  uint16_t budgetActive;
  uint16_t budgetInTodaysDollars;
  int32_t budgetAccountId;  // kNoAccountId32 = none
};
#pragma pack(pop)

static_assert(sizeof(Budget) == 1398);
KX_OFFSET(Budget, budgetName, 0);
KX_OFFSET(Budget, itemCount, 30);
KX_OFFSET(Budget, budgetStartAge, 32);
KX_OFFSET(Budget, budgetEndAge, 34);
KX_OFFSET(Budget, itemName, 36);
KX_OFFSET(Budget, itemYearlyAmount, 666);
KX_OFFSET(Budget, itemAmount, 786);
KX_OFFSET(Budget, itemCurrentAmount, 906);
KX_OFFSET(Budget, itemRate, 1026);
KX_OFFSET(Budget, itemMonthly, 1146);
KX_OFFSET(Budget, itemInflation, 1206);
KX_OFFSET(Budget, itemUnused, 1266);
KX_OFFSET(Budget, itemTrack, 1326);
KX_OFFSET(Budget, yearlyTotal, 1386);
KX_OFFSET(Budget, budgetActive, 1390);
KX_OFFSET(Budget, budgetInTodaysDollars, 1392);
KX_OFFSET(Budget, budgetAccountId, 1394);

}  // namespace core
