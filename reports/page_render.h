// Draws one page of a print job onto a Canvas (a printer page, a PDF, a PNG or an SVG): the
// title page, or the header ("Page %d of %d", the heading, the file, date and time lines or the
// report titles) above the page's lines on the tab grid, with bold sections, separators, and
// the banding, boxing and column lines the report options ask for.
#pragma once

#include <array>
#include <string>

#include "graph/canvas.h"
#include "platform/clock.h"
#include "reports/print_job.h"

namespace reports {

struct PageOptions {
  std::string fontFace = "Courier";
  bool banding = false;               // "Use color banding on reports"
  bool boxing = false;                // "Use rectangle boxing on reports"
  bool columns = false;               // "Use columns on reports": the tab grid's column lines
  std::array<std::string, 3> titles;  // the alternative titles ...
  std::array<bool, 3> useTitle{};     // ... and whether each replaces its line
  platform::DateTime now;
};

// The page in device pixels and its margins (already converted from thousandths of an inch).
struct PageGeometry {
  int width = 0;
  int height = 0;
  int marginLeft = 0;
  int marginTop = 0;
  int marginRight = 0;
  int marginBottom = 0;
};

inline constexpr graph::Color kBandColor = 0xF4E8DC;  // a light blue-grey
inline constexpr graph::Color kGridColor = 0xB4B4B4;

// The printable area and the report font sized to it: a character cell of width / 118 and
// height / 63 of the printable area.
struct PageLayout {
  graph::Rect printable;
  int cellWidth = 1;
  int lineHeight = 1;
  graph::Font text;
  graph::Font heading;
  // The first column is six characters wide, or as wide as the page's widest first field
  // (account and budget item names) and one character more.
  int firstColumnCells = 6;
  int FirstColumnWidth() const { return firstColumnCells * cellWidth; }
  int ColumnWidth() const { return (printable.Width() - FirstColumnWidth()) / 7; }
  // The left edge of grid column `column` (0 the age column, 1..7 the others).
  int ColumnLeft(int column) const;
  int ColumnRight(int column) const { return ColumnLeft(column + 1); }
};

PageLayout MakePageLayout(graph::Canvas& canvas, const PageGeometry& page,
                          const std::string& fontFace);

// The header's three lines after the heading: "File: %s", the date and the time, or the
// alternative titles where they are switched on.
std::array<std::string, 3> HeaderLines(const std::string& fileName, const PageOptions& options);

// Draws page `page` of `document` (0 the title page).
void RenderJobPage(graph::Canvas& canvas, const JobDocument& document, int page,
                   const PageGeometry& geometry, const PageOptions& options);

}  // namespace reports
