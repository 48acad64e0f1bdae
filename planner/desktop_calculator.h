// The desktop's own calculator, which the Tools/Aids menu starts: the first of the usual
// calculators found on the search path.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace planner {

// The calculators looked for, in order.
std::span<const char* const> DesktopCalculatorNames();

// The first calculator found as an executable file in a folder of `searchPath` (folders
// separated by ':', as in PATH); none when no folder holds one.
std::optional<std::filesystem::path> FindDesktopCalculator(std::string_view searchPath);

}  // namespace planner
