// A canvas that writes an SVG document, so that graphs can be drawn and compared without a
// display. Text is measured with a fixed metric: every character is 3/5 of the font height
// wide, whatever the face, so the same graph always gives the same bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "graph/canvas.h"

namespace graph {

class SvgCanvas final : public Canvas {
 public:
  SvgCanvas(int width, int height);

  void DrawLine(Point from, Point to, const Pen& pen) override;
  void DrawRectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
  void DrawPolygon(const std::vector<Point>& points, const Pen& pen,
                   const Brush& brush) override;
  void DrawEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) override;
  void DrawPie(const Rect& bounds, Point start, Point end, const Pen& pen,
               const Brush& brush) override;
  void DrawText(Point topLeft, std::string_view text, Color color,
                const TextBackground& background) override;

  void SetFont(const Font& font) override { font_ = font; }
  Font CurrentFont() const override { return font_; }
  TextMetrics Metrics() const override;
  int TextWidth(std::string_view text) const override;

  void SetClip(const Rect& rect) override;
  void ResetClip() override;

  // The whole document, white background first.
  std::string Document() const;

 private:
  void Add(const std::string& element);

  int width_;
  int height_;
  Font font_;
  std::string body_;
  int clips_ = 0;
  bool clipOpen_ = false;
};

// "#RRGGBB" of a 0x00BBGGRR colour.
std::string SvgColor(Color color);
// Latin-1 bytes as UTF-8 with the XML specials escaped.
std::string SvgText(std::string_view latin1);

}  // namespace graph
