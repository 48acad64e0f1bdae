#include "engine/monte_carlo.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "engine/simulation.h"
#include "engine/stats_file.h"
#include "engine/trial_runner.h"

namespace engine {

namespace {

// What the analysis changes for its trials and gives back at the end.
struct SavedSetup {
  RunOptions options;
  ScheduleList* list;
  ExportFile* exportFile;
};

SavedSetup QuietForTrials(RunContext& ctx) {
  const SavedSetup saved{ctx.options, ctx.env.list, ctx.env.exportFile};
  RunOptions& options = ctx.options;
  options.showDetails = options.showSummary = options.showAccounts = options.trackFlows = false;
  options.randomAccountRates = options.randomGroupRates = false;
  // Nobody sees a trial's text, and the last run writes every file again.
  options.writeRecordFiles = false;
  ctx.env.list = nullptr;
  ctx.env.exportFile = nullptr;
  return saved;
}

void Restore(RunContext& ctx, const SavedSetup& saved) {
  ctx.options = saved.options;
  ctx.env.list = saved.list;
  ctx.env.exportFile = saved.exportFile;
}

// The yearly values a run is judged and averaged on.
std::span<const float> YearValues(const RunContext& ctx, bool purchasingPower,
                                  std::array<float, kMaxResultsYears>& values) {
  const auto count = static_cast<size_t>(ctx.results.RowCount());
  for (size_t row = 0; row < count; ++row) {
    values[row] = purchasingPower ? ctx.results.purchasingPowerByYear[row]
                                  : ctx.results.years[row].netWorth;
  }
  return std::span<const float>(values.data(), count);
}

// The curve of the last run, copied so that the observer may keep it past the next run.
class CurveBuffer {
 public:
  MonteCarloCurve Take(const RunContext& ctx, std::span<const float> values) {
    count_ = std::min(values.size(), ages_.size());
    for (size_t i = 0; i < count_; ++i) {
      ages_[i] = ctx.results.years[i].age;
      values_[i] = values[i];
    }
    return Curve();
  }
  MonteCarloCurve Curve() const {
    return {std::span<const float>(ages_.data(), count_),
            std::span<const float>(values_.data(), count_)};
  }

 private:
  std::array<float, kMaxResultsYears> ages_{};
  std::array<float, kMaxResultsYears> values_{};
  size_t count_ = 0;
};

int ThreadCount(int requested, int trials) {
  int threads = requested > 0 ? requested : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, 8);
  return std::min(threads, std::max(trials, 1));
}

// Each trial's own seed, drawn from the program's generator before the trials start.
std::vector<uint64_t> TrialSeeds(RandomSource& source, int trials) {
  std::vector<uint64_t> seeds(static_cast<size_t>(trials));
  for (uint64_t& seed : seeds) {
    seed = (static_cast<uint64_t>(source.Next31()) << 31) ^ static_cast<uint64_t>(source.Next31());
  }
  return seeds;
}

struct TrialTally {
  int successes = 0;
  std::array<double, kMaxResultsYears> sums{};
  CurveBuffer curve;
};

void TakeOutcome(RunContext& ctx, core::Scenario& scenario, const TrialOutcome& outcome,
                 int trial, int trials, TrialTally& tally, MonteCarloObserver* observer) {
  const size_t years = static_cast<size_t>(outcome.years);
  if (years > 0 && outcome.values[years - 1] > scenario.groups.mcGoalAmount) ++tally.successes;
  for (size_t row = 0; row < years; ++row) tally.sums[row] += outcome.values[row];
  MergeTrialRates(outcome, scenario, ctx.random.statistics);
  if (observer == nullptr) return;
  observer->OnTrialStarted(trial, trials);
  observer->OnTrialCurve(trial, tally.curve.Take(ctx, std::span(outcome.values.data(), years)));
}

// The trials are handed out one at a time to whichever thread is free, so that no thread
// waits at the end of a batch for a slower one; the calling thread runs trials too, and takes
// the outcomes in trial order as they are ready, so that the observer hears of the trials in
// order as the analysis goes on. An outcome waits in a ring of places until it is taken; a
// thread ahead of the taking by a whole ring waits for its place.
class TrialQueue {
 public:
  static constexpr int kRing = 64;

  explicit TrialQueue(const std::vector<uint64_t>& seeds) : seeds_(seeds), outcomes_(kRing) {
    for (auto& ready : ready_) ready.store(-1, std::memory_order_relaxed);
  }

  int trials() const { return static_cast<int>(seeds_.size()); }

  // Runs trials until none is left. The calling thread passes `take`, which takes every
  // outcome that is ready; helpers pass none.
  template <typename Take>
  void Work(TrialRunner& runner, Take take) {
    for (;;) {
      const int trial = next_.fetch_add(1, std::memory_order_relaxed);
      if (trial >= trials()) return;
      WaitForPlace(trial, take);
      Place& place = outcomes_[static_cast<size_t>(trial % kRing)];
      runner.Run(seeds_[static_cast<size_t>(trial)], place.outcome);
      std::atomic<int>& ready = ready_[static_cast<size_t>(trial % kRing)];
      ready.store(trial, std::memory_order_release);
      ready.notify_all();
      take(false);
    }
  }

  // The outcome of the next trial in order when it is ready (waiting for it with `wait`),
  // else null.
  const TrialOutcome* Next(bool wait) {
    const int trial = taken_.load(std::memory_order_relaxed);
    if (trial >= trials()) return nullptr;
    std::atomic<int>& ready = ready_[static_cast<size_t>(trial % kRing)];
    int seen = ready.load(std::memory_order_acquire);
    while (seen != trial) {
      if (!wait) return nullptr;
      ready.wait(seen, std::memory_order_acquire);
      seen = ready.load(std::memory_order_acquire);
    }
    return &outcomes_[static_cast<size_t>(trial % kRing)].outcome;
  }
  // The outcome Next gave has been used; its place is free.
  void Taken() {
    taken_.fetch_add(1, std::memory_order_release);
    taken_.notify_all();
  }
  int taken() const { return taken_.load(std::memory_order_acquire); }

 private:
  // Aligned to a cache line, so that two threads writing neighbouring outcomes do not share one.
  struct alignas(64) Place {
    TrialOutcome outcome;
  };

  template <typename Take>
  void WaitForPlace(int trial, Take take) {
    int done = taken_.load(std::memory_order_acquire);
    while (trial - done >= kRing) {
      // The taking thread makes room itself; a helper waits for it.
      if (!take(true)) taken_.wait(done, std::memory_order_acquire);
      done = taken_.load(std::memory_order_acquire);
    }
  }

  const std::vector<uint64_t>& seeds_;
  std::vector<Place> outcomes_;
  std::array<std::atomic<int>, kRing> ready_;
  std::atomic<int> next_{0};
  std::atomic<int> taken_{0};
};

void RunTrials(RunContext& ctx, core::Scenario& scenario, int threads, MonteCarloResult& result,
               MonteCarloObserver* observer) {
  result.trials = TrialCount(scenario.groups);
  ctx.random.statistics.ClearHistograms();
  ClearAccountRateTallies(scenario);
  const std::vector<uint64_t> seeds = TrialSeeds(ctx.random.source, result.trials);
  std::vector<std::unique_ptr<TrialRunner>> runners;
  for (int i = 0; i < ThreadCount(threads, result.trials); ++i) {
    runners.push_back(std::make_unique<TrialRunner>(ctx, scenario));
  }
  auto tally = std::make_unique<TrialTally>();
  auto queue = std::make_unique<TrialQueue>(seeds);
  // Takes the outcomes that are ready, in order; `wait`: at least one, waiting for it.
  // Returns whether one was taken.
  auto take = [&](bool wait) {
    bool any = false;
    while (const TrialOutcome* outcome = queue->Next(wait && !any)) {
      const int trial = queue->taken();
      TakeOutcome(ctx, scenario, *outcome, trial + 1, result.trials, *tally, observer);
      result.years = outcome->years;
      queue->Taken();
      any = true;
    }
    return any;
  };
  std::vector<std::thread> helpers;
  for (size_t worker = 1; worker < runners.size(); ++worker) {
    helpers.emplace_back(
        [&queue, runner = runners[worker].get()] { queue->Work(*runner, [](bool) { return false; }); });
  }
  queue->Work(*runners[0], take);
  while (queue->taken() < result.trials) take(true);
  for (std::thread& helper : helpers) helper.join();
  result.successes = tally->successes;
  for (int row = 0; row < result.years; ++row) {
    const auto index = static_cast<size_t>(row);
    result.ages[index] = ctx.results.years[index].age;
    result.average[index] = static_cast<float>(tally->sums[index] / result.trials);
  }
}

}  // namespace

float MonteCarloResult::SuccessShare() const {
  if (trials <= 0) return 0.0f;
  return static_cast<float>(successes) / static_cast<float>(trials) * 100.0f;
}

int TrialCount(const core::GroupsAndMonteCarlo& settings) {
  if (settings.mcTrials < 0) return 100;
  return std::min<int>(settings.mcTrials, 1000);
}

MonteCarloResult RunMonteCarlo(RunContext& ctx, core::Scenario& scenario,
                               MonteCarloObserver* observer, int threads) {
  MonteCarloResult result;
  const SavedSetup saved = QuietForTrials(ctx);
  const bool purchasingPower = scenario.groups.mcTodaysPurchasingPower != 0;
  CurveBuffer curve;
  if (!RunSimulation(ctx, scenario, ScheduleMode::List)) {
    Restore(ctx, saved);
    return result;
  }
  std::array<float, kMaxResultsYears> values{};
  if (observer != nullptr) {
    observer->OnBaseCurve(curve.Take(ctx, YearValues(ctx, purchasingPower, values)));
  }
  if (scenario.accountCount() > 0) {
    RunTrials(ctx, scenario, threads, result, observer);
    if (observer != nullptr && result.trials > 0) {
      observer->OnAverageCurve(
          {std::span<const float>(result.ages.data(), static_cast<size_t>(result.years)),
           std::span<const float>(result.average.data(), static_cast<size_t>(result.years))});
    }
  }
  RunSimulation(ctx, scenario, ScheduleMode::List);
  if (observer != nullptr) {
    observer->OnFinalCurve(curve.Take(ctx, YearValues(ctx, purchasingPower, values)));
  }
  Restore(ctx, saved);
  result.completed = RunSimulation(ctx, scenario, ScheduleMode::List);
  result.statsWritten = WriteStatsFile(ctx.env.workDir, scenario, ctx.random.statistics);
  return result;
}

bool RunWithRandomRates(RunContext& ctx, core::Scenario& scenario, RandomRateSource source,
                        ScheduleMode mode) {
  ClearAccountRateTallies(scenario);
  bool& randomSwitch = source == RandomRateSource::Groups ? ctx.options.randomGroupRates
                                                          : ctx.options.randomAccountRates;
  randomSwitch = true;
  const bool completed = RunSimulation(ctx, scenario, mode);
  randomSwitch = false;
  return completed;
}

}  // namespace engine
