#include "cli/console_prompter.h"

namespace cli {

void ConsolePrompter::Print(const std::string& caption, const std::string& text) {
  // One message a line: line ends inside the text become blanks.
  std::string line = caption + ": " + text;
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  err_ << line << '\n';
  ++shown_;
}

void ConsolePrompter::ShowMessage(const std::string& caption, const std::string& text,
                                  platform::Icon) {
  Print(caption, text);
}

platform::Answer ConsolePrompter::Ask(const std::string& caption, const std::string& text,
                                      platform::Buttons, platform::Icon) {
  Print(caption, text);
  return answerYes_ ? platform::Answer::Yes : platform::Answer::No;
}

}  // namespace cli
