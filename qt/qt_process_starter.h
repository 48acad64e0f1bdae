// Starting a companion program without waiting: the program is looked for beside the running
// executable and gets its arguments as a list, never through a shell.
#pragma once

#include <QString>

#include "platform/process_starter.h"

namespace kxqt {

// A bare program name is taken from the folder of the running executable; a name with a
// folder is used as it stands.
QString ResolveBesideExecutable(const std::string& program);

class QtProcessStarter final : public platform::ProcessStarter {
 public:
  bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
  // The folder the programs start in; the current directory until one is set.
  void SetWorkingDirectory(QString folder) { workingDirectory_ = std::move(folder); }

 private:
  QString workingDirectory_;
};

}  // namespace kxqt
