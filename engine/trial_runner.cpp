#include "engine/trial_runner.h"

#include "engine/simulation.h"

namespace engine {

// Trials write no files, so they have nothing to say; what a trial would say, the last plain
// run of the analysis says again.
class TrialRunner::QuietPrompter final : public platform::Prompter {
 public:
  void ShowMessage(const std::string&, const std::string&, platform::Icon) override {}
  platform::Answer Ask(const std::string&, const std::string&, platform::Buttons,
                       platform::Icon) override {
    return platform::Answer::No;
  }
};

TrialRunner::TrialRunner(const RunContext& ctx, const core::Scenario& scenario)
    : prompter_(std::make_unique<QuietPrompter>()),
      ctx_(std::make_unique<RunContext>()),
      scenario_(std::make_unique<core::Scenario>(scenario)),
      purchasingPower_(scenario.groups.mcTodaysPurchasingPower != 0) {
  ctx_->options = ctx.options;
  ctx_->env.workDir = ctx.env.workDir;
  ctx_->env.today = ctx.env.today;
  ctx_->env.scenarioName = ctx.env.scenarioName;
  ctx_->env.prompter = prompter_.get();
  ctx_->lifeTables.KeepAcrossRuns(true);
  RunOptions& options = ctx_->options;
  options.showDetails = options.showSummary = options.showAccounts = options.trackFlows = false;
  options.summaryStartup = false;
  options.writeRecordFiles = false;
  options.keepPurchasingPower = purchasingPower_;
  options.randomGroupRates = scenario.groups.mcRateSource == 1;
  options.randomAccountRates = !options.randomGroupRates;
}

TrialRunner::~TrialRunner() = default;

void TrialRunner::Run(uint64_t seed, TrialOutcome& outcome) {
  RandomRateState& random = ctx_->random;
  random.source.Seed(seed);
  random.rangeCache = GaussianCache{};
  random.deviationCache = GaussianCache{};
  // A trial's draws are all Gaussian or all uniform; the Gaussian pairs are made ahead, about
  // as many as the last trial took (every trial of a scenario takes the same number).
  random.pairsAhead = scenario_->groups.mcRateType != kUniform;
  random.pairs.Restart(random.pairs.taken());
  random.statistics.ClearHistograms();
  ClearAccountRateTallies(*scenario_);
  RunSimulation(*ctx_, *scenario_, ScheduleMode::List);
  const RunResults& results = ctx_->results;
  outcome.years = results.RowCount();
  for (int row = 0; row < outcome.years; ++row) {
    const auto index = static_cast<size_t>(row);
    outcome.values[index] =
        purchasingPower_ ? results.purchasingPowerByYear[index] : results.years[index].netWorth;
  }
  for (int i = 0; i < scenario_->accountCount(); ++i) {
    const core::Account& account = scenario_->account(i);
    const int slot = ValidSlot(account);
    if (slot < 0) continue;
    SlotRates& rates = outcome.slots[static_cast<size_t>(slot)];
    rates.count = scenario_->slots.randomRateCount[slot];
    rates.sum = account.sumRandomRates;
    rates.lowest = account.lowestRandomRate;
    rates.highest = account.highestRandomRate;
    rates.histogram = random.statistics.histograms[static_cast<size_t>(slot)];
  }
}

void MergeTrialRates(const TrialOutcome& outcome, core::Scenario& scenario,
                     RateStatistics& statistics) {
  for (int i = 0; i < scenario.accountCount(); ++i) {
    core::Account& account = scenario.account(i);
    const int slot = ValidSlot(account);
    if (slot < 0) continue;
    const SlotRates& rates = outcome.slots[static_cast<size_t>(slot)];
    if (!(rates.count > 0.0f)) continue;
    scenario.slots.randomRateCount[slot] += rates.count;
    account.sumRandomRates += rates.sum;
    if (rates.lowest < account.lowestRandomRate) account.lowestRandomRate = rates.lowest;
    if (rates.highest > account.highestRandomRate) account.highestRandomRate = rates.highest;
    RateHistogram& total = statistics.histograms[static_cast<size_t>(slot)];
    total.below += rates.histogram.below;
    total.above += rates.histogram.above;
    for (int b = 0; b < kHistogramBins; ++b) {
      total.bins[static_cast<size_t>(b)] += rates.histogram.bins[static_cast<size_t>(b)];
    }
    total.squaredDeviations += rates.histogram.squaredDeviations;
  }
}

}  // namespace engine
