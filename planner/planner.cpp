#include "planner/planner.h"

#include <system_error>

#include "core/events.h"
#include "core/file_io.h"
#include "core/text.h"
#include "core/scenario_file.h"
#include "engine/simulation.h"
#include "planner/command_table.h"
#include "planner/example_scenarios.h"
#include "planner/schedule_lines.h"
#include "planner/summary_pane.h"
#include "graph/plot_file_reader.h"
#include "graph/plot_file_save.h"
#include "planner/temporary_files.h"

namespace planner {

Planner::Planner(platform::Services services, std::filesystem::path workDir,
                 StartupOptions options)
    : services_(services),
      workDir_(std::move(workDir)),
      startup_(options),
      run_(std::make_unique<engine::RunContext>()) {
  core::ResetScenario(document_.scenario);
  preferences_ = core::ReadWindowPrefs(workDir_, document_.scenario);
  engine::RunEnvironment& env = run_->env;
  env.workDir = workDir_;
  env.prompter = &services_.prompter;
  env.files = &services_.files;
  env.list = &schedule_;
  run_->random.source.Seed(engine::RandomSource::SeedFromClock(services_.clock));
}

Planner::~Planner() = default;

bool Planner::StartUp(const std::optional<std::string>& scenarioPath) {
  calculators_.tradeOff = calc::ReadTradeSettings(workDir_);
  const bool firstStart =
      core::ReadAndRenewSettings(workDir_, settings_) == core::SettingsStart::FirstStart;
  ViewMenusChanged();
  if (firstStart) {
    CopyMissingExamples(workDir_);
    core::InitExampleSettings(document_, workDir_, settings_, services_.prompter);
  } else if (!scenarioPath) {
    // A last scenario that is gone is no error at start-up: the planner opens empty.
    ReadScenario(settings_.scenarioPath, false);
  }
  if (scenarioPath && ReadScenario(*scenarioPath, true)) {
    core::AddRecentFile(settings_.recent, document_.path);
  }
  Rerun();
  core::SortEvents(document_.scenario);
  ViewMenusChanged();
  return firstStart;
}

bool Planner::Close() {
  if (!AskToSave()) return false;
  WriteClosingFiles();
  DeleteTemporaryFiles(workDir_);
  return true;
}

bool Planner::SessionEnding() {
  if (!AskToSave()) return false;
  WriteClosingFiles();
  return true;
}

void Planner::WriteClosingFiles() {
  const core::WindowRect window = view_ ? view_->WindowPlacement() : core::WindowRect{};
  core::WriteWindowPrefs(workDir_, preferences_, window);
  settings_.scenarioPath = document_.path;
  core::WriteSettings(workDir_, settings_);
}

bool Planner::Execute(int command) {
  for (int k = 0; k < core::kRecentFileCount; ++k) {
    if (core::kRecentFileCommands[k] == command) {
      OpenRecentFile(k + 1);
      return true;
    }
  }
  const CommandEntry* entry = FindCommand(command);
  if (entry == nullptr) return false;
  if (entry->action != nullptr) {
    entry->action(*this, command);
    return true;
  }
  Place place{entry->placeKind, entry->placeName};
  place.calculator = entry->calculator;
  if (command >= kFirstBudgetCommand && command < kFirstBudgetCommand + kBudgetCommandCount) {
    place.budget = command - kFirstBudgetCommand;
  }
  OpenPlace(place, command);
  return true;
}

bool Planner::Rerun() { return RunInMode(engine::ScheduleMode::List); }

void Planner::ScenarioEdited() {
  document_.MarkEdited();
  Rerun();
}

void Planner::ApplyOptions() {
  engine::RunOptions& options = run_->options;
  options.showDetails = showDetails_;
  options.showSummary = showDetails_;
  options.showAccounts = showAccounts_;
  options.summaryStartup = startup_.summary;
  options.pound = startup_.pound;
  options.noRun = startup_.noRun;
  options.scrollMode = static_cast<int>(scrollMode_);
  options.scrollAge = scrollAge_;
  options.graphWindow = engine::GraphAgeWindow{zoom_.zoomed(), zoom_.firstAge(), zoom_.lastAge()};
  engine::RunEnvironment& env = run_->env;
  env.today = services_.clock.Now();
  env.scenarioName = document_.path;
}

bool Planner::RunInMode(engine::ScheduleMode mode) {
  ApplyOptions();
  const bool changed = document_.outOfDate;
  const bool ran = engine::RunSimulation(*run_, document_.scenario, mode);
  if (mode == engine::ScheduleMode::List) {
    if (ran) document_.outOfDate = false;
    if (changed) ++scenarioVersion_;
    ReadPlotData();
    engine::WriteScenarioDescription(document_.scenario, run_->currentAge, startup_.pound,
                                     listing_);
    PositionSchedule();
    ViewResultsChanged();
  }
  return ran;
}

void Planner::PositionSchedule() {
  scrollLine_ = ScrollLineFor(schedule_, static_cast<int>(scrollMode_), scrollAge_,
                              WholeStartAge(), EndAge());
}

bool Planner::AskToSave() {
  CopyLiveSettingsIntoScenario();
  return core::AskToSaveScenario(document_, workDir_, settings_.askToSave != 0,
                                 services_.prompter) != platform::Answer::Cancel;
}

void Planner::CopyLiveSettingsIntoScenario() {
  core::PageSettings& page = document_.scenario.page;
  if (view_ != nullptr) {
    const core::WindowRect window = view_->WindowPlacement();
    page.windowWidth = window.right - window.left;
  }
  page.reportColumns = preferences_.reportColumns;
  page.reportBanding = preferences_.reportBanding;
  page.reportBoxes = preferences_.reportBoxes;
}

namespace {

// Counts what the prompter showed, so that a reader that failed without a word can be told
// from one that said why.
class CountingPrompter final : public platform::Prompter {
 public:
  explicit CountingPrompter(platform::Prompter& inner) : inner_(inner) {}
  void ShowMessage(const std::string& caption, const std::string& text,
                   platform::Icon icon) override {
    ++shown_;
    inner_.ShowMessage(caption, text, icon);
  }
  platform::Answer Ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons, platform::Icon icon) override {
    ++shown_;
    return inner_.Ask(caption, text, buttons, icon);
  }
  int shown() const { return shown_; }

 private:
  platform::Prompter& inner_;
  int shown_ = 0;
};

}  // namespace

bool Planner::ReadScenario(const std::string& path, bool reportOpenFailure) {
  CountingPrompter prompter(services_.prompter);
  const bool read = core::ReadScenarioFile(document_, workDir_, path, prompter);
  if (!read && reportOpenFailure && prompter.shown() == 0) {
    services_.prompter.ShowMessage("FILE OPEN ERROR", "Cannot open " + path + ".",
                                   platform::Icon::Error);
  }
  ScenarioReplaced();
  return read;
}

void Planner::ScenarioReplaced() {
  document_.outOfDate = true;
  zoom_.Clear();
  summaryRow_ = 0;
  ViewMenusChanged();
}

void Planner::ReadPlotData() {
  // A run that wrote no plot file (NORET, or a file that could not be made) shows no graph.
  plot_ = graph::PlotData{};
  if (startup_.noRun) return;
  const auto text = core::ReadWholeFile(core::ResolvePath(workDir_, kPlotFile));
  if (text) graph::ParsePlotText(*text, plot_);
}

void Planner::MarkZoomAge(int age) { zoom_.Mark(age); }

ZoomOutcome Planner::ZoomGraph() {
  const ZoomOutcome outcome = zoom_.Zoom(run_->resultsStartAge, EndAge());
  if (outcome != ZoomOutcome::Refused) Rerun();
  return outcome;
}

void Planner::SelectSummaryAge(int age) {
  const int row = ResultsRowOfAge(run_->results, age);
  if (row >= 0) summaryRow_ = row;
  if (view_ != nullptr) view_->SummaryAgeChanged();
}

bool Planner::SaveGraphs() {
  return graph::SaveGraphsToFile(workDir_, services_.files, services_.prompter);
}

engine::MonteCarloResult Planner::RunMonteCarloAnalysis(engine::MonteCarloObserver* observer) {
  ApplyOptions();
  monteCarlo_ = engine::RunMonteCarlo(*run_, document_.scenario, observer);
  monteCarloVersion_ = scenarioVersion_;
  ReadPlotData();
  PositionSchedule();
  ViewResultsChanged();
  return monteCarlo_;
}

void Planner::ViewResultsChanged() {
  if (view_ != nullptr) view_->ResultsChanged();
}

void Planner::ViewMenusChanged() {
  if (view_ != nullptr) view_->MenusChanged();
}

DisplayPreferences Planner::displayPreferences() const {
  return DisplayPreferences{preferences_.colorBanding != 0, preferences_.hideMakerFolder != 0,
                            preferences_.defaultFonts != 0};
}

void Planner::StoreDisplayPreferences(const DisplayPreferences& chosen) {
  preferences_.colorBanding = chosen.colorBanding ? 1 : 0;
  preferences_.hideMakerFolder = chosen.hideMakerFolder ? 1 : 0;
  preferences_.defaultFonts = preferences_.defaultFontsCopy = chosen.defaultFonts ? 1 : 0;
  document_.scenario.page.defaultFonts = preferences_.defaultFonts;
  document_.scenario.page.defaultFontsCopy = preferences_.defaultFonts;
  document_.modified = true;
  ViewMenusChanged();
  ViewResultsChanged();
}

void Planner::StoreFont(int index, const core::FontDescription& font) {
  if (index < 0 || index >= core::kFontCount) return;
  document_.scenario.fonts[index] = font;
  document_.modified = true;
  ViewResultsChanged();
}

char Planner::CurrencyMark() const { return run_->Mark(); }

std::string Planner::Title() const { return document_.Title(); }

std::vector<core::MenuEntry> Planner::RecentMenu() const {
  return core::RecentFileMenu(settings_.recent);
}

std::string Planner::BudgetMenuText(int budget) const {
  return core::TextOf(document_.scenario.budgets[budget].budgetName);
}

int Planner::WholeStartAge() const {
  return static_cast<int>(document_.scenario.initial.startAge);
}

float Planner::EndAge() const { return document_.scenario.initial.endAge; }

}  // namespace planner
