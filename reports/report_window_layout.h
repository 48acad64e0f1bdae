// What the report window shows of a screen page: its column titles and rows, the column
// widths, and the rows' ages for the input/output report's "Go".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace reports {

struct ScreenTable {
  std::vector<std::string> titles;
  std::vector<std::vector<std::string>> rows;  // fields without their padding
};

// The heading and rows of a screen page's lines (the end mark excluded).
ScreenTable ScreenTableOf(const std::vector<std::string>& pageLines);

// Each column as wide as the wider of its title and its sample ("99999.9" for the age,
// "999999999.00" for the others); with fewer than 8 columns the widths are scaled so that
// together they fill `windowWidth` less 20 pixels.
std::vector<int> ReportColumnWidths(const std::vector<int>& titleWidths, int ageSampleWidth,
                                    int valueSampleWidth, int windowWidth);

inline constexpr const char* kAgeSample = "99999.9";
inline constexpr const char* kValueSample = "999999999.00";

// The whole age and side of an input/output row's age field ("65.0-I"): nothing for others.
struct IoRowChoice {
  int age = 0;
  bool incoming = true;
};
std::optional<IoRowChoice> IoRowChoiceOf(const std::string& ageField);
// The text of the field beside "Go": "65 I".
std::string IoChoiceText(const IoRowChoice& choice);

}  // namespace reports
