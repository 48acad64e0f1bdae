// JSON text for people: objects one key a line, short lists of numbers on one line (ten values
// a line for longer ones) so that tables such as the life-expectancy divisors read as tables.
#pragma once

#include <string>

#include "cli/field_codec.h"

namespace cli {

std::string JsonText(const Json& json);

}  // namespace cli
