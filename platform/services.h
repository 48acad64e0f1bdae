// Everything the core needs from a desktop, handed to operations as one bundle.
#pragma once

#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/help_viewer.h"
#include "platform/process_starter.h"
#include "platform/prompter.h"

namespace platform {

struct Services {
  Prompter& prompter;
  FileChooser& files;
  ProcessStarter& processes;
  HelpViewer& help;
  const Clock& clock;
};

}  // namespace platform
