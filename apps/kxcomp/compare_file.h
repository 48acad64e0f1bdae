// One plot file of the comparison: its yearly rows and its purchasing-power series, read with
// the comparison's own rules (an empty first line is skipped silently, a row of age 999 ends
// the rows, at most 100 rows are kept).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "graph/plot_data.h"
#include "platform/prompter.h"

namespace kxcomp {

constexpr int kMaxRows = 100;
// A row of this age ends the rows of its file.
constexpr float kEndOfRowsAge = 999.0f;

struct CompareFile {
  std::string path;  // as listed: the legend text of its series
  bool readable = false;
  std::vector<graph::PlotRow> rows;    // at most kMaxRows
  std::vector<float> purchasingPower;  // by row; shorter when the file carried fewer values
};

enum class CompareParse {
  Ok,
  EmptyFirstLine,  // unreadable without a message
  NotValid,        // the first character is no graph kind 0..7
  EndsAfterCount,  // the file ends right after its point count
};

// Fills the rows and the purchasing-power series of `file` from the text of a plot file; the
// account names go to `accountNames`. On anything but Ok `file` keeps no rows.
CompareParse ParseCompareText(std::string_view text, CompareFile& file,
                              std::vector<std::string>& accountNames);

// Reads `file.path`, shows the message of a failure and sets `file.readable`.
bool ReadCompareFile(CompareFile& file, std::vector<std::string>& accountNames,
                     platform::Prompter& prompter);

// The whole age of a row, kept within reach of an int for any stored value.
int WholeAge(float age);

}  // namespace kxcomp
