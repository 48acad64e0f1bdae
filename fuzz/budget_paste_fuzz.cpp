// Fuzz target of "Paste All": any bytes as "budout.tmp" pasted into a budget. A file that is
// refused leaves every byte of the budget as it was and says why; a pasted one holds no more
// items than the file announced (1..30), its texts end inside their fields, its numbers are
// finite and the places after the last item are empty. What "Copy All" then writes pastes
// back to the same items (unless none were read: a count of 0 is no file to paste).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/budget.h"
#include "core/budget_files.h"
#include "core/file_io.h"
#include "core/text_reading.h"
#include "fuzz/fuzz_scratch.h"
#include "platform/scripted.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void Require(bool holds) {
  if (!holds) std::abort();
}

template <size_t N>
bool EndsInside(const char (&field)[N]) {
  return std::memchr(field, '\0', N) != nullptr;
}

void CheckPasted(const core::Budget& budget, const core::Budget& before, int announced) {
  // The count becomes the number of items read: none when the end mark or the end of the
  // file comes first.
  Require(budget.itemCount >= 0 && budget.itemCount <= core::kMaxBudgetItems);
  Require(budget.itemCount <= announced);
  Require(EndsInside(budget.budgetName) && std::strlen(budget.budgetName) <= 29);
  for (int i = 0; i < core::kMaxBudgetItems; ++i) {
    Require(EndsInside(budget.itemName[i]));
    Require(std::strlen(budget.itemName[i]) <= core::kBudgetItemNameLength);
    Require(std::isfinite(budget.itemAmount[i]) && std::isfinite(budget.itemRate[i]));
    Require(std::isfinite(budget.itemYearlyAmount[i]));
    Require(budget.itemMonthly[i] <= 1 && budget.itemTrack[i] <= 1);
    if (i >= budget.itemCount) Require(budget.itemName[i][0] == '\0' && budget.itemAmount[i] == 0);
  }
  Require(std::isfinite(budget.yearlyTotal));
  // The file carries no switches and no account: those of the budget stay.
  Require(budget.budgetActive == before.budgetActive);
  Require(budget.budgetInTodaysDollars == before.budgetInTodaysDollars);
  Require(budget.budgetAccountId == before.budgetAccountId);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = ScratchDir();
  WriteInput(dir / core::kBudgetExchangeFile, data, size);

  const int budgetIndex = static_cast<int>(size % core::kBudgetCount);
  platform::ScriptedPrompter prompter;
  core::Document document;
  core::Budget& budget = document.scenario.budgets[budgetIndex];
  budget.budgetActive = 1;
  budget.budgetAccountId = 7;
  const core::Budget before = budget;
  if (!core::PasteBudgetItems(document, budgetIndex, dir, prompter)) {
    Require(std::memcmp(&budget, &before, sizeof budget) == 0);
    Require(prompter.shown().size() == 1 && prompter.shown()[0].caption == "Budget File Error");
    return 0;
  }
  Require(prompter.shown().empty() && document.modified);
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckPasted(budget, before, core::LeadingInt(text, 0, core::kMaxBudgetItems));

  // Copy All, then Paste All into another budget: the same items come back.
  Require(core::CopyBudgetItems(budget, dir, prompter));
  if (budget.itemCount == 0) return 0;
  const int other = (budgetIndex + 1) % core::kBudgetCount;
  Require(core::PasteBudgetItems(document, other, dir, prompter));
  const core::Budget& copy = document.scenario.budgets[other];
  Require(copy.itemCount == budget.itemCount);
  for (int i = 0; i < budget.itemCount; ++i) {
    Require(std::strcmp(copy.itemName[i], budget.itemName[i]) == 0);
    Require(copy.itemMonthly[i] == budget.itemMonthly[i] &&
            copy.itemTrack[i] == budget.itemTrack[i]);
  }
  return 0;
}
