// Scenario files (".RET"): the fourteen stored blocks in their fixed order, read with the range
// repairs and fallbacks for files of earlier releases, and written so that a failed save never
// leaves a damaged file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/scenario.h"
#include "core/scenario_repairs.h"
#include "platform/prompter.h"

namespace core {

// The file image of a scenario: all fourteen blocks, eventCount records in the event block.
std::string ScenarioFileBytes(const Scenario& scenario);
// The file image of a new scenario: blocks 1-3 only; the reader gives the rest defaults.
std::string NewScenarioFileBytes(const Scenario& scenario);

// A scenario in the "New" state that keeps the display settings (window placement, margins,
// fonts) of `current`, with the default-font switches of a new scenario.
Scenario NewScenarioKeepingDisplay(const Scenario& current);

// Replaces the document's scenario by the file `path` (a stored name, resolved against
// `workDir`). Fails silently, leaving the document as it was, when the file cannot be opened;
// a file too short or with an impossible event or account count is rejected with a message and
// leaves a new scenario "tmp01.ret". Window placement, margins and fonts are the program's
// display settings: a read that does not replace them keeps the current ones.
bool ReadScenarioFile(Document& document, const std::filesystem::path& workDir,
                      std::string_view path, platform::Prompter& prompter);

// Writes the document to its current path (created when missing); clears the modified flag on
// success. `fault` makes the write fail, for tests.
bool WriteScenarioFile(Document& document, const std::filesystem::path& workDir,
                       platform::Prompter& prompter, const WriteFault* fault = nullptr);

// Save As: asks before overwriting, then writes under the new path, which becomes current only
// when the write succeeded.
bool SaveScenarioAs(Document& document, const std::filesystem::path& workDir,
                    std::string_view newPath, platform::Prompter& prompter,
                    const WriteFault* fault = nullptr);

// New: a new scenario written (blocks 1-3) to ".\\temp<counter>1.ret", which becomes current.
// The display settings are kept. When the file cannot be written the document stays as it was.
bool WriteNewScenarioFile(Document& document, const std::filesystem::path& workDir,
                          int startupCounter, platform::Prompter& prompter,
                          const WriteFault* fault = nullptr);

// The save question before the scenario is replaced: asked only when the option is on and the
// scenario was modified; Yes writes the file first. Returns the answer (Yes without asking);
// when the answer was Yes but the write failed, Cancel, so that the caller keeps the scenario.
platform::Answer AskToSaveScenario(Document& document, const std::filesystem::path& workDir,
                                   bool askToSave, platform::Prompter& prompter,
                                   const WriteFault* fault = nullptr);

}  // namespace core
