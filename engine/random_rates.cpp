#include "engine/random_rates.h"

#include "core/text.h"
#include "engine/rate_draws.h"

namespace engine {

namespace {

const core::GroupsAndMonteCarlo& Settings(const RunContext& ctx) { return ctx.s().groups; }

bool CountsInStatistics(const core::Account& account) {
  return account.kind == core::kInvestmentSavings || account.kind == core::kRetirementSavings ||
         account.kind == core::kTaxFreeSavings;
}

// The group of an account, or -1 when a damaged record names none of the ten.
int GroupOf(const core::Account& account) {
  return account.groupIndex < core::kMaxGroups ? static_cast<int>(account.groupIndex) : -1;
}

float DeviationOf(const RunContext& ctx, const core::Account& account) {
  const int slot = ValidSlot(account);
  return slot >= 0 ? ctx.s().slots.stdDeviation[slot] : 0.0f;
}

// Drawn around the working rate with the account's own deviation, widened by the factor.
float DeviationDraw(RunContext& ctx, const core::Account& account) {
  const float widening = 1.0f + 0.1f * static_cast<float>(Settings(ctx).mcStdDevFactor);
  return GaussianDeviationRate(ctx.random.source, ctx.random.deviationCache, account.currentRate,
                               DeviationOf(ctx, account) * widening, ctx.random.Pairs());
}

float DrawFromRange(RunContext& ctx, float min, float max) {
  const core::GroupsAndMonteCarlo& settings = Settings(ctx);
  if (settings.mcRateType == kUniform) return UniformRate(ctx.random.source, min, max);
  return GaussianRangeRate(ctx.random.source, ctx.random.rangeCache, min, max,
                           DistributionFactor(settings), ctx.random.Pairs());
}

float DrawAccountRate(RunContext& ctx, const core::Account& account) {
  if (Settings(ctx).mcRateType == kGaussianDeviation) return DeviationDraw(ctx, account);
  if (!ctx.options.randomGroupRates) {
    return DrawFromRange(ctx, account.randomMinRate, account.randomMaxRate);
  }
  const int group = GroupOf(account);
  return group >= 0 ? ctx.random.groupRates[static_cast<size_t>(group)] : account.currentRate;
}

// The random range the account's rates come from: its own or its group's.
void RangeOf(const RunContext& ctx, const core::Account& account, float& min, float& max) {
  min = account.randomMinRate;
  max = account.randomMaxRate;
  const int group = GroupOf(account);
  if (ctx.options.randomGroupRates && group >= 0) {
    min = Settings(ctx).groupRandomMinRate[group];
    max = Settings(ctx).groupRandomMaxRate[group];
  }
}

HistogramScale ScaleOf(const RunContext& ctx, const core::Account& account) {
  float min = 0.0f, max = 0.0f;
  RangeOf(ctx, account, min, max);
  return ScaleFor(Settings(ctx), min, max, account.currentRate, DeviationOf(ctx, account));
}

void CountAccountRate(RunContext& ctx, core::Account& account, const AccountDrawPlan& plan,
                      float rate) {
  const int slot = plan.slot;
  if (slot < 0) return;
  ctx.s().slots.randomRateCount[slot] += 1.0f;
  account.sumRandomRates += rate;
  if (rate < account.lowestRandomRate) account.lowestRandomRate = rate;
  if (rate > account.highestRandomRate) account.highestRandomRate = rate;
  RateHistogram& histogram = ctx.random.statistics.histograms[static_cast<size_t>(slot)];
  if (plan.fixedScale) {
    histogram.Add(rate, plan.edges);
  } else {
    histogram.Add(rate, ScaleOf(ctx, account));
  }
}

void EmitRateLine(RunContext& ctx, Name name, float rate) {
  ctx.sink.Emit(kTagRandomRates, "      %s%s", name,
                (std::string(" rate=") + RateText(rate).c_str()).c_str());
}

// With group rates the first account of a group in the year speaks for the group.
void EmitDetailLine(RunContext& ctx, const core::Account& account, float rate) {
  if (!ctx.options.randomGroupRates) {
    EmitRateLine(ctx, account.name, rate);
    return;
  }
  const int group = GroupOf(account);
  if (group < 0 || ctx.random.groupLineWritten[static_cast<size_t>(group)]) return;
  ctx.random.groupLineWritten[static_cast<size_t>(group)] = true;
  EmitRateLine(ctx, Settings(ctx).groupName[group], rate);
  ctx.random.statistics.groups[static_cast<size_t>(group)].Add(rate);
}

}  // namespace

float DrawYearInflation(RunContext& ctx, float) {
  return DrawFromRange(ctx, Settings(ctx).mcMinInflation, Settings(ctx).mcMaxInflation);
}

void DrawGroupRates(RunContext& ctx) {
  ctx.random.groupLineWritten.fill(false);
  const core::GroupsAndMonteCarlo& settings = Settings(ctx);
  if (settings.mcRateType == kGaussianDeviation) return;
  for (int g = 0; g < core::kMaxGroups; ++g) {
    ctx.random.groupRates[static_cast<size_t>(g)] =
        DrawFromRange(ctx, settings.groupRandomMinRate[g], settings.groupRandomMaxRate[g]);
  }
}

void PlanAccountDraws(RunContext& ctx) {
  const core::GroupsAndMonteCarlo& settings = Settings(ctx);
  for (int i = 0; i < ctx.s().accountCount(); ++i) {
    const core::Account& account = ctx.s().account(i);
    AccountDrawPlan& plan = ctx.random.plans[static_cast<size_t>(i)];
    plan.ownRange = settings.mcRateType == kGaussianRange && !ctx.options.randomGroupRates;
    plan.sigma = GaussianRangeSigma(account.randomMinRate, account.randomMaxRate,
                                    DistributionFactor(settings));
    plan.middle = RangeMiddle(account.randomMinRate, account.randomMaxRate);
    plan.slot = CountsInStatistics(account) ? ValidSlot(account) : -1;
    // The standard-deviation scale is centred on the account's rate, which rate changes move.
    plan.fixedScale = settings.mcRateType != kGaussianDeviation;
    if (plan.fixedScale) plan.edges = HistogramEdges(ScaleOf(ctx, account));
  }
}

float DrawRateForYear(RunContext& ctx, int accountIndex) {
  const AccountDrawPlan& plan = ctx.random.plans[static_cast<size_t>(accountIndex)];
  if (!plan.ownRange) return DrawAccountRate(ctx, ctx.s().account(accountIndex));
  return StandardNormal(ctx.random.source, ctx.random.rangeCache, ctx.random.Pairs()) *
             plan.sigma +
         plan.middle;
}

void DrawAccountRatesForYear(RunContext& ctx, std::span<float> rates) {
  for (size_t i = 0; i < rates.size(); ++i) rates[i] = DrawRateForYear(ctx, static_cast<int>(i));
}

void CountRateForYear(RunContext& ctx, int accountIndex, float rate) {
  core::Account& account = ctx.s().account(accountIndex);
  if (!(account.balance > 0.0f)) return;
  CountAccountRate(ctx, account, ctx.random.plans[static_cast<size_t>(accountIndex)], rate);
  if (ctx.options.showDetails) EmitDetailLine(ctx, account, rate);
}

float AccountRateForYear(RunContext& ctx, int accountIndex) {
  const float rate = DrawRateForYear(ctx, accountIndex);
  CountRateForYear(ctx, accountIndex, rate);
  return rate;
}

void EmitRandomRateNotice(RunContext& ctx) {
  static constexpr const char* kAccountNotices[] = {
      "  Gaussian range distribution random account rates in effect.",
      "  Uniform random account rates in effect.",
      "  Gaussian Standard Distribution random account rates in effect."};
  static constexpr const char* kGroupNotices[] = {
      "  Gaussian range distribution random group rates in effect.",
      "  Uniform random group rates in effect.",
      "  Gaussian Standard Distribution random group rates in effect."};
  const int type = Settings(ctx).mcRateType;
  if (type < kGaussianRange || type > kGaussianDeviation) return;
  const auto* notices = ctx.options.randomGroupRates ? kGroupNotices : kAccountNotices;
  ctx.sink.EmitText(kTagRandomRates, notices[type]);
}

void EmitRateStatistics(RunContext& ctx) {
  ScheduleSink& sink = ctx.sink;
  if (!sink.Wants()) return;
  sink.EmitText(kTagRandomRates, "Rate Statistics:");
  const core::Scenario& scenario = ctx.s();
  if (ctx.options.randomGroupRates) {
    for (int g = 0; g < core::kMaxGroups; ++g) {
      const GroupRateTally& tally = ctx.random.statistics.groups[static_cast<size_t>(g)];
      if (tally.count <= 0) continue;
      sink.Emit(kTagRandomRates, "Average %s Rate    = %-6.2f Number = %-3d Min = %-6.2f Max = %-6.2f",
                Name{scenario.groups.groupName[g]}, tally.sum / static_cast<float>(tally.count),
                tally.count, tally.minimum, tally.maximum);
    }
    return;
  }
  for (int i = 0; i < scenario.accountCount(); ++i) {
    const core::Account& account = scenario.account(i);
    const int slot = ValidSlot(account);
    const float count = slot >= 0 ? scenario.slots.randomRateCount[slot] : 0.0f;
    if (!(count > 0.0f)) continue;
    sink.Emit(kTagRandomRates, "Average %s Rate = %-6.2f Number = %-6.2f Min = %-6.2f Max = %-6.2f",
              Name{account.name}, account.sumRandomRates / count, count,
              account.lowestRandomRate, account.highestRandomRate);
  }
}

}  // namespace engine
