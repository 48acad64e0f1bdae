// dump: a scenario file as JSON; build: a scenario file from JSON.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/scenario_json.h"
#include "core/file_io.h"
#include "core/scenario_file.h"

namespace cli {

namespace {

constexpr size_t kLongestJson = 64u << 20;

int ReportJsonProblem(Io& io, const std::string& file, const std::string& problem) {
  io.prompter.ShowMessage("JSON ERROR", file + ": " + problem, platform::Icon::Error);
  return kExitFailure;
}

// nlohmann's messages start with "[json.exception.parse_error.101] "; the reader needs the rest.
std::string WithoutExceptionTag(const std::string& message) {
  const size_t end = message.find("] ");
  return message.rfind("[json.exception", 0) == 0 && end != std::string::npos
             ? message.substr(end + 2)
             : message;
}

// Parses JSON text, refusing a key given twice in one object: the parser would keep only one
// of them, and a value the user wrote must never be dropped unseen.
bool ParseJson(const std::string& text, Json& json, std::string& problem) {
  std::vector<std::set<std::string>> keysOfOpenObjects;
  std::string duplicate;
  auto watchKeys = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) keysOfOpenObjects.emplace_back();
    if (event == Json::parse_event_t::object_end && !keysOfOpenObjects.empty()) {
      keysOfOpenObjects.pop_back();
    }
    if (event == Json::parse_event_t::key && !keysOfOpenObjects.empty() &&
        !keysOfOpenObjects.back().insert(parsed.get<std::string>()).second && duplicate.empty()) {
      duplicate = parsed.get<std::string>();
    }
    return true;
  };
  try {
    json = Json::parse(text, watchKeys);
  } catch (const Json::exception& error) {
    problem = WithoutExceptionTag(error.what());
    return false;
  }
  if (!duplicate.empty()) {
    problem = "the key \"" + duplicate + "\" is given twice in one object";
    return false;
  }
  return true;
}

}  // namespace

int RunDump(const Invocation& invocation, Io& io) {
  auto document = std::make_unique<core::Document>();
  const std::string& file = invocation.operands[0];
  const size_t shownBefore = io.prompter.shownCount();
  if (!core::ReadScenarioFile(*document, invocation.workDir, file, io.prompter)) {
    if (io.prompter.shownCount() == shownBefore) ReportUnreadable(io, file);
    return kExitFailure;
  }
  const Detail detail = invocation.changedOnly ? Detail::Changed : Detail::Full;
  io.out << JsonText(ScenarioToJson(document->scenario, detail));
  return kExitOk;
}

int RunBuild(const Invocation& invocation, Io& io) {
  const std::string& file = invocation.operands[0];
  const std::optional<std::string> text =
      core::ReadWholeFile(core::ResolvePath(invocation.workDir, file), kLongestJson);
  if (!text) {
    ReportUnreadable(io, file);
    return kExitFailure;
  }
  Json json;
  std::string problem;
  if (!ParseJson(*text, json, problem)) return ReportJsonProblem(io, file, problem);
  auto scenario = std::make_unique<core::Scenario>();
  if (!ScenarioFromJson(json, *scenario, problem)) return ReportJsonProblem(io, file, problem);
  const std::string& output = *invocation.output;
  if (!core::WriteFileReplacing(core::ResolvePath(invocation.workDir, output),
                                core::ScenarioFileBytes(*scenario))) {
    io.prompter.ShowMessage("FILE ERROR", "Cannot write " + output + ".", platform::Icon::Error);
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace cli
