// The temporary files the planner and its runs leave in the working directory, deleted when
// the planner closes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace planner {

// Every temporary file name: the results, plot, report, page, budget, refinance, trade-off and
// payment-schedule files. The names are those the programs write; on a file system that tells
// letter case apart each is also looked for in lower case, and "PLOTIN~1.TMP" (the short name
// of the plot file) as "plotinf01.tmp", so that nothing stays behind on Linux either.
std::vector<std::string> TemporaryFileNames();

// Deletes those of `workDir` that exist; a missing file is no error. Returns how many went.
int DeleteTemporaryFiles(const std::filesystem::path& workDir);

}  // namespace planner
