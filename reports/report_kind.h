// The kinds of report of the Reports menu: their command-line words and window titles.
// One table, so that the window, the command line and the print jobs name them alike.
#pragma once

#include <optional>
#include <string_view>

namespace reports {

enum class ReportKind {
  NetWorth,
  Incoming,
  Outgoing,
  Accounts,
  AccountAllocations,
  Groups,
  GroupAllocations,
  IncomingEvents,
  OutgoingEvents,
  AccountsIo,
};

inline constexpr int kReportKindCount = 10;

struct ReportKindInfo {
  ReportKind kind;
  const char* word;   // the command line's and the place's name: "networth", ...
  const char* title;  // the report window's title and the printed heading
};

// Every kind, in the order "Print All Reports" prints them.
const ReportKindInfo (&AllReportKinds())[kReportKindCount];
const ReportKindInfo& InfoOf(ReportKind kind);
std::optional<ReportKind> ReportKindFromWord(std::string_view word);

}  // namespace reports
