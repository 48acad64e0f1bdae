// Message boxes and questions: the one way the core tells the user something or asks.
// The desktop shows a message box; the command line prints; tests answer from a script.
#pragma once

#include <string>

namespace platform {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A message with an OK button.
  virtual void ShowMessage(const std::string& caption, const std::string& text, Icon icon) = 0;
  // A question; returns the button the user chose.
  virtual Answer Ask(const std::string& caption, const std::string& text, Buttons buttons,
                     Icon icon) = 0;
};

}  // namespace platform
