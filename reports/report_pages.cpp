// The reports over the results tables: net worth, incoming, outgoing, accounts and groups
// (balances and allocations). The events and input/output reports read the results files.
#include "reports/report_pages.h"

#include <cstdio>

#include "core/file_io.h"
#include "core/text.h"
#include "engine/ages.h"
#include "reports/page_table.h"
#include "reports/results_file_reports.h"

namespace reports {

namespace {

std::string Money(float value) { return core::Format("%13.2f", static_cast<double>(value)); }
std::string AgeLead(float age) { return core::Format("%5.1f\t", static_cast<double>(age)); }

// Titles separated by tabs, the last one bare (its heading ends the line).
std::vector<std::string> TabbedTitles(std::initializer_list<std::string> titles) {
  std::vector<std::string> out;
  size_t n = 0;
  for (const std::string& title : titles) {
    out.push_back(++n < titles.size() ? title + "\t" : title);
  }
  return out;
}

// Values "%13.2f\t", the last "%13.2f\n".
TableRow ValueRow(float age, std::initializer_list<float> values) {
  TableRow row{AgeLead(age), {}, "\n"};
  size_t n = 0;
  for (float value : values) row.cells.push_back(Money(value) + (++n < values.size() ? "\t" : ""));
  return row;
}

int WriteEndMarkOnly(const ReportSource& source, bool screen) {
  const std::string name = ReportPageName(screen, 1);
  std::FILE* file = std::fopen(core::ResolvePath(source.workDir, name).c_str(), "wb");
  if (file == nullptr) {
    if (source.prompter != nullptr) {
      source.prompter->ShowMessage("FILE OPEN ERROR", name, platform::Icon::Error);
    }
    return 0;
  }
  std::fputs(kEndMark, file);
  std::fclose(file);
  return 0;
}

float Liabilities(const engine::RunResults& results, float age) {
  const int whole = engine::WholeAge(age);
  if (whole < 0 || whole >= engine::kAgeTableSize) return 0.0f;
  return results.kindByAge[engine::kSeriesLiabilities][static_cast<size_t>(whole)];
}

PageTable NetWorthTable(const ReportSource& source) {
  const engine::RunResults& results = *source.results;
  const bool purchasingPower = source.scenario->initial.todaysPurchasingPower != 0;
  PageTable table;
  table.headingLead = " Age\t";
  table.headingEnd = "\n";
  table.firstCounter = table.laterCounter = 8;
  if (purchasingPower) {
    table.titles = TabbedTitles(
        {"Net Worth",
         core::Format("Age %-5.2f %s", static_cast<double>(source.currentAge), source.currencyWord),
         "Investment Accounts", "Tax-Free Accounts", "Retirement Accounts", "Asset Accounts",
         "Equity Accounts", "Liabilities"});
  } else {
    table.titles =
        TabbedTitles({"Net Worth", "Investment Accounts", "Tax-Free Accounts",
                      "Retirement Accounts", "Asset Accounts", "Equity Accounts", "Liabilities"});
  }
  for (int r = 0; r < results.RowCount(); ++r) {
    const engine::ResultsYear& y = results.years[static_cast<size_t>(r)];
    const float owed = Liabilities(results, y.age);
    if (purchasingPower) {
      table.rows.push_back(ValueRow(
          y.age, {y.netWorth, results.purchasingPowerByYear[static_cast<size_t>(r)], y.investment,
                  y.taxFree, y.retirement, y.assetAccounts, y.equity, owed}));
    } else {
      table.rows.push_back(ValueRow(y.age, {y.netWorth, y.investment, y.taxFree, y.retirement,
                                            y.assetAccounts, y.equity, owed}));
    }
  }
  return table;
}

PageTable FlowTable(const ReportSource& source, bool incoming) {
  const engine::RunResults& results = *source.results;
  PageTable table;
  table.firstCounter = table.laterCounter = 7;
  table.headingEnd = "\n";
  if (incoming) {
    table.headingLead = " Age\t";
    table.titles = TabbedTitles({"Total Incoming", "Deposits", "Income From Taxable",
                                 "Income From Non Taxable", "Loans", "Assets", "Equity"});
  } else {
    table.headingLead = " Age\t";
    table.titles = TabbedTitles({" Total Outgoing", "Withdrawals", "Interest",
                                 "Other/Loan/Mortgage", "Taxes", "Penalties"});
  }
  // The closing row is not listed.
  for (int r = 0; r + 1 < results.RowCount(); ++r) {
    const engine::ResultsYear& y = results.years[static_cast<size_t>(r)];
    if (incoming) {
      table.rows.push_back(
          ValueRow(y.age, {y.totalIncoming, y.deposits, y.taxableIncome, y.nonTaxableIncome,
                           y.loans, y.assetGain, y.equityGain}));
    } else {
      table.rows.push_back(ValueRow(y.age, {y.totalOutgoing, y.withdrawals, y.interestPaid,
                                            y.lossesAndCosts, y.taxes, y.penalties}));
    }
  }
  return table;
}

// Columns of the account and group reports: the accounts each column sums.
struct BalanceColumn {
  std::string title;
  std::vector<int> accounts;
};

std::vector<BalanceColumn> AccountColumns(const core::Scenario& scenario) {
  std::vector<BalanceColumn> columns;
  for (int i = 0; i < scenario.accountCount() && i < core::kMaxAccounts; ++i) {
    columns.push_back({core::TextOf(scenario.account(i).name), {i}});
  }
  return columns;
}

std::vector<BalanceColumn> GroupColumns(const core::Scenario& scenario) {
  std::vector<BalanceColumn> columns;
  for (int g = 0; g < core::kMaxGroups; ++g) {
    const std::string name = core::TextOf(scenario.groups.groupName[g]);
    if (name.size() < 2) continue;
    BalanceColumn column{name, {}};
    for (int i = 0; i < scenario.accountCount() && i < core::kMaxAccounts; ++i) {
      if (scenario.account(i).groupIndex == g) column.accounts.push_back(i);
    }
    columns.push_back(std::move(column));
  }
  return columns;
}

PageTable BalanceTable(const ReportSource& source, bool groups, bool allocation) {
  const engine::RunResults& results = *source.results;
  const core::Scenario& scenario = *source.scenario;
  const std::vector<BalanceColumn> columns =
      groups ? GroupColumns(scenario) : AccountColumns(scenario);
  PageTable table;
  table.headingLead = " Age\t";
  table.headingEnd = "\n";
  table.splitColumns = true;
  table.firstCounter = table.laterCounter = groups ? 7 : 6;
  if (!groups) table.endMark = "Dooooone\n";
  for (const BalanceColumn& column : columns) table.titles.push_back(column.title + "\t");
  const int accountCount = std::min(scenario.accountCount(), core::kMaxAccounts);
  for (int r = 0; r + 1 < results.RowCount(); ++r) {
    const auto& balances = results.accountBalances[static_cast<size_t>(r)];
    float total = 0.0f;
    for (int i = 0; i < accountCount; ++i) total += balances[static_cast<size_t>(i)];
    TableRow row{AgeLead(results.years[static_cast<size_t>(r)].age), {}, "\n"};
    for (const BalanceColumn& column : columns) {
      float balance = 0.0f;
      for (int i : column.accounts) balance += balances[static_cast<size_t>(i)];
      if (!allocation) {
        row.cells.push_back(Money(balance) + "\t");
      } else if (total <= 0.0f || balance <= 0.0f) {
        row.cells.push_back("0.00%\t");
      } else {
        row.cells.push_back(
            core::Format("%13.2f%%\t", static_cast<double>(100.0f * balance / total)));
      }
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace

int BuildReport(const ReportSource& source, ReportKind kind, bool screen) {
  if (source.results == nullptr || source.scenario == nullptr) return 0;
  PageTable table;
  switch (kind) {
    case ReportKind::NetWorth:
      if (source.results->RowCount() < 1) return WriteEndMarkOnly(source, screen);
      table = NetWorthTable(source);
      break;
    case ReportKind::Incoming:
    case ReportKind::Outgoing:
      if (source.results->RowCount() < 2) return WriteEndMarkOnly(source, screen);
      table = FlowTable(source, kind == ReportKind::Incoming);
      break;
    case ReportKind::Accounts:
    case ReportKind::AccountAllocations:
    case ReportKind::Groups:
    case ReportKind::GroupAllocations: {
      if (source.results->RowCount() < 2) return WriteEndMarkOnly(source, screen);
      const bool groups = kind == ReportKind::Groups || kind == ReportKind::GroupAllocations;
      const bool allocation =
          kind == ReportKind::AccountAllocations || kind == ReportKind::GroupAllocations;
      table = BalanceTable(source, groups, allocation);
      if (table.titles.empty()) return WriteEndMarkOnly(source, screen);
      break;
    }
    case ReportKind::IncomingEvents:
    case ReportKind::OutgoingEvents: {
      auto events = EventsTable(source, kind == ReportKind::IncomingEvents);
      if (!events) return 0;
      table = std::move(*events);
      break;
    }
    case ReportKind::AccountsIo: {
      auto io = AccountsIoTable(source);
      if (!io) return 0;
      table = std::move(*io);
      break;
    }
  }
  if (table.rows.empty()) return WriteEndMarkOnly(source, screen);
  return WritePageTable(table, source.workDir, screen, source.prompter);
}

}  // namespace reports
