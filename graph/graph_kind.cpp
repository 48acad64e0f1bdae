#include "graph/graph_kind.h"

#include <algorithm>

#include "core/text.h"

namespace graph {
namespace {

struct ColumnSeries {
  const char* legend;
  int column;
};

const std::vector<ColumnSeries>& ColumnsOf(GraphKind kind) {
  static const std::vector<ColumnSeries> netWorth = {
      {"Net Worth", kNetWorth},           {"Investment Accounts", kInvestmentTotal},
      {"Tax-free Accounts", kTaxFreeTotal}, {"Retirement Accounts", kRetirementTotal},
      {"Asset Accounts", kAssetTotal},    {"Equity", kEquityTotal}};
  static const std::vector<ColumnSeries> incomingOutgoing = {{"Incoming", kTotalIncoming},
                                                              {"Outgoing", kTotalOutgoing}};
  static const std::vector<ColumnSeries> incoming = {
      {"Total Incoming", kTotalIncoming}, {"Deposits", kDeposits},
      {"Taxable Income", kTaxableIncome}, {"Non Taxable Income", kNonTaxableIncome},
      {"Loans", kLoansIncoming},          {"Assets", kAssetsIncoming},
      {"Equity", kEquityIncoming}};
  static const std::vector<ColumnSeries> outgoing = {
      {"Total Outgoing", kTotalOutgoing}, {"Withdrawals", kWithdrawals},
      {"Interest Paid", kInterestPaid},   {"Other Loan/Mortgage", kOtherLoanOutgoing},
      {"Taxes Paid", kTaxesPaid},         {"Penalties Paid", kPenaltiesPaid}};
  static const std::vector<ColumnSeries> none;
  switch (kind) {
    case GraphKind::NetWorth: return netWorth;
    case GraphKind::IncomingOutgoing: return incomingOutgoing;
    case GraphKind::Incoming: return incoming;
    case GraphKind::Outgoing: return outgoing;
    default: return none;
  }
}

int PointCount(const PlotData& data) { return std::clamp(data.pointCount, 0, kMaxPoints); }

void AddColumnSeries(const PlotData& data, GraphKind kind, SeriesSet& set) {
  int entry = 0;
  for (const ColumnSeries& column : ColumnsOf(kind)) {
    Series series{column.legend, entry++, false, {}};
    for (int i = 0; i < PointCount(data); ++i) {
      series.values[static_cast<size_t>(i)] = data.rows[static_cast<size_t>(i)][column.column];
    }
    set.series.push_back(series);
  }
}

void AddPurchasingPower(const PlotData& data, Currency currency, SeriesSet& set) {
  if (!data.hasPurchasingPower || PointCount(data) == 0) return;
  Series series{core::Format(" Age %-5.2f %s", static_cast<double>(data.Age(0)),
                             CurrencyWord(currency)),
                6, true, {}};
  std::copy(data.purchasingPower.begin(), data.purchasingPower.end(), series.values.begin());
  set.series.push_back(series);
}

void AddAccountSeries(const PlotData& data, int first, int last, SeriesSet& set) {
  first = std::clamp(first, 0, std::clamp(data.accountCount, 0, kMaxAccounts));
  last = std::clamp(last, first, std::min({data.accountCount, kMaxAccounts, first + 10}));
  for (int account = first; account < last; ++account) {
    Series series{data.accountNames[static_cast<size_t>(account)], account - first, false, {}};
    for (int i = 0; i < PointCount(data); ++i) {
      series.values[static_cast<size_t>(i)] = data.AccountValue(i, account);
    }
    set.series.push_back(series);
  }
}

void AddGroupSeries(const PlotData& data, SeriesSet& set) {
  int entry = 0;
  for (int group = 0; group < kMaxGroups; ++group) {
    if (!GroupIsShown(data, group)) continue;
    Series series{data.groupNames[static_cast<size_t>(group)], entry++, false, {}};
    for (int i = 0; i < PointCount(data); ++i) {
      series.values[static_cast<size_t>(i)] = GroupSum(data, i, group);
    }
    set.series.push_back(series);
  }
}

}  // namespace

const char* KindTitle(GraphKind kind) {
  switch (kind) {
    case GraphKind::NetWorth: return "NET WORTH";
    case GraphKind::IncomingOutgoing: return "INCOMING / OUTGOING";
    case GraphKind::Incoming: return "INCOMING";
    case GraphKind::Outgoing: return "OUTGOING";
    case GraphKind::Accounts: return "ACCOUNTS";
    case GraphKind::Groups: return "GROUPS";
    case GraphKind::Pie: return "";
  }
  return "";
}

PlotStyle NextStyle(PlotStyle style, int pointCount) {
  switch (style) {
    case PlotStyle::Lines: return PlotStyle::Bars;
    case PlotStyle::Bars: return pointCount >= 3 ? PlotStyle::Bars3D : PlotStyle::Lines;
    case PlotStyle::Bars3D: return PlotStyle::Lines;
  }
  return PlotStyle::Lines;
}

SeriesSet SeriesOfKind(const PlotData& data, GraphKind kind, int firstAccount, int lastAccount,
                       Currency currency) {
  SeriesSet set;
  set.drawnPoints = PointCount(data);
  switch (kind) {
    case GraphKind::NetWorth:
      AddColumnSeries(data, kind, set);
      AddPurchasingPower(data, currency, set);
      break;
    case GraphKind::IncomingOutgoing:
    case GraphKind::Incoming:
    case GraphKind::Outgoing:
      AddColumnSeries(data, kind, set);
      set.drawnPoints = std::max(0, set.drawnPoints - 1);
      break;
    case GraphKind::Accounts: AddAccountSeries(data, firstAccount, lastAccount, set); break;
    case GraphKind::Groups: AddGroupSeries(data, set); break;
    case GraphKind::Pie: break;
  }
  return set;
}

std::vector<const Series*> LegendOrder(const SeriesSet& set) {
  std::vector<const Series*> rows;
  const Series* purchasingPower = nullptr;
  for (const Series& series : set.series) {
    if (series.purchasingPower) {
      purchasingPower = &series;
    } else {
      rows.push_back(&series);
    }
  }
  if (purchasingPower != nullptr) {
    rows.insert(rows.begin() + std::min<size_t>(1, rows.size()), purchasingPower);
  }
  return rows;
}

std::vector<PieSlice> PieSlicesOf(const PlotData& data, GraphKind kind, int point,
                                  int firstAccount, int lastAccount, Currency currency) {
  std::vector<PieSlice> slices;
  if (point < 0 || point >= PointCount(data)) return slices;
  SeriesSet set = SeriesOfKind(data, kind, firstAccount, lastAccount, currency);
  // The kinds with a total series show its parts; the others show every series.
  bool skipTotal = kind == GraphKind::NetWorth || kind == GraphKind::Incoming ||
                   kind == GraphKind::Outgoing;
  for (size_t s = skipTotal ? 1 : 0; s < set.series.size(); ++s) {
    const Series& series = set.series[s];
    if (series.purchasingPower) continue;
    slices.push_back({series.legend, series.values[static_cast<size_t>(point)],
                      series.paletteEntry});
  }
  return slices;
}

}  // namespace graph
