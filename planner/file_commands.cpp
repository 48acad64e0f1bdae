// The File menu's commands: new, open, save, accounts in and out, the results export, exit.
#include <filesystem>

#include "core/account_file.h"
#include "core/account_import.h"
#include "core/recent_files.h"
#include "core/scenario_file.h"
#include "engine/results_export.h"
#include "planner/planner.h"

namespace planner {

namespace {

struct DelimitedSource {
  core::Delimiter delimiter;
  const char* choice;      // the choice in the dialog that asks for the kind of file
  const char* title;       // the file chooser's title
  const char* filter;
};

constexpr DelimitedSource kCreateSources[] = {
    {core::Delimiter::Tab, "Create New Accounts From a Tab-delimited File (*.KXI)",
     "Read Accounts From a Tab File", "Import Tab Files (*.KXI)|Text Files (*.TXT)"},
    {core::Delimiter::Comma, "Create New Accounts From a Comma-delimited File (*.CSV)",
     "Read Accounts From a CSV (comma-delimited) File", "Import CSV Files (*.CSV)"},
};
constexpr const char* kCreateByHand = "Create New Accounts By Hand";

constexpr DelimitedSource kUpdateSources[] = {
    {core::Delimiter::Tab, "Update Accounts From a Tab-delimited File (*.KXI)",
     "Update Accounts From a Tab File", "Import Tab Files (*.KXI)|Text Files (*.TXT)"},
    {core::Delimiter::Comma, "Update Accounts From a Comma-delimited File (*.CSV)",
     "Update Accounts From a Comma-delimited(*.CSV) File", "Import CSV Files (*.CSV)"},
};

struct ExportKind {
  const char* title;  // the choice and the save chooser's title
  const char* filter;
  const char* extension;
  engine::ExportMode mode;
};

constexpr ExportKind kExportKinds[] = {
    {"Export Results To a Comma-delimited File (*.CSV)", "Comma-delimited Files (*.CSV)", "csv",
     engine::ExportMode::Comma},
    {"Export Results To a Tab-delimited File (*.KXE)", "Tab-delimited Files (*.KXE)", "kxe",
     engine::ExportMode::Tab},
};

constexpr const char* kScenarioFilter = "Scenario Files (*.RET)";
constexpr const char* kAccountFilter = "Account Files (*.ACC)";

platform::FileRequest OpenRequest(const char* title, const char* filter) {
  platform::FileRequest request;
  request.title = title;
  request.filter = filter;
  return request;
}

platform::FileRequest SaveRequest(const char* title, const char* filter, const char* extension) {
  platform::FileRequest request = OpenRequest(title, filter);
  request.save = true;
  request.defaultExtension = extension;
  return request;
}

}  // namespace

std::string Planner::ChooseFile(const platform::FileRequest& request) {
  const std::vector<std::string> chosen = services_.files.Choose(request);
  return chosen.empty() ? std::string() : chosen.front();
}

void Planner::NewScenario() {
  if (!AskToSave() || view_ == nullptr) return;
  const int choice = view_->ChooseOne(
      "Create New Accounts", {kCreateSources[0].choice, kCreateSources[1].choice, kCreateByHand});
  if (choice < 0) return;
  const int counter = core::StartupCounter(settings_);
  bool created = false;
  if (choice == 2) {
    created = core::WriteNewScenarioFile(document_, workDir_, counter, services_.prompter);
  } else {
    const DelimitedSource& source = kCreateSources[choice];
    const std::string path = ChooseFile(OpenRequest(source.title, source.filter));
    if (path.empty()) return;
    created = core::CreateAccountsFromFile(document_, source.delimiter, path, workDir_, counter,
                                           services_.prompter, importDialog_);
  }
  if (!created) return;
  ScenarioReplaced();
  Rerun();
}

void Planner::OpenScenario() {
  if (!AskToSave()) return;
  const std::string path = ChooseFile(OpenRequest("Open a Scenario", kScenarioFilter));
  if (path.empty()) return;
  if (ReadScenario(path, true)) {
    core::AddRecentFile(settings_.recent, document_.path);
  }
  Rerun();
  ViewMenusChanged();
}

void Planner::OpenRecentFile(int entry) {
  if (entry < 1 || entry > core::kRecentFileCount) return;
  const std::string path = settings_.recent[entry - 1];
  if (path.empty() || !AskToSave()) return;
  if (ReadScenario(path, true)) core::AddRecentFile(settings_.recent, document_.path);
  Rerun();
  ViewMenusChanged();
}

bool Planner::SaveScenario() {
  CopyLiveSettingsIntoScenario();
  const bool written = core::WriteScenarioFile(document_, workDir_, services_.prompter);
  ViewMenusChanged();
  return written;
}

bool Planner::SaveScenarioAs() {
  const std::string path = ChooseFile(
      SaveRequest("Save Scenario With a New Name", kScenarioFilter, "RET"));
  if (path.empty()) return false;
  CopyLiveSettingsIntoScenario();
  if (!core::SaveScenarioAs(document_, workDir_, path, services_.prompter)) return false;
  core::AddRecentFile(settings_.recent, document_.path);
  ViewMenusChanged();
  return true;
}

void Planner::ImportAccountData() {
  if (view_ == nullptr) return;
  const int choice = view_->ChooseOne("Update Accounts From a File",
                                      {kUpdateSources[0].choice, kUpdateSources[1].choice});
  if (choice < 0) return;
  const DelimitedSource& source = kUpdateSources[choice];
  const std::string path = ChooseFile(OpenRequest(source.title, source.filter));
  if (path.empty()) return;
  core::UpdateAccountsFromFile(document_, source.delimiter, path, workDir_, services_.prompter,
                               importDialog_);
  Rerun();
}

void Planner::ExportAccountResults() {
  if (view_ == nullptr) return;
  const int choice =
      view_->ChooseOne("Export Accounts to a File", {kExportKinds[0].title, kExportKinds[1].title});
  if (choice < 0) return;
  const ExportKind& kind = kExportKinds[choice];
  const std::string path = ChooseFile(SaveRequest(kind.title, kind.filter, kind.extension));
  if (path.empty()) return;
  engine::ExportFile exportFile;
  if (!exportFile.Open(path, kind.mode, services_.prompter)) return;
  exportFile.WriteHeading(document_.scenario);
  run_->env.exportFile = &exportFile;
  Rerun();
  run_->env.exportFile = nullptr;
  exportFile.Close();
}

void Planner::SaveAccounts() {
  const std::string path = ChooseFile(SaveRequest("Write Accounts", kAccountFilter, "ACC"));
  if (path.empty()) return;
  core::WriteAccountFile(document_.scenario, path, services_.prompter);
}

void Planner::ReadAccounts() {
  const std::string path = ChooseFile(OpenRequest("Read Accounts", kAccountFilter));
  if (path.empty()) return;
  if (core::ReadAccountFile(document_, path, services_.prompter)) Rerun();
}

void Planner::ReindexAccounts() {
  if (core::ReindexAccounts(document_, services_.prompter)) Rerun();
}

void Planner::Exit() {
  if (view_ != nullptr) view_->RequestClose();
}

void Planner::ShowAbout() {
  if (view_ != nullptr) view_->ShowAbout();
}

}  // namespace planner
