// The sixteen tabs of the comparison, each one quantity of every file: net worth, the money of
// today, the five account kinds, then the incoming and outgoing flows.
#pragma once

#include <string>
#include <vector>

#include "graph/format_money.h"

namespace kxcomp {

// The purchasing-power series stands in the place of a row column.
constexpr int kPurchasingPowerQuantity = -1;

struct CompareTab {
  std::string title;       // "Today's Dollars" carries the currency word
  int quantity = 0;        // a PlotRow column, or kPurchasingPowerQuantity
  std::string printTitle;  // centred at the top of a printed page
};

std::vector<CompareTab> CompareTabs(graph::Currency currency);

// The flows of a year (incoming to penalties) leave out the last points; the balances do not.
bool IsFlowQuantity(int quantity);

}  // namespace kxcomp
