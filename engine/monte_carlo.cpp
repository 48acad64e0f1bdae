#include "engine/monte_carlo.h"

#include <algorithm>

#include "engine/simulation.h"
#include "engine/stats_file.h"

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

// The yearly values a trial is judged and averaged on.
class YearValues {
 public:
  YearValues(const RunContext& ctx, bool purchasingPower)
      : results_(ctx.results), purchasingPower_(purchasingPower) {}
  int count() const { return results_.RowCount(); }
  float operator[](int row) const {
    const auto index = static_cast<size_t>(row);
    return purchasingPower_ ? results_.purchasingPowerByYear[index]
                            : results_.years[index].netWorth;
  }
  float Final() const { return count() > 0 ? (*this)[count() - 1] : 0.0f; }

 private:
  const RunResults& results_;
  bool purchasingPower_;
};

// The curve of the last run, copied so that the observer may keep it past the next run.
class CurveBuffer {
 public:
  MonteCarloCurve Take(const RunContext& ctx, const YearValues& values) {
    count_ = static_cast<size_t>(values.count());
    for (size_t i = 0; i < count_; ++i) {
      ages_[i] = ctx.results.years[i].age;
      values_[i] = values[static_cast<int>(i)];
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

struct TrialTally {
  int successes = 0;
  std::array<double, kMaxResultsYears> sums{};
};

void RunTrials(RunContext& ctx, core::Scenario& scenario, MonteCarloResult& result,
               MonteCarloObserver* observer) {
  const core::GroupsAndMonteCarlo& settings = scenario.groups;
  const bool purchasingPower = settings.mcTodaysPurchasingPower != 0;
  result.trials = TrialCount(settings);
  ctx.random.statistics.ClearHistograms();
  ClearAccountRateTallies(scenario);
  (settings.mcRateSource == 1 ? ctx.options.randomGroupRates : ctx.options.randomAccountRates) =
      true;
  TrialTally tally;
  CurveBuffer curve;
  for (int trial = 1; trial <= result.trials; ++trial) {
    if (observer != nullptr) observer->OnTrialStarted(trial, result.trials);
    RunSimulation(ctx, scenario, ScheduleMode::List);
    const YearValues values(ctx, purchasingPower);
    if (values.Final() > settings.mcGoalAmount) ++tally.successes;
    if (observer != nullptr) observer->OnTrialCurve(trial, curve.Take(ctx, values));
    for (int row = 0; row < values.count(); ++row) {
      tally.sums[static_cast<size_t>(row)] += values[row];
    }
    result.years = values.count();
  }
  result.successes = tally.successes;
  for (int row = 0; row < result.years; ++row) {
    const auto index = static_cast<size_t>(row);
    result.ages[index] = ctx.results.years[index].age;
    result.average[index] = static_cast<float>(tally.sums[index] / result.trials);
  }
  ctx.options.randomAccountRates = ctx.options.randomGroupRates = false;
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
                               MonteCarloObserver* observer) {
  MonteCarloResult result;
  const SavedSetup saved = QuietForTrials(ctx);
  const bool purchasingPower = scenario.groups.mcTodaysPurchasingPower != 0;
  CurveBuffer curve;
  if (!RunSimulation(ctx, scenario, ScheduleMode::List)) {
    Restore(ctx, saved);
    return result;
  }
  if (observer != nullptr) observer->OnBaseCurve(curve.Take(ctx, YearValues(ctx, purchasingPower)));
  if (scenario.accountCount() > 0) {
    RunTrials(ctx, scenario, result, observer);
    if (observer != nullptr && result.trials > 0) {
      observer->OnAverageCurve(
          {std::span<const float>(result.ages.data(), static_cast<size_t>(result.years)),
           std::span<const float>(result.average.data(), static_cast<size_t>(result.years))});
    }
  }
  RunSimulation(ctx, scenario, ScheduleMode::List);
  if (observer != nullptr) observer->OnFinalCurve(curve.Take(ctx, YearValues(ctx, purchasingPower)));
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
