// Where the suite's data files ("mort.dat", "jointtab.dat", help pages) are found: a `data`
// folder beside the running program, else the build tree's data folder.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Where an installed suite keeps its data, below the installation prefix.
inline constexpr const char* kInstalledDataFolder = "share/kxplanner";

// The suite's data folder: `data` beside the running program when it exists (a program of the
// build tree, which sits beside the build's data folder), else PREFIX/share/kxplanner for a
// program installed in PREFIX/bin, else the data folder of the build that made this program.
// Empty when none exists.
std::filesystem::path SuiteDataDirectory();

// The data file `name`: from `workDir` when it is there (the user's own copy wins), else from
// `dataDir`. When neither holds it, the path in `workDir`, so that messages name where it was
// looked for first.
std::filesystem::path FindDataFile(const std::filesystem::path& workDir, std::string_view name,
                                   const std::filesystem::path& dataDir);
// The same with the suite's data folder.
std::filesystem::path FindDataFile(const std::filesystem::path& workDir, std::string_view name);

}  // namespace platform
