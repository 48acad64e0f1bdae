// The open and save file choosers, behind an interface so that the core can ask for a file name
// without a display.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct FileRequest {
  bool save = false;              // a save chooser (else an open chooser)
  std::string title;              // "Read Accounts", ...
  std::string filter;             // "Account Files (*.ACC)"; several separated by "|"
  std::string defaultExtension;   // "ACC": added when the user types a name without one
  bool multiple = false;          // several files may be chosen (open only)
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen paths; empty when the user cancelled.
  virtual std::vector<std::string> Choose(const FileRequest& request) = 0;
};

}  // namespace platform
