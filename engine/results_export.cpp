#include "engine/results_export.h"

#include "core/text.h"

namespace engine {

bool ExportFile::Open(const std::filesystem::path& path, ExportMode mode,
                      platform::Prompter& prompter) {
  Close();
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    const platform::Answer answer =
        prompter.Ask("FILE WARNING", path.string() + " exits - Overwrite anyway?",
                     platform::Buttons::YesNo, platform::Icon::Warning);
    if (answer != platform::Answer::Yes) return false;
  }
  if (!file_.Open(path)) {
    prompter.ShowMessage("FILE ERROR", "Cannot open export file", platform::Icon::Error);
    return false;
  }
  mode_ = mode;
  return true;
}

void ExportFile::WriteHeading(const core::Scenario& scenario) {
  const char separator = mode_ == ExportMode::Comma ? ',' : '\t';
  file_.Printf("Age%c", separator);
  for (int i = 0; i < scenario.accountCount(); ++i) {
    file_.Printf("%s%c", core::TextOf(scenario.account(i).name).c_str(), separator);
  }
  file_.Printf("Equity%c", separator);
  file_.Write(mode_ == ExportMode::Comma ? "Total,\n" : "Total\n");
}

void ExportFile::WriteRow(const core::Scenario& scenario, float age, float equityTotal) {
  const char* const cell = mode_ == ExportMode::Comma ? "%.2f," : "%.2f\t";
  file_.Printf(cell, static_cast<double>(age));
  float total = 0.0f;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    const float balance = scenario.account(i).balance;
    file_.Printf(cell, static_cast<double>(balance));
    total += balance;
  }
  file_.Printf(cell, static_cast<double>(equityTotal));
  total += equityTotal;
  file_.Printf("%.2f\n", static_cast<double>(total));
}

ExportMode ExportModeForPath(const std::filesystem::path& path) {
  return core::EqualsNoCase(path.extension().string(), ".csv") ? ExportMode::Comma
                                                               : ExportMode::Tab;
}

}  // namespace engine
