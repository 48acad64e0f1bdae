// What the planner session needs from the window that shows it: redraws after a run or an edit,
// the places that commands open (dialogs, report windows, calculators, print jobs), a choice
// among a few options, and the window's own requests. The Qt window implements it; tests and
// the headless words use a recording one.
#pragma once

#include <string>
#include <vector>

#include "core/settings.h"

namespace planner {

// A window or job a command opens. Dialogs are named by their template (`INITIAL`,
// `MORTGAGE`, ...); report windows, print jobs and calculators by the word the command line
// uses for them.
enum class PlaceKind {
  Dialog,        // an editing or calculator dialog; `event` names the event it edits, if any
  ReportWindow,  // one of the report windows
  PrintJob,      // "results", "scenario", "all-reports", "graph"
  PageSetup,
  GraphWindow,
};

struct Place {
  PlaceKind kind = PlaceKind::Dialog;
  std::string name;
  int event = -1;    // the event a dialog edits; -1 a new one
  int account = -1;  // the account a dialog edits; -1 a new one
  int budget = -1;   // the budget of a BUDGET dialog, 0..4
  bool calculator = false;  // a dialog opened as a calculator, not to edit the scenario
};

class PlannerView {
 public:
  virtual ~PlannerView() = default;
  // The last run's results or the scenario changed: every folder redraws.
  virtual void ResultsChanged() {}
  // The Summary folder's age changed.
  virtual void SummaryAgeChanged() {}
  // The title, the recent-file entries or the budget names changed.
  virtual void MenusChanged() {}
  // One of `choices` (radio buttons under `title`); -1 when the user cancelled.
  virtual int ChooseOne(const std::string& title, const std::vector<std::string>& choices) = 0;
  // Opens `place`; false when this planner has no such window.
  virtual bool Open(const Place& place) = 0;
  // The open dialog or window of `place` is brought to the top.
  virtual void Raise(const Place& /*place*/) {}
  virtual void ShowAbout() = 0;
  // Asks the window to close, as the user closing it would (the close runs the save prompt).
  virtual void RequestClose() = 0;
  // The window's rectangle and its width, for the settings written at close and save.
  virtual core::WindowRect WindowPlacement() const = 0;
};

}  // namespace planner
