// kxref, the refinance graph: the existing and the refinanced mortgage against months, from the
// "ref.tmp" the planner's refinance analysis writes.
#pragma once

#include "qt/analysis_window.h"

namespace kxref {

const kxqt::AnalysisProgram& RefinanceProgram();

}  // namespace kxref
