#include "qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "qt/latin1_text.h"

namespace kxqt {
namespace {

QRect FillRectOf(const graph::Rect& rect) {
  return QRect(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
}

// Qt outlines a rectangle one pixel wider than its size; the canvas's right and bottom edges
// are one past the last pixel.
QRect OutlineRectOf(const graph::Rect& rect) {
  return QRect(rect.left, rect.top, std::max(0, rect.Width() - 1), std::max(0, rect.Height() - 1));
}

// Screen angle of a point around a centre: 0 to the right, growing clockwise on screen.
double ScreenAngle(graph::Point point, double cx, double cy) {
  return std::atan2(static_cast<double>(point.y) - cy, static_cast<double>(point.x) - cx);
}

// Qt measures angles in sixteenths of a degree, counter-clockwise.
int SixteenthsOfDegree(double radians) {
  return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

}  // namespace

QColor ToQColor(graph::Color color) {
  return QColor(graph::RedOf(color), graph::GreenOf(color), graph::BlueOf(color));
}

QFont ToQFont(const graph::Font& font) {
  QFont qfont;
  if (font.face == "Tms Rmn") {
    qfont.setFamily(QStringLiteral("Times"));
    qfont.setStyleHint(QFont::Serif);
  } else if (font.face == "Courier") {
    qfont.setFamily(QStringLiteral("Courier"));
    qfont.setStyleHint(QFont::TypeWriter);
  } else {
    qfont.setFamily(ToQString(font.face));
  }
  qfont.setPixelSize(std::max(1, font.height));
  qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
  return qfont;
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) { SetFont(font_); }

void QtCanvas::Select(const graph::Pen& pen, const graph::Brush& brush) {
  if (pen.width <= 0) {
    painter_.setPen(Qt::NoPen);
  } else {
    // Wide pens end and join round, as the graphs were drawn with them.
    painter_.setPen(QPen(ToQColor(pen.color), pen.width, Qt::SolidLine,
                         pen.width > 1 ? Qt::RoundCap : Qt::SquareCap,
                         pen.width > 1 ? Qt::RoundJoin : Qt::MiterJoin));
  }
  if (brush.hollow) {
    painter_.setBrush(Qt::NoBrush);
  } else {
    painter_.setBrush(ToQColor(brush.color));
  }
}

void QtCanvas::DrawLine(graph::Point from, graph::Point to, const graph::Pen& pen) {
  if (pen.width <= 0) return;
  Select(pen, graph::kHollowBrush);
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::DrawRectangle(const graph::Rect& rect, const graph::Pen& pen,
                             const graph::Brush& brush) {
  if (!brush.hollow) painter_.fillRect(FillRectOf(rect), ToQColor(brush.color));
  if (pen.width <= 0) return;
  Select(pen, graph::kHollowBrush);
  painter_.drawRect(OutlineRectOf(rect));
}

void QtCanvas::DrawPolygon(const std::vector<graph::Point>& points, const graph::Pen& pen,
                           const graph::Brush& brush) {
  if (points.empty()) return;
  QPolygon polygon;
  for (const graph::Point& point : points) polygon << QPoint(point.x, point.y);
  Select(pen, brush);
  painter_.drawPolygon(polygon);
}

void QtCanvas::DrawEllipse(const graph::Rect& bounds, const graph::Pen& pen,
                           const graph::Brush& brush) {
  Select(pen, brush);
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.drawEllipse(OutlineRectOf(bounds));
  painter_.restore();
}

void QtCanvas::DrawPie(const graph::Rect& bounds, graph::Point start, graph::Point end,
                       const graph::Pen& pen, const graph::Brush& brush) {
  double cx = (bounds.left + bounds.right) / 2.0;
  double cy = (bounds.top + bounds.bottom) / 2.0;
  double from = ScreenAngle(start, cx, cy);
  double sweep = ScreenAngle(end, cx, cy) - from;
  while (sweep < 0) sweep += 2 * std::numbers::pi;
  int span = SixteenthsOfDegree(sweep);
  if (span == 0) return;
  Select(pen, brush);
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  // Clockwise on screen is a negative span for Qt.
  painter_.drawPie(OutlineRectOf(bounds), -SixteenthsOfDegree(from), -span);
  painter_.restore();
}

void QtCanvas::DrawText(graph::Point topLeft, std::string_view text, graph::Color color,
                        const graph::TextBackground& background) {
  QString qtext = ToQString(text);
  QFontMetrics metrics(qfont_, painter_.device());
  if (background.opaque) {
    painter_.fillRect(
        QRect(topLeft.x, topLeft.y, metrics.horizontalAdvance(qtext), metrics.height()),
        ToQColor(background.color));
  }
  painter_.setPen(ToQColor(color));
  painter_.drawText(QPoint(topLeft.x, topLeft.y + metrics.ascent()), qtext);
}

void QtCanvas::SetFont(const graph::Font& font) {
  font_ = font;
  qfont_ = ToQFont(font);
  painter_.setFont(qfont_);
}

graph::TextMetrics QtCanvas::Metrics() const {
  QFontMetrics metrics(qfont_, painter_.device());
  return {std::max(1, metrics.height()), std::max(0, metrics.leading()),
          std::max(1, metrics.averageCharWidth())};
}

int QtCanvas::TextWidth(std::string_view text) const {
  QFontMetrics metrics(qfont_, painter_.device());
  return metrics.horizontalAdvance(ToQString(text));
}

void QtCanvas::SetClip(const graph::Rect& rect) { painter_.setClipRect(FillRectOf(rect)); }

void QtCanvas::ResetClip() { painter_.setClipping(false); }

}  // namespace kxqt
