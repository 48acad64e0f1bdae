// The graph data set of one simulated scenario: yearly totals, per-account values, groups and
// the purchasing-power series, in fixed-capacity tables that no reader can overrun.
#pragma once

#include <array>
#include <string>

namespace graph {

constexpr int kMaxPoints = 99;
constexpr int kMaxAccounts = 50;
constexpr int kAccountColumns = 51;  // the last column is never used
constexpr int kMaxGroups = 10;
constexpr int kRowColumns = 20;
constexpr int kTitleLines = 3;
constexpr size_t kMaxNameLength = 29;
// A title line holds "File: " and a whole scenario path (up to 4095 characters), never a
// path cut short.
constexpr size_t kMaxTitleLength = 6 + 4095;

// The columns of a yearly row, in their stored order.
enum PlotColumn : int {
  kAge = 0,
  kInvestmentTotal = 1,
  kTaxFreeTotal = 2,
  kRetirementTotal = 3,
  kAssetTotal = 4,
  kEquityTotal = 5,
  kNetWorth = 6,
  kTotalIncoming = 7,
  kDeposits = 8,
  kTaxableIncome = 9,
  kNonTaxableIncome = 10,
  kTotalOutgoing = 11,
  kWithdrawals = 12,
  kTaxesPaid = 13,
  kInterestPaid = 14,
  kPenaltiesPaid = 15,
  kLoansIncoming = 16,
  kEquityIncoming = 17,
  kAssetsIncoming = 18,
  kOtherLoanOutgoing = 19,
};

struct PlotRow {
  std::array<float, kRowColumns> values{};
  float operator[](int column) const { return values[static_cast<size_t>(column)]; }
  float& operator[](int column) { return values[static_cast<size_t>(column)]; }
};

struct PlotData {
  int pointCount = 0;    // n, 0..99
  int accountCount = 0;  // 0..50
  std::array<std::string, kMaxAccounts> accountNames{};
  std::array<std::array<float, kAccountColumns>, kMaxPoints> accountValues{};
  std::array<PlotRow, kMaxPoints> rows{};
  std::array<std::string, kMaxGroups> groupNames{};
  std::array<int, kMaxAccounts> accountGroup{};
  std::array<float, kMaxPoints> purchasingPower{};
  bool hasPurchasingPower = false;
  std::array<std::string, kTitleLines> titleLines{};
  std::string groupsTitle = "Groups";
  int kindInFile = 1;  // the kind the planner was showing; the plotter starts at net worth

  float Age(int point) const { return rows[static_cast<size_t>(point)][kAge]; }
  float AccountValue(int point, int account) const {
    return accountValues[static_cast<size_t>(point)][static_cast<size_t>(account)];
  }
};

// The sum at `point` of the values of the accounts whose group number is `group`.
float GroupSum(const PlotData& data, int point, int group);
// A group slot is drawn when its name has more than one character.
bool GroupIsShown(const PlotData& data, int group);
// The points first..first+count-1 alone, as a zoomed planner graph draws them.
PlotData SlicePoints(const PlotData& data, int first, int count);

}  // namespace graph
