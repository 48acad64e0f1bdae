// The prompter of the companion programs' headless words: each message goes to an error stream
// as "CAPTION: text", and questions are answered No, or Yes when the command line said so.
#pragma once

#include <ostream>

#include "platform/prompter.h"

namespace kxqt {

class StreamPrompter final : public platform::Prompter {
 public:
  explicit StreamPrompter(std::ostream& err, bool answerYes = false)
      : err_(err), answerYes_(answerYes) {}
  void ShowMessage(const std::string& caption, const std::string& text, platform::Icon) override {
    err_ << caption << ": " << text << '\n';
  }
  platform::Answer Ask(const std::string& caption, const std::string& text, platform::Buttons,
                       platform::Icon icon) override {
    ShowMessage(caption, text, icon);
    return answerYes_ ? platform::Answer::Yes : platform::Answer::No;
  }

 private:
  std::ostream& err_;
  bool answerYes_;
};

}  // namespace kxqt
