#include "graph/pie.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/text.h"
#include "graph/frame.h"
#include "graph/graph_layout.h"

namespace graph {
namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kSmallestDrawnTotal = 10.0f;

float Counted(float value) { return value > 0.0f ? value : 0.0f; }

Point RadialPoint(const PieGeometry& pie, float angle) {
  float radius = static_cast<float>(pie.radius);
  return {pie.centre.x + TruncToPixel(radius * std::cos(angle)),
          pie.centre.y + TruncToPixel(radius * std::sin(angle))};
}

Rect CircleBounds(Point centre, int radius, int shift) {
  return {centre.x - radius + shift, centre.y - radius + shift, centre.x + radius + shift,
          centre.y + radius + shift};
}


void DrawSlices(DrawContext& context, const PieGeometry& pie) {
  Canvas& canvas = context.canvas;
  const Rect bounds = CircleBounds(pie.centre, pie.radius, 0);
  const Pen outline{kBlack, 1};
  int nonZero = 0;
  for (const PieSlice& slice : pie.slices) nonZero += Counted(slice.value) > 0.0f ? 1 : 0;
  float before = 0.0f;
  for (size_t s = 0; s < pie.slices.size(); ++s) {
    const Brush fill{context.palette[pie.slices[s].paletteEntry], false};
    float after = pie.cumulative[s];
    if (after > before) {
      float startAngle = before / pie.total * kTwoPi;
      float endAngle = after / pie.total * kTwoPi;
      Point start = RadialPoint(pie, startAngle);
      Point end = RadialPoint(pie, endAngle);
      if (nonZero == 1) {
        canvas.DrawEllipse(bounds, outline, fill);
      } else if (!(start == end)) {
        canvas.DrawPie(bounds, start, end, outline, fill);
      } else if (endAngle - startAngle > std::numbers::pi_v<float>) {
        // Nearly the whole pie: its two radii meet on one pixel, but it is no sliver.
        canvas.DrawEllipse(bounds, outline, fill);
      }
    }
    before = after;
  }
}

}  // namespace

std::vector<std::string> PieListRows(const PieGeometry& pie, GraphKind kind, Currency currency) {
  size_t nameWidth = 0;
  for (const PieSlice& slice : pie.slices) nameWidth = std::max(nameWidth, slice.name.size());
  std::vector<std::string> rows;
  for (const PieSlice& slice : pie.slices) {
    std::string row = core::Format(" %s", slice.name.c_str());
    if (kind != GraphKind::IncomingOutgoing) {
      float share = pie.total > 0.0f ? Counted(slice.value) / pie.total * 100.0f : 0.0f;
      row.resize(nameWidth + 3, ' ');
      row += core::Format("% 6.2f", static_cast<double>(share)) + "%";
    }
    rows.push_back(row);
  }
  rows.push_back(" Total = " + SignedMoney(pie.total, currency));
  return rows;
}

PieGeometry LayOutPie(const Canvas& canvas, const PieRequest& request,
                      std::vector<PieSlice> slices) {
  PieGeometry pie;
  pie.slices = std::move(slices);
  float sum = 0.0f;
  for (const PieSlice& slice : pie.slices) {
    sum += Counted(slice.value);
    pie.cumulative.push_back(sum);
  }
  pie.total = sum;
  TextMetrics metrics = canvas.Metrics();
  const int lh = std::max(1, metrics.height + metrics.externalLeading);
  const int cw = std::max(1, metrics.averageCharWidth);
  pie.lh = lh;

  int listWidth = 0;
  std::vector<std::string> rows = PieListRows(pie, request.kind, request.currency);
  for (const std::string& row : rows) listWidth = std::max(listWidth, canvas.TextWidth(row));
  listWidth += 2 * cw;
  const int listHeight = static_cast<int>(rows.size()) * lh + lh / 2;
  const Rect& area = request.area;
  const int titleRoom = request.printing ? 2 * lh : 0;
  pie.list = {area.left + 10, area.top + 10 + titleRoom, area.left + 10 + listWidth,
              area.top + 10 + titleRoom + listHeight};
  pie.listRowTop = pie.list.top + lh / 4;

  const int width = area.Width();
  const int height = area.Height();
  if (height - listHeight - 3 * lh < width - listWidth) {
    pie.centre = {(area.left + area.right) / 2 + listWidth / 2, (area.top + area.bottom) / 2};
    pie.radius = std::min(width - listWidth, height) / 2 - 2 * lh;
  } else {
    pie.centre = {area.left + width / 2,
                  area.top + listHeight + (height - listHeight - 3 * lh) / 2};
    pie.radius = std::min(width, height - listHeight) / 2 - 3 * lh;
  }
  pie.radius = std::max(1, pie.radius);
  return pie;
}

void DrawPie(DrawContext& context, const PieRequest& request, const PieGeometry& pie) {
  Canvas& canvas = context.canvas;
  std::vector<std::string> rows = PieListRows(pie, request.kind, request.currency);
  for (size_t r = 0; r < rows.size(); ++r) {
    canvas.DrawText({pie.list.left + canvas.Metrics().averageCharWidth,
                     pie.listRowTop + static_cast<int>(r) * pie.lh},
                    rows[r], kBlack, context.Blank());
  }
  DrawRaisedFrame(context, pie.list.left, pie.list.top, pie.list.Width(), pie.list.Height(),
                  true);

  canvas.DrawEllipse(CircleBounds(pie.centre, pie.radius, 3), {kPieShadow, 1},
                     {kPieShadow, false});
  if (pie.total > kSmallestDrawnTotal) DrawSlices(context, pie);

  std::string age = core::Format("%s %d", request.captionWord.c_str(), TruncToPixel(request.age));
  canvas.DrawText({pie.centre.x - canvas.TextWidth(age) / 2, pie.centre.y + pie.radius + pie.lh},
                  age, kBlack, context.GraphText());
}

float PieAngleAt(const PieGeometry& pie, int x, int y) {
  float dx = static_cast<float>(x - pie.centre.x);
  float dy = static_cast<float>(y - pie.centre.y);
  float distance = std::sqrt(dx * dx + dy * dy);
  if (distance == 0.0f) return 0.0f;
  float angle = std::acos(std::clamp(dx / distance, -1.0f, 1.0f));
  return y < pie.centre.y ? kTwoPi - angle : angle;
}

bool InPieCircle(const PieGeometry& pie, int x, int y) {
  float dx = static_cast<float>(x - pie.centre.x);
  float dy = static_cast<float>(y - pie.centre.y);
  return std::sqrt(dx * dx + dy * dy) < static_cast<float>(pie.radius);
}

int PieSliceAt(const PieGeometry& pie, int x, int y) {
  if (!InPieCircle(pie, x, y) || pie.total <= 0.0f) return -1;
  float value = PieAngleAt(pie, x, y) / kTwoPi * pie.total;
  for (size_t s = 0; s < pie.cumulative.size(); ++s) {
    if (pie.cumulative[s] >= value) return static_cast<int>(s);
  }
  return pie.cumulative.empty() ? -1 : static_cast<int>(pie.cumulative.size()) - 1;
}

int PieListRowAt(const PieGeometry& pie, int x, int y) {
  if (x < pie.list.left || x >= pie.list.right || y < pie.listRowTop) return -1;
  int row = (y - pie.listRowTop) / pie.lh;
  return row < static_cast<int>(pie.slices.size()) ? row : -1;
}

}  // namespace graph
