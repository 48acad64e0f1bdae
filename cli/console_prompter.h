// The command line's prompter: messages go to standard error as "CAPTION: text", one a line,
// and questions take the answer given by --yes or --no.
#pragma once

#include <cstddef>
#include <ostream>

#include "platform/prompter.h"

namespace cli {

class ConsolePrompter final : public platform::Prompter {
 public:
  ConsolePrompter(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}
  void ShowMessage(const std::string& caption, const std::string& text,
                   platform::Icon icon) override;
  platform::Answer Ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons, platform::Icon icon) override;

  // Messages and questions shown so far: tells a silent failure from a reported one.
  size_t shownCount() const { return shown_; }

 private:
  void Print(const std::string& caption, const std::string& text);
  std::ostream& err_;
  bool answerYes_;
  size_t shown_ = 0;
};

}  // namespace cli
