#include "graph/plot_file_reader.h"

#include <algorithm>

#include "graph/plot_file_messages.h"
#include "graph/plot_lines.h"

namespace graph {
namespace {

using Kind = PlotLines::Kind;

// Files longer than this are no plot files; 99 points of 51 lines stay far below it.
constexpr size_t kLargestPlotFile = 8u << 20;
// The groups title is looked for within this many characters of the first line.
constexpr size_t kTitleSearch = 90;

std::string Clipped(std::string_view text, size_t length) {
  return std::string(text.substr(0, std::min(text.size(), length)));
}

bool ReadFirstLine(PlotLines& lines, PlotData& data) {
  PlotLines::Line first = lines.NextRaw();
  if (first.kind == Kind::End || first.text.empty()) return false;
  if (first.text[0] < '0' || first.text[0] > '7') return false;
  data.kindInFile = ReadInt(first.text);
  size_t space = first.text.substr(0, kTitleSearch).find(' ');
  if (space != std::string_view::npos) {
    data.groupsTitle = Clipped(first.text.substr(space + 1), kMaxTitleLength);
  }
  return true;
}

// Reads the point and account counts and the names; false when the data ended before them.
bool ReadHeader(PlotLines& lines, PlotData& data, int& points, int& accounts) {
  for (int t = 0; t < kTitleLines; ++t) {
    PlotLines::Line line = lines.Next();
    if (line.kind != Kind::Item) return false;
    data.titleLines[static_cast<size_t>(t)] = Clipped(line.text, kMaxTitleLength);
  }
  PlotLines::Line count = lines.Next();
  if (count.kind != Kind::Item) return false;
  float announced = ReadFloat(count.text);
  points = static_cast<int>(std::clamp(announced, 0.0f, 1e6f));
  PlotLines::Line accountLine = lines.Next();
  if (accountLine.kind != Kind::Item) return false;
  accounts = std::max(0, ReadInt(accountLine.text));
  data.accountCount = std::min(accounts, kMaxAccounts);
  for (int a = 0; a < accounts; ++a) {
    PlotLines::Line name = lines.Next();
    if (name.kind != Kind::Item) return false;
    if (a < kMaxAccounts) data.accountNames[static_cast<size_t>(a)] = Clipped(name.text, kMaxNameLength);
  }
  return true;
}

// Reads point after point; the points beyond the table are read past. Returns false when the
// data ended inside the points.
bool ReadPoints(PlotLines& lines, PlotData& data, int points, int accounts) {
  for (int j = 0; j < points; ++j) {
    const bool stored = j < kMaxPoints;
    for (int a = 0; a < accounts; ++a) {
      PlotLines::Line value = lines.Next();
      if (value.kind != Kind::Item) return false;
      if (stored && a < kMaxAccounts) {
        data.accountValues[static_cast<size_t>(j)][static_cast<size_t>(a)] = ReadFloat(value.text);
      }
    }
    PlotLines::Line row = lines.Next();
    if (row.kind != Kind::Item) return false;
    if (stored) {
      ReadFloats(row.text, data.rows[static_cast<size_t>(j)].values.data(), kRowColumns);
      data.pointCount = j + 1;
    }
  }
  return true;
}

void ReadGroupsAndPurchasingPower(PlotLines& lines, PlotData& data, int points, int accounts) {
  for (int g = 0; g < kMaxGroups; ++g) {
    PlotLines::Line name = lines.Next();
    if (name.kind != Kind::Item) return;
    data.groupNames[static_cast<size_t>(g)] = Clipped(name.text, kMaxNameLength);
  }
  for (int a = 0; a < accounts; ++a) {
    PlotLines::Line group = lines.Next();
    if (group.kind != Kind::Item) return;
    int number = ReadInt(group.text);
    if (a < kMaxAccounts) {
      data.accountGroup[static_cast<size_t>(a)] = (number >= 0 && number < kMaxGroups) ? number : -1;
    }
  }
  for (int j = 0; j < points; ++j) {
    PlotLines::Line value = lines.Next();
    if (value.kind != Kind::Item) return;
    if (j < kMaxPoints) data.purchasingPower[static_cast<size_t>(j)] = ReadFloat(value.text);
  }
  data.hasPurchasingPower = data.pointCount > 0;
}

}  // namespace

PlotParse ParsePlotText(std::string_view text, PlotData& data) {
  // A new data set from scratch: nothing of an earlier file may show through a shorter one.
  PlotData fresh;
  PlotLines lines(text);
  if (!ReadFirstLine(lines, fresh)) return PlotParse::NotValid;
  int points = 0;
  int accounts = 0;
  if (ReadHeader(lines, fresh, points, accounts) && ReadPoints(lines, fresh, points, accounts)) {
    ReadGroupsAndPurchasingPower(lines, fresh, points, accounts);
  }
  data = fresh;
  return PlotParse::Ok;
}

bool ReadPlotFile(const std::filesystem::path& path, PlotData& data,
                  platform::Prompter& prompter) {
  std::optional<std::string> text = ReadPlotFileText(path, kLargestPlotFile, prompter);
  if (!text) return false;
  if (ParsePlotText(*text, data) != PlotParse::Ok) {
    ShowNotValidPlotFile(path.string(), prompter);
    return false;
  }
  return true;
}

}  // namespace graph
