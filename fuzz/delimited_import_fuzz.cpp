// Fuzz target of the delimited account import: any text is converted as a tab- and as a
// comma-delimited report, then used to create a new scenario's accounts and to update the
// accounts of a scenario, every question answered Yes. The accounts must stay inside their
// tables, with distinct slots and amounts that are numbers.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/account_import.h"
#include "core/accounts.h"
#include "core/text.h"
#include "fuzz/fuzz_scratch.h"
#include "platform/scripted.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void CheckAccounts(const core::Scenario& scenario) {
  if (scenario.accountCount() < 0 || scenario.accountCount() > core::kMaxAccounts) std::abort();
  bool slotUsed[core::kSlotCount] = {};
  for (int i = 0; i < scenario.accountCount(); ++i) {
    const core::Account& account = scenario.account(i);
    if (account.slot >= core::kSlotCount || slotUsed[account.slot]) std::abort();
    slotUsed[account.slot] = true;
    if (!std::isfinite(account.initialAmount)) std::abort();
  }
}

// A scenario with accounts whose names a report may well hold.
core::Document ScenarioToUpdate() {
  core::Document document;
  core::Scenario& s = document.scenario;
  for (const char* name : {"Savings", "Checking", "IRA", "Brokerage"}) {
    const int index = s.accountCount();
    core::CopyText(s.account(index).name, name);
    s.account(index).slot = core::TakeSlotForNewAccount(s, index);
    core::AllocateAccountId(s);
  }
  return document;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = ScratchDir();
  const std::filesystem::path source = dir / "report.TXT";
  WriteInput(source, data, size);

  platform::ScriptedPrompter prompter;
  prompter.SetFallbackAnswer(platform::Answer::Yes);
  if (!core::ConvertTabFile(source, dir, prompter)) std::abort();
  if (!core::ConvertCsvFile(source, dir, prompter)) std::abort();

  for (core::Delimiter delimiter : {core::Delimiter::Tab, core::Delimiter::Comma}) {
    core::Document created;
    if (!core::CreateAccountsFromFile(created, delimiter, source, dir, 1, prompter)) std::abort();
    CheckAccounts(created.scenario);

    core::Document updated = ScenarioToUpdate();
    core::UpdateAccountsFromFile(updated, delimiter, source, dir, prompter);
    CheckAccounts(updated.scenario);
  }
  return 0;
}
