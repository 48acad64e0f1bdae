#include "engine/simulation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "core/accounts.h"
#include "core/birthday.h"
#include "core/events.h"
#include "core/file_io.h"
#include "core/text.h"
#include "engine/ages.h"
#include "engine/event_processing.h"
#include "engine/random_rates.h"
#include "engine/rule72t_year.h"
#include "engine/red_flags.h"
#include "engine/scenario_description.h"
#include "engine/year_end.h"

namespace engine {

namespace {

constexpr int kHeadingDashes = 184;
constexpr int kSecondDashes = 185;
constexpr int kClosingDashes = 175;

int AgeIndex(int wholeAge) { return std::clamp(wholeAge, 0, kAgeTableSize - 1); }

void EmitDashes(RunContext& ctx, int count) {
  if (!ctx.sink.Wants()) return;
  char dashes[200];
  std::fill_n(dashes, count, '-');
  dashes[count] = '\0';
  ctx.sink.EmitText(kTagNone, dashes);
}

// Results files and print files start with the scenario description.
void WriteDescriptionToFile(RunContext& ctx) {
  WriteScenarioDescription(ctx.s(), ctx.currentAge, ctx.options.pound,
                           [&](std::string_view line, int) { ctx.sink.EmitText(kTagNone, line); });
}

void EmitInitialRates(RunContext& ctx) {
  ScheduleSink& sink = ctx.sink;
  sink.EmitText(kTagInitialRates, "Initial Rates:");
  for (int i = 0; i < ctx.s().accountCount(); ++i) {
    const core::Account& account = ctx.s().account(i);
    sink.Emit(kTagInitialRates, " %s = %s", core::TextOf(account.name).c_str(),
              RateText(account.rate).c_str());
  }
  const core::InitialValues& initial = ctx.s().initial;
  sink.Emit(kTagInitialRates, " Tax = %s", RateText(initial.taxRate).c_str());
  sink.Emit(kTagInitialRates, " Inflation = %s", RateText(initial.inflationRate).c_str());
  sink.Emit(kTagInitialRates, " Appreciation = %s", RateText(initial.avgEquityRate).c_str());
}

// Opens the results or print file of the file modes; the text is written when the run ends.
bool CheckScheduleFile(RunContext& ctx) {
  if (ctx.mode == ScheduleMode::List || ctx.env.fileText != nullptr) return true;
  platform::Prompter& prompter = *ctx.env.prompter;
  std::filesystem::path path;
  if (ctx.mode == ScheduleMode::PrintFile) {
    path = core::ResolvePath(ctx.env.workDir, ".\\ptmpsch.dat");
  } else {
    path = ctx.env.resultsPath;
    if (path.empty() && ctx.env.files != nullptr) {
      const auto chosen = ctx.env.files->Choose(platform::FileRequest{
          true, "Save Results To A File", "Result Files (*.SCH)", "sch", false});
      if (chosen.empty()) return false;
      path = core::ResolvePath(ctx.env.workDir, chosen.front());
    }
    if (path.empty()) return false;
    ctx.env.resultsPath = path;
  }
  TextFile probe;
  if (!probe.Open(path)) {
    prompter.ShowMessage("FILE ERROR",
                         ctx.mode == ScheduleMode::PrintFile
                             ? std::string("Cannot open temporary print file")
                             : core::Format("Cannot open %s", path.string().c_str()),
                         platform::Icon::Error);
    return false;
  }
  if (ctx.mode == ScheduleMode::PrintFile) ctx.env.resultsPath = path;
  return true;
}

void FinishScheduleFile(RunContext& ctx) {
  if (ctx.mode == ScheduleMode::List) return;
  if (ctx.env.fileText != nullptr) {
    ctx.sink.HandOverFileText(*ctx.env.fileText);
    return;
  }
  if (ctx.options.silent && ctx.sink.fileText().empty()) return;
  TextFile file;
  if (file.Open(ctx.env.resultsPath)) file.Write(ctx.sink.fileText().c_str());
}

std::string TitleOr(const core::ReportTitles& titles, int n, std::string fallback) {
  if (titles.printTitle[n] == 1) return core::TextOf(titles.title[n]);
  return fallback;
}

bool OpenPlotFile(RunContext& ctx) {
  if (!ctx.options.writeRecordFiles) return true;
  if (!ctx.plot.Open(core::ResolvePath(ctx.env.workDir, "plotinf01.tmp"))) {
    ctx.env.prompter->ShowMessage("FILE ERROR", "Cannot open plot file.", platform::Icon::Error);
    return false;
  }
  const core::ReportTitles& titles = ctx.s().titles;
  ctx.plot.WriteHead(ctx.options.graphKind, TitleOr(titles, 0, PlotFileTitle(ctx.env.scenarioName)),
                     TitleOr(titles, 1, PlotDateTitle(ctx.env.today)),
                     TitleOr(titles, 2, PlotTimeTitle(ctx.env.today)));
  return true;
}

// The number of plot points: the results years and the closing row, those of the graph's age
// window only while it is on.
int CountPlotPoints(const RunContext& ctx) {
  const GraphAgeWindow& window = ctx.options.graphWindow;
  auto counts = [&](float age) {
    return age >= static_cast<float>(ctx.resultsStartAge) && window.Shows(WholeAge(age));
  };
  int points = 0;
  float age = ctx.loopStartAge;
  for (; age < ctx.endAge; age += 1.0f) {
    if (counts(age)) ++points;
  }
  if (counts(age)) ++points;
  return std::min(points, kMaxResultsYears);
}

void WritePlotSizes(RunContext& ctx) {
  const core::Scenario& scenario = ctx.s();
  const char* names[core::kMaxAccounts];
  char storage[core::kMaxAccounts][sizeof(core::Account::name) + 1];
  for (int i = 0; i < scenario.accountCount(); ++i) {
    std::snprintf(storage[i], sizeof storage[i], "%s",
                  core::TextOf(scenario.account(i).name).c_str());
    names[i] = storage[i];
  }
  ctx.plot.WriteSizes(ctx.plotPoints, scenario.accountCount(), names);
}

// Processing order: kind as a signed number (RMD options first), then start age; stable.
void SortEventsForRun(core::Scenario& scenario) {
  core::FinancialEvent* first = scenario.events.data();
  core::FinancialEvent* last = first + scenario.eventCount();
  const auto before = [](const core::FinancialEvent& a, const core::FinancialEvent& b) {
    const auto ka = static_cast<int16_t>(a.kind);
    const auto kb = static_cast<int16_t>(b.kind);
    if (ka != kb) return ka < kb;
    return a.startAge < b.startAge;
  };
  // The order of the last run is usually still there, and the stable sort would leave it as
  // it is; a start age that is not a number orders nothing, so then the sort decides.
  const bool comparable = std::none_of(
      first, last, [](const core::FinancialEvent& e) { return std::isnan(e.startAge); });
  if (comparable && std::is_sorted(first, last, before)) return;
  std::stable_sort(first, last, before);
}

float SmallestEventStartAge(const core::Scenario& scenario) {
  float smallest = scenario.initial.startAge;
  for (int e = 0; e < scenario.eventCount(); ++e) {
    smallest = std::min(smallest, scenario.events[e].startAge);
  }
  return smallest;
}

float SumOfAssetAccounts(const core::Scenario& scenario) {
  float sum = 0.0f;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    if (scenario.account(i).kind == core::kAsset) sum += scenario.account(i).balance;
  }
  return sum;
}

// Export line, plot point, ResultsYear fields 0..6 and the balance row of a results year.
void WriteRowStart(RunContext& ctx, float shownAge) {
  core::Scenario& scenario = ctx.s();
  const KindTotals& t = ctx.totals;
  if (ctx.env.exportFile != nullptr && ctx.env.exportFile->IsOpen()) {
    ctx.env.exportFile->WriteRow(scenario, ctx.age, t.equity);
  }
  const float assetAccounts = SumOfAssetAccounts(scenario);
  const float netWorth = t.NetWorth();
  const int count = scenario.accountCount();
  if (ctx.plot.IsOpen() && ctx.options.graphWindow.Shows(WholeAge(ctx.age))) {
    float balances[core::kMaxAccounts];
    for (int i = 0; i < count; ++i) balances[i] = scenario.account(i).balance;
    const float columns[6] = {t.investment,  t.taxFree, t.retirement,
                              assetAccounts, t.equity,  netWorth};
    ctx.plot.WritePointStart(balances, count, shownAge, columns);
  }
  const int row = ctx.results.yearIndex;
  if (row < 0 || row >= kMaxResultsYears) return;
  ResultsYear& year = ctx.results.years[static_cast<size_t>(row)];
  year.age = ctx.age;
  year.investment = t.investment;
  year.taxFree = t.taxFree;
  year.retirement = t.retirement;
  year.assetAccounts = assetAccounts;
  year.equity = t.equity;
  year.netWorth = netWorth;
  auto& balances = ctx.results.accountBalances[static_cast<size_t>(row)];
  for (int i = 0; i < count; ++i) balances[static_cast<size_t>(i)] = scenario.account(i).balance;
}

void ZeroSmallTotals(KindTotals& t) {
  for (float* total :
       {&t.investment, &t.taxFree, &t.retirement, &t.asset, &t.equity, &t.liabilities}) {
    if (*total > -1.0f && *total < 1.0f) *total = 0.0f;
  }
}

void StoreKindSeries(RunContext& ctx) {
  const size_t index = static_cast<size_t>(AgeIndex(ctx.wholeAge));
  const KindTotals& t = ctx.totals;
  const float values[kKindSeriesCount] = {t.investment, t.taxFree, t.retirement,
                                          t.asset,      t.equity,  t.liabilities};
  for (int k = 0; k < kKindSeriesCount; ++k)
    ctx.results.kindByAge[static_cast<size_t>(k)][index] = values[k];
}

void EmitSevenColumns(RunContext& ctx, float shownAge) {
  const KindTotals& t = ctx.totals;
  ctx.sink.Emit(kTagNone, "%-5.1f\t%15s\t%15s\t%15s\t%15s\t%15s\t%15s\t%15s", shownAge,
                Money{t.investment}, Money{t.taxFree}, Money{t.retirement}, Money{t.asset},
                Money{t.equity}, Money{t.liabilities}, Money{t.NetWorth()});
}

// Net worth deflated to the start age; stored for results years. Its cost grows with the
// square of the years, so a run that neither keeps nor shows it does not work it out.
void PurchasingPower(RunContext& ctx, bool store) {
  if (!ctx.options.keepPurchasingPower && !ctx.sink.Wants()) return;
  float pp = ctx.totals.NetWorth();
  const int first = WholeAge(ctx.currentAge) + 1;
  for (int i = ctx.wholeAge; i >= first; --i) {
    pp = pp - pp * ctx.results.inflationByAge[static_cast<size_t>(AgeIndex(i - 1))] * 0.01f;
  }
  const int row = ctx.results.yearIndex;
  if (store && row >= 0 && row < kMaxResultsYears) {
    ctx.results.purchasingPowerByYear[static_cast<size_t>(row)] = pp;
  }
  if (ctx.options.showPurchasingPower || ctx.s().initial.todaysPurchasingPower == 1) {
    ctx.sink.Emit(kTagNone, "\t\t\t\t\t\t\t\tNet Worth in Age %5.2f Purchasing Power %15s",
                  ctx.currentAge, Money{pp});
  }
}

float ShownAge(const RunContext& ctx) {
  const bool firstYear = ctx.wholeAge == ctx.resultsStartAge;
  return (firstYear && ctx.s().initial.useBirthday == 1) ? ctx.currentAge : ctx.age;
}

void StartResults(RunContext& ctx) {
  core::Scenario& scenario = ctx.s();
  const core::InitialValues& initial = scenario.initial;
  ctx.totals.investment = initial.initialInvestmentSavings;
  ctx.totals.taxFree = initial.initialTaxFreeSavings;
  ctx.totals.retirement = initial.initialRetirementSavings;
  ctx.totals.equity += initial.initialEquity;
  ctx.totals.asset += initial.initialAssets;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    core::Account& account = scenario.account(i);
    account.balance = account.initialAmount;
    account.currentRate = account.rate;
  }
  std::fill(std::begin(scenario.slots.penaltyStartAge), std::end(scenario.slots.penaltyStartAge),
            uint16_t{0});
}

void AddStartingCardBalances(RunContext& ctx) {
  core::Scenario& scenario = ctx.s();
  for (const int e : ctx.index.cards) {
    const core::FinancialEvent& event = scenario.events[e];
    if (WholeAge(event.startAge) == ctx.wholeAge) ctx.totals.liabilities += event.runAmount;
  }
}

void ProbeBalance(RunContext& ctx) {
  if (ctx.options.probeAge != ctx.wholeAge) return;
  const int index = ctx.AccountIndex(ctx.options.probeAccountId);
  if (index < 0) return;
  ctx.results.probeBalance = ctx.s().account(index).balance;
  ctx.results.probeFound = true;
}

// The pending events that start this year (their start age is reached) join the started
// ones, in processing order. A pending event's state is untouched until it is processed.
void AdmitDueEvents(RunContext& ctx) {
  const core::Scenario& scenario = ctx.s();
  IndexList<core::kEventTableCapacity>& pending = ctx.index.pending;
  std::array<int16_t, core::kEventTableCapacity> due;
  int dueCount = 0;
  int waiting = 0;
  for (int k = 0; k < pending.count; ++k) {
    const int16_t e = pending.at[static_cast<size_t>(k)];
    if (scenario.events[e].startAge <= ctx.age) {
      due[static_cast<size_t>(dueCount++)] = e;
    } else {
      pending.at[static_cast<size_t>(waiting++)] = e;
    }
  }
  pending.count = waiting;
  if (dueCount == 0) return;
  IndexList<core::kEventTableCapacity>& live = ctx.index.live;
  std::array<int16_t, core::kEventTableCapacity> merged;
  int a = 0, b = 0, out = 0;
  while (a < live.count || b < dueCount) {
    const bool fromLive =
        b >= dueCount || (a < live.count && live.at[static_cast<size_t>(a)] < due[static_cast<size_t>(b)]);
    merged[static_cast<size_t>(out++)] =
        fromLive ? live.at[static_cast<size_t>(a++)] : due[static_cast<size_t>(b++)];
  }
  live.count = out;
  std::copy_n(merged.begin(), out, live.at.begin());
}

void RunYear(RunContext& ctx) {
  core::Scenario& scenario = ctx.s();
  ctx.wholeAge = WholeAge(ctx.age);
  ctx.sink.SetYear(ctx.wholeAge, ctx.InResults());
  if (ctx.RandomRates() && !ctx.options.scheduleWindowOpen) {
    ctx.currentInflation = DrawYearInflation(ctx, ctx.currentInflation);
  }
  ctx.owned.depositTaxes = 0.0f;
  ctx.yearFraction = ctx.wholeAge == ctx.resultsStartAge
                         ? 1.0f - (ctx.currentAge - static_cast<float>(ctx.resultsStartAge))
                         : 1.0f;
  ctx.workingInflation = ctx.currentInflation;
  ctx.results.inflationByAge[static_cast<size_t>(AgeIndex(ctx.wholeAge))] =
      ctx.workingInflation * ctx.yearFraction;
  ctx.flows.ClearYear();
  if (ctx.wholeAge == ctx.resultsStartAge) StartResults(ctx);
  const bool inResults = ctx.InResults();
  if (inResults) {
    ProbeBalance(ctx);
    SetUpRule72tYear(ctx);
    AddStartingCardBalances(ctx);
    ++ctx.results.yearIndex;
    WriteRowStart(ctx, ShownAge(ctx));
  }
  EmitDashes(ctx, kHeadingDashes);
  ZeroSmallTotals(ctx.totals);
  EmitSevenColumns(ctx, ShownAge(ctx));
  StoreKindSeries(ctx);
  PurchasingPower(ctx, inResults);
  EmitDashes(ctx, kSecondDashes);
  EmitDashes(ctx, kSecondDashes);
  if (ctx.totals.NetWorth() < 0.0f) ctx.results.redFlags.negativeNetWorth.Raise(ctx.wholeAge);
  if (ctx.options.trackFlows) ctx.sink.EmitText(kTagNone, "Financial Events:");
  ctx.sink.Emit(kTagNone, "  Inflation Rate = %-7.3f", ctx.workingInflation * ctx.yearFraction);
  ctx.sink.Emit(kTagNone, "  Tax Rate = %-7.3f", ctx.workingTaxRate);
  // An event that has not started and does not start this year, like a finished one, has
  // nothing to do; a finished one leaves the list for good.
  AdmitDueEvents(ctx);
  IndexList<core::kEventTableCapacity>& live = ctx.index.live;
  int kept = 0;
  for (int k = 0; k < live.count; ++k) {
    const int e = live.at[static_cast<size_t>(k)];
    core::FinancialEvent& event = scenario.events[e];
    ProcessEventYear(ctx, e);
    if (event.runState == 1 && event.endAge < ctx.age && event.kind != core::kLoan &&
        event.kind != core::kMortgage) {
      event.runState = 2;
    }
    if (event.runState != 2) live.at[static_cast<size_t>(kept++)] = static_cast<int16_t>(e);
  }
  live.count = kept;
  ApplyYearEnd(ctx);
  if (ctx.totals.liabilities < 1.0f) ctx.totals.liabilities = 0.0f;
}

void WritePlotTrailer(RunContext& ctx) {
  if (!ctx.plot.IsOpen()) return;
  const core::Scenario& scenario = ctx.s();
  char groupStorage[core::kMaxGroups][sizeof scenario.groups.groupName[0] + 1];
  const char* groupNames[core::kMaxGroups];
  for (int g = 0; g < core::kMaxGroups; ++g) {
    std::snprintf(groupStorage[g], sizeof groupStorage[g], "%s",
                  core::TextOf(scenario.groups.groupName[g]).c_str());
    groupNames[g] = groupStorage[g];
  }
  int groups[core::kMaxAccounts];
  for (int i = 0; i < scenario.accountCount(); ++i) groups[i] = scenario.account(i).groupIndex;
  // The purchasing power of the points the file holds.
  float purchasingPower[kMaxResultsYears];
  int points = 0;
  for (int row = 0; row < ctx.results.RowCount(); ++row) {
    const auto index = static_cast<size_t>(row);
    if (!ctx.options.graphWindow.Shows(WholeAge(ctx.results.years[index].age))) continue;
    purchasingPower[points++] = ctx.results.purchasingPowerByYear[index];
  }
  ctx.plot.WriteTrailer(groupNames, groups, scenario.accountCount(), purchasingPower, points);
}

void CloseRun(RunContext& ctx) {
  ctx.wholeAge = WholeAge(ctx.age);
  ctx.sink.SetYear(ctx.wholeAge, ctx.InResults());
  ctx.currentInflation = ctx.savedInflation;
  ctx.s().initial.inflationRate = ctx.savedInflation;
  ++ctx.results.yearIndex;
  if (ctx.InResults()) {
    WriteRowStart(ctx, ctx.age);
    WriteYearFlows(ctx);
  }
  EmitDashes(ctx, kClosingDashes);
  ZeroSmallTotals(ctx.totals);
  EmitSevenColumns(ctx, ctx.age);
  // The closing purchasing power is computed before the plot trailer lists the series, so
  // that its last point is this run's value.
  PurchasingPower(ctx, ctx.InResults());
  if (ctx.InResults()) WritePlotTrailer(ctx);
  ctx.plot.Close();
  StoreKindSeries(ctx);
  ctx.flows.ClearYear();
}

void PositionList(RunContext& ctx) {
  ScheduleList* list = ctx.env.list;
  if (ctx.mode != ScheduleMode::List || list == nullptr) return;
  const int count = static_cast<int>(list->lines().size());
  int line = count - 1;
  if (ctx.options.scrollMode == 1) line = count > 0 ? 0 : -1;
  if (ctx.options.scrollMode == 2) {
    const int first = list->FirstLineOfAge(ctx.options.scrollAge);
    line = first >= 0 ? first : count - 1;
  }
  list->set_scrollLine(line);
}

// Removes the run's pseudo-events again. The schedule list's tags name events by their index
// during the run; the RMD options sorted first, so the tags move with the removal.
void RemovePseudoEventsKeepingTags(RunContext& ctx) {
  core::Scenario& scenario = ctx.s();
  ScheduleList* list = ctx.mode == ScheduleMode::List ? ctx.env.list : nullptr;
  if (list == nullptr || list->lines().empty()) {
    core::RemovePseudoEvents(scenario);
    return;
  }
  const int before = scenario.eventCount();
  const auto events = std::make_unique<std::array<core::FinancialEvent, core::kEventTableCapacity>>(
      scenario.events);
  core::RemovePseudoEvents(scenario);
  if (scenario.eventCount() == before) return;
  int newIndex[core::kEventTableCapacity];
  int kept = 0;
  for (int e = 0; e < before; ++e) {
    const bool same =
        kept < scenario.eventCount() &&
        std::memcmp(&(*events)[e], &scenario.events[kept], sizeof(core::FinancialEvent)) == 0;
    newIndex[e] = same ? kept++ : -1;
  }
  list->RemapEventTags(newIndex, before);
}

void BuildRunIndex(RunContext& ctx) {
  const core::Scenario& scenario = ctx.s();
  RunIndex& index = ctx.index;
  index.live.Clear();
  index.pending.Clear();
  index.property.Clear();
  index.cards.Clear();
  index.rule72t.Clear();
  index.allocationMembers.Clear();
  for (int e = 0; e < scenario.eventCount(); ++e) {
    const core::FinancialEvent& event = scenario.events[e];
    // A run starts every event pending (ClearRunValues); one that is not is taken as started.
    if (event.runState == 0) {
      index.pending.Add(e);
    } else if (event.runState != 2) {
      index.live.Add(e);
    }
    if (core::IsCreditCard(event)) index.cards.Add(e);
    if ((event.kind == core::kLoan && !core::IsCreditCard(event)) ||
        event.kind == core::kMortgage) {
      index.property.Add(e);
    }
    if (core::IsRule72tTransfer(event)) index.rule72t.Add(e);
  }
  for (int i = 0; i < scenario.accountCount(); ++i) {
    const uint16_t slot = scenario.account(i).slot;
    if (slot < core::kSlotCount && scenario.slots.aaMember[slot] == 1) {
      index.allocationMembers.Add(i);
    }
  }
  ctx.propertyTaxes.valid = false;
}

}  // namespace

bool BeginRun(RunContext& ctx) {
  core::Scenario& scenario = ctx.s();
  ctx.totals = KindTotals{};
  ctx.owned = OwnedAccumulators{};
  ctx.mortgagePrincipal = 0.0f;
  ctx.workingTaxRate = scenario.initial.taxRate;
  ctx.workingInflation = scenario.initial.inflationRate;
  ctx.currentInflation = scenario.initial.inflationRate;
  core::ClearRunValues(scenario);
  if (!CheckScheduleFile(ctx)) return false;
  if (ctx.mode != ScheduleMode::List) WriteDescriptionToFile(ctx);
  if (!ctx.options.silent && !OpenPlotFile(ctx)) return false;
  if (ctx.options.showDetails) EmitInitialRates(ctx);
  SortEventsForRun(scenario);
  core::SortAccountsByAccessOrder(scenario);
  ctx.accounts.Build(scenario);
  BuildRunIndex(ctx);
  if (ctx.RandomRates()) PlanAccountDraws(ctx);
  ctx.totals.liabilities = 0.0f;
  ctx.loopStartAge = static_cast<float>(WholeAge(ctx.currentAge));
  const float smallest = SmallestEventStartAge(scenario);
  if (smallest < ctx.currentAge) {
    ctx.loopStartAge = std::min(ctx.loopStartAge, static_cast<float>(WholeAge(smallest)));
  }
  // Ages outside the table would run past the age tables; the editor never stores them.
  ctx.loopStartAge = std::max(ctx.loopStartAge, 0.0f);
  ctx.endAge = std::min(scenario.initial.endAge, static_cast<float>(kAgeTableSize - 1));
  for (int e = 0; e < scenario.eventCount(); ++e) {
    core::FinancialEvent& event = scenario.events[e];
    if (event.kind != core::kLoan && event.kind != core::kMortgage) continue;
    event.runPaidOff = 0;
    ctx.debtSchedules[static_cast<size_t>(e)] = SchedulePlace{};
    if (core::IsCreditCard(event)) event.runAmount = event.amount;
  }
  if (ctx.options.trackFlows) ctx.flows.ClearYear();
  ctx.plotPoints = CountPlotPoints(ctx);
  if (!ctx.options.silent && ctx.plot.IsOpen()) WritePlotSizes(ctx);
  if (ctx.mode != ScheduleMode::ResultsFile) ctx.sink.EmitText(kTagNone, "??");
  return true;
}

bool RunSimulation(RunContext& ctx, core::Scenario& scenario, ScheduleMode mode) {
  if (ctx.options.noRun) return true;
  ctx.scenario = &scenario;
  ctx.mode = mode;
  ctx.results.redFlags = RedFlags{};
  ctx.results.yearIndex = -1;
  ctx.results.probeFound = false;
  ctx.sink.Begin(mode, ctx.env.list, ctx.options.silent, ctx.Mark());
  core::AddRmdOptionEvents(scenario);
  core::ApplyBirthdayToStartAge(scenario, ctx.env.today);
  ctx.currentAge = scenario.initial.startAge;
  ctx.resultsStartAge = WholeAge(ctx.currentAge);
  const bool begun = BeginRun(ctx);
  if (!begun || ctx.options.silent) {
    if (begun) FinishScheduleFile(ctx);
    ctx.plot.Close();
    if (ctx.env.exportFile != nullptr) ctx.env.exportFile->Close();
    RemovePseudoEventsKeepingTags(ctx);
    ctx.accounts.Forget();
    return begun;
  }
  ctx.results.inflationByAge.fill(0.0f);
  ctx.random.statistics.ClearGroups();
  if (ctx.options.writeRecordFiles) {
    ctx.records.Create(ctx.env.workDir, *ctx.env.prompter);
    ctx.records.in.Printf("%d\n", scenario.accountCount());
    for (int i = 0; i < scenario.accountCount(); ++i) {
      ctx.records.in.Printf("%s\n", core::TextOf(scenario.account(i).name).c_str());
    }
  }
  ctx.savedInflation = scenario.initial.inflationRate;
  for (ctx.age = ctx.loopStartAge; ctx.age < ctx.endAge; ctx.age += 1.0f) RunYear(ctx);
  CloseRun(ctx);
  if (ctx.options.showDetails && ctx.RandomRates()) EmitRateStatistics(ctx);
  EmitRedFlags(ctx);
  PositionList(ctx);
  FinishScheduleFile(ctx);
  ctx.records.Finish();
  if (ctx.env.exportFile != nullptr) ctx.env.exportFile->Close();
  RemovePseudoEventsKeepingTags(ctx);
  ctx.accounts.Forget();
  return true;
}

}  // namespace engine
