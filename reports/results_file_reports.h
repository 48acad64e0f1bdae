// The reports that read the run's temporary results files: the incoming and outgoing events
// reports ("bigfile.tmp" through "tmpfile.tmp") and the accounts input/output report
// ("infile.tmp" and "outfile.tmp").
#pragma once

#include <optional>

#include "reports/page_table.h"
#include "reports/report_pages.h"

namespace reports {

inline constexpr int kMaxEventLabels = 50;
inline constexpr int kMaxIoRecords = 5000;

// Writes "tmpfile.tmp" and returns the table; nothing when a file failed (said already).
std::optional<PageTable> EventsTable(const ReportSource& source, bool incoming);
// Nothing when a file failed or "infile.tmp" names no 1..50 accounts.
std::optional<PageTable> AccountsIoTable(const ReportSource& source);

}  // namespace reports
