#include "engine/stats_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>

#include "core/file_io.h"
#include "core/text.h"
#include "engine/rate_draws.h"

namespace engine {

namespace {

std::string Title(const core::GroupsAndMonteCarlo& settings) {
  const char* source = settings.mcRateSource == 1 ? "Groups" : "Accounts";
  switch (settings.mcRateType) {
    case kUniform:
      return core::Format("Monte Carlo Statistics - Uniform %s\n", source);
    case kGaussianDeviation:
      return core::Format(
          "Monte Carlo Statistics - Gaussian Standard Deviation %s\nDistribution Factor = %d\n",
          source, settings.mcStdDevFactor);
    default:
      return core::Format("Monte Carlo Statistics - Gaussian Range %s\nDistribution Factor = %d\n",
                          source, settings.mcRangeFactor);
  }
}

// How often a bin's rates came up: every so many yearly rates.
std::string Frequency(int total, int binCount) {
  if (binCount == 0) return "\n";
  return core::Format("   one per %4.1f years\n",
                      static_cast<double>(static_cast<float>(total) / static_cast<float>(binCount)));
}

HistogramScale ScaleOf(const core::Scenario& scenario, const core::Account& account) {
  const core::GroupsAndMonteCarlo& settings = scenario.groups;
  float min = account.randomMinRate;
  float max = account.randomMaxRate;
  if (settings.mcRateSource == 1 && account.groupIndex < core::kMaxGroups) {
    min = settings.groupRandomMinRate[account.groupIndex];
    max = settings.groupRandomMaxRate[account.groupIndex];
  }
  const int slot = ValidSlot(account);
  const float deviation = slot >= 0 ? scenario.slots.stdDeviation[slot] : 0.0f;
  return ScaleFor(settings, min, max, account.currentRate, deviation);
}

std::string AccountSection(const core::Scenario& scenario, const core::Account& account,
                           float count, const RateHistogram& histogram) {
  const HistogramScale scale = ScaleOf(scenario, account);
  const int total = histogram.Total();
  std::string text = core::TextOf(account.name) + "\n";
  text += "\t\t\t  No.\n\tRange\t\tRates\t        Frequency\n";
  text += core::Format("Below %6.2f\t\t    %d\t", static_cast<double>(scale.lower), histogram.below);
  text += Frequency(total, histogram.below);
  for (int i = 0; i < kHistogramBins; ++i) {
    const int binCount = histogram.bins[static_cast<size_t>(i)];
    text += core::Format("%6.2f\tto\t%6.2f\t%6d\t", static_cast<double>(scale.Edge(i)),
                         static_cast<double>(scale.Edge(i + 1)), binCount);
    text += Frequency(total, binCount);
  }
  text += core::Format("Above %6.2f\t\t    %d\t", static_cast<double>(scale.Edge(kHistogramBins)),
                       histogram.above);
  text += Frequency(total, histogram.above);
  const double deviation =
      total > 0 ? std::sqrt(histogram.squaredDeviations / static_cast<double>(total)) : 0.0;
  text += core::Format(
      "Count -- %d yearly rates generated.\nMinimum Rate\t= %6.2f\nMaximum Rate\t= %6.2f\n"
      "Average Rate\t= %6.2f\nStandard Deviation\t= %6.2lf\n\n",
      total, static_cast<double>(account.lowestRandomRate),
      static_cast<double>(account.highestRandomRate),
      static_cast<double>(account.sumRandomRates / count), deviation);
  return text;
}

}  // namespace

std::string StatsFileText(const core::Scenario& scenario, const RateStatistics& statistics) {
  std::string text = Title(scenario.groups) + "\n";
  for (int i = 0; i < scenario.accountCount(); ++i) {
    const core::Account& account = scenario.account(i);
    const int slot = ValidSlot(account);
    if (slot < 0) continue;
    const float count = scenario.slots.randomRateCount[slot];
    if (!(count >= 1.0f)) continue;
    text += AccountSection(scenario, account, count,
                           statistics.histograms[static_cast<size_t>(slot)]);
  }
  return text;
}

bool WriteStatsFile(const std::filesystem::path& workDir, const core::Scenario& scenario,
                    const RateStatistics& statistics) {
  // Written over in place and cut to its length, like the other results files of a run: the
  // statistics are made anew by every analysis, and a file replaced by a renamed copy made
  // safe on the disk first kept the analysis waiting longer than its trials took.
  const std::string text = StatsFileText(scenario, statistics);
  const std::filesystem::path path = core::ResolvePath(workDir, "stats.dat");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = true;
  const char* next = text.data();
  size_t left = text.size();
  while (ok && left > 0) {
    const ssize_t count = ::write(fd, next, left);
    if (count < 0 && errno == EINTR) continue;
    ok = count > 0;
    if (ok) {
      next += count;
      left -= static_cast<size_t>(count);
    }
  }
  ok = ok && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0;
  ok = ::close(fd) == 0 && ok;
  return ok;
}

}  // namespace engine
