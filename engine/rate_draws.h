// The three random rate draws: uniform in steps of 0.01, Gaussian fitted to a range, and
// Gaussian with a given standard deviation. Each Gaussian draw keeps its own cache of the
// second value of the polar method's pair.
#pragma once

#include "core/groups.h"
#include "engine/random_source.h"

namespace engine {

// The spare standard normal value of the last pair.
struct GaussianCache {
  bool held = false;
  float value = 0.0f;
};

// A standard normal value by the polar method on 15-bit draws.
float StandardNormal(RandomSource& source, GaussianCache& cache);

// min, min + 0.01, ... up to max - 0.01; min itself when the range is narrower than 0.01.
float UniformRate(RandomSource& source, float min, float max);

// Mean in the middle of the range; 99.7 % of the draws within 0.997 of the half range when
// `factor` is 0, each factor step widening the spread by a tenth.
float GaussianRangeRate(RandomSource& source, GaussianCache& cache, float min, float max,
                        int factor);

float GaussianDeviationRate(RandomSource& source, GaussianCache& cache, float mean,
                            float deviation);

// The distribution factor of the chosen rate type: the range factor for the Gaussian range,
// the standard-deviation factor for the Gaussian standard deviation, 0 for uniform rates.
int DistributionFactor(const core::GroupsAndMonteCarlo& settings);

// Rate types of the Monte Carlo settings.
inline constexpr int kGaussianRange = 0;
inline constexpr int kUniform = 1;
inline constexpr int kGaussianDeviation = 2;

}  // namespace engine
