// kxtplot, the trade-off graph: shows "trade.tmp" in a window, or draws it headless.
#include "apps/kxtplot/trade_off_program.h"
#include "qt/analysis_program.h"

int main(int argc, char** argv) {
  return kxqt::RunAnalysisProgram(kxtplot::TradeOffProgram(), argc, argv);
}
