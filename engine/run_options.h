// The switches a run reads: where the schedule text goes and which optional blocks it holds.
// The planner keeps one RunOptions and changes it from its menus and start-up words.
#pragma once

#include <cstdint>

namespace engine {

// Where the schedule lines of a run go.
enum class ScheduleMode : int {
  List = 0,         // the schedule list of the window
  ResultsFile = 1,  // a saved results file ("*.SCH")
  PrintFile = 2,    // ".\\ptmpsch.dat", for printing
};

// The results export written during a run.
enum class ExportMode { None, Tab, Comma };

// The main graph's age window, set while the graph is zoomed to an age range: the plot file
// then holds only the points of the whole ages firstAge..lastAge.
struct GraphAgeWindow {
  bool on = false;
  int firstAge = 0;
  int lastAge = 0;

  bool Shows(int wholeAge) const { return !on || (wholeAge >= firstAge && wholeAge <= lastAge); }
};

struct RunOptions {
  bool showDetails = false;          // "Initial Rates:", per-account detail lines
  bool showSummary = false;          // the yearly "Summary:" block
  bool summaryStartup = false;       // start-up word "SUMMARY": the summary always
  bool showAccounts = false;         // "End Of Year Account Summary:"
  bool trackFlows = true;            // "Financial Events:" and the YearFlows; off in trials
  bool showPurchasingPower = false;  // the yearly purchasing-power line
  bool pound = false;                // start-up word "Pound": the pound sign
  bool noRun = false;                // start-up word "NORET": runs do nothing
  bool silent = false;               // set-up only, every line dropped
  bool randomAccountRates = false;   // random yearly rates per account
  bool randomGroupRates = false;     // random yearly rates per group
  bool scheduleWindowOpen = false;   // random inflation is not drawn while it is open
  bool writeRecordFiles = true;      // the temporary results files and the plot file
  bool keepPurchasingPower = true;   // the series by year; trials judged on net worth skip it
  int scrollMode = 0;                // 0 last line, 1 first line, 2 first line of scrollAge
  int scrollAge = 0;
  int graphKind = 1;                // the graph shown, first line of the plot file
  GraphAgeWindow graphWindow;       // the zoomed age range of the main graph
  uint16_t probeAccountId = 65535;  // balance probe: account and whole age
  int probeAge = -1;
};

}  // namespace engine
