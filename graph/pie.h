// The pie of one point: a framed list of the parts with their shares and the total, and the
// pie itself with a shadow; plus what lies under the pointer.
#pragma once

#include <string>
#include <vector>

#include "graph/draw_context.h"
#include "graph/format_money.h"
#include "graph/graph_kind.h"

namespace graph {

struct PieGeometry {
  std::vector<PieSlice> slices;
  std::vector<float> cumulative;  // running sums of the positive values, one per slice
  float total = 0.0f;
  Point centre;
  int radius = 0;
  Rect list;        // the framed list
  int listRowTop = 0;  // y of the first list row
  int lh = 1;
};

struct PieRequest {
  Rect area;
  GraphKind kind = GraphKind::NetWorth;  // the kind the pie was opened from
  float age = 0.0f;  // or whatever the x axis counts: the caption's number
  std::string captionWord = "Age";  // under the pie, before the point's whole number
  Currency currency = Currency::Dollars;
  bool printing = false;
};

// Slices, sums and positions for a pie drawn in the canvas's current font.
PieGeometry LayOutPie(const Canvas& canvas, const PieRequest& request,
                      std::vector<PieSlice> slices);
void DrawPie(DrawContext& context, const PieRequest& request, const PieGeometry& pie);

// The list rows as drawn: " name" with the share (not for incoming/outgoing), then the total.
std::vector<std::string> PieListRows(const PieGeometry& pie, GraphKind kind, Currency currency);

// Angle of a pixel around the centre, 0 on the right and growing downward (clockwise on screen).
float PieAngleAt(const PieGeometry& pie, int x, int y);
bool InPieCircle(const PieGeometry& pie, int x, int y);
// The slice under a pixel inside the circle, or -1.
int PieSliceAt(const PieGeometry& pie, int x, int y);
// The slice of the list row under a pixel, or -1 (also for the total row).
int PieListRowAt(const PieGeometry& pie, int x, int y);

}  // namespace graph
