#include "reports/page_table.h"
#include "reports/page_render.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/text.h"
#include "engine/plot_file_writer.h"
#include "reports/pagination.h"

namespace reports {

namespace {

constexpr const char* kSectionLines[] = {
    "Financial Scenario", "Red flags at age", "Financial Events",
    "Initial Rates:",     "Summary",          "End Of Year Account Summary"};
constexpr const char* kColumnHeaderWords[] = {"Net Worth",  "Accounts", "Investment",
                                              "Retirement", "Equity",   "Purchasing Power"};

std::string TrimLeft(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string Trim(std::string_view text) {
  std::string left = TrimLeft(text);
  while (!left.empty() && left.back() == ' ') left.pop_back();
  return left;
}

bool IsSectionLine(const std::string& line) {
  const std::string text = TrimLeft(line);
  for (const char* section : kSectionLines) {
    if (text.rfind(section, 0) == 0) return true;
  }
  return false;
}

bool IsColumnHeaderLine(const std::string& line) {
  if (line.find('\t') == std::string::npos) return false;
  if (std::any_of(line.begin(), line.end(),
                  [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
    return false;
  }
  for (const char* word : kColumnHeaderWords) {
    if (line.find(word) != std::string::npos) return true;
  }
  return false;
}

// A field that reads as an amount, a percentage or an age: drawn flush right in its column.
bool IsNumeric(const std::string& field) {
  const std::string text = Trim(field);
  if (text.empty()) return false;
  bool digit = false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit = true;
    } else if (!(c == '.' || c == ',' || c == '-' || c == '%' || c == '$' || c == '+' ||
                 static_cast<unsigned char>(c) == 163 || c == 'I' || c == 'O')) {
      return false;
    }
  }
  return digit;
}

// The page file's own left margin of ten spaces: the page margins take its place.
std::string WithoutPageMargin(const std::string& line) {
  const std::string margin = kPageMargin;
  return line.rfind(margin, 0) == 0 ? line.substr(margin.size()) : line;
}

class PagePainter {
 public:
  PagePainter(graph::Canvas& canvas, const PageLayout& layout, const PageOptions&)
      : canvas_(canvas), layout_(layout) {}

  void Text(int x, int y, const std::string& text) {
    canvas_.DrawText({x, y}, text, graph::kBlack, graph::kTransparentText);
  }
  void Centred(int y, const std::string& text) {
    const graph::Rect& p = layout_.printable;
    Text(p.left + (p.Width() - canvas_.TextWidth(text)) / 2, y, text);
  }
  void RightAligned(int right, int y, const std::string& text) {
    Text(right - canvas_.TextWidth(text), y, text);
  }

  // A column header line: every field flush right in its grid column, a field too wide for
  // its column wrapped after its spaces and slashes onto up to three lines, the fields
  // standing on the last line. Returns the lines used.
  int ColumnHeader(int y, const std::string& line) {
    constexpr size_t kMaxHeaderLines = 3;
    const std::vector<std::string> fields = SplitTabs(WithoutPageMargin(line));
    std::vector<std::vector<std::string>> parts;
    size_t lines = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
      const int column = static_cast<int>(std::min<size_t>(i, 7));
      const int room = layout_.ColumnRight(column) - layout_.ColumnLeft(column) - layout_.cellWidth;
      parts.push_back(Wrap(Trim(fields[i]), room, kMaxHeaderLines));
      lines = std::max(lines, parts.back().size());
    }
    for (size_t i = 0; i < parts.size(); ++i) {
      const int column = static_cast<int>(std::min<size_t>(i, 7));
      const int right = layout_.ColumnRight(column) - layout_.cellWidth / 2;
      const size_t first = lines - parts[i].size();
      for (size_t l = 0; l < parts[i].size(); ++l) {
        DrawField(column, right, y + static_cast<int>(first + l) * layout_.lineHeight, parts[i][l],
                  i == 0);
      }
    }
    return static_cast<int>(lines);
  }

  // `text` in lines no wider than `room`, broken after spaces and slashes; the last line
  // takes the rest.
  std::vector<std::string> Wrap(const std::string& text, int room, size_t maxLines) const {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
      if (c == ' ') {
        if (!word.empty()) words.push_back(word);
        word.clear();
      } else {
        word += c;
        if (c == '/') {
          words.push_back(word);
          word.clear();
        }
      }
    }
    if (!word.empty()) words.push_back(word);
    std::vector<std::string> lines;
    std::string current;
    for (const std::string& w : words) {
      const bool glued = !current.empty() && current.back() == '/';
      const std::string joined = current.empty() ? w : current + (glued ? "" : " ") + w;
      if (current.empty() || canvas_.TextWidth(joined) <= room || lines.size() + 1 >= maxLines) {
        current = joined;
      } else {
        lines.push_back(current);
        current = w;
      }
    }
    lines.push_back(current);
    return lines;
  }

  // A body line with tab expansion on the grid.
  void Tabbed(int y, const std::string& line) {
    const std::vector<std::string> fields = SplitTabs(WithoutPageMargin(line));
    int x = layout_.printable.left;
    int column = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) ++column;
      const std::string& field = fields[i];
      if (i == 0) {
        Text(x, y, field);
        x += canvas_.TextWidth(field);
        continue;
      }
      if (Trim(field).empty()) continue;
      // Amounts, and texts short enough for their column, sit flush right in it as the
      // column titles above them do; a longer text starts at the column and runs on.
      const std::string trimmed = Trim(field);
      const int columnRoom = column <= 7 ? layout_.ColumnRight(column) -
                                               std::max(layout_.ColumnLeft(column), x) -
                                               layout_.cellWidth / 2
                                         : 0;
      if (column > 7) {
        // Past the grid: flush right on the page.
        RightAligned(layout_.printable.right, y, trimmed);
        x = layout_.printable.right;
      } else if (IsNumeric(field) || canvas_.TextWidth(trimmed) <= columnRoom) {
        const std::string text = trimmed;
        const int width = canvas_.TextWidth(text);
        while (column < 7 && layout_.ColumnRight(column) - layout_.cellWidth / 2 - width < x)
          ++column;
        const int right = std::min(layout_.ColumnRight(std::min(column, 7)) - layout_.cellWidth / 2,
                                   layout_.printable.right);
        RightAligned(right, y, text);
        x = right;
      } else {
        while (column < 7 && layout_.ColumnLeft(column) < x) ++column;
        const int left = column <= 7 ? std::max(layout_.ColumnLeft(std::min(column, 7)), x) : x;
        Text(left, y, field);
        x = left + canvas_.TextWidth(field);
      }
    }
  }

  void Separator(int y) {
    const graph::Rect& p = layout_.printable;
    const int middle = y + layout_.lineHeight / 2;
    canvas_.DrawLine({p.left, middle}, {p.right, middle}, graph::Pen{graph::kBlack, 1});
  }

 private:
  void DrawField(int column, int right, int y, const std::string& text, bool first) {
    if (first) {
      Text(layout_.ColumnLeft(column), y, text);
    } else {
      RightAligned(right, y, text);
    }
  }

  graph::Canvas& canvas_;
  const PageLayout& layout_;
};

void DrawBand(graph::Canvas& canvas, const graph::Rect& band, const PageOptions& options) {
  if (options.banding) {
    canvas.DrawRectangle(band, graph::Pen{kBandColor, 0}, graph::Brush{kBandColor, false});
  }
  if (options.boxing) canvas.DrawRectangle(band, graph::Pen{graph::kBlack, 1}, graph::kHollowBrush);
}

void RenderTitlePage(graph::Canvas& canvas, const JobDocument& document, const PageLayout& layout,
                     const PageOptions& options) {
  const graph::Rect& p = layout.printable;
  const std::string& heading = document.pages[0].heading;
  // The heading is drawn at three times the report font and the lines under it at twice: the
  // other way round the title would be smaller than the lines it heads.
  graph::Font headingFont = layout.heading;
  headingFont.height *= 3;
  graph::Font textFont = layout.text;
  textFont.height *= 2;
  // A long file name would not fit across the page: the lines are made smaller until the
  // widest of them fits.
  const std::array<std::string, 3> lines = HeaderLines(document.fileName, options);
  {
    graph::FontScope scope(canvas, textFont);
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, canvas.TextWidth(line));
    if (widest > p.Width()) textFont.height = std::max(1, textFont.height * p.Width() / widest);
  }
  const int headingStep = headingFont.height * 3 / 2;
  const int textStep = textFont.height * 3 / 2;
  const int blockHeight = headingStep * 2 + textStep * 3;
  int y = p.top + p.Height() / 3 - blockHeight / 2;
  const graph::Rect band{p.left, y - textStep / 2, p.right, y + blockHeight + textStep / 2};
  DrawBand(canvas, band, options);
  PagePainter painter(canvas, layout, options);
  {
    graph::FontScope scope(canvas, headingFont);
    painter.Centred(y, heading);
  }
  y += headingStep * 2;
  graph::FontScope scope(canvas, textFont);
  for (const std::string& line : lines) {
    painter.Centred(y, Trim(line));
    y += textStep;
  }
}

}  // namespace

int PageLayout::ColumnLeft(int column) const {
  if (column <= 0) return printable.left;
  return printable.left + FirstColumnWidth() + (column - 1) * ColumnWidth();
}

PageLayout MakePageLayout(graph::Canvas& canvas, const PageGeometry& page,
                          const std::string& fontFace) {
  PageLayout layout;
  layout.printable = {page.marginLeft, page.marginTop, page.width - page.marginRight,
                      page.height - page.marginBottom};
  if (layout.printable.Width() < 118) layout.printable.right = layout.printable.left + 118;
  if (layout.printable.Height() < 63) layout.printable.bottom = layout.printable.top + 63;
  layout.cellWidth = std::max(1, layout.printable.Width() / 118);
  layout.lineHeight = std::max(1, layout.printable.Height() / 63);
  // The font's height is the cell's, unless its characters would then be wider than the cell:
  // 118 of them must fit across the printable width.
  graph::Font text{fontFace.empty() ? "Courier" : fontFace, layout.lineHeight, 400};
  {
    graph::FontScope scope(canvas, text);
    const int natural = canvas.TextWidth("0000000000") / 10;
    if (natural > layout.cellWidth) {
      text.height = std::max(1, text.height * layout.cellWidth / natural);
    }
  }
  layout.text = text;
  layout.heading = text;
  layout.heading.weight = 800;
  return layout;
}

std::array<std::string, 3> HeaderLines(const std::string& fileName, const PageOptions& options) {
  std::array<std::string, 3> lines = {engine::PlotFileTitle(fileName),
                                      engine::PlotDateTitle(options.now),
                                      engine::PlotTimeTitle(options.now)};
  if (options.useTitle[0]) lines[0] = options.titles[0];
  if (options.useTitle[1]) lines[1] = core::Format("%20s", options.titles[1].c_str());
  if (options.useTitle[2]) lines[2] = options.titles[2];
  return lines;
}

void RenderJobPage(graph::Canvas& canvas, const JobDocument& document, int page,
                   const PageGeometry& geometry, const PageOptions& options) {
  if (page < 0 || page >= static_cast<int>(document.pages.size())) return;
  PageLayout layout = MakePageLayout(canvas, geometry, options.fontFace);
  graph::FontScope textScope(canvas, layout.text);
  if (page == 0) {
    RenderTitlePage(canvas, document, layout, options);
    return;
  }
  const JobPage& jobPage = document.pages[static_cast<size_t>(page)];
  int widestFirst = 0;
  for (const std::string& line : jobPage.lines) {
    // Column title lines place their fields by the grid, not the grid by them.
    if (IsColumnHeaderLine(line)) continue;
    const std::string text = WithoutPageMargin(line);
    const size_t tab = text.find('\t');
    if (tab == std::string::npos) continue;
    widestFirst = std::max(widestFirst, canvas.TextWidth(Trim(text.substr(0, tab))));
  }
  constexpr int kWidestFirstColumnCells = 40;
  layout.firstColumnCells =
      std::clamp(widestFirst / layout.cellWidth + 1, 6, kWidestFirstColumnCells);
  const graph::Rect& p = layout.printable;
  const int lh = layout.lineHeight;
  PagePainter painter(canvas, layout, options);

  // The header.
  const graph::Rect band{p.left, p.top, p.right, p.top + 5 * lh + lh / 2};
  DrawBand(canvas, band, options);
  int y = p.top + lh / 4;
  const int total = static_cast<int>(document.pages.size()) - 1;
  painter.Centred(y, core::Format("Page %d of %d", page, total));
  y += lh;
  {
    graph::FontScope scope(canvas, layout.heading);
    if (page == 1) {
      painter.Centred(y, jobPage.heading);
    } else {
      painter.Text(p.left + layout.cellWidth, y, jobPage.heading);
    }
  }
  y += lh;
  for (const std::string& line : HeaderLines(document.fileName, options)) {
    painter.Text(p.left + layout.cellWidth, y, line);
    y += lh;
  }
  y = band.bottom + lh / 2;

  // The body.
  // The column lines stand beside the lines that are set on the grid (those with tabs), so
  // that they never cross a line of running text.
  std::vector<std::pair<int, int>> gridRuns;
  auto onGrid = [&](int top, int bottom) {
    if (!gridRuns.empty() && gridRuns.back().second == top) {
      gridRuns.back().second = bottom;
    } else {
      gridRuns.emplace_back(top, bottom);
    }
  };
  bool bold = false;
  bool firstLine = true;
  for (const std::string& line : jobPage.lines) {
    if (y + lh > p.bottom) break;
    const std::string text = TrimLeft(line);
    if (text == kBoldOn) {
      bold = true;
      continue;
    }
    if (text == kBoldOff) {
      bold = false;
      continue;
    }
    const bool header = IsColumnHeaderLine(line) || (firstLine && jobPage.reportHeading);
    firstLine = false;
    const int top = y;
    if (text.rfind("-----", 0) == 0) {
      painter.Separator(y);
      y += lh;
      continue;
    }
    graph::FontScope scope(canvas,
                           bold || header || IsSectionLine(line) ? layout.heading : layout.text);
    if (header) {
      y += painter.ColumnHeader(y, line) * lh;
    } else {
      painter.Tabbed(y, line);
      y += lh;
    }
    if (std::count(line.begin(), line.end(), '\t') >= 2) onGrid(top, y);
  }
  if (options.columns) {
    for (const auto& [top, bottom] : gridRuns) {
      for (int column = 1; column <= 7; ++column) {
        const int x = layout.ColumnLeft(column);
        canvas.DrawLine({x, top}, {x, bottom}, graph::Pen{kGridColor, 1});
      }
    }
  }
}

}  // namespace reports
