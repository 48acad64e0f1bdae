#include "engine/rate_statistics.h"

#include <cmath>

#include "engine/rate_draws.h"

namespace engine {

HistogramScale ScaleFor(const core::GroupsAndMonteCarlo& settings, float min, float max,
                        float workingRate, float deviation) {
  HistogramScale scale;
  float span = 0.0f;
  switch (settings.mcRateType) {
    case kUniform:
      span = std::fabs(max - min);
      scale.centre = (min + max) / 2.0f;
      scale.lower = min;
      break;
    case kGaussianDeviation:
      span = 6.0f * std::fabs(deviation) *
             (1.0f + 0.1f * static_cast<float>(settings.mcStdDevFactor));
      scale.centre = workingRate;
      scale.lower = scale.centre - span / 2.0f;
      break;
    default:
      span = std::fabs(max - min) * (1.0f + 0.1f * static_cast<float>(settings.mcRangeFactor));
      scale.centre = (min + max) / 2.0f;
      scale.lower = scale.centre - span / 2.0f;
      break;
  }
  scale.width = span / static_cast<float>(kHistogramBins);
  return scale;
}

HistogramEdges::HistogramEdges(const HistogramScale& scale)
    : centre(scale.centre), lower(scale.lower) {
  for (int i = 0; i <= kHistogramBins; ++i) edge[static_cast<size_t>(i)] = scale.Edge(i);
}

void RateHistogram::Add(float rate, const HistogramScale& scale) {
  Add(rate, HistogramEdges(scale));
}

// A rate between the lower and the top edge goes into the first bin whose upper edge lies
// above it; the top edge itself belongs to the last bin. It sees edges that do not fall (or are
// all not a number), so that bin is the number of inner edges not above the rate, counted
// without a branch that the random draws would mislead.
void RateHistogram::Add(float rate, const HistogramEdges& edges) {
  if (std::isnan(rate)) return;
  if (rate < edges.lower) {
    ++below;
  } else if (rate > edges.edge[kHistogramBins]) {
    ++above;
  } else {
    int bin = 0;
    for (int e = 1; e < kHistogramBins; ++e) {
      bin += !(rate < edges.edge[static_cast<size_t>(e)]) ? 1 : 0;
    }
    ++bins[static_cast<size_t>(bin)];
  }
  const double distance = static_cast<double>(edges.centre) - static_cast<double>(rate);
  squaredDeviations += distance * distance;
}

int RateHistogram::Total() const {
  int total = below + above;
  for (const int count : bins) total += count;
  return total;
}

void GroupRateTally::Add(float rate) {
  ++count;
  sum += rate;
  if (rate < minimum) minimum = rate;
  if (rate > maximum) maximum = rate;
}

void ClearAccountRateTallies(core::Scenario& scenario) {
  for (int i = 0; i < scenario.accountCount(); ++i) {
    core::Account& account = scenario.account(i);
    account.sumRandomRates = 0.0f;
    account.lowestRandomRate = 1000000.0f;
    account.highestRandomRate = -1000000.0f;
    const int slot = ValidSlot(account);
    if (slot >= 0) scenario.slots.randomRateCount[slot] = 0.0f;
  }
}

int ValidSlot(const core::Account& account) {
  return account.slot < core::kSlotCount ? static_cast<int>(account.slot) : -1;
}

}  // namespace engine
