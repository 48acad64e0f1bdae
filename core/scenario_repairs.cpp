#include "core/scenario_repairs.h"

#include <algorithm>

namespace core {

namespace {

// The stored records are packed, so their fields are repaired by value, never through a
// reference that could be misaligned.

// Written as "inside" so that a NaN read from a damaged file counts as outside.
float ZeroUnlessInside(float value, float low, float high) {
  return value >= low && value <= high ? value : 0.0f;
}

int16_t ReplaceUnlessInside(int16_t value, int low, int high, int16_t replacement) {
  return value >= low && value <= high ? value : replacement;
}

int16_t Clamp(int16_t value, int low, int high) {
  return static_cast<int16_t>(std::clamp<int>(value, low, high));
}

// The Monte Carlo amounts hold for values from -1000000 up to but not including 10000000.
float ZeroUnlessPlausibleAmount(float value) {
  return value >= -1000000.0f && value < 10000000.0f ? value : 0.0f;
}

bool SlotHeldByAnother(const Scenario& scenario, int self, int slot) {
  for (int i = 0; i < kMaxAccounts; ++i) {
    if (i != self && scenario.account(i).slot == slot) return true;
  }
  return false;
}

bool SlotHeldEarlier(const Scenario& scenario, int self) {
  const uint16_t slot = scenario.account(self).slot;
  for (int i = 0; i < self; ++i) {
    if (scenario.account(i).slot == slot) return true;
  }
  return false;
}

// A duplicate searches 49 down to 1 and keeps its number when none is free, as stored files
// have always been repaired; a slot outside the tables must move, and 0 is then also a
// candidate: 50 records cannot hold all 50 slots while one of them holds none.
void GiveFreeSlot(Scenario& scenario, int index, int lowestCandidate) {
  for (int slot = kSlotCount - 1; slot >= lowestCandidate; --slot) {
    if (!SlotHeldByAnother(scenario, index, slot)) {
      scenario.account(index).slot = static_cast<uint16_t>(slot);
      return;
    }
  }
}

}  // namespace

void RepairMonteCarloSettings(GroupsAndMonteCarlo& settings) {
  settings.mcMinInflation = ZeroUnlessPlausibleAmount(settings.mcMinInflation);
  settings.mcMaxInflation = ZeroUnlessPlausibleAmount(settings.mcMaxInflation);
  settings.mcGoalAmount = ZeroUnlessPlausibleAmount(settings.mcGoalAmount);
  settings.mcReserved = ZeroUnlessPlausibleAmount(settings.mcReserved);
  settings.mcTrials = ReplaceUnlessInside(settings.mcTrials, 1, 1000, 100);
  if (settings.mcRateSource < 0) settings.mcRateSource = 0;
  settings.mcRangeFactor = ReplaceUnlessInside(settings.mcRangeFactor, 1, 10, 0);
  settings.mcStdDevFactor = ReplaceUnlessInside(settings.mcStdDevFactor, 0, 10, 0);
  settings.mcShowLegend = ReplaceUnlessInside(settings.mcShowLegend, 0, 1, 0);
  settings.mcRateType = ReplaceUnlessInside(settings.mcRateType, 0, 2, 0);
}

void RepairGroupRanges(GroupsAndMonteCarlo& settings) {
  for (int g = 0; g < kMaxGroups; ++g) {
    const float low = ZeroUnlessInside(settings.groupRandomMinRate[g], -50.0f, 100.0f);
    const float high = ZeroUnlessInside(settings.groupRandomMaxRate[g], -50.0f, 100.0f);
    const bool ordered = low <= high;
    settings.groupRandomMinRate[g] = ordered ? low : 0.0f;
    settings.groupRandomMaxRate[g] = ordered ? high : 0.0f;
  }
  if (settings.mcRateType == 0) settings.mcRangeFactor = Clamp(settings.mcRangeFactor, 0, 10);
  if (settings.mcRateType == 2) settings.mcStdDevFactor = Clamp(settings.mcStdDevFactor, 0, 10);
}

void MakeSlotNumbersUnique(Scenario& scenario) {
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < kMaxAccounts; ++i) {
      if (scenario.account(i).slot >= kSlotCount) {
        GiveFreeSlot(scenario, i, 0);
      } else if (SlotHeldEarlier(scenario, i)) {
        GiveFreeSlot(scenario, i, 1);
      }
    }
  }
}

void RepairTableIndexes(Scenario& scenario) {
  for (int i = 0; i < kMaxAccounts; ++i) {
    Account& account = scenario.account(i);
    if (account.groupIndex >= kMaxGroups) account.groupIndex = 0;
  }
  for (Budget& budget : scenario.budgets) {
    budget.itemCount = Clamp(budget.itemCount, 0, kMaxBudgetItems);
  }
}

}  // namespace core
