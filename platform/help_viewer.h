// The help viewer: a help file opened at a numeric topic.
#pragma once

#include <string>

namespace platform {

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void ShowHelp(const std::string& helpFile, int topic) = 0;
  // Opens the manual (the help pages as one document) in the desktop's default viewer; false
  // when no viewer would open it.
  virtual bool OpenManual() = 0;
};

}  // namespace platform
