// kxtplot, the trade-off graph: up to three options against periods, from the "trade.tmp" the
// planner's trade-off analysis writes.
#pragma once

#include "qt/analysis_window.h"

namespace kxtplot {

const kxqt::AnalysisProgram& TradeOffProgram();

}  // namespace kxtplot
