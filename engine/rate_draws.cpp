#include "engine/rate_draws.h"

#include <cmath>
#include <cstdlib>

namespace engine {

namespace {

float UnitDraw(RandomSource& source) {
  return 2.0f * static_cast<float>(source.Next15()) / 32767.0f - 1.0f;
}

// The whole number of 0.01 steps between min and max. A range too wide for an int (or not a
// number) from a damaged file is cut to the widest one instead of being converted undefined.
int HundredthSteps(float min, float max) {
  const float steps = max * 100.0f - min * 100.0f;
  constexpr float kWidest = 2147483520.0f;  // the largest float below 2^31
  if (!(steps > -kWidest)) return std::isnan(steps) ? 0 : -static_cast<int>(kWidest);
  if (!(steps < kWidest)) return static_cast<int>(kWidest);
  return static_cast<int>(steps);
}

}  // namespace

float StandardNormal(RandomSource& source, GaussianCache& cache) {
  if (cache.held) {
    cache.held = false;
    return cache.value;
  }
  float u = 0.0f, v = 0.0f, s = 0.0f;
  do {
    u = UnitDraw(source);
    v = UnitDraw(source);
    s = u * u + v * v;
  } while (!(s > 0.0f && s < 1.0f));
  const float scale = std::sqrt(-2.0f * std::log(s) / s);
  cache.value = v * scale;
  cache.held = true;
  return u * scale;
}

float UniformRate(RandomSource& source, float min, float max) {
  const int steps = HundredthSteps(min, max);
  // A negative step count (min above max) leaves a non-negative remainder, as C's % does.
  const int k = steps == 0 ? 0 : source.Next31() % steps;
  return min + static_cast<float>(k) * 0.01f;
}

float GaussianRangeRate(RandomSource& source, GaussianCache& cache, float min, float max,
                        int factor) {
  float sigma = std::fabs(max - min) * 0.5f * 0.997f / 3.0f;
  sigma = sigma + static_cast<float>(factor) * sigma * 0.1f;
  return StandardNormal(source, cache) * sigma + (min + max) * 0.5f;
}

float GaussianDeviationRate(RandomSource& source, GaussianCache& cache, float mean,
                            float deviation) {
  return StandardNormal(source, cache) * deviation + mean;
}

int DistributionFactor(const core::GroupsAndMonteCarlo& settings) {
  if (settings.mcRateType == kGaussianRange) return settings.mcRangeFactor;
  if (settings.mcRateType == kGaussianDeviation) return settings.mcStdDevFactor;
  return 0;
}

}  // namespace engine
