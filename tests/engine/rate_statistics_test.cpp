// The histogram of an account's random rates: where its bins lie for each rate type, which bin
// a rate falls into, and the squared deviations from the centre.
#include "engine/rate_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/rate_draws.h"

namespace {

core::GroupsAndMonteCarlo Settings(int type, int rangeFactor = 0, int deviationFactor = 0) {
  core::GroupsAndMonteCarlo settings{};
  settings.mcRateType = static_cast<int16_t>(type);
  settings.mcRangeFactor = static_cast<int16_t>(rangeFactor);
  settings.mcStdDevFactor = static_cast<int16_t>(deviationFactor);
  return settings;
}

TEST(HistogramScale, ByRateType) {
  // Uniform 4..8: the bins start at the minimum, 0.4 wide.
  const auto uniform = engine::ScaleFor(Settings(engine::kUniform), 4.0f, 8.0f, 99.0f, 99.0f);
  EXPECT_FLOAT_EQ(uniform.centre, 6.0f);
  EXPECT_FLOAT_EQ(uniform.lower, 4.0f);
  EXPECT_FLOAT_EQ(uniform.width, 0.4f);
  // Gaussian range 4..8 with factor 5: W = 4 * 1.5 = 6 around 6, so 3..9 in bins of 0.6.
  const auto range =
      engine::ScaleFor(Settings(engine::kGaussianRange, 5), 4.0f, 8.0f, 99.0f, 99.0f);
  EXPECT_FLOAT_EQ(range.lower, 3.0f);
  EXPECT_FLOAT_EQ(range.width, 0.6f);
  // Standard deviation 1.5 around the working rate 7 with factor 0: W = 6 * 1.5 = 9, 2.5..11.5.
  const auto deviation =
      engine::ScaleFor(Settings(engine::kGaussianDeviation), 0.0f, 0.0f, 7.0f, -1.5f);
  EXPECT_FLOAT_EQ(deviation.centre, 7.0f);
  EXPECT_FLOAT_EQ(deviation.lower, 2.5f);
  EXPECT_FLOAT_EQ(deviation.width, 0.9f);
}

TEST(RateHistogram, BinsEdgesAndDeviations) {
  const auto scale = engine::ScaleFor(Settings(engine::kUniform), 0.0f, 10.0f, 0.0f, 0.0f);
  engine::RateHistogram histogram;
  histogram.Add(-0.5f, scale);  // below
  histogram.Add(0.0f, scale);   // lower edge: bin 0
  histogram.Add(0.99f, scale);  // bin 0
  histogram.Add(1.0f, scale);   // bin 1
  histogram.Add(9.5f, scale);   // bin 9
  histogram.Add(10.0f, scale);  // the top edge belongs to bin 9
  histogram.Add(10.5f, scale);  // above
  histogram.Add(NAN, scale);    // counts nowhere
  EXPECT_EQ(histogram.below, 1);
  EXPECT_EQ(histogram.above, 1);
  EXPECT_EQ(histogram.bins[0], 2);
  EXPECT_EQ(histogram.bins[1], 1);
  EXPECT_EQ(histogram.bins[9], 2);
  EXPECT_EQ(histogram.Total(), 7);
  // Around 5: 5.5^2 + 5^2 + 4.01^2 + 4^2 + 4.5^2 + 5^2 + 5.5^2 = 30.25 + 25 + 16.0801 + 16
  // + 20.25 + 25 + 30.25 = 162.8301.
  EXPECT_NEAR(histogram.squaredDeviations, 162.8301, 1e-4);
}

TEST(RateHistogram, EmptyRangePutsEveryRateOnTheTopEdge) {
  const auto scale = engine::ScaleFor(Settings(engine::kUniform), 7.0f, 7.0f, 0.0f, 0.0f);
  engine::RateHistogram histogram;
  histogram.Add(7.0f, scale);
  EXPECT_EQ(histogram.bins[9], 1);
  EXPECT_EQ(histogram.squaredDeviations, 0.0);
}

// The bin a scan from the lowest edge finds: the first whose upper edge lies above the rate.
int ScannedBin(float rate, const engine::HistogramScale& scale) {
  int bin = 0;
  while (bin < engine::kHistogramBins - 1 && !(rate < scale.Edge(bin + 1))) ++bin;
  return bin;
}

TEST(RateHistogram, EveryRateInTheBinAScanFinds) {
  const float inf = INFINITY;
  // Ranges of every rate type and factor, and scales only a damaged file gives: a width of 0,
  // a falling width (a factor below -10), not a number, infinite.
  const engine::HistogramScale scales[] = {
      engine::ScaleFor(Settings(engine::kGaussianRange, 2), -12.0f, 24.0f, 0.0f, 0.0f),
      engine::ScaleFor(Settings(engine::kUniform), 3.0f, 5.0f, 0.0f, 0.0f),
      engine::ScaleFor(Settings(engine::kGaussianDeviation, 0, 3), 0.0f, 0.0f, 7.0f, 15.0f),
      {7.0f, 7.0f, 0.0f},
      engine::ScaleFor(Settings(engine::kGaussianRange, -30), 0.0f, 10.0f, 0.0f, 0.0f),
      {0.0f, 0.0f, NAN},
      {0.0f, -inf, inf},
      {0.0f, 1.0e30f, 1.0e-30f},
  };
  for (const engine::HistogramScale& scale : scales) {
    for (float rate = -40.0f; rate <= 40.0f; rate += 0.05f) {
      engine::RateHistogram histogram;
      histogram.Add(rate, scale);
      if (histogram.below + histogram.above > 0) continue;
      const int bin = ScannedBin(rate, scale);
      EXPECT_EQ(histogram.bins[static_cast<size_t>(bin)], 1)
          << "rate " << rate << " lower " << scale.lower << " width " << scale.width;
    }
  }
}

TEST(GroupRateTally, StartsOutsideAnyRate) {
  engine::GroupRateTally tally;
  EXPECT_EQ(tally.minimum, 100.0f);
  EXPECT_EQ(tally.maximum, -100.0f);
  tally.Add(3.0f);
  tally.Add(5.0f);
  EXPECT_EQ(tally.count, 2);
  EXPECT_EQ(tally.sum, 8.0f);
  EXPECT_EQ(tally.minimum, 3.0f);
  EXPECT_EQ(tally.maximum, 5.0f);
}

}  // namespace
