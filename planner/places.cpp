// The commands that open a place of their own (dialogs, report windows, print jobs,
// calculators), start a companion program or show help.
#include <cstdlib>

#include "core/event.h"
#include "planner/command_table.h"
#include "planner/desktop_calculator.h"
#include "planner/planner.h"

namespace planner {

namespace {

// The flag that keeps a place from opening twice: its kind, its name and what it edits.
std::string FlagOf(const Place& place) {
  return std::to_string(static_cast<int>(place.kind)) + ':' + place.name + ':' +
         std::to_string(place.event) + ':' + std::to_string(place.account) + ':' +
         std::to_string(place.budget) + (place.calculator ? ":calculator" : "");
}

// The editing dialog of an event's kind.
Place EventDialog(const core::FinancialEvent& event, int index) {
  Place place;
  place.event = index;
  switch (event.kind) {
    case core::kFundamentals: place.name = "FUNDAMENTALS"; break;
    case core::kDeposit: place.name = "INCOME"; break;
    case core::kLoan: place.name = core::IsCreditCard(event) ? "CCARD" : "LOAN"; break;
    case core::kMortgage: place.name = "MORTGAGE"; break;
    case core::kTransfer: place.name = core::IsRule72tTransfer(event) ? "RULE" : "TRANSFER"; break;
    case core::kWithdrawal:
      if (core::IsBudgetWithdrawal(event)) {
        place.name = "BUDGET";
        place.budget = event.budgetNumber - 1;
        place.event = -1;
      } else {
        place.name = "WITHDRAWAL";
      }
      break;
    case core::kAssetAllocationOption: place.name = "AA"; place.event = -1; break;
    case core::kRmdOption: place.name = "MRW"; place.event = -1; break;
    default: break;
  }
  return place;
}

}  // namespace

bool Planner::BeginDialog(const Place& place) {
  if (!openDialogs_.insert(FlagOf(place)).second) {
    if (view_ != nullptr) view_->Raise(place);
    return false;
  }
  return true;
}

void Planner::EndDialog(const Place& place) { openDialogs_.erase(FlagOf(place)); }

bool Planner::IsDialogOpen(const Place& place) const {
  return openDialogs_.count(FlagOf(place)) > 0;
}

void Planner::OpenPlace(const Place& place, int command) {
  if (view_ != nullptr && view_->Open(place)) return;
  // A window this planner does not have yet: said plainly rather than ignored.
  const CommandEntry* entry = FindCommand(command);
  std::string caption = entry != nullptr ? entry->text : place.name;
  std::erase(caption, '&');
  services_.prompter.ShowMessage(caption, "This part of the planner is not available yet.",
                                 platform::Icon::Information);
}

void Planner::EditEvent(int index, int command) {
  if (index < 0 || index >= document_.scenario.eventCount()) return;
  const Place place = EventDialog(document_.scenario.events[index], index);
  if (place.name.empty()) return;
  OpenPlace(place, command);
}

void Planner::EditAccount(int index) {
  if (index < 0 || index >= document_.scenario.accountCount()) return;
  Place place{PlaceKind::Dialog, "ACCOUNTINFO"};
  place.account = index;
  OpenPlace(place, 200);
}

bool Planner::StartCompanion(const std::string& program,
                             const std::vector<std::string>& arguments) {
  if (services_.processes.Start(program, arguments)) return true;
  services_.prompter.ShowMessage("Execution Error", "The program " + program +
                                                        " could not be started.",
                                 platform::Icon::Error);
  return false;
}

void Planner::StartDesktopCalculator() {
  const char* path = std::getenv("PATH");
  const auto calculator = FindDesktopCalculator(path != nullptr ? path : "");
  if (calculator && services_.processes.Start(calculator->string(), {})) return;
  services_.prompter.ShowMessage("Execution Error",
                                 "The Window's Calculator could not be found in the path.",
                                 platform::Icon::Error);
}

void Planner::ShowHelp(int topic) { services_.help.ShowHelp(kHelpFile, topic); }

void Planner::OfferManual() {
  const platform::Answer answer = services_.prompter.Ask(
      kProductCaption, "Do you wish to download the PDF version of the manual now?",
      platform::Buttons::YesNo, platform::Icon::Question);
  if (answer != platform::Answer::Yes) return;
  if (services_.help.OpenManual()) return;
  services_.prompter.ShowMessage("Browser Error",
                                 "There is a problem opening up the default browser.",
                                 platform::Icon::Error);
}

}  // namespace planner
