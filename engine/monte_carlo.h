// The Monte Carlo analysis: the scenario run once plainly, then trial after trial with random
// rates, counting the trials that end above the goal and averaging the yearly values; then
// the plain run again, and the rate statistics written to "stats.dat". The single random run
// of the schedule window is here too.
#pragma once

#include <array>
#include <span>

#include "core/scenario.h"
#include "engine/run_context.h"

namespace engine {

// One curve of the Monte Carlo graph: a value per results year (net worth, or purchasing
// power when the analysis is made in today's purchasing power).
struct MonteCarloCurve {
  std::span<const float> ages;
  std::span<const float> values;
};

// Whoever draws the analysis (the Monte Carlo folder) hears of each curve as it is made.
class MonteCarloObserver {
 public:
  virtual ~MonteCarloObserver() = default;
  virtual void OnBaseCurve(const MonteCarloCurve&) {}
  // Trial `trial` of `trials` starts (the graph shows the trial number).
  virtual void OnTrialStarted(int /*trial*/, int /*trials*/) {}
  virtual void OnTrialCurve(int /*trial*/, const MonteCarloCurve&) {}
  virtual void OnAverageCurve(const MonteCarloCurve&) {}
  virtual void OnFinalCurve(const MonteCarloCurve&) {}
};

struct MonteCarloResult {
  bool completed = false;  // false when a run could not create its output
  int trials = 0;
  int successes = 0;
  bool statsWritten = false;
  int years = 0;  // entries of ages and average
  std::array<float, kMaxResultsYears> ages{};
  std::array<float, kMaxResultsYears> average{};

  // successes / trials × 100; 0 when no trial ran.
  float SuccessShare() const;
};

// The number of trials of the settings: 100 for a negative count, at most 1000.
int TrialCount(const core::GroupsAndMonteCarlo& settings);

// Runs the analysis with ctx's generator, options and environment. The options are the same
// afterwards; the last run is a plain run in List mode with them, whose files stay behind.
// The trials run on `threads` threads (0: one per processor, at most 8); the outcome for a
// seed does not depend on their number.
MonteCarloResult RunMonteCarlo(RunContext& ctx, core::Scenario& scenario,
                               MonteCarloObserver* observer = nullptr, int threads = 0);

enum class RandomRateSource { Accounts, Groups };

// One run with random account or group rates, the rate statistics counted afresh.
bool RunWithRandomRates(RunContext& ctx, core::Scenario& scenario, RandomRateSource source,
                        ScheduleMode mode = ScheduleMode::List);

}  // namespace engine
