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

}  // namespace planner
