// How the Results folder reads the schedule lines of a run: which lines are year headings
// drawn as columns, which are red, which age a line begins with, and where the list stands
// after a run.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/schedule_list.h"

namespace planner {

inline constexpr int kHeadingColumns = 8;  // age and the seven money columns

// A line beginning with a digit: the year heading, drawn as eight columns.
bool IsYearHeading(std::string_view text);
// The heading's columns: the text between its tabs, blanks trimmed, always eight.
std::vector<std::string> HeadingColumns(std::string_view text);

// Red: a line that tells of a red flag, a penalty, a depletion, a withdrawal or transfer not
// made, a negative net worth, or a money amount below zero (`currencyMark` followed by '-').
bool IsRedLine(std::string_view text, char currencyMark);

// The whole age a line begins with ("45.0 ..." or " 45.0  Your net worth ..."), if any.
std::optional<int> LeadingAge(std::string_view text);

// The line shown at the top after a run: the last line (Bottom), the first (Top), or the first
// line of `age` when it lies from the whole start age to the end age, the first line below it
// and the last line above it (Age). -1 for an empty list.
int ScrollLineFor(const engine::ScheduleList& list, int mode, int age, int wholeStartAge,
                  float endAge);

}  // namespace planner
