// The Results folder's buttons: scroll modes and "Go To", the detail switches, saving the
// results, single random runs and the double click on a schedule line.
#include "engine/monte_carlo.h"
#include "planner/planner.h"
#include "planner/schedule_lines.h"
#include "planner/summary_pane.h"
#include "planner/validation.h"

namespace planner {

namespace {

constexpr size_t kGoToAgeLength = 4;
constexpr int kWholeAgeMessage = 3;

}  // namespace

void Planner::SetScrollMode(ScrollMode mode) {
  scrollMode_ = mode;
  PositionSchedule();
  ViewResultsChanged();
}

bool Planner::GoToAge(std::string_view text) {
  const auto age = ValidateField(text, NumberKind::Whole, kGoToAgeLength, 1.0f, 120.0f,
                                 kWholeAgeMessage, "AGE ERROR", services_.prompter);
  if (!age) return false;
  scrollAge_ = static_cast<int>(*age);
  SetScrollMode(ScrollMode::Age);
  return true;
}

void Planner::SetShowDetails(bool on) {
  showDetails_ = on;
  Rerun();
}

void Planner::SetShowAccounts(bool on) {
  showAccounts_ = on;
  Rerun();
}

bool Planner::SaveResults() {
  // Each Save asks for its own file; the print file's path of the last print is no answer.
  run_->env.resultsPath.clear();
  const bool saved = RunInMode(engine::ScheduleMode::ResultsFile);
  if (saved) RunInMode(engine::ScheduleMode::PrintFile);
  run_->env.resultsPath.clear();
  Rerun();
  return saved;
}

bool Planner::WritePrintFile() {
  const bool written = RunInMode(engine::ScheduleMode::PrintFile);
  run_->env.resultsPath.clear();
  Rerun();
  return written;
}

bool Planner::RunWithRandomRates(engine::RandomRateSource source) {
  ApplyOptions();
  // The buttons sit in the schedule window, whose open state keeps the inflation rate fixed.
  run_->options.scheduleWindowOpen = true;
  const bool ran = engine::RunWithRandomRates(*run_, document_.scenario, source);
  run_->options.scheduleWindowOpen = false;
  engine::WriteScenarioDescription(document_.scenario, run_->currentAge, startup_.pound,
                                   listing_);
  PositionSchedule();
  ViewResultsChanged();
  return ran;
}

void Planner::EditInitialValuesAndRun() {
  // The dialog's OK stores and reruns by itself; without the dialog the button reruns.
  if (view_ != nullptr && view_->Open(Place{PlaceKind::Dialog, "INITIAL"})) return;
  Rerun();
}

void Planner::ChooseScheduleLine(int line) {
  const auto& lines = schedule_.lines();
  if (line < 0 || line >= static_cast<int>(lines.size())) return;
  const engine::ScheduleLine& chosen = lines[line];
  const auto age = LeadingAge(chosen.text);
  if (age && *age >= WholeStartAge() && static_cast<float>(*age) <= EndAge()) {
    scrollAge_ = *age;
    const int row = ResultsRowOfAge(run_->results, *age);
    if (row >= 0) summaryRow_ = row;
    SetScrollMode(ScrollMode::Age);
    return;
  }
  if (chosen.tag >= 0 && chosen.tag < core::kMaxEvents) EditEvent(chosen.tag);
}

}  // namespace planner
