// The drawing surface the graph library draws on: a window, a printer page, a PDF or PNG
// through the desktop layer, or an SVG file. Coordinates are device pixels, y grows downward.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "graph/color.h"

namespace graph {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Left and top are inside; right and bottom are one past the last pixel.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct Pen {
  Color color = kBlack;
  int width = 1;
};

struct Brush {
  Color color = kWhite;
  bool hollow = false;  // outline only
};
constexpr Brush kHollowBrush{kWhite, true};

struct Font {
  std::string face = "Courier";
  int height = 13;  // character height in pixels
  int weight = 400;  // 400 regular, 700 bold
};

struct TextMetrics {
  int height = 0;            // th: ascent plus descent
  int externalLeading = 0;   // extra room between lines
  int averageCharWidth = 0;  // cw
};

// Text is drawn over its own box in `color` (opaque) or over what is already there.
struct TextBackground {
  bool opaque = false;
  Color color = kWhite;
};
constexpr TextBackground kTransparentText{false, kWhite};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void DrawLine(Point from, Point to, const Pen& pen) = 0;
  // A rectangle outlined with `pen` (width 0: no outline) and filled with `brush`.
  virtual void DrawRectangle(const Rect& rect, const Pen& pen, const Brush& brush) = 0;
  virtual void DrawPolygon(const std::vector<Point>& points, const Pen& pen,
                           const Brush& brush) = 0;
  // The ellipse inscribed in `bounds`.
  virtual void DrawEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) = 0;
  // A pie slice of the ellipse inscribed in `bounds`: from the radial through `start` to the
  // radial through `end`, sweeping the way device angles grow (clockwise on the screen, since
  // y grows downward), with both radii drawn.
  virtual void DrawPie(const Rect& bounds, Point start, Point end, const Pen& pen,
                       const Brush& brush) = 0;
  // Latin-1 text in the current font with its top-left corner at `topLeft`.
  virtual void DrawText(Point topLeft, std::string_view text, Color color,
                        const TextBackground& background) = 0;

  virtual void SetFont(const Font& font) = 0;
  virtual Font CurrentFont() const = 0;
  virtual TextMetrics Metrics() const = 0;
  virtual int TextWidth(std::string_view text) const = 0;

  // Drawing is limited to `rect` until the clip is reset.
  virtual void SetClip(const Rect& rect) = 0;
  virtual void ResetClip() = 0;
};

// Selects a font for one primitive and puts the one it replaced back at the end.
class FontScope {
 public:
  FontScope(Canvas& canvas, const Font& font) : canvas_(canvas), replaced_(canvas.CurrentFont()) {
    canvas_.SetFont(font);
  }
  ~FontScope() { canvas_.SetFont(replaced_); }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  Canvas& canvas_;
  Font replaced_;
};

}  // namespace graph
