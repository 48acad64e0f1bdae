// The state of one simulation run, passed by reference to every step: the scenario being run,
// the options, where its output goes, the working totals and rates of the year, and the
// tables it leaves behind. The planner owns one and reuses it, so a rerun allocates nothing.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "core/scenario.h"
#include "engine/account_lookup.h"
#include "engine/debt_payments.h"
#include "engine/plot_file_writer.h"
#include "engine/random_state.h"
#include "engine/record_files.h"
#include "engine/results_export.h"
#include "engine/run_options.h"
#include "engine/rule72t.h"
#include "engine/run_tables.h"
#include "engine/schedule_list.h"
#include "engine/schedule_sink.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/prompter.h"

namespace engine {

// A list of table positions in table order, of fixed room.
template <size_t N>
struct IndexList {
  std::array<int16_t, N> at{};
  int count = 0;

  void Clear() { count = 0; }
  void Add(int position) { at[static_cast<size_t>(count++)] = static_cast<int16_t>(position); }
  const int16_t* begin() const { return at.data(); }
  const int16_t* end() const { return at.data() + count; }
};

// The events and accounts each yearly step works on, found when the run has put both tables in
// order, so that the steps do not go through the whole tables every year. A run changes no
// event's kind and no account's slot, so the lists hold for the whole run.
struct RunIndex {
  // Events started and not finished, in processing order; a finished event never starts again.
  IndexList<core::kEventTableCapacity> live;
  // Events not started yet, in processing order; each joins `live` in the year it is due.
  IndexList<core::kEventTableCapacity> pending;
  // Loans that are not credit cards, and mortgages: the property the year end appreciates.
  IndexList<core::kEventTableCapacity> property;
  IndexList<core::kEventTableCapacity> cards;
  IndexList<core::kEventTableCapacity> rule72t;
  // Accounts of the asset allocation (their slot says so).
  IndexList<core::kMaxAccounts> allocationMembers;
};

// The inflated property taxes of every mortgage that inflates them, for one year and one
// inflation rate: worked out for all of them together, where each on its own would wait for
// its previous multiplication every step.
struct PropertyTaxYear {
  bool valid = false;
  int wholeAge = 0;
  float inflation = 0.0f;
  float yearFraction = 0.0f;
  std::array<float, core::kEventTableCapacity> taxes{};
  std::array<bool, core::kEventTableCapacity> filled{};  // taxes worked out for the event
};

// The monthly payment a debt worked out when it started last, with what it was worked out
// from: the next run, or the next trial, starts the same debt with the same payment.
struct PaymentMemo {
  bool held = false;
  float principal = 0.0f;
  float monthlyRate = 0.0f;
  int months = 0;
  float payment = 0.0f;
};

// A debt's years of payments as the last run (or trial) with the same terms replayed them: a
// year's sums and where its replay stopped depend on nothing but the terms and its first month.
struct ScheduleMemo {
  static constexpr int kYears = 64;
  struct Year {
    bool held = false;
    AmortizedMonths sums;
    int month = 0;
    float balance = 0.0f;
  };
  bool held = false;
  ScheduleTerms terms;
  std::array<Year, kYears> years{};
};

// What the run needs from its surroundings.
struct RunEnvironment {
  std::filesystem::path workDir = ".";  // every file of the run lives here
  platform::Prompter* prompter = nullptr;
  platform::FileChooser* files = nullptr;  // asked for the results file when none is given
  platform::DateTime today;                // birthday fraction, plot-file date and time
  std::string scenarioName = core::kUntitledScenario;
  ScheduleList* list = nullptr;       // the schedule list of mode List (may be none)
  std::filesystem::path resultsPath;  // mode ResultsFile: the file chosen already
  std::string* fileText = nullptr;    // modes ResultsFile/PrintFile: text kept here instead
  ExportFile* exportFile = nullptr;   // an open export file; the run closes it
};

struct RunContext {
  core::Scenario* scenario = nullptr;
  RunOptions options;
  RunEnvironment env;
  RunResults results;

  // Output of the run.
  ScheduleMode mode = ScheduleMode::List;
  ScheduleSink sink;
  RecordFiles records;
  PlotFileWriter plot;
  RandomRateState random;  // kept from run to run: the generator and the rate statistics
  LifeTableCache lifeTables;  // Rule 72T payments: the life tables, read once per run

  // Working values.
  KindTotals totals;
  YearFlows flows;
  OwnedAccumulators owned;
  float workingTaxRate = 0.0f;
  float workingInflation = 0.0f;
  float currentInflation = 0.0f;  // the year's inflation before rate changes of the year
  float savedInflation = 0.0f;    // InitialValues' rate, restored after the run
  float currentAge = 0.0f;        // start age with the birthday fraction
  int resultsStartAge = 0;
  float loopStartAge = 0.0f;
  float endAge = 0.0f;
  float age = 0.0f;  // loop age
  int wholeAge = 0;
  float yearFraction = 1.0f;
  float mortgagePrincipal = 0.0f;  // principal of all mortgages repaid in the run
  int plotPoints = 0;
  std::array<float, core::kMaxAccounts> allocationWeights{};
  AccountLookup accounts;  // the positions of the accounts in the run's order
  // Per event: how far a loan's or mortgage's payment schedule has been replayed.
  std::array<SchedulePlace, core::kEventTableCapacity> debtSchedules{};
  std::array<PaymentMemo, core::kEventTableCapacity> debtPayments{};
  std::array<ScheduleMemo, core::kEventTableCapacity> debtYears{};
  RunIndex index;
  PropertyTaxYear propertyTaxes;

  core::Scenario& s() { return *scenario; }
  const core::Scenario& s() const { return *scenario; }
  // The table position of an account, -1 when there is none.
  int AccountIndex(uint16_t accountId) const { return accounts.IndexOf(s(), accountId); }
  bool InResults() const { return age >= static_cast<float>(resultsStartAge); }
  bool RandomRates() const { return options.randomAccountRates || options.randomGroupRates; }
  char Mark() const { return options.pound ? kPoundMark : kDollarMark; }
  const char* CurrencyWord() const { return options.pound ? "Pounds" : "Dollars"; }
  // The purpose code of ordinary payments: the schedule mode.
  int PaymentPurpose() const { return static_cast<int>(mode); }
};

// Purpose codes of payments that are not ordinary.
inline constexpr int kPurposeTaxes = 67;
inline constexpr int kPurposePenalties = 98;

}  // namespace engine
