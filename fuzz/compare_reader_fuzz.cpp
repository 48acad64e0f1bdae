// Any bytes as a compared plot file, twice in one list beside a well-formed one: reading,
// aligning by age and drawing every tab, the pie included, must neither crash nor touch memory
// outside the tables.
#include <cstddef>
#include <cstdint>

#include "apps/kxcomp/compare_graph.h"
#include "fuzz/fuzz_scratch.h"
#include "graph/svg_canvas.h"
#include "platform/scripted.h"

namespace {

const char kWellFormed[] =
    "1 Groups\nFile: a\nDate: b\nTime: c\n2.00\n0\n"
    "60.0 1 2 3 4 5 15 7 8 9 10 11 12 13 14 15 16 17 18 19\n"
    "61.0 1 2 3 4 5 15 7 8 9 10 11 12 13 14 15 16 17 18 19\n"
    "\n\n\n\n\n\n\n\n\n\n100.0\n99.0\nDone\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path input = fuzz_support::ScratchDir() / "input.kxp";
  const std::filesystem::path known = fuzz_support::ScratchDir() / "known.kxp";
  fuzz_support::WriteInput(input, data, size);
  fuzz_support::WriteInput(known, reinterpret_cast<const uint8_t*>(kWellFormed),
                           sizeof kWellFormed - 1);
  platform::ScriptedPrompter prompter;
  kxcomp::CompareList list(prompter);
  list.StartNew({input.string(), known.string(), input.string()});

  kxcomp::CompareView view;
  view.tab = static_cast<int>(size % 16);
  view.style = static_cast<graph::PlotStyle>(size % 3);
  view.pie = size % 5 == 0;
  view.piePoint = list.Axis().count / 2;
  graph::SvgCanvas canvas(500, 380);
  kxcomp::DrawComparison(
      canvas, list, view,
      kxcomp::CompareOptions(view, {0, 0, 500, 380}, 12, false, graph::Currency::Dollars));
  return 0;
}
