// The option values the command words with options of their own share: "--name VALUE" or
// "--name=VALUE", the --today date, whole numbers, and the command word of a line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace cli {

// True when args[i] is the option `name`; its value (empty when missing) goes to `value` and
// `i` moves past a separate value.
bool TakeOptionValue(const std::vector<std::string>& args, size_t& i, const char* name,
                     std::optional<std::string>& value);

// --workdir DIR and --today YYYY-MM-DD, which the commands that run a scenario share: true when
// args[i] is one of them, with `problem` set when its value is wrong.
bool TakeWorkDirOrToday(const std::vector<std::string>& args, size_t& i,
                        std::optional<std::string>& workDir,
                        std::optional<platform::DateTime>& today, std::string& problem);

// "YYYY-MM-DD", at noon.
std::optional<platform::DateTime> ParseDateOption(const std::string& text);

// A whole decimal number, all of the text, within [low, high].
std::optional<int64_t> ParseWholeNumber(const std::string& text, int64_t low, int64_t high);
// An unsigned decimal number, all of the text.
std::optional<uint64_t> ParseUnsigned(const std::string& text);

// The command word of a line: its first word that is no option (--workdir's value skipped).
std::string CommandWordOf(const std::vector<std::string>& args);

}  // namespace cli
