// What the random rates keep from draw to draw: the generator, the caches of the two
// Gaussian draws, the group rates of the year and the statistics. It lives in the run
// context, so that one generator serves every run of the program.
#pragma once

#include <array>

#include "core/account.h"
#include "core/groups.h"
#include "engine/rate_draws.h"
#include "engine/rate_statistics.h"
#include "engine/random_source.h"

namespace engine {

// What an account's yearly draw and its counting need from the settings, worked out when the
// run starts: the account's range, slot, groups and the settings do not change during a run.
struct AccountDrawPlan {
  // A Gaussian range draw from the account's own range: StandardNormal × sigma + middle.
  bool ownRange = false;
  float sigma = 0.0f;
  float middle = 0.0f;
  int slot = -1;        // the slot whose tallies count the rate; -1: not counted
  bool fixedScale = false;  // the histogram scale does not follow the account's current rate
  HistogramEdges edges;
};

struct RandomRateState {
  RandomSource source;
  GaussianCache rangeCache;      // GaussianRangeRate's spare value
  GaussianCache deviationCache;  // GaussianDeviationRate's spare value
  // Pairs made ahead for the Gaussian draws, on only where the source serves nothing else until
  // it is seeded again (a Monte Carlo trial): made ahead, they would otherwise be missing from
  // the draws that follow.
  PolarPairs pairs;
  bool pairsAhead = false;
  PolarPairs* Pairs() { return pairsAhead ? &pairs : nullptr; }
  std::array<float, core::kMaxGroups> groupRates{};
  // The groups whose detail line the year has written already.
  std::array<bool, core::kMaxGroups> groupLineWritten{};
  RateStatistics statistics;
  std::array<AccountDrawPlan, core::kMaxAccounts> plans{};  // by account of the run
};

}  // namespace engine
