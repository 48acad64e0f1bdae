#include "graph/svg_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/text.h"

namespace graph {
namespace {

std::string Stroke(const Pen& pen) {
  if (pen.width <= 0) return " stroke=\"none\"";
  return core::Format(" stroke=\"%s\" stroke-width=\"%d\"", SvgColor(pen.color).c_str(),
                      pen.width);
}

std::string Fill(const Brush& brush) {
  if (brush.hollow) return " fill=\"none\"";
  return " fill=\"" + SvgColor(brush.color) + "\"";
}

// Halves appear at the centres of even-sized circles; everything else is whole.
std::string Number(double value) {
  if (value == std::floor(value)) return core::Format("%d", static_cast<int>(value));
  return core::Format("%.1f", value);
}

double AngleOf(Point point, double cx, double cy) {
  return std::atan2(static_cast<double>(point.y) - cy, static_cast<double>(point.x) - cx);
}

}  // namespace

std::string SvgColor(Color color) {
  return core::Format("#%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
}

std::string SvgText(std::string_view latin1) {
  std::string out;
  for (char c : latin1) {
    unsigned char byte = static_cast<unsigned char>(c);
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        if (byte >= 0x80) {
          out += static_cast<char>(0xC0 | (byte >> 6));
          out += static_cast<char>(0x80 | (byte & 0x3F));
        } else if (byte < 0x20) {
          out += ' ';  // control bytes are no XML characters
        } else {
          out += c;
        }
    }
  }
  return out;
}

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

void SvgCanvas::Add(const std::string& element) {
  body_ += element;
  body_ += '\n';
}

void SvgCanvas::DrawLine(Point from, Point to, const Pen& pen) {
  Add(core::Format("<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\"", from.x, from.y, to.x, to.y) +
      Stroke(pen) + "/>");
}

void SvgCanvas::DrawRectangle(const Rect& rect, const Pen& pen, const Brush& brush) {
  Add(core::Format("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\"", rect.left, rect.top,
                   std::max(0, rect.Width()), std::max(0, rect.Height())) +
      Fill(brush) + Stroke(pen) + "/>");
}

void SvgCanvas::DrawPolygon(const std::vector<Point>& points, const Pen& pen,
                            const Brush& brush) {
  std::string list;
  for (const Point& point : points) {
    if (!list.empty()) list += ' ';
    list += core::Format("%d,%d", point.x, point.y);
  }
  Add("<polygon points=\"" + list + "\"" + Fill(brush) + Stroke(pen) + "/>");
}

void SvgCanvas::DrawEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
  double cx = (bounds.left + bounds.right) / 2.0;
  double cy = (bounds.top + bounds.bottom) / 2.0;
  Add("<ellipse cx=\"" + Number(cx) + "\" cy=\"" + Number(cy) + "\" rx=\"" +
      Number(bounds.Width() / 2.0) + "\" ry=\"" + Number(bounds.Height() / 2.0) + "\"" +
      Fill(brush) + Stroke(pen) + "/>");
}

void SvgCanvas::DrawPie(const Rect& bounds, Point start, Point end, const Pen& pen,
                        const Brush& brush) {
  double cx = (bounds.left + bounds.right) / 2.0;
  double cy = (bounds.top + bounds.bottom) / 2.0;
  double rx = bounds.Width() / 2.0;
  double ry = bounds.Height() / 2.0;
  double a0 = AngleOf(start, cx, cy);
  double a1 = AngleOf(end, cx, cy);
  double sweep = a1 - a0;
  while (sweep < 0) sweep += 2 * std::numbers::pi;
  // The arc ends on the ellipse where the radials through the given points cross it.
  double sx = cx + rx * std::cos(a0);
  double sy = cy + ry * std::sin(a0);
  double ex = cx + rx * std::cos(a1);
  double ey = cy + ry * std::sin(a1);
  std::string d = core::Format("M%s %s L%.1f %.1f A%s %s 0 %d 1 %.1f %.1f Z", Number(cx).c_str(),
                               Number(cy).c_str(), sx, sy, Number(rx).c_str(), Number(ry).c_str(),
                               sweep > std::numbers::pi ? 1 : 0, ex, ey);
  Add("<path d=\"" + d + "\"" + Fill(brush) + Stroke(pen) + "/>");
}

TextMetrics SvgCanvas::Metrics() const {
  int height = std::max(1, font_.height);
  return {height, 0, std::max(1, (height * 3 + 2) / 5)};
}

int SvgCanvas::TextWidth(std::string_view text) const {
  return static_cast<int>(text.size()) * Metrics().averageCharWidth;
}

void SvgCanvas::DrawText(Point topLeft, std::string_view text, Color color,
                         const TextBackground& background) {
  TextMetrics metrics = Metrics();
  if (background.opaque) {
    Add(core::Format("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\"/>",
                     topLeft.x, topLeft.y, TextWidth(text), metrics.height,
                     SvgColor(background.color).c_str()));
  }
  int baseline = topLeft.y + metrics.height * 4 / 5;
  // textLength holds viewers to the fixed metric, so the picture shows what the layout measured.
  Add(core::Format("<text x=\"%d\" y=\"%d\" font-family=\"%s\" font-size=\"%d\" "
                   "font-weight=\"%d\" fill=\"%s\" textLength=\"%d\" "
                   "lengthAdjust=\"spacingAndGlyphs\" xml:space=\"preserve\">",
                   topLeft.x, baseline, SvgText(font_.face).c_str(), metrics.height,
                   font_.weight, SvgColor(color).c_str(), std::max(1, TextWidth(text))) +
      SvgText(text) + "</text>");
}

void SvgCanvas::SetClip(const Rect& rect) {
  ResetClip();
  ++clips_;
  Add(core::Format("<clipPath id=\"clip%d\"><rect x=\"%d\" y=\"%d\" width=\"%d\" "
                   "height=\"%d\"/></clipPath>",
                   clips_, rect.left, rect.top, std::max(0, rect.Width()),
                   std::max(0, rect.Height())));
  Add(core::Format("<g clip-path=\"url(#clip%d)\">", clips_));
  clipOpen_ = true;
}

void SvgCanvas::ResetClip() {
  if (!clipOpen_) return;
  Add("</g>");
  clipOpen_ = false;
}

std::string SvgCanvas::Document() const {
  std::string document = core::Format(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
      "viewBox=\"0 0 %d %d\">\n"
      "<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"#FFFFFF\"/>\n",
      width_, height_, width_, height_, width_, height_);
  document += body_;
  if (clipOpen_) document += "</g>\n";
  document += "</svg>\n";
  return document;
}

}  // namespace graph
