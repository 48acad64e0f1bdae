#include "platform/scripted.h"

namespace platform {

void ScriptedPrompter::ShowMessage(const std::string& caption, const std::string& text,
                                   Icon icon) {
  shown_.push_back(Shown{caption, text, icon, false, Buttons::Ok, Answer::Ok});
}

Answer ScriptedPrompter::Ask(const std::string& caption, const std::string& text,
                             Buttons buttons, Icon icon) {
  Answer answer = fallback_;
  if (!script_.empty()) {
    answer = script_.front();
    script_.pop_front();
  }
  shown_.push_back(Shown{caption, text, icon, true, buttons, answer});
  return answer;
}

std::vector<std::string> ScriptedPrompter::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(shown_.size());
  for (const Shown& s : shown_) lines.push_back(s.caption + ": " + s.text);
  return lines;
}

std::vector<std::string> ScriptedFileChooser::Choose(const FileRequest& request) {
  requests_.push_back(request);
  if (script_.empty()) return {};
  std::vector<std::string> paths = std::move(script_.front());
  script_.pop_front();
  return paths;
}

bool RecordingProcessStarter::Start(const std::string& program,
                                    const std::vector<std::string>& arguments) {
  if (fail_) return false;
  started_.push_back(Started{program, arguments});
  return true;
}

void RecordingHelpViewer::ShowHelp(const std::string& helpFile, int topic) {
  requests_.push_back(Request{helpFile, topic});
}

}  // namespace platform
