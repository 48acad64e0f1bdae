// The statistics of the random rates drawn: per account a histogram of ten bins with a below
// and an above count and the squared deviations from the distribution's centre (the count,
// sum, lowest and highest rate live in the account records); per group the count, sum,
// lowest and highest group rate of one run.
#pragma once

#include <array>

#include "core/groups.h"
#include "core/scenario.h"

namespace engine {

inline constexpr int kHistogramBins = 10;

// Where the ten bins of an account lie: bin i holds lower + i * width up to the next edge.
struct HistogramScale {
  float centre = 0.0f;
  float lower = 0.0f;
  float width = 0.0f;
  float Edge(int i) const { return lower + static_cast<float>(i) * width; }
};

// The scale for a rate type: `min` and `max` are the random range the rates were drawn from
// (the account's or its group's), `workingRate` and `deviation` the account's own, for the
// standard-deviation type.
HistogramScale ScaleFor(const core::GroupsAndMonteCarlo& settings, float min, float max,
                        float workingRate, float deviation);

// The edges of a scale worked out once, for the many rates counted on the same scale.
struct HistogramEdges {
  float centre = 0.0f;
  float lower = 0.0f;
  std::array<float, kHistogramBins + 1> edge{};  // edge[i] = scale.Edge(i)

  HistogramEdges() = default;
  explicit HistogramEdges(const HistogramScale& scale);
};

struct RateHistogram {
  int below = 0;
  int above = 0;
  std::array<int, kHistogramBins> bins{};
  double squaredDeviations = 0.0;

  // Counts the rate into its bin and adds its squared distance from the centre. A rate that
  // is not a number counts nowhere.
  void Add(float rate, const HistogramScale& scale);
  void Add(float rate, const HistogramEdges& edges);
  // Every rate counted: the bins, below and above.
  int Total() const;
};

struct GroupRateTally {
  int count = 0;
  float sum = 0.0f;
  float minimum = 100.0f;
  float maximum = -100.0f;
  void Add(float rate);
};

struct RateStatistics {
  std::array<RateHistogram, core::kSlotCount> histograms{};  // by account slot
  std::array<GroupRateTally, core::kMaxGroups> groups{};

  void ClearHistograms() { histograms.fill(RateHistogram{}); }
  void ClearGroups() { groups.fill(GroupRateTally{}); }
};

// Count and sum of every account to 0, lowest and highest rate to values any drawn rate
// replaces, so that the "Rate Statistics:" block and "stats.dat" show only rates drawn.
void ClearAccountRateTallies(core::Scenario& scenario);

// The account's slot when it names one of the slot tables, else -1.
int ValidSlot(const core::Account& account);

}  // namespace engine
