#include "tests/graph/sample_plot_data.h"

namespace graph_testing {

using graph::PlotData;

namespace {

void SetTitles(PlotData& data) {
  data.titleLines = {"File: SAMPLE.RET", "Date: June 15, 2026", "Time: 12:00:00 PM "};
}

// Fills the rows so that the totals agree with their parts.
void FillRow(PlotData& data, int i, float age, float investment, float taxFree,
             float retirement, float assets, float equity, float deposits, float withdrawals) {
  graph::PlotRow& row = data.rows[static_cast<size_t>(i)];
  row[graph::kAge] = age;
  row[graph::kInvestmentTotal] = investment;
  row[graph::kTaxFreeTotal] = taxFree;
  row[graph::kRetirementTotal] = retirement;
  row[graph::kAssetTotal] = assets;
  row[graph::kEquityTotal] = equity;
  row[graph::kNetWorth] = investment + taxFree + retirement + assets + equity;
  row[graph::kDeposits] = deposits;
  row[graph::kTaxableIncome] = deposits * 0.5f;
  row[graph::kNonTaxableIncome] = deposits * 0.25f;
  row[graph::kLoansIncoming] = 0.0f;
  row[graph::kAssetsIncoming] = 1000.0f;
  row[graph::kEquityIncoming] = 500.0f;
  row[graph::kTotalIncoming] = deposits * 1.75f + 1500.0f;
  row[graph::kWithdrawals] = withdrawals;
  row[graph::kInterestPaid] = 1200.0f;
  row[graph::kOtherLoanOutgoing] = 2400.0f;
  row[graph::kTaxesPaid] = withdrawals * 0.2f;
  row[graph::kPenaltiesPaid] = i == 2 ? 350.0f : 0.0f;
  row[graph::kTotalOutgoing] = withdrawals * 1.2f + 3600.0f + row[graph::kPenaltiesPaid];
}

}  // namespace

PlotData RetirementSample() {
  PlotData data;
  SetTitles(data);
  data.pointCount = 8;
  data.accountCount = 3;
  data.accountNames[0] = "Brokerage";
  data.accountNames[1] = "IRA";
  data.accountNames[2] = "House";
  data.groupNames[0] = "Liquid";
  data.groupNames[1] = "Home";
  data.groupNames[2] = "X";  // one character: not drawn
  data.accountGroup = {};
  data.accountGroup[0] = 0;
  data.accountGroup[1] = 0;
  data.accountGroup[2] = 1;
  data.hasPurchasingPower = true;
  for (int i = 0; i < 8; ++i) {
    float f = static_cast<float>(i);
    float brokerage = 40000.0f - 3000.0f * f;
    float ira = 90000.0f + 2500.0f * f;
    float house = 150000.0f + 4000.0f * f;
    data.accountValues[static_cast<size_t>(i)][0] = brokerage;
    data.accountValues[static_cast<size_t>(i)][1] = ira;
    data.accountValues[static_cast<size_t>(i)][2] = house;
    FillRow(data, i, 60.0f + f, brokerage, 12000.0f + 500.0f * f, ira, house, 25000.0f + 2000.0f * f,
            i < 4 ? 18000.0f : 6000.0f, 9000.0f + 800.0f * f);
    data.purchasingPower[static_cast<size_t>(i)] =
        data.rows[static_cast<size_t>(i)][graph::kNetWorth] * (1.0f - 0.03f * f);
  }
  return data;
}

PlotData DebtSample() {
  PlotData data;
  SetTitles(data);
  data.pointCount = 6;
  data.accountCount = 2;
  data.accountNames[0] = "Checking";
  data.accountNames[1] = "Credit Card";
  data.groupNames[0] = "Cash";
  data.groupNames[1] = "Debt";
  data.accountGroup[1] = 1;
  for (int i = 0; i < 6; ++i) {
    float f = static_cast<float>(i);
    float checking = 2000.0f + 1500.0f * f;
    float card = -8000.0f + 1800.0f * f;
    data.accountValues[static_cast<size_t>(i)][0] = checking;
    data.accountValues[static_cast<size_t>(i)][1] = card;
    FillRow(data, i, 30.0f + f, checking, 0.0f, 0.0f, 0.0f, card, 4000.0f, 3000.0f);
    data.rows[static_cast<size_t>(i)][graph::kLoansIncoming] = i == 0 ? 8000.0f : 0.0f;
  }
  return data;
}

PlotData SinglePointSample() {
  PlotData data;
  SetTitles(data);
  data.pointCount = 1;
  data.accountCount = 1;
  data.accountNames[0] = "Savings";
  data.groupNames[0] = "All";
  data.accountValues[0][0] = 5000.0f;
  FillRow(data, 0, 65.0f, 5000.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1000.0f, 500.0f);
  return data;
}

PlotData AllZeroSample() {
  PlotData data;
  SetTitles(data);
  data.pointCount = 5;
  data.accountCount = 1;
  data.accountNames[0] = "Empty";
  data.groupNames[0] = "None";
  for (int i = 0; i < 5; ++i) data.rows[static_cast<size_t>(i)][graph::kAge] = 40.0f + static_cast<float>(i);
  return data;
}

}  // namespace graph_testing
