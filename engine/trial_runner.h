// One Monte Carlo trial on a private copy of the scenario and run context, so that trials can
// run side by side. A trial draws from its own seed and leaves an outcome (its yearly values and
// the rates it drew) that the analysis merges in trial order, which makes the analysis the same
// for a seed whatever the number of threads.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/scenario.h"
#include "engine/rate_statistics.h"
#include "engine/run_context.h"

namespace engine {

// The rate tallies of one account slot in one trial.
struct SlotRates {
  float count = 0.0f;
  float sum = 0.0f;
  float lowest = 0.0f;
  float highest = 0.0f;
  RateHistogram histogram;
};

struct TrialOutcome {
  int years = 0;
  std::array<float, kMaxResultsYears> values{};  // net worth or purchasing power by year
  std::array<SlotRates, core::kSlotCount> slots{};
};

class TrialRunner {
 public:
  // Copies `scenario` and the environment of `ctx`; the trials run quietly with the random
  // source of the settings (account or group rates).
  TrialRunner(const RunContext& ctx, const core::Scenario& scenario);
  ~TrialRunner();
  TrialRunner(const TrialRunner&) = delete;
  TrialRunner& operator=(const TrialRunner&) = delete;

  void Run(uint64_t seed, TrialOutcome& outcome);

 private:
  class QuietPrompter;
  std::unique_ptr<QuietPrompter> prompter_;
  std::unique_ptr<RunContext> ctx_;
  std::unique_ptr<core::Scenario> scenario_;
  bool purchasingPower_;
};

// Adds a trial's rates into the account tallies and histograms of the analysis.
void MergeTrialRates(const TrialOutcome& outcome, core::Scenario& scenario,
                     RateStatistics& statistics);

}  // namespace engine
