#include "planner/validation.h"

#include <cstdio>
#include <cstdlib>

namespace planner {

namespace {

struct TableEntry {
  int number;
  const char* text;
};

constexpr TableEntry kStringTable[] = {
    {2, "This amount must be greater than 0.00 and less than 99999999.00."},
    {3, "This age must be between 1 and 120.0."},
    {4, "This rate must be between 0.0% and 1000.0%."},
    {5, "The number of years must be between 1 and 100."},
    {6, "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0."},
    {7, "This age must be between 1.0 and 120.0."},
    {8, "The Applied Rate must be between -20.0% and 20.0%"},
    {9, "The birth month value must between 1 and 12"},
    {10, "The birth day value must be between 1 and 31"},
    {11, "This rate must be between -99.0% and 99.0%"},
    {12, "This age must be less than 120.0"},
};

constexpr int kBoundsMessage = 2000;

std::string BoundsMessage(NumberKind kind, float minimum, float maximum) {
  char text[160];
  if (kind == NumberKind::Real) {
    std::snprintf(text, sizeof text, "This rate must be greater than %f.2 and less than %f.2",
                  static_cast<double>(minimum), static_cast<double>(maximum));
  } else {
    std::snprintf(text, sizeof text, "This rate must be greater than %d and less than %d",
                  static_cast<int>(minimum), static_cast<int>(maximum));
  }
  return text;
}

std::string Stripped(const char* format, float value) {
  char text[64];
  std::snprintf(text, sizeof text, format, static_cast<double>(value));
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c != ' ') out += *c;
  }
  return out;
}

}  // namespace

std::optional<float> ValidateText(std::string_view text, BoundsText message, float minimum,
                                  float maximum, const std::string& caption,
                                  platform::Prompter& prompter) {
  const std::string typed(text);
  const float value = std::strtof(typed.c_str(), nullptr);
  if (minimum <= value && value <= maximum) return value;
  const char* format = message == BoundsText::Amount ? "%13.2f" : "%9.3f";
  const std::string shown =
      std::string(message == BoundsText::Amount ? "This amount must be greater than "
                                                : "This rate must be greater than ") +
      Stripped(format, minimum) + " and less than " + Stripped(format, maximum) + ".";
  prompter.ShowMessage(caption, shown, platform::Icon::Error);
  return std::nullopt;
}

std::string StringTableText(int number) {
  for (const TableEntry& entry : kStringTable) {
    if (entry.number == number) return entry.text;
  }
  return {};
}

std::optional<float> ValidateField(std::string_view text, NumberKind kind, size_t maxLength,
                                   float minimum, float maximum, int message,
                                   const std::string& caption, platform::Prompter& prompter) {
  const std::string typed(text.substr(0, maxLength));
  float value = 0.0f;
  bool inRange = false;
  if (kind == NumberKind::Real) {
    value = std::strtof(typed.c_str(), nullptr);
    inRange = minimum <= value && value <= maximum;
  } else {
    const long whole = std::strtol(typed.c_str(), nullptr, 10);
    value = static_cast<float>(whole);
    inRange = static_cast<long>(minimum) <= whole && whole <= static_cast<long>(maximum);
  }
  if (inRange) return value;
  const std::string shown =
      message == kBoundsMessage ? BoundsMessage(kind, minimum, maximum) : StringTableText(message);
  prompter.ShowMessage(caption, shown, platform::Icon::Error);
  return std::nullopt;
}

}  // namespace planner
