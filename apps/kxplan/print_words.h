// kxplan --print WHAT --pdf OUT.pdf: the print job of WHAT drawn into a PDF file instead of a
// printer, pages in the job's order; and the report windows of --screenshot. The WHATs are a
// table so that each part of the planner adds its own.
#pragma once

#include <QDir>
#include <ostream>
#include <span>
#include <string>

#include "apps/kxplan/command_line.h"
#include "planner/planner.h"
#include "ui/main_window.h"

namespace kxplan {

struct PrintRequest {
  planner::Planner& planner;
  kxui::MainWindow& window;
  const CommandLine& line;
  std::ostream& err;
};

struct PrintWord {
  const char* word;  // "results", or a prefix ending in ':' such as "report:"
  const char* usage;
  bool (*print)(PrintRequest& request);
};

std::span<const PrintWord> PrintWords();

// Runs --print; false (said on `err`) when WHAT is unknown or the job failed.
bool RunPrintWord(PrintRequest& request);

// Every report window as "report-KIND.png" in `dir`.
bool SaveReportScreenshots(kxui::MainWindow& window, planner::Planner& planner, const QDir& dir,
                           std::ostream& err);

}  // namespace kxplan
