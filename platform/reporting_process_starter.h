// Starting programs where nothing may be started (the command line, the headless words): what
// would have started is told on a stream as "started: PROGRAM ARGUMENTS".
#pragma once

#include <ostream>

#include "platform/process_starter.h"

namespace platform {

class ReportingProcessStarter final : public ProcessStarter {
 public:
  explicit ReportingProcessStarter(std::ostream& out) : out_(out) {}
  bool Start(const std::string& program, const std::vector<std::string>& arguments) override {
    out_ << "started: " << program;
    for (const std::string& argument : arguments) out_ << ' ' << argument;
    out_ << '\n';
    return true;
  }

 private:
  std::ostream& out_;
};

}  // namespace platform
