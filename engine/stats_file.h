// "stats.dat": the rate statistics of the last Monte Carlo analysis as text, one section per
// account that drew counted rates, with its histogram, for the statistics viewer.
#pragma once

#include <filesystem>
#include <string>

#include "core/scenario.h"
#include "engine/rate_statistics.h"

namespace engine {

// The whole text of the file, accounts in the scenario's current (withdrawal) order.
std::string StatsFileText(const core::Scenario& scenario, const RateStatistics& statistics);

// Writes "stats.dat" in `workDir` anew; false when it cannot be written (the analysis then
// goes on without it).
bool WriteStatsFile(const std::filesystem::path& workDir, const core::Scenario& scenario,
                    const RateStatistics& statistics);

}  // namespace engine
