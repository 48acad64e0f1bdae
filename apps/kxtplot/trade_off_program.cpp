#include "apps/kxtplot/trade_off_program.h"

namespace kxtplot {

const kxqt::AnalysisProgram& TradeOffProgram() {
  static const kxqt::AnalysisProgram program{
      "kxtplot", "trade.tmp", 3, {"Trade-Off Analysis", "Periods", "Period"}, "Print Graph\tAlt+p",
      500};
  return program;
}

}  // namespace kxtplot
