#include "ui/report_places.h"

#include "planner/print_jobs.h"
#include "ui/main_window.h"
#include "ui/report_options_dialog.h"
#include "ui/report_printing.h"
#include "ui/report_window.h"

namespace kxui {

void RegisterReportPlaces(MainWindow& window, planner::Planner& planner) {
  for (const reports::ReportKindInfo& info : reports::AllReportKinds()) {
    const reports::ReportKind kind = info.kind;
    window.RegisterPlace(info.word, [&window, &planner, kind](const planner::Place&) {
      return OpenReportWindow(planner, kind, &window);
    });
  }
  for (const char* job : {"results", "scenario", "all-reports", "payment-schedule", "refinance",
                          "budget-report"}) {
    const std::string what = job;
    window.RegisterPlace(what, [&window, &planner, what](const planner::Place&) {
      if (const auto document = planner::BuildPrintJob(planner, what)) {
        PrintJobWithDialog(&window, planner, *document);
      }
      return true;
    });
  }
  window.RegisterPlace("budget", [&window, &planner](const planner::Place& place) {
    if (const auto document = planner::BuildBudgetPrintJob(planner, place.budget)) {
      PrintJobWithDialog(&window, planner, *document);
    }
    return true;
  });
  window.RegisterPlace("page-setup", [&window, &planner](const planner::Place&) {
    RunPageSetup(&window, planner);
    return true;
  });
  window.RegisterPlace("OPTIONS", [&window, &planner](const planner::Place& place) {
    if (!planner.BeginDialog(place)) return true;
    ReportOptionsDialog dialog(planner, &window);
    dialog.exec();
    planner.EndDialog(place);
    return true;
  });
}

}  // namespace kxui
