#include "apps/kxcomp/compare_file.h"

#include <algorithm>

#include "core/text.h"
#include "graph/plot_file_messages.h"
#include "graph/plot_lines.h"

namespace kxcomp {
namespace {

using graph::PlotLines;
using Kind = PlotLines::Kind;

// Files longer than this are no plot files; 99 points of 51 lines stay far below it.
constexpr size_t kLargestPlotFile = 8u << 20;
constexpr float kLargestAge = 1e6f;

// The lines before the point count: the three title lines. False when the data ended.
bool SkipTitles(PlotLines& lines) {
  for (int t = 0; t < graph::kTitleLines; ++t) {
    if (lines.Next().kind != Kind::Item) return false;
  }
  return true;
}

// Reads the rows of `points` points; the account values before each row are read past. A row
// of age 999 ends the rows; the rest of the announced points are still read past so that the
// purchasing-power values that follow are found. False when the data ended inside the points.
bool ReadRows(PlotLines& lines, CompareFile& file, int points, int accounts) {
  bool ended = false;
  for (int j = 0; j < points; ++j) {
    for (int a = 0; a < accounts; ++a) {
      if (lines.Next().kind != Kind::Item) return false;
    }
    PlotLines::Line line = lines.Next();
    if (line.kind != Kind::Item) return false;
    graph::PlotRow row;
    graph::ReadFloats(line.text, row.values.data(), graph::kRowColumns);
    if (row[graph::kAge] == kEndOfRowsAge) ended = true;
    if (!ended && file.rows.size() < static_cast<size_t>(kMaxRows)) file.rows.push_back(row);
  }
  return true;
}

void ReadPurchasingPower(PlotLines& lines, CompareFile& file, int points, int accounts) {
  for (int g = 0; g < graph::kMaxGroups + accounts; ++g) {
    if (lines.Next().kind != Kind::Item) return;
  }
  for (int j = 0; j < points; ++j) {
    PlotLines::Line value = lines.Next();
    if (value.kind != Kind::Item) return;
    if (static_cast<size_t>(j) < file.rows.size()) {
      file.purchasingPower.push_back(graph::ReadFloat(value.text));
    }
  }
}

CompareParse ParseInto(PlotLines& lines, CompareFile& file,
                       std::vector<std::string>& accountNames) {
  PlotLines::Line first = lines.NextRaw();
  if (first.kind == Kind::End || first.text.empty()) return CompareParse::EmptyFirstLine;
  if (first.text[0] < '0' || first.text[0] > '7') return CompareParse::NotValid;
  if (!SkipTitles(lines)) return CompareParse::Ok;
  PlotLines::Line count = lines.Next();
  if (count.kind != Kind::Item) return CompareParse::Ok;
  int points = static_cast<int>(std::clamp(graph::ReadFloat(count.text), 0.0f, 1e6f));
  PlotLines::Line accountLine = lines.Next();
  if (accountLine.kind == Kind::End) return CompareParse::EndsAfterCount;
  if (accountLine.kind == Kind::Done) return CompareParse::Ok;
  int accounts = std::max(0, graph::ReadInt(accountLine.text));
  accountNames.clear();
  for (int a = 0; a < accounts; ++a) {
    PlotLines::Line name = lines.Next();
    if (name.kind != Kind::Item) return CompareParse::Ok;
    if (a < graph::kMaxAccounts) {
      accountNames.emplace_back(name.text.substr(0, graph::kMaxNameLength));
    }
  }
  if (ReadRows(lines, file, points, accounts)) ReadPurchasingPower(lines, file, points, accounts);
  return CompareParse::Ok;
}

}  // namespace

int WholeAge(float age) { return static_cast<int>(std::clamp(age, -kLargestAge, kLargestAge)); }

CompareParse ParseCompareText(std::string_view text, CompareFile& file,
                              std::vector<std::string>& accountNames) {
  file.rows.clear();
  file.purchasingPower.clear();
  PlotLines lines(text);
  CompareParse result = ParseInto(lines, file, accountNames);
  if (result != CompareParse::Ok) {
    file.rows.clear();
    file.purchasingPower.clear();
  }
  return result;
}

bool ReadCompareFile(CompareFile& file, std::vector<std::string>& accountNames,
                     platform::Prompter& prompter) {
  file.readable = false;
  file.rows.clear();
  file.purchasingPower.clear();
  const char* path = file.path.c_str();
  std::optional<std::string> text =
      graph::ReadPlotFileText(file.path, kLargestPlotFile, prompter);
  if (!text) return false;
  switch (ParseCompareText(*text, file, accountNames)) {
    case CompareParse::Ok:
      file.readable = true;
      break;
    case CompareParse::EmptyFirstLine:
      break;
    case CompareParse::NotValid:
      graph::ShowNotValidPlotFile(file.path, prompter);
      break;
    case CompareParse::EndsAfterCount:
      prompter.ShowMessage("FILE OPEN ERROR", core::Format("2 Cannot open %s for reading.", path),
                           platform::Icon::Error);
      break;
  }
  return file.readable;
}

}  // namespace kxcomp
