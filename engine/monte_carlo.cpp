#include "engine/monte_carlo.h"

#include <algorithm>
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

// Trials run in chunks: every thread takes its share of a chunk, then the chunk's outcomes are
// taken in trial order, so the observer hears of the trials in order as the analysis goes on.
constexpr int kTrialsPerChunk = 32;

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

void RunChunk(std::vector<std::unique_ptr<TrialRunner>>& runners,
              const std::vector<uint64_t>& seeds, int first, int count,
              std::vector<TrialOutcome>& outcomes) {
  const int threads = static_cast<int>(runners.size());
  auto share = [&](int worker) {
    for (int i = worker; i < count; i += threads) {
      runners[static_cast<size_t>(worker)]->Run(seeds[static_cast<size_t>(first + i)],
                                                outcomes[static_cast<size_t>(i)]);
    }
  };
  std::vector<std::thread> helpers;
  for (int worker = 1; worker < threads; ++worker) helpers.emplace_back(share, worker);
  share(0);
  for (std::thread& helper : helpers) helper.join();
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
  std::vector<TrialOutcome> outcomes(kTrialsPerChunk);
  for (int first = 0; first < result.trials; first += kTrialsPerChunk) {
    const int count = std::min(kTrialsPerChunk, result.trials - first);
    RunChunk(runners, seeds, first, count, outcomes);
    for (int i = 0; i < count; ++i) {
      TakeOutcome(ctx, scenario, outcomes[static_cast<size_t>(i)], first + i + 1, result.trials,
                  *tally, observer);
    }
    result.years = outcomes[0].years;
  }
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
