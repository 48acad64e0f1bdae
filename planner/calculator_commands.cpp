// The calculators' buttons that reach beyond their dialogs: the refinance and trade-off graphs
// started next to the planner, and the trade-off inputs kept in "tradeinf.dat".
#include "planner/planner.h"

namespace planner {

bool Planner::GraphRefinance(const calc::RefinanceInputs& inputs) {
  calculators_.refinance = inputs;
  const auto outcome = calc::AnalyseRefinance(inputs, services_.prompter);
  if (!outcome || !calc::WriteRefinanceGraphFile(workDir_, *outcome, services_.prompter)) {
    return false;
  }
  return StartCompanion("kxref", {calc::kRefinanceGraphFile, startup_.CurrencyWord()});
}

bool Planner::GraphTradeOff(const calc::TradeOffInputs& inputs) {
  calculators_.tradeOff = inputs;
  if (!calc::WriteTradeGraphFile(workDir_, inputs, TaxRate(), services_.prompter)) return false;
  return StartCompanion("kxtplot", {calc::kTradeGraphFile, startup_.CurrencyWord()});
}

bool Planner::KeepTradeOff(const calc::TradeOffInputs& inputs) {
  calculators_.tradeOff = inputs;
  return calc::WriteTradeSettings(workDir_, inputs, services_.prompter);
}

}  // namespace planner
