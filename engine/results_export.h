// The results export: one row of account balances per results year, tab-delimited (".KXE")
// or comma-delimited (".CSV"), for spreadsheets.
#pragma once

#include <filesystem>
#include <string>

#include "core/scenario.h"
#include "engine/record_files.h"
#include "engine/run_options.h"
#include "platform/prompter.h"

namespace engine {

class ExportFile {
 public:
  // Opens the export file; an existing file is replaced only when the user says so.
  // Failures are shown ("Cannot open export file") and leave the file closed.
  bool Open(const std::filesystem::path& path, ExportMode mode, platform::Prompter& prompter);
  bool IsOpen() const { return file_.IsOpen() && mode_ != ExportMode::None; }
  ExportMode mode() const { return mode_; }

  // "Age", the account names, "Equity", "Total".
  void WriteHeading(const core::Scenario& scenario);
  // One row: age, each balance, the equity total, and their sum as the total.
  void WriteRow(const core::Scenario& scenario, float age, float equityTotal);
  void Close() {
    file_.Close();
    mode_ = ExportMode::None;
  }

 private:
  TextFile file_;
  ExportMode mode_ = ExportMode::None;
};

// The export mode a file name asks for: ".CSV" comma, anything else tab (".KXE").
ExportMode ExportModeForPath(const std::filesystem::path& path);

}  // namespace engine
