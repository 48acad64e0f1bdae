// The graph canvas over a QPainter: a widget on screen, a printer page, a PDF or a PNG image.
// Font heights and coordinates are pixels of the painter's device.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

#include "graph/canvas.h"

namespace kxqt {

// The stored 0x00BBGGRR colour as Qt's colour.
QColor ToQColor(graph::Color color);
// The desktop font standing in for a graph font: "Courier" is a fixed-pitch face, "Tms Rmn" a
// serif one.
QFont ToQFont(const graph::Font& font);

class QtCanvas final : public graph::Canvas {
 public:
  explicit QtCanvas(QPainter& painter);

  void DrawLine(graph::Point from, graph::Point to, const graph::Pen& pen) override;
  void DrawRectangle(const graph::Rect& rect, const graph::Pen& pen,
                     const graph::Brush& brush) override;
  void DrawPolygon(const std::vector<graph::Point>& points, const graph::Pen& pen,
                   const graph::Brush& brush) override;
  void DrawEllipse(const graph::Rect& bounds, const graph::Pen& pen,
                   const graph::Brush& brush) override;
  void DrawPie(const graph::Rect& bounds, graph::Point start, graph::Point end,
               const graph::Pen& pen, const graph::Brush& brush) override;
  void DrawText(graph::Point topLeft, std::string_view text, graph::Color color,
                const graph::TextBackground& background) override;

  void SetFont(const graph::Font& font) override;
  graph::Font CurrentFont() const override { return font_; }
  graph::TextMetrics Metrics() const override;
  int TextWidth(std::string_view text) const override;

  void SetClip(const graph::Rect& rect) override;
  void ResetClip() override;

 private:
  void Select(const graph::Pen& pen, const graph::Brush& brush);

  QPainter& painter_;
  graph::Font font_;
  QFont qfont_;
};

}  // namespace kxqt
