// The six example scenarios a first start opens: shipped in the suite's data folder and copied
// into the working directory, where the user may change them like any other scenario.
#pragma once

#include <filesystem>

namespace planner {

// Copies each of "EXAMPLE1.RET" .. "EXAMPLE6.RET" that `workDir` lacks from `dataDir` (the
// suite's data folder when empty). Returns how many were copied; a copy that fails is left out
// (the first start then reports the missing scenario as any missing file).
int CopyMissingExamples(const std::filesystem::path& workDir,
                        const std::filesystem::path& dataDir = {});

}  // namespace planner
