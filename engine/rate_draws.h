// The three random rate draws: uniform in steps of 0.01, Gaussian fitted to a range, and
// Gaussian with a given standard deviation. Each Gaussian draw keeps its own cache of the
// second value of the polar method's pair.
#pragma once

#include <array>

#include "core/groups.h"
#include "engine/random_source.h"

namespace engine {

// The spare standard normal value of the last pair.
struct GaussianCache {
  bool held = false;
  float value = 0.0f;
};

// Pairs of the polar method made ahead, in the order the source would make them one by one.
// Taking the next pair from here gives the same values as making it on the spot, as long as
// nothing else draws from the source in between; a run with Gaussian rates draws nothing else.
// The pairs are made a block at a time, so that the processor works out the logarithms and
// roots of neighbouring pairs side by side instead of one after another.
class PolarPairs {
 public:
  // Forgets the pairs made ahead (the source is reseeded). `expected` is how many pairs the
  // coming draws are likely to take (0: not known), so that few are made for nothing.
  void Restart(int expected) {
    next_ = made_ = 0;
    taken_ = 0;
    expected_ = expected;
  }
  void Take(RandomSource& source, float& first, float& second) {
    if (next_ == made_) Refill(source);
    first = first_[static_cast<size_t>(next_)];
    second = second_[static_cast<size_t>(next_)];
    ++next_;
    ++taken_;
  }
  // The pairs taken since the restart.
  int taken() const { return taken_; }

 private:
  void Refill(RandomSource& source);

  static constexpr int kBlock = 32;
  std::array<float, kBlock> first_{};
  std::array<float, kBlock> second_{};
  int next_ = 0;
  int made_ = 0;
  int taken_ = 0;
  int expected_ = 0;
};

// A new pair of the polar method straight from the source: the first value, the second kept.
float FreshStandardNormal(RandomSource& source, GaussianCache& cache);

// A standard normal value by the polar method on 15-bit draws; from `pairs` when given (made
// ahead from the same source). Inline: every account draws one a year.
inline float StandardNormal(RandomSource& source, GaussianCache& cache,
                            PolarPairs* pairs = nullptr) {
  if (cache.held) {
    cache.held = false;
    return cache.value;
  }
  if (pairs == nullptr) return FreshStandardNormal(source, cache);
  float first = 0.0f;
  pairs->Take(source, first, cache.value);
  cache.held = true;
  return first;
}

// min, min + 0.01, ... up to max - 0.01; min itself when the range is narrower than 0.01.
float UniformRate(RandomSource& source, float min, float max);

// Mean in the middle of the range; 99.7 % of the draws within 0.997 of the half range when
// `factor` is 0, each factor step widening the spread by a tenth.
float GaussianRangeRate(RandomSource& source, GaussianCache& cache, float min, float max,
                        int factor, PolarPairs* pairs = nullptr);

// The spread of GaussianRangeRate for a range and factor; with the range's middle, a draw is
// StandardNormal × spread + middle.
float GaussianRangeSigma(float min, float max, int factor);
inline float RangeMiddle(float min, float max) { return (min + max) * 0.5f; }

float GaussianDeviationRate(RandomSource& source, GaussianCache& cache, float mean,
                            float deviation, PolarPairs* pairs = nullptr);

// The distribution factor of the chosen rate type: the range factor for the Gaussian range,
// the standard-deviation factor for the Gaussian standard deviation, 0 for uniform rates.
int DistributionFactor(const core::GroupsAndMonteCarlo& settings);

// Rate types of the Monte Carlo settings.
inline constexpr int kGaussianRange = 0;
inline constexpr int kUniform = 1;
inline constexpr int kGaussianDeviation = 2;

}  // namespace engine
