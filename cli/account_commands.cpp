// accounts-from: a new scenario whose accounts come from a delimited file; accounts-update:
// balances of a scenario's accounts replaced from one.
#include <memory>

#include "cli/commands.h"
#include "core/account_import.h"
#include "core/file_io.h"
#include "core/scenario_file.h"

namespace cli {

namespace {

// The start-up counter names the New command's temporary file ".\\temp<counter>1.ret"; the
// command line has no settings file that counts start-ups, so it always uses the first.
constexpr int kStartupCounter = 1;

}  // namespace

int RunAccountsFrom(const Invocation& invocation, Io& io) {
  auto document = std::make_unique<core::Document>();
  const std::filesystem::path source =
      core::ResolvePath(invocation.workDir, invocation.operands[0]);
  if (!core::CreateAccountsFromFile(*document, core::DelimiterForPath(source), source,
                                    invocation.workDir, kStartupCounter, io.prompter)) {
    return kExitFailure;
  }
  // Save As: an existing file is replaced only when the overwrite question is answered Yes.
  return core::SaveScenarioAs(*document, invocation.workDir, *invocation.output, io.prompter)
             ? kExitOk
             : kExitFailure;
}

int RunAccountsUpdate(const Invocation& invocation, Io& io) {
  auto document = std::make_unique<core::Document>();
  const std::string& scenarioFile = invocation.operands[0];
  const size_t shownBefore = io.prompter.shownCount();
  if (!core::ReadScenarioFile(*document, invocation.workDir, scenarioFile, io.prompter)) {
    if (io.prompter.shownCount() == shownBefore) ReportUnreadable(io, scenarioFile);
    return kExitFailure;
  }
  const std::filesystem::path source =
      core::ResolvePath(invocation.workDir, invocation.operands[1]);
  if (!core::UpdateAccountsFromFile(*document, core::DelimiterForPath(source), source,
                                    invocation.workDir, io.prompter)) {
    return kExitFailure;
  }
  return core::WriteScenarioFile(*document, invocation.workDir, io.prompter) ? kExitOk
                                                                             : kExitFailure;
}

}  // namespace cli
