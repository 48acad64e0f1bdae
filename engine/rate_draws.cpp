#include "engine/rate_draws.h"

#include <cmath>
#include <cstdlib>

namespace engine {

namespace {

float UnitOf(int draw) { return 2.0f * static_cast<float>(draw) / 32767.0f - 1.0f; }

float UnitDraw(RandomSource& source) { return UnitOf(source.Next15()); }

// UnitOf of every 15-bit draw, looked up instead of divided for: a pair of the polar method
// takes about five of them.
const std::array<float, 32768>& UnitTable() {
  static const std::array<float, 32768> table = [] {
    std::array<float, 32768> units{};
    for (int draw = 0; draw < 32768; ++draw) units[static_cast<size_t>(draw)] = UnitOf(draw);
    return units;
  }();
  return table;
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

// The factor that turns the accepted point (u, v) with s = u² + v² into two normal values.
float PolarScale(float s) { return std::sqrt(-2.0f * std::log(s) / s); }

}  // namespace

void PolarPairs::Refill(RandomSource& source) {
  // As many as the draws are expected to take, a few when that is not known or passed.
  const int left = expected_ - taken_;
  const int wanted = left > kBlock ? kBlock : (left > 0 ? left : 4);
  // First the accepted points, each attempt written in place and kept only when it lies
  // inside the unit circle, so that no branch waits on the unpredictable test; then the
  // scales, whose logarithms and roots depend on nothing but their own point.
  std::array<float, kBlock> u{}, v{}, s{};
  const std::array<float, 32768>& units = UnitTable();
  int made = 0;
  while (made < wanted) {
    int first = 0, second = 0;
    source.Next15Twice(first, second);
    const float a = units[static_cast<size_t>(first)];
    const float b = units[static_cast<size_t>(second)];
    const float sum = a * a + b * b;
    const auto index = static_cast<size_t>(made);
    u[index] = a;
    v[index] = b;
    s[index] = sum;
    made += (sum > 0.0f && sum < 1.0f) ? 1 : 0;
  }
  for (size_t k = 0; k < static_cast<size_t>(made); ++k) {
    const float scale = PolarScale(s[k]);
    first_[k] = u[k] * scale;
    second_[k] = v[k] * scale;
  }
  next_ = 0;
  made_ = made;
}

float FreshStandardNormal(RandomSource& source, GaussianCache& cache) {
  float u = 0.0f, v = 0.0f, s = 0.0f;
  do {
    u = UnitDraw(source);
    v = UnitDraw(source);
    s = u * u + v * v;
  } while (!(s > 0.0f && s < 1.0f));
  const float scale = PolarScale(s);
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

float GaussianRangeSigma(float min, float max, int factor) {
  const float sigma = std::fabs(max - min) * 0.5f * 0.997f / 3.0f;
  return sigma + static_cast<float>(factor) * sigma * 0.1f;
}

float GaussianRangeRate(RandomSource& source, GaussianCache& cache, float min, float max,
                        int factor, PolarPairs* pairs) {
  const float sigma = GaussianRangeSigma(min, max, factor);
  return StandardNormal(source, cache, pairs) * sigma + RangeMiddle(min, max);
}

float GaussianDeviationRate(RandomSource& source, GaussianCache& cache, float mean,
                            float deviation, PolarPairs* pairs) {
  return StandardNormal(source, cache, pairs) * deviation + mean;
}

int DistributionFactor(const core::GroupsAndMonteCarlo& settings) {
  if (settings.mcRateType == kGaussianRange) return settings.mcRangeFactor;
  if (settings.mcRateType == kGaussianDeviation) return settings.mcStdDevFactor;
  return 0;
}

}  // namespace engine
