// Scripted stand-ins for the desktop: they record what the core showed or asked and answer from
// a script given in advance, so that every core behaviour can be tested without a display.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/help_viewer.h"
#include "platform/process_starter.h"
#include "platform/prompter.h"
#include "platform/services.h"

namespace platform {

struct Shown {
  std::string caption;
  std::string text;
  Icon icon = Icon::None;
  bool question = false;
  Buttons buttons = Buttons::Ok;
  Answer answer = Answer::Ok;
};

class ScriptedPrompter final : public Prompter {
 public:
  // Answers given to questions in order; when the script runs out, `fallback` is given.
  void SetNextAnswer(Answer answer) { script_.push_back(answer); }
  void SetFallbackAnswer(Answer answer) { fallback_ = answer; }

  void ShowMessage(const std::string& caption, const std::string& text, Icon icon) override;
  Answer Ask(const std::string& caption, const std::string& text, Buttons buttons,
             Icon icon) override;

  const std::vector<Shown>& shown() const { return shown_; }
  // "CAPTION: text" of everything shown, one per entry, for compact assertions.
  std::vector<std::string> Lines() const;
  size_t UnusedAnswers() const { return script_.size(); }
  void Clear() { shown_.clear(); }

 private:
  std::deque<Answer> script_;
  Answer fallback_ = Answer::No;
  std::vector<Shown> shown_;
};

class ScriptedFileChooser final : public FileChooser {
 public:
  // The next chooser returns these paths (an empty list: the user cancelled).
  void SetNextChoice(std::vector<std::string> paths) { script_.push_back(std::move(paths)); }
  std::vector<std::string> Choose(const FileRequest& request) override;
  const std::vector<FileRequest>& requests() const { return requests_; }

 private:
  std::deque<std::vector<std::string>> script_;
  std::vector<FileRequest> requests_;
};

class RecordingProcessStarter final : public ProcessStarter {
 public:
  struct Started {
    std::string program;
    std::vector<std::string> arguments;
  };
  bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
  void FailNextStarts(bool fail) { fail_ = fail; }
  const std::vector<Started>& started() const { return started_; }

 private:
  bool fail_ = false;
  std::vector<Started> started_;
};

class RecordingHelpViewer final : public HelpViewer {
 public:
  struct Request {
    std::string file;
    int topic = 0;
  };
  void ShowHelp(const std::string& helpFile, int topic) override;
  bool OpenManual() override {
    ++manualOpens_;
    return manualOpens_ <= manualOpensThatWork_;
  }
  const std::vector<Request>& requests() const { return requests_; }
  int manualOpens() const { return manualOpens_; }
  // How many manual opens succeed before the viewer fails (all, by default).
  void SetManualOpensThatWork(int count) { manualOpensThatWork_ = count; }

 private:
  std::vector<Request> requests_;
  int manualOpens_ = 0;
  int manualOpensThatWork_ = 1 << 30;
};

// One of each scripted service, with a fixed date, bundled as Services.
struct ScriptedPlatform {
  ScriptedPrompter prompter;
  ScriptedFileChooser files;
  RecordingProcessStarter processes;
  RecordingHelpViewer help;
  FixedClock clock{DateTime{2026, 6, 15, 12, 0, 0}};
  Services services() { return Services{prompter, files, processes, help, clock}; }
};

}  // namespace platform
