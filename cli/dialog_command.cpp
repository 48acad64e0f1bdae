#include "cli/dialog_command.h"

#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_prompter.h"
#include "cli/option_values.h"
#include "core/scenario_file.h"
#include "core/text_reading.h"
#include "planner/forms/form_factory.h"
#include "planner/planner.h"
#include "platform/reporting_process_starter.h"
#include "platform/scripted.h"

namespace cli {
namespace {

constexpr const char* kUsageText =
    "usage: kxplan-cli dialog NAME [SCENARIO.RET] [--event N|--account N|--budget N|--table N]\n"
    "                         [--set \"FIELD=TEXT\"|--press \"BUTTON\"]... [-o OUT.RET]\n"
    "                         [--yes|--no] [--workdir DIR]\n"
    "       kxplan-cli dialog NAME --fields\n";

struct Action {
  bool press = false;
  std::string field;  // --set: the field; --press: the button
  std::string text;
};

struct DialogRequest {
  std::string name;
  std::string scenarioPath;
  planner::Place place;
  std::vector<Action> actions;
  std::optional<std::string> output;
  std::optional<std::string> workDir;
  bool answerYes = false;
  bool listFields = false;
};

bool TakeIndex(const std::vector<std::string>& args, size_t& i, int& target, std::string& problem) {
  if (i + 1 >= args.size()) return problem = args[i] + " needs a number", false;
  size_t used = 0;
  const std::string& text = args[++i];
  target = core::LeadingInt(text, 0, 1 << 20, &used);
  if (used == 0 || used != text.size()) return problem = "not a number: " + text, false;
  return true;
}

bool TakeText(const std::vector<std::string>& args, size_t& i, std::string& target,
              std::string& problem) {
  if (i + 1 >= args.size()) return problem = args[i] + " needs a value", false;
  target = args[++i];
  return true;
}

bool TakeAction(const std::vector<std::string>& args, size_t& i, DialogRequest& request,
                std::string& problem) {
  Action action;
  action.press = args[i] == "--press";
  std::string value;
  if (!TakeText(args, i, value, problem)) return false;
  if (action.press) {
    action.field = value;
  } else {
    const size_t equals = value.find('=');
    if (equals == std::string::npos) return problem = "--set needs FIELD=TEXT", false;
    action.field = value.substr(0, equals);
    action.text = value.substr(equals + 1);
  }
  request.actions.push_back(action);
  return true;
}

bool Parse(const std::vector<std::string>& args, DialogRequest& request, std::string& problem) {
  bool seenCommand = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool ok = true;
    if (arg == "--set" || arg == "--press") {
      ok = TakeAction(args, i, request, problem);
    } else if (arg == "--event") {
      ok = TakeIndex(args, i, request.place.event, problem);
    } else if (arg == "--account") {
      ok = TakeIndex(args, i, request.place.account, problem);
    } else if (arg == "--budget" || arg == "--table") {
      ok = TakeIndex(args, i, request.place.budget, problem);
    } else if (arg == "-o" || arg == "--output") {
      std::string out;
      ok = TakeText(args, i, out, problem);
      request.output = out;
    } else if (arg == "--workdir") {
      std::string dir;
      ok = TakeText(args, i, dir, problem);
      request.workDir = dir;
    } else if (arg == "--yes" || arg == "--no") {
      request.answerYes = arg == "--yes";
    } else if (arg == "--fields") {
      request.listFields = true;
    } else if (seenCommand && request.name.empty() && (arg.empty() || arg[0] != '-')) {
      request.name = arg;
    } else {
      ok = TakeCommandOperand(arg, "dialog", seenCommand, request.scenarioPath, problem);
    }
    if (!ok) return false;
  }
  if (request.name.empty()) return problem = "dialog needs a NAME", false;
  request.place.name = request.name;
  return true;
}

std::string ShownValue(const planner::forms::Field& field) {
  switch (field.kind) {
    case planner::forms::FieldKind::Check:
    case planner::forms::FieldKind::Radio: return field.on ? "on" : "off";
    default: return field.text;
  }
}

void PrintFields(const planner::forms::Form& form, std::ostream& out) {
  for (const planner::forms::Field& field : form.fields()) {
    out << field.name << '=' << ShownValue(field) << '\n';
  }
}

// The actions in order; the outcome of the last press (Done when nothing was pressed).
std::optional<planner::forms::Outcome> Apply(planner::forms::Form& form,
                                             const std::vector<Action>& actions, bool& stored,
                                             bool& closed, std::ostream& err) {
  planner::forms::Outcome last = planner::forms::Outcome::Done;
  for (const Action& action : actions) {
    if (closed) {
      err << "kxplan-cli: the dialog is closed\n";
      return std::nullopt;
    }
    if (!action.press) {
      if (!form.Set(action.field, action.text)) {
        err << "kxplan-cli: cannot set " << action.field << " to " << action.text << '\n';
        return std::nullopt;
      }
      continue;
    }
    const bool top = form.child() == nullptr;
    last = form.Press(action.field);
    if (last == planner::forms::Outcome::Unknown) {
      err << "kxplan-cli: no button " << action.field << '\n';
      return std::nullopt;
    }
    if (top && planner::forms::Closes(last)) {
      closed = true;
      stored = last == planner::forms::Outcome::Stored;
    }
  }
  return last;
}

int RunForm(const DialogRequest& request, std::ostream& out, std::ostream& err) {
  ConsolePrompter prompter(err, request.answerYes);
  platform::ScriptedPlatform stand_ins;
  platform::ReportingProcessStarter processes(err);
  platform::SystemClock clock;
  const platform::Services services{prompter, stand_ins.files, processes,
                                    stand_ins.help, clock};
  const std::filesystem::path workDir = WorkDirOrCurrent(request.workDir);
  planner::Planner session(services, workDir, planner::StartupOptions{});
  core::Document& document = session.document();
  if (!request.scenarioPath.empty() &&
      !ReadScenarioReporting(document, workDir, request.scenarioPath, prompter)) {
    return kExitFailure;
  }
  std::unique_ptr<planner::forms::Form> form = planner::forms::MakeForm(session, request.place);
  if (!form) return ReportUsage(err, "no dialog named " + request.name, kUsageText);
  if (request.listFields) {
    for (const planner::forms::Field& field : form->fields()) out << field.name << '\n';
    for (const std::string& button : form->buttons()) out << "[" << button << "]\n";
    return kExitOk;
  }
  bool stored = false, closed = false;
  const auto last = Apply(*form, request.actions, stored, closed, err);
  if (!last) return kExitUsage;
  PrintFields(form->Active(), out);
  if (*last == planner::forms::Outcome::Kept) return kExitFailure;
  if (!stored) return kExitOk;
  const std::string target = request.output.value_or(request.scenarioPath);
  if (target.empty()) return kExitOk;
  if (request.output) document.path = *request.output;
  return core::WriteScenarioFile(document, workDir, prompter) ? kExitOk : kExitFailure;
}

}  // namespace

bool IsDialogCommandLine(const std::vector<std::string>& args) {
  return CommandWordOf(args) == "dialog";
}

int DialogCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DialogRequest request;
  std::string problem;
  if (!Parse(args, request, problem)) return ReportUsage(err, problem, kUsageText);
  return RunForm(request, out, err);
}

int RunDialogCommand(const Invocation& invocation, Io& io) {
  return DialogCommand(InvocationWords("dialog", invocation, false), io.out, io.err);
}

}  // namespace cli
