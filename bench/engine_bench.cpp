// The cost of one simulation run: the planner reruns after every edit and the Monte Carlo
// analysis repeats the run up to 1000 times. Each scenario is measured three ways as one run
// (bare; with the results files and plot file; with the files and the whole schedule text),
// reported as time per simulated year, and as an analysis of 1000 trials on one thread and on
// every processor, reported as trials per second of real time. The scenarios: a small one built
// in code, the largest one and the debt-heavy one of bench/scenarios (KX_BENCH_SCENARIOS_DIR),
// and the example scenarios of the build's data folder when found (KX_EXAMPLES_DIR, default
// "data").
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/cli.h"
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

// A folder of its own for the run's files, with the life tables of Rule 72T beside them.
class WorkFolder {
 public:
  explicit WorkFolder(const char* purpose)
      : path_(std::filesystem::temp_directory_path() /
              core::Format("kxbench-%s-%d", purpose, ::getpid())) {
    std::filesystem::create_directories(path_);
    const char* data = std::getenv("KX_EXAMPLES_DIR");
    const std::filesystem::path folder = data != nullptr ? data : "data";
    std::error_code error;
    for (const char* table : {"mort.dat", "jointtab.dat"}) {
      std::filesystem::copy_file(folder / table, path_ / table,
                                 std::filesystem::copy_options::overwrite_existing, error);
    }
  }
  ~WorkFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::unique_ptr<engine::RunContext> MakeContext(const WorkFolder& folder,
                                                platform::Prompter& prompter) {
  auto ctx = std::make_unique<engine::RunContext>();
  ctx->env.workDir = folder.path();
  ctx->env.prompter = &prompter;
  ctx->env.today = platform::DateTime{2026, 6, 15, 12, 0, 0};
  return ctx;
}

int SimulatedYears(const engine::RunContext& ctx) {
  return static_cast<int>(std::ceil(ctx.endAge - ctx.loopStartAge));
}

void RunScenario(benchmark::State& state, const core::Scenario& original, Output output) {
  platform::ScriptedPrompter prompter;
  const WorkFolder folder("run");
  auto ctx = MakeContext(folder, prompter);
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
  state.counters["per_year"] = benchmark::Counter(
      static_cast<double>(SimulatedYears(*ctx)) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The Monte Carlo analysis: trials per second of real time, the analysis's own runs (plain,
// final and the last one with its files) counted in. An account without a random range of its
// own draws from 5 points around its rate. `threads` 0 runs the trials on every processor.
void RunAnalysis(benchmark::State& state, const core::Scenario& original, int trials, int threads) {
  platform::ScriptedPrompter prompter;
  const WorkFolder folder("mc");
  auto ctx = MakeContext(folder, prompter);
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
    benchmark::DoNotOptimize(engine::RunMonteCarlo(*ctx, *scenario, nullptr, threads).successes);
  }
  state.counters["trials_per_second"] =
      benchmark::Counter(static_cast<double>(trials) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

void RegisterScenario(const std::string& name, std::shared_ptr<const core::Scenario> scenario) {
  for (const Output output : {Output::Bare, Output::Files, Output::Text}) {
    benchmark::RegisterBenchmark(
        (name + "/" + std::to_string(static_cast<int>(output))).c_str(),
        [scenario, output](benchmark::State& state) { RunScenario(state, *scenario, output); })
        ->Unit(benchmark::kMicrosecond);
  }
  for (const int threads : {1, 0}) {
    const std::string label =
        threads == 1 ? "/montecarlo-1000/one-thread" : "/montecarlo-1000/all-threads";
    benchmark::RegisterBenchmark((name + label).c_str(),
                                 [scenario, threads](benchmark::State& state) {
                                   RunAnalysis(state, *scenario, 1000, threads);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

// A scenario file as the planner reads it.
std::shared_ptr<const core::Scenario> ReadScenario(const std::filesystem::path& folder,
                                                   const std::string& name) {
  auto document = std::make_shared<core::Document>();
  platform::ScriptedPrompter prompter;
  if (!std::filesystem::exists(folder / name)) return nullptr;
  if (!core::ReadScenarioFile(*document, folder, name, prompter)) return nullptr;
  return std::shared_ptr<const core::Scenario>(document, &document->scenario);
}

// A scenario of bench/scenarios, built from its JSON by the headless planner.
std::shared_ptr<const core::Scenario> BuildScenario(const std::string& name) {
  const WorkFolder folder("build");
  std::ostringstream out, err;
  const std::string source = std::string(KX_BENCH_SCENARIOS_DIR) + "/" + name + ".json";
  if (cli::RunCli({"--workdir", folder.path().string(), "build", source, "-o", name + ".RET"}, out,
                  err) != 0) {
    return nullptr;
  }
  return ReadScenario(folder.path(), name + ".RET");
}

const bool kScenariosRegistered = [] {
  RegisterScenario("Small", std::make_shared<const core::Scenario>(SmallScenario()));
  for (const char* name : {"LARGEST", "DEBTS"}) {
    if (auto scenario = BuildScenario(name)) RegisterScenario(name, scenario);
  }
  const char* dir = std::getenv("KX_EXAMPLES_DIR");
  const std::filesystem::path folder = dir != nullptr ? dir : "data";
  for (int n = 1; n <= 6; ++n) {
    const std::string name = core::Format("EXAMPLE%d", n);
    if (auto scenario = ReadScenario(folder, name + ".RET")) RegisterScenario(name, scenario);
  }
  return true;
}();

}  // namespace
