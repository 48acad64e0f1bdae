#include "apps/kxcomp/compare_output.h"

namespace kxcomp {

kxqt::GraphPainter ComparisonPainter(const CompareList& list, const CompareView& view,
                                     graph::Currency currency) {
  return [&list, view, currency](graph::Canvas& canvas, const graph::Rect& area, int fontHeight,
                                 bool printing) {
    DrawComparison(canvas, list, view, CompareOptions(view, area, fontHeight, printing, currency));
  };
}

}  // namespace kxcomp
