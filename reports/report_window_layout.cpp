#include "reports/report_window_layout.h"

#include <algorithm>
#include <cstdlib>

#include "reports/page_table.h"

namespace reports {

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The trimmed cells of a page line.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields = SplitTabs(line);
  for (std::string& field : fields) field = Trim(field);
  // A line that ends in a tab has no field after it.
  if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
  return fields;
}

}  // namespace

ScreenTable ScreenTableOf(const std::vector<std::string>& pageLines) {
  ScreenTable table;
  for (size_t i = 0; i < pageLines.size(); ++i) {
    if (i == 0) {
      table.titles = Fields(pageLines[0]);
    } else if (!pageLines[i].empty()) {
      table.rows.push_back(Fields(pageLines[i]));
    }
  }
  return table;
}

std::vector<int> ReportColumnWidths(const std::vector<int>& titleWidths, int ageSampleWidth,
                                    int valueSampleWidth, int windowWidth) {
  std::vector<int> widths;
  long total = 0;
  for (size_t c = 0; c < titleWidths.size(); ++c) {
    const int sample = c == 0 ? ageSampleWidth : valueSampleWidth;
    widths.push_back(std::max(titleWidths[c], sample));
    total += widths.back();
  }
  const int room = windowWidth - 20;
  if (widths.size() < 8 && total > 0 && room > 0) {
    long given = 0;
    for (size_t c = 0; c < widths.size(); ++c) {
      widths[c] = static_cast<int>(static_cast<long>(widths[c]) * room / total);
      given += widths[c];
    }
    widths.back() += static_cast<int>(room - given);  // the rounding goes to the last column
  }
  return widths;
}

std::optional<IoRowChoice> IoRowChoiceOf(const std::string& ageField) {
  const size_t dash = ageField.rfind('-');
  if (dash == std::string::npos || dash + 2 != ageField.size()) return std::nullopt;
  const char side = ageField[dash + 1];
  if (side != 'I' && side != 'O') return std::nullopt;
  char* end = nullptr;
  const std::string number = ageField.substr(0, dash);
  const double age = std::strtod(number.c_str(), &end);
  if (end == number.c_str()) return std::nullopt;
  return IoRowChoice{static_cast<int>(age), side == 'I'};
}

std::string IoChoiceText(const IoRowChoice& choice) {
  return std::to_string(choice.age) + (choice.incoming ? " I" : " O");
}

}  // namespace reports
