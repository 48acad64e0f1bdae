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
  const char separator = mode_ == ExportMode::Comma ? ',' : '\t';
  LineBuilder line;
  line.Fixed(static_cast<double>(age), 2).Char(separator);
  float total = 0.0f;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    const float balance = scenario.account(i).balance;
    line.Fixed(static_cast<double>(balance), 2).Char(separator);
    total += balance;
  }
  line.Fixed(static_cast<double>(equityTotal), 2).Char(separator);
  total += equityTotal;
  line.Fixed(static_cast<double>(total), 2).Char('\n');
  file_.Write(line.view());
}

ExportMode ExportModeForPath(const std::filesystem::path& path) {
  return core::EqualsNoCase(path.extension().string(), ".csv") ? ExportMode::Comma
                                                               : ExportMode::Tab;
}

}  // namespace engine
