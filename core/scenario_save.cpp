// Saving the scenario: Save, Save As, the file of a new scenario and the save question.
#include <system_error>

#include "core/scenario_file.h"
#include "core/text.h"

namespace core {

namespace {

using platform::Answer;

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

void ReportCannotOpen(platform::Prompter& prompter, const std::string& text) {
  prompter.ShowMessage("FILE ERROR", text, platform::Icon::Error);
}

}  // namespace

bool WriteScenarioFile(Document& document, const std::filesystem::path& workDir,
                       platform::Prompter& prompter, const WriteFault* fault) {
  const std::filesystem::path target = ResolvePath(workDir, document.path);
  if (!WriteFileReplacing(target, ScenarioFileBytes(document.scenario), fault)) {
    ReportCannotOpen(prompter, "Cannot open file!");
    return false;
  }
  document.modified = false;
  return true;
}

bool SaveScenarioAs(Document& document, const std::filesystem::path& workDir,
                    std::string_view newPath, platform::Prompter& prompter,
                    const WriteFault* fault) {
  const std::string name(newPath);
  const std::filesystem::path target = ResolvePath(workDir, name);
  const bool existed = FileExists(target);
  if (existed && prompter.Ask("FILE WARNING", name + " exits - Overwrite anyway?",
                              platform::Buttons::YesNo, platform::Icon::Warning) != Answer::Yes) {
    return false;
  }
  if (!WriteFileReplacing(target, ScenarioFileBytes(document.scenario), fault)) {
    ReportCannotOpen(prompter, existed ? "Cannot open " + name + "!" : "Cannot open file!");
    return false;
  }
  document.path = name;
  document.modified = false;
  return true;
}

bool WriteNewScenarioFile(Document& document, const std::filesystem::path& workDir,
                          int startupCounter, platform::Prompter& prompter,
                          const WriteFault* fault) {
  const std::string name = Format(".\\temp%d%d.ret", startupCounter, 1);
  const std::filesystem::path target = ResolvePath(workDir, name);
  const bool existed = FileExists(target);
  // Built aside and installed only once written, so that a failure cannot leave the new, empty
  // scenario under the old file's name, where the next Save would overwrite that file.
  Scenario scenario = NewScenarioKeepingDisplay(document.scenario);
  if (!WriteFileReplacing(target, NewScenarioFileBytes(scenario), fault)) {
    ReportCannotOpen(prompter, existed ? "Cannot open " + name + "!" : "Cannot open temporary file!");
    return false;
  }
  document.scenario = scenario;
  document.path = name;
  document.modified = false;
  document.outOfDate = true;
  return true;
}

Answer AskToSaveScenario(Document& document, const std::filesystem::path& workDir,
                         bool askToSave, platform::Prompter& prompter, const WriteFault* fault) {
  if (!askToSave || !document.modified) return Answer::Yes;
  const Answer answer =
      prompter.Ask("Kestrune Dudavovez Odoredo -- Pro",
                   Format("Do you wish to save the file %s?", document.path.c_str()),
                   platform::Buttons::YesNoCancel, platform::Icon::Question);
  // A failed write has been reported; going on would replace the unsaved scenario.
  if (answer == Answer::Yes && !WriteScenarioFile(document, workDir, prompter, fault)) {
    return Answer::Cancel;
  }
  return answer;
}

}  // namespace core
