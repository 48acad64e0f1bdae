// Starting a companion program without waiting for it. Arguments are passed as a list, never
// through a shell.
#pragma once

#include <string>
#include <vector>

namespace platform {

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Returns false when the program could not be started.
  virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace platform
