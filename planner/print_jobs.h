// The Reports menu's work on the session: the report pages of the last run, the print jobs
// of the print commands as documents of pages, the report options and the page setup. The
// window and the headless words only show, hand over to a printer or write a PDF.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "reports/page_render.h"
#include "reports/print_job.h"
#include "reports/report_pages.h"

namespace planner {

class Planner;

// What the reports read from the last run.
reports::ReportSource ReportSourceOf(Planner& planner);

// The print job of `what`: "results", "scenario", "report:KIND", "all-reports", "budget:N"
// (N 1..5) or "accounts-io-detail:AGE:I" (or ":O"). The page files are written in the working
// directory and read back; nothing when there is nothing to print or a file failed (said).
std::optional<reports::JobDocument> BuildPrintJob(Planner& planner, std::string_view what);

// The words of BuildPrintJob, for the command line's help and checks.
bool IsPrintJobWord(std::string_view what);

// The page of stored budget `budget` (0..4) as a print job.
std::optional<reports::JobDocument> BuildBudgetPrintJob(Planner& planner, int budget);
// The budget dialog's "Print": the page of the budget as the dialog holds it (its items need
// not be stored yet); `budget` (0..4) names it when it has no name.
std::optional<reports::JobDocument> BuildBudgetPrintJob(Planner& planner,
                                                        const core::Budget& record, int budget);

// The renderer's options from the report options and the clock.
reports::PageOptions PageOptionsOf(Planner& planner);

// The Reports Options dialog ("OPTIONS").
struct ReportOptions {
  std::array<std::string, 3> titles;  // at most 59 characters each
  std::array<bool, 3> useTitle{};
  bool banding = false;
  bool boxing = false;
  bool columns = false;
};
ReportOptions ReportOptionsOf(const Planner& planner);
// OK: the titles into the scenario, the switches into the preferences and the scenario.
void StoreReportOptions(Planner& planner, const ReportOptions& options);

// The page margins in thousandths of an inch: left, top, right, bottom.
std::array<int, 4> PageMargins(const Planner& planner);
// Page Setup's OK: kept in the scenario's and the preferences' records.
void StorePageMargins(Planner& planner, const std::array<int, 4>& margins);

// The page in device pixels with the kept margins taken off.
reports::PageGeometry GeometryFor(const Planner& planner, int width, int height, double dpiX,
                                  double dpiY);

}  // namespace planner
