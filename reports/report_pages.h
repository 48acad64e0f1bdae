// The report page files of the Reports menu: the screen page "spage1" that the report window
// shows, and the print pages "rpage1", "rpage2", ... that a print job renders. Built from the
// last run's tables and temporary results files; the simulation is never run here.
#pragma once

#include <filesystem>
#include <string>

#include "core/scenario.h"
#include "engine/run_tables.h"
#include "platform/prompter.h"
#include "reports/report_kind.h"

namespace reports {

// What the last run left for the reports.
struct ReportSource {
  const engine::RunResults* results = nullptr;
  const core::Scenario* scenario = nullptr;  // the run's accounts and groups
  float currentAge = 0.0f;                   // the start age with the birthday fraction
  const char* currencyWord = "Dollars";
  std::filesystem::path workDir = ".";
  platform::Prompter* prompter = nullptr;  // failures; none: they are not shown
};

inline constexpr int kPrintPageLines = 56;
inline constexpr int kScreenPageLines = 3000;
inline constexpr int kColumnsPerPrintPage = 7;
inline constexpr const char* kEndMark = "Dooooone";

// Writes the pages of `kind`: "spage1" when `screen`, else the print pages. Returns the
// number of page files written; 0 when there is nothing to show or a file failed.
int BuildReport(const ReportSource& source, ReportKind kind, bool screen);

// The detail pages of the accounts input/output report for whole age `age`: "rpage1" by
// account kind, "rpage2" by account group. Returns the number of pages (2), or 0.
int BuildAccountsIoDetail(const ReportSource& source, int age, bool incoming);
// "Accounts Incoming Report -- Age %d" / "Accounts Outgoing Report -- Age %d".
std::string AccountsIoDetailTitle(int age, bool incoming);

// The name of page `number` of a screen or print report ("spage1", "rpage2").
std::string ReportPageName(bool screen, int number);

}  // namespace reports
