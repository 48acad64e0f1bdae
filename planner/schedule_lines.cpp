#include "planner/schedule_lines.h"

#include <array>
#include <cctype>
#include <cstdlib>

namespace planner {

namespace {

constexpr std::array<std::string_view, 11> kRedPhrases = {
    "Red flags",          "you must select a",          "withdrawal was not made",
    "penalty was imposed", "Penalties Paid =",           "A penalty was paid",
    "Minimum age for withdrawal", "were depleted",      "not transferred",
    "insufficient funds", "Your net worth went negative",
};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string Trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

bool IsYearHeading(std::string_view text) {
  return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
}

std::vector<std::string> HeadingColumns(std::string_view text) {
  std::vector<std::string> columns;
  size_t start = 0;
  while (columns.size() + 1 < kHeadingColumns) {
    size_t tab = text.find('\t', start);
    if (tab == std::string_view::npos) break;
    columns.push_back(Trimmed(text.substr(start, tab - start)));
    start = tab + 1;
  }
  columns.push_back(Trimmed(start <= text.size() ? text.substr(start) : std::string_view{}));
  columns.resize(kHeadingColumns);
  return columns;
}

bool IsRedLine(std::string_view text, char currencyMark) {
  for (std::string_view phrase : kRedPhrases) {
    if (Contains(text, phrase)) return true;
  }
  if (Contains(text, "withdrawal account") && Contains(text, "depleted")) return true;
  const char negative[] = {currencyMark, '-'};
  return Contains(text, std::string_view(negative, 2));
}

std::optional<int> LeadingAge(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos || !std::isdigit(static_cast<unsigned char>(text[i]))) {
    return std::nullopt;
  }
  size_t digits = i;
  while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
  // An age is written with its tenths ("45.0"); a plain number is not an age.
  if (digits >= text.size() || text[digits] != '.' || digits - i > 3) return std::nullopt;
  return std::atoi(std::string(text.substr(i, digits - i)).c_str());
}

int ScrollLineFor(const engine::ScheduleList& list, int mode, int age, int wholeStartAge,
                  float endAge) {
  const int count = static_cast<int>(list.lines().size());
  if (count == 0) return -1;
  if (mode == 1) return 0;
  if (mode != 2) return count - 1;
  if (age < wholeStartAge) return 0;
  if (static_cast<float>(age) > endAge) return count - 1;
  const int first = list.FirstLineOfAge(age);
  return first >= 0 ? first : count - 1;
}

}  // namespace planner
