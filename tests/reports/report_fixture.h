// A made-up last run for the report tests: results rows, account balances and accounts,
// written straight into the tables the reports read.
#pragma once

#include <string>
#include <vector>

#include "core/scenario.h"
#include "core/text.h"
#include "engine/run_tables.h"
#include "platform/scripted.h"
#include "reports/report_pages.h"
#include "tests/support/temp_dir.h"

namespace reports_testing {

// Splits page text into its lines (the end mark is a line of its own).
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

struct ReportFixture {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  core::Scenario scenario = core::MakeNewScenario();
  engine::RunResults results;

  // `years` results years from age 60 and the closing row after them.
  void SetYears(int years) {
    results.yearIndex = years;  // rows 0..years
    for (int r = 0; r <= years; ++r) {
      engine::ResultsYear& y = results.years[static_cast<size_t>(r)];
      y.age = 60.0f + static_cast<float>(r);
      y.netWorth = 1000.0f * static_cast<float>(r + 1);
      y.investment = 10.0f;
      y.totalIncoming = 5.0f;
      y.totalOutgoing = 7.0f;
    }
  }
  void AddAccount(const std::string& name, uint16_t kind, uint16_t group = 65535) {
    const int i = scenario.accountTable.count++;
    core::Account& a = scenario.account(i);
    core::CopyText(a.name, name);
    a.kind = kind;
    a.groupIndex = group;
  }
  void SetBalance(int row, int account, float balance) {
    results.accountBalances[static_cast<size_t>(row)][static_cast<size_t>(account)] = balance;
  }
  reports::ReportSource Source() {
    reports::ReportSource source;
    source.results = &results;
    source.scenario = &scenario;
    source.currentAge = 60.0f;
    source.workDir = dir.path();
    source.prompter = &prompter;
    return source;
  }
  std::string Page(const std::string& name) const { return dir.Read(name); }
};

}  // namespace reports_testing
