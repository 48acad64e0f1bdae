// The cost of one simulation run: the planner reruns after every edit and the Monte Carlo
// analysis repeats the run up to 1000 times (measured as trials per second). Scenarios built
// in code (a small one and the largest the editor allows) and, when found, the example
// scenarios of the build's data folder (KX_EXAMPLES_DIR, default "data").
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/accounts.h"
#include "core/events.h"
#include "core/scenario.h"
#include "core/scenario_file.h"
#include "core/text.h"
#include "engine/monte_carlo.h"
#include "engine/simulation.h"
#include "platform/scripted.h"

namespace {

enum class Output { Bare, Files, Text };

uint16_t AddAccount(core::Scenario& s, const std::string& name, uint16_t kind, float amount,
                    float rate) {
  const int index = s.accountCount();
  const uint16_t id = core::AllocateAccountId(s);
  core::Account& account = s.account(index);
  core::CopyText(account.name, name);
  core::CopyText(account.accessOrder, core::Format("%02d", index));
  account.kind = kind;
  account.initialAmount = amount;
  account.rate = rate;
  account.slot = static_cast<uint16_t>(index);
  return id;
}

core::FinancialEvent& AddEvent(core::Scenario& s, uint16_t kind, const std::string& name,
                               float start, float end, float amount) {
  core::FinancialEvent& e = s.events[core::AppendEvent(s)];
  e.kind = kind;
  core::CopyText(e.description, name);
  e.startAge = start;
  e.endAge = end;
  e.amount = amount;
  e.accountId = core::kNoAccountId;
  return e;
}

core::Scenario SmallScenario() {
  core::Scenario s = core::MakeNewScenario();
  const uint16_t cash = AddAccount(s, "Cash", core::kInvestmentSavings, 20000.0f, 4.0f);
  const uint16_t ira = AddAccount(s, "IRA", core::kRetirementSavings, 50000.0f, 7.0f);
  AddAccount(s, "House", core::kAsset, 200000.0f, 3.0f);
  core::FinancialEvent& pay = AddEvent(s, core::kDeposit, "Salary", 30.0f, 65.0f, 40000.0f);
  pay.accountId = cash;
  pay.applyInflation = 1;
  AddEvent(s, core::kWithdrawal, "Living", 30.0f, 84.0f, 30000.0f).applyInflation = 1;
  core::FinancialEvent& roll = AddEvent(s, core::kTransfer, "Roll", 66.0f, 84.0f, 10000.0f);
  roll.fromAccountId = ira;
  roll.accountId = cash;
  core::RecomputeInitialTotals(s);
  return s;
}

// 50 accounts of every kind, 150 events spread over 99 years.
core::Scenario LargestScenario() {
  core::Scenario s = core::MakeNewScenario();
  s.initial.startAge = 20.0f;
  s.initial.endAge = 119.0f;
  uint16_t ids[core::kMaxAccounts];
  for (int i = 0; i < core::kMaxAccounts; ++i) {
    const auto kind = static_cast<uint16_t>(i % 5);
    ids[i] =
        AddAccount(s, core::Format("Account %02d", i), kind,
                   10000.0f + 100.0f * static_cast<float>(i), kind <= core::kEquity ? 2.0f : 5.0f);
    s.dividends.dividendRate[i] = i % 7 == 2 ? 1.5f : 0.0f;
    s.dividends.dividendAccountId[i] = ids[i];
  }
  for (int e = 0; e < core::kMaxEvents; ++e) {
    const float start = 20.0f + static_cast<float>(e % 60);
    const uint16_t to = ids[(e * 7 + 2) % core::kMaxAccounts];
    const uint16_t from = ids[(e * 3 + 3) % core::kMaxAccounts];
    switch (e % 4) {
      case 0: {
        core::FinancialEvent& d = AddEvent(s, core::kDeposit, core::Format("Deposit %d", e), start,
                                           start + 30.0f, 1000.0f);
        d.accountId = to;
        d.applyInflation = 1;
        d.taxDeposit = static_cast<uint16_t>(e % 3 == 0);
        break;
      }
      case 1:
        AddEvent(s, core::kWithdrawal, core::Format("Spend %d", e), start, start + 40.0f, 800.0f)
            .appliedRate = 2.0f;
        break;
      case 2: {
        core::FinancialEvent& t =
            AddEvent(s, core::kTransfer, core::Format("Move %d", e), start, start + 20.0f, 500.0f);
        t.fromAccountId = from;
        t.accountId = to;
        break;
      }
      default: {
        core::FinancialEvent& f =
            AddEvent(s, core::kFundamentals, core::Format("Rates %d", e), start, start, 15.0f);
        f.newInflationRate = 3.0f + static_cast<float>(e % 3);
        f.rateAccountId = to;
        f.newAccountRate = 4.0f + static_cast<float>(e % 4);
        break;
      }
    }
  }
  core::RecomputeInitialTotals(s);
  return s;
}

void RunScenario(benchmark::State& state, const core::Scenario& original, Output output) {
  platform::ScriptedPrompter prompter;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / core::Format("kxbench-%d", ::getpid());
  std::filesystem::create_directories(dir);
  auto ctx = std::make_unique<engine::RunContext>();
  ctx->env.workDir = dir;
  ctx->env.prompter = &prompter;
  ctx->env.today = platform::DateTime{2026, 6, 15, 12, 0, 0};
  ctx->options.writeRecordFiles = output != Output::Bare;
  ctx->options.trackFlows = output != Output::Bare;
  ctx->options.showDetails = ctx->options.showSummary = ctx->options.showAccounts =
      output == Output::Text;
  auto scenario = std::make_unique<core::Scenario>(original);
  std::string text;
  text.reserve(1 << 20);
  for (auto _ : state) {
    ctx->env.fileText = output == Output::Text ? &text : nullptr;
    const auto mode =
        output == Output::Text ? engine::ScheduleMode::ResultsFile : engine::ScheduleMode::List;
    benchmark::DoNotOptimize(engine::RunSimulation(*ctx, *scenario, mode));
  }
  state.counters["text_bytes"] = static_cast<double>(text.size());
  std::error_code error;
  std::filesystem::remove_all(dir, error);
}

void BM_Small(benchmark::State& state) {
  static const core::Scenario* scenario = new core::Scenario(SmallScenario());
  RunScenario(state, *scenario, static_cast<Output>(state.range(0)));
}
BENCHMARK(BM_Small)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_Largest(benchmark::State& state) {
  static const core::Scenario* scenario = new core::Scenario(LargestScenario());
  RunScenario(state, *scenario, static_cast<Output>(state.range(0)));
}
BENCHMARK(BM_Largest)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The Monte Carlo analysis: trials per second of real time (the trials run on every
// processor), the analysis's own runs (plain, final and the last one with its files) counted
// in. Each account draws from 5 points around its rate unless it has a random range of its own.
void RunAnalysis(benchmark::State& state, const core::Scenario& original, int trials) {
  platform::ScriptedPrompter prompter;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / core::Format("kxbench-mc-%d", ::getpid());
  std::filesystem::create_directories(dir);
  auto ctx = std::make_unique<engine::RunContext>();
  ctx->env.workDir = dir;
  ctx->env.prompter = &prompter;
  ctx->env.today = platform::DateTime{2026, 6, 15, 12, 0, 0};
  ctx->random.source.Seed(2026);
  auto scenario = std::make_unique<core::Scenario>(original);
  scenario->groups.mcTrials = static_cast<int16_t>(trials);
  for (int i = 0; i < scenario->accountCount(); ++i) {
    core::Account& account = scenario->account(i);
    if (account.randomMinRate != account.randomMaxRate) continue;
    account.randomMinRate = account.rate - 5.0f;
    account.randomMaxRate = account.rate + 5.0f;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::RunMonteCarlo(*ctx, *scenario).successes);
  }
  state.counters["trials_per_second"] = benchmark::Counter(
      static_cast<double>(trials) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
  std::error_code error;
  std::filesystem::remove_all(dir, error);
}

void BM_MonteCarloSmall(benchmark::State& state) {
  static const core::Scenario* scenario = new core::Scenario(SmallScenario());
  RunAnalysis(state, *scenario, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_MonteCarloSmall)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MonteCarloLargest(benchmark::State& state) {
  static const core::Scenario* scenario = new core::Scenario(LargestScenario());
  RunAnalysis(state, *scenario, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_MonteCarloLargest)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The example scenarios, when the build's data folder is at hand.
const bool kExamplesRegistered = [] {
  const char* dir = std::getenv("KX_EXAMPLES_DIR");
  const std::filesystem::path folder = dir != nullptr ? dir : "data";
  for (int n = 1; n <= 6; ++n) {
    const std::string name = core::Format("EXAMPLE%d.RET", n);
    if (!std::filesystem::exists(folder / name)) continue;
    auto document = std::make_shared<core::Document>();
    platform::ScriptedPrompter prompter;
    if (!core::ReadScenarioFile(*document, folder, name, prompter)) continue;
    for (const Output output : {Output::Bare, Output::Files, Output::Text}) {
      benchmark::RegisterBenchmark((name + "/" + std::to_string(static_cast<int>(output))).c_str(),
                                   [document, output](benchmark::State& state) {
                                     RunScenario(state, document->scenario, output);
                                   })
          ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark((name + "/montecarlo-1000").c_str(),
                                 [document](benchmark::State& state) {
                                   RunAnalysis(state, document->scenario, 1000);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  return true;
}();

}  // namespace
