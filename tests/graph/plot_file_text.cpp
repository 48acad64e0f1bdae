#include "tests/graph/plot_file_text.h"

#include "core/text.h"

namespace graph_testing {

using core::Format;

namespace {

std::string RowLine(const graph::PlotRow& row) {
  std::string line = Format("%.1f %.2f %.2f %.2f %.2f %.2f %.2f ", double{row[0]}, double{row[1]},
                            double{row[2]}, double{row[3]}, double{row[4]}, double{row[5]},
                            double{row[6]});
  for (int c = 7; c < graph::kRowColumns; ++c) {
    line += Format(c == graph::kRowColumns - 1 ? "%.2f\n" : "%.2f ", double{row[c]});
  }
  return line;
}

}  // namespace

std::string PlotFileText(const graph::PlotData& data, bool savedCopy) {
  std::string text = Format("%d Groups\n", data.kindInFile);
  for (const std::string& title : data.titleLines) text += title + "\n";
  text += Format("%.2f\n", static_cast<double>(data.pointCount));
  text += Format("%d\n", data.accountCount);
  for (int a = 0; a < data.accountCount; ++a) text += data.accountNames[static_cast<size_t>(a)] + "\n";
  for (int i = 0; i < data.pointCount; ++i) {
    for (int a = 0; a < data.accountCount; ++a) {
      text += Format("%.2f\n", double{data.AccountValue(i, a)});
    }
    text += RowLine(data.rows[static_cast<size_t>(i)]);
  }
  for (const std::string& group : data.groupNames) text += group + "\n";
  for (int a = 0; a < data.accountCount; ++a) {
    text += Format("%d\n", data.accountGroup[static_cast<size_t>(a)]);
  }
  for (int i = 0; i < data.pointCount; ++i) {
    text += Format("%f\n", double{data.purchasingPower[static_cast<size_t>(i)]});
  }
  text += savedCopy ? "Done" : "Done\n";
  return text;
}

size_t OffsetAfterRow(const std::string& text, const graph::PlotData& data, int point) {
  // Lines before the points: kind, three titles, n, a, the names.
  size_t lines = 6 + static_cast<size_t>(data.accountCount) +
                 static_cast<size_t>(point + 1) * static_cast<size_t>(data.accountCount + 1);
  size_t offset = 0;
  for (size_t i = 0; i < lines; ++i) offset = text.find('\n', offset) + 1;
  return offset;
}

}  // namespace graph_testing
