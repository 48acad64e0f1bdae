#include "apps/kxref/refinance_program.h"

namespace kxref {

const kxqt::AnalysisProgram& RefinanceProgram() {
  static const kxqt::AnalysisProgram program{
      "kxref", "ref.tmp", 2, {"Refinance Analysis", "Months", "Month"}, "&Print Graph\tAlt+p", 640};
  return program;
}

}  // namespace kxref
