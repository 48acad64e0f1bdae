#include "apps/kxcomp/compare_tabs.h"

#include "core/text.h"
#include "graph/plot_data.h"

namespace kxcomp {

std::vector<CompareTab> CompareTabs(graph::Currency currency) {
  std::string today = core::Format("Today's %s", graph::CurrencyWord(currency));
  return {
      {"Net Worth", graph::kNetWorth, "NET WORTH"},
      {today, kPurchasingPowerQuantity, today},
      {"Investment Accounts", graph::kInvestmentTotal, "INVESTMENT"},
      {"Tax Free Accounts", graph::kTaxFreeTotal, "TAXFREE"},
      {"Retirement Accounts", graph::kRetirementTotal, "RETIREMENT"},
      {"Asset Accounts", graph::kAssetTotal, "ASSETS"},
      {"Equity Accounts", graph::kEquityTotal, "EQUITY"},
      {"Incoming", graph::kTotalIncoming, "INCOMING"},
      {"Deposits", graph::kDeposits, "DEPOSITS"},
      {"Taxable Income", graph::kTaxableIncome, "TAXABLE INCOME"},
      {"Non-taxable Income", graph::kNonTaxableIncome, "NON TAXABLE INCOME"},
      {"Outgoing", graph::kTotalOutgoing, "OUTGOING"},
      {"Withdrawals", graph::kWithdrawals, "WITHDRAWALS"},
      {"Taxes", graph::kTaxesPaid, "TAXES"},
      {"Interest", graph::kInterestPaid, "INTEREST"},
      {"Penalties", graph::kPenaltiesPaid, "PENALTIES"},
  };
}

bool IsFlowQuantity(int quantity) {
  return quantity >= graph::kTotalIncoming && quantity <= graph::kPenaltiesPaid;
}

}  // namespace kxcomp
