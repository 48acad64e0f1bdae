// The range checks every dialog field goes through, and the table of messages they show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/prompter.h"

namespace planner {

enum class NumberKind { Real, Whole };

// The message of string-table entry `number`; empty for a number the table does not hold.
std::string StringTableText(int number);

// Reads at most `maxLength` characters of `text` as a decimal number (Real) or an integer
// (Whole; the bounds are truncated too) and checks minimum <= value <= maximum. On failure the
// message of `message` is shown under `caption` (2000: "This rate must be greater than ...")
// and nothing is returned.
std::optional<float> ValidateField(std::string_view text, NumberKind kind, size_t maxLength,
                                   float minimum, float maximum, int message,
                                   const std::string& caption, platform::Prompter& prompter);

// The same range test on a text already read, read as a decimal number. On failure the amount
// message "This amount must be greater than %s and less than %s." (bounds "%13.2f") or the
// rate message "This rate must be greater than %s and less than %s." (bounds "%9.3f") is
// shown, the bounds stripped of blanks, under `caption`.
enum class BoundsText { Amount, Rate };
std::optional<float> ValidateText(std::string_view text, BoundsText message, float minimum,
                                  float maximum, const std::string& caption,
                                  platform::Prompter& prompter);

}  // namespace planner
