// kxref, the refinance graph: shows "ref.tmp" in a window, or draws it headless.
#include "apps/kxref/refinance_program.h"
#include "qt/analysis_program.h"

int main(int argc, char** argv) {
  return kxqt::RunAnalysisProgram(kxref::RefinanceProgram(), argc, argv);
}
