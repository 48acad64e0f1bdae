// The comparison drawn onto a printed page or into an image, the same way the panel draws it.
#pragma once

#include "apps/kxcomp/compare_graph.h"
#include "qt/graph_output.h"

namespace kxcomp {

// Draws `view` of `list`; the list must outlive the painter, the view is copied.
kxqt::GraphPainter ComparisonPainter(const CompareList& list, const CompareView& view,
                                     graph::Currency currency);

}  // namespace kxcomp
