// The command line's prompter: messages go to standard error as "CAPTION: text", one a line,
// and questions take the answer given by --yes or --no.
#pragma once

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

 private:
  void Print(const std::string& caption, const std::string& text);
  std::ostream& err_;
  bool answerYes_;
};

}  // namespace cli
