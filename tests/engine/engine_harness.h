// A small scenario built in code and run in a temporary working directory, for the engine's
// tests: accounts and events are added by name, the run's text is returned.
#pragma once

#include <memory>
#include <string>

#include "core/accounts.h"
#include "core/events.h"
#include "core/scenario.h"
#include "core/text.h"
#include "engine/run_context.h"
#include "engine/simulation.h"
#include "platform/scripted.h"
#include "tests/support/temp_dir.h"

namespace engine_test {

class Harness {
 public:
  Harness() : ctx(std::make_unique<engine::RunContext>()) {
    scenario.initial.startAge = 30.0f;
    scenario.initial.endAge = 32.0f;
    scenario.initial.inflationRate = 0.0f;
    scenario.initial.taxRate = 15.0f;
    ctx->env.workDir = dir.path();
    ctx->env.prompter = &platform.prompter;
    ctx->env.today = platform::DateTime{2026, 6, 15, 14, 5, 9};
    ctx->env.scenarioName = "TEST.RET";
  }

  // Adds an account; returns its identifier. Accounts keep the order they were added in.
  uint16_t AddAccount(const char* name, uint16_t kind, float amount, float rate) {
    const int index = scenario.accountCount();
    const uint16_t id = core::AllocateAccountId(scenario);
    core::Account& account = scenario.account(index);
    core::CopyText(account.name, name);
    core::CopyText(account.accessOrder, core::Format("%02d", index));
    account.kind = kind;
    account.initialAmount = amount;
    account.rate = rate;
    account.slot = static_cast<uint16_t>(index);
    core::RecomputeInitialTotals(scenario);
    return id;
  }
  core::Account& AccountNamed(const char* name) {
    for (int i = 0; i < scenario.accountCount(); ++i) {
      if (core::TextOf(scenario.account(i).name) == name) return scenario.account(i);
    }
    static core::Account none{};
    ADD_FAILURE() << "no account " << name;
    return none;
  }
  int SlotOf(uint16_t id) { return scenario.account(core::FindAccountIndex(scenario, id)).slot; }

  core::FinancialEvent& AddEvent(uint16_t kind, const char* description, float start, float end,
                                 float amount) {
    const int index = core::AppendEvent(scenario);
    core::FinancialEvent& event = scenario.events[index];
    event.kind = kind;
    core::CopyText(event.description, description);
    event.startAge = start;
    event.endAge = end;
    event.amount = amount;
    event.accountId = core::kNoAccountId;
    event.listRow = 1000;
    return event;
  }

  // Runs in mode ResultsFile and returns the results-file text.
  std::string RunText(engine::ScheduleMode mode = engine::ScheduleMode::ResultsFile) {
    std::string text;
    ctx->env.fileText = &text;
    ok = engine::RunSimulation(*ctx, scenario, mode);
    ctx->env.fileText = nullptr;
    return text;
  }
  // The lines of the text from the first one that starts with `first` (the year heading or an
  // event line), `count` of them.
  static std::string Section(const std::string& text, const std::string& first, size_t count);

  testing_support::TempDir dir;
  platform::ScriptedPlatform platform;
  core::Scenario scenario = core::MakeNewScenario();
  std::unique_ptr<engine::RunContext> ctx;
  bool ok = false;
};

inline std::string Harness::Section(const std::string& text, const std::string& first,
                                    size_t count) {
  size_t start = text.find("\n" + first);
  if (start == std::string::npos) return "<missing: " + first + ">";
  ++start;
  size_t end = start;
  for (size_t i = 0; i < count && end != std::string::npos; ++i) {
    end = text.find('\n', end);
    if (end != std::string::npos) ++end;
  }
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

inline std::string Dashes(int n) { return std::string(static_cast<size_t>(n), '-'); }

}  // namespace engine_test
