// The planner session: the one open scenario with its path and flags, the run options and the
// last run's results, the start-up words, the settings and preferences, the start-up and
// closing steps, and every command of the command table. The window, the headless words and
// the tests all drive this one object; no command's logic lives in a widget.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/account_import.h"
#include "core/scenario.h"
#include "core/settings.h"
#include "engine/monte_carlo.h"
#include "engine/run_context.h"
#include "engine/scenario_description.h"
#include "engine/schedule_list.h"
#include "graph/plot_data.h"
#include "planner/calculator_values.h"
#include "planner/graph_zoom.h"
#include "planner/planner_view.h"
#include "planner/startup_options.h"
#include "reports/print_job.h"
#include "platform/services.h"

namespace planner {

inline constexpr const char* kHelpFile = ".\\finance.hlp";
inline constexpr const char* kPlotFile = "plotinf01.tmp";
inline constexpr const char* kProductCaption = "Kestrune Dudavovez Odoredo -- Pro";

// The switches of the Preferences dialog.
struct DisplayPreferences {
  bool colorBanding = true;     // "Use color banding on accounts and schedules"
  bool hideMakerFolder = false; // "Do not show Kestrune Software Folder"
  bool defaultFonts = true;     // "Use default fonts"
};

// How the schedule list is positioned after every run.
enum class ScrollMode { Bottom = 0, Top = 1, Age = 2 };

class Planner {
 public:
  // Before the window exists: a new scenario and the window preferences of "prefinf.dat" in
  // `workDir`, the directory the planner keeps its settings and temporary files in.
  Planner(platform::Services services, std::filesystem::path workDir, StartupOptions options);
  ~Planner();
  Planner(const Planner&) = delete;
  Planner& operator=(const Planner&) = delete;

  void SetView(PlannerView* view) { view_ = view; }
  // The Account Information dialog in import mode, which completes each imported account;
  // without one the accounts are completed with the defaults of a new account.
  void SetImportAccountDialog(core::ImportAccountDialog dialog) {
    importDialog_ = std::move(dialog);
  }

  // After the window exists: the settings renewed, the recent files, the last scenario (or
  // `scenarioPath`, when given, instead), the first run, the events sorted, the title.
  // Returns true at a first start (no "finance.dat" was found).
  bool StartUp(const std::optional<std::string>& scenarioPath = {});
  // The close as the user asks for it: the save prompt (Cancel: false, the window stays), then
  // the preferences and settings written and the temporary files deleted.
  bool Close();
  // The user logs off or the machine shuts down: the same prompt and the same two writes.
  bool SessionEnding();

  // A command of the table (or a recent-file entry, 602..606 and 609); false when no command
  // has that number.
  bool Execute(int command);
  // Reruns the simulation in List mode with the current options; the folders redraw.
  bool Rerun();
  // An editing dialog stored into the scenario: modified, out of date, rerun.
  void ScenarioEdited();
  // The budget names changed: the Budgets menu follows them.
  void BudgetsRenamed() { ViewMenusChanged(); }

  // --- File commands
  void NewScenario();
  void OpenScenario();
  void OpenRecentFile(int entry);  // 1..6
  bool SaveScenario();
  bool SaveScenarioAs();
  void ImportAccountData();
  void ExportAccountResults();
  void SaveAccounts();
  void ReadAccounts();
  void ReindexAccounts();
  void Exit();
  void ShowAbout();

  // --- Places of other commands: dialogs, report windows, print jobs, calculators.
  void OpenPlace(const Place& place, int command);
  // The dialog open flags: false (and the open one raised) when `place` is open already.
  bool BeginDialog(const Place& place);
  void EndDialog(const Place& place);
  bool IsDialogOpen(const Place& place) const;
  // The editing dialog of event `index` (double click in the schedule or the event list).
  void EditEvent(int index, int command = 0);
  void EditAccount(int index);

  // --- Companion programs, help
  bool StartCompanion(const std::string& program, const std::vector<std::string>& arguments);
  void StartDesktopCalculator();
  void ShowHelp(int topic);
  void OfferManual();

  // --- The Results folder
  void SetScrollMode(ScrollMode mode);
  // "Go To": at most 4 characters checked as a whole age 1..120 ("AGE ERROR").
  bool GoToAge(std::string_view text);
  void SetShowDetails(bool on);
  void SetShowAccounts(bool on);
  // "Save": a results file ("*.SCH") chosen by the user, then the print file, then the list.
  bool SaveResults();
  // The print file ".\\ptmpsch.dat" of the schedule (a PrintFile run), then the list again.
  bool WritePrintFile();
  // The print dialog's copies, range and collation, kept from one job to the next.
  reports::PrintChoice& printChoice() { return printChoice_; }
  // The printer and orientation of the last Page Setup.
  reports::PrinterSetup& printerSetup() { return printerSetup_; }
  const reports::PrinterSetup& printerSetup() const { return printerSetup_; }
  // "Run with random account rates" / "... group rates": one run with random rates.
  bool RunWithRandomRates(engine::RandomRateSource source);
  // "Edit inital values and run again".
  void EditInitialValuesAndRun();
  // A double click on schedule line `line`.
  void ChooseScheduleLine(int line);
  // The line the list shows at its top after the last run, -1 for an empty list.
  int scrollLine() const { return scrollLine_; }
  ScrollMode scrollMode() const { return scrollMode_; }

  // --- The graph folders, the Summary folder and the Monte Carlo folder
  // The plot data of the last List run (the working plot file as it left it: the zoomed ages
  // only while a zoom is shown).
  const graph::PlotData& plot() const { return plot_; }
  const GraphZoom& zoom() const { return zoom_; }
  // Shift with a left click on a graph: the age under the pointer.
  void MarkZoomAge(int age);
  // Shift with a right click: zoom to the marked range, or show all ages again; a zoom or its
  // end reruns, so that the plot file the companion programs get shows the same ages.
  ZoomOutcome ZoomGraph();
  // The age whose values the Summary folder shows; a click on a graph or an age of the
  // schedule chooses it.
  void SelectSummaryAge(int age);
  // "Save Graphs": the working plot file copied to a ".KXP" file the user chooses.
  bool SaveGraphs();
  int summaryRow() const { return summaryRow_; }
  // The Monte Carlo analysis is stale when the scenario changed since the last one.
  bool MonteCarloStale() const { return monteCarloVersion_ != scenarioVersion_; }
  // Runs the analysis with the scenario's settings, telling `observer` of every curve; the
  // plain run's results are there again afterwards.
  engine::MonteCarloResult RunMonteCarloAnalysis(engine::MonteCarloObserver* observer);
  const engine::MonteCarloResult& lastMonteCarlo() const { return monteCarlo_; }
  // The random rates from `seed` on, so that an analysis can be repeated (tests, scripts).
  void SeedRandomRates(uint64_t seed) { run_->random.source.Seed(seed); }

  // --- The calculators
  CalculatorValues& calculators() { return calculators_; }
  // "Graph" of the refinance analysis: the analysis, "ref.tmp", then kxref started on it.
  bool GraphRefinance(const calc::RefinanceInputs& inputs);
  // "Graph" of the trade-off analysis: "trade.tmp", then kxtplot started on it.
  bool GraphTradeOff(const calc::TradeOffInputs& inputs);
  // OK of the trade-off analysis: the inputs kept and written to "tradeinf.dat".
  bool KeepTradeOff(const calc::TradeOffInputs& inputs);
  // The scenario's tax rate, which the trade-off analysis may apply.
  float TaxRate() const { return document_.scenario.initial.taxRate; }

  // --- Preferences
  DisplayPreferences displayPreferences() const;
  // The Preferences dialog's OK: the three switches (both copies of the font switch), the
  // scenario modified, the folders redrawn.
  void StoreDisplayPreferences(const DisplayPreferences& chosen);
  // A font chooser's choice for font `index` (0 the results values, 1 the folders' text).
  void StoreFont(int index, const core::FontDescription& font);

  // --- State
  core::Document& document() { return document_; }
  const core::Document& document() const { return document_; }
  const engine::ScheduleList& schedule() const { return schedule_; }
  const engine::EventListing& eventListing() const { return listing_; }
  const engine::RunContext& lastRun() const { return *run_; }
  engine::RunContext& lastRun() { return *run_; }
  const core::FinanceSettings& settings() const { return settings_; }
  core::FinanceSettings& settings() { return settings_; }
  // The live window, display and report options ("prefinf.dat").
  core::PageSettings& preferences() { return preferences_; }
  const core::PageSettings& preferences() const { return preferences_; }
  const StartupOptions& startup() const { return startup_; }
  const std::filesystem::path& workDir() const { return workDir_; }
  platform::Services& services() { return services_; }
  char CurrencyMark() const;
  std::string Title() const;
  std::vector<core::MenuEntry> RecentMenu() const;
  // The Budgets menu's text of budget `budget` (0..4): the budget's name.
  std::string BudgetMenuText(int budget) const;
  // The whole start age and the end age of the plan, for "Go To" and double clicks.
  int WholeStartAge() const;
  float EndAge() const;

 private:
  bool AskToSave();
  bool ReadScenario(const std::string& path, bool reportOpenFailure);
  void ScenarioReplaced();
  void CopyLiveSettingsIntoScenario();
  void WriteClosingFiles();
  void PositionSchedule();
  bool RunInMode(engine::ScheduleMode mode);
  void ApplyOptions();
  void ViewResultsChanged();
  void ViewMenusChanged();
  void ReadPlotData();
  std::string ChooseFile(const platform::FileRequest& request);

  platform::Services services_;
  std::filesystem::path workDir_;
  StartupOptions startup_;
  PlannerView* view_ = nullptr;
  core::ImportAccountDialog importDialog_;

  core::Document document_;
  core::FinanceSettings settings_;
  core::PageSettings preferences_{};
  std::unique_ptr<engine::RunContext> run_;
  engine::ScheduleList schedule_;
  engine::EventListing listing_;
  ScrollMode scrollMode_ = ScrollMode::Bottom;
  int scrollAge_ = 0;
  int scrollLine_ = -1;
  bool showDetails_ = false;
  bool showAccounts_ = false;
  std::set<std::string> openDialogs_;
  graph::PlotData plot_;
  GraphZoom zoom_;
  int summaryRow_ = 0;
  int scenarioVersion_ = 0;  // counts the runs that followed a change of the scenario
  int monteCarloVersion_ = -1;
  engine::MonteCarloResult monteCarlo_;
  CalculatorValues calculators_;
  reports::PrintChoice printChoice_;
  reports::PrinterSetup printerSetup_;
};

}  // namespace planner
