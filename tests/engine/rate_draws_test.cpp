// The generator's two outputs and the three random rate draws, judged over many draws: their
// ranges, steps, means and spreads.
#include "engine/rate_draws.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/random_source.h"
#include "platform/clock.h"

namespace {

using engine::GaussianCache;
using engine::RandomSource;

constexpr int kDraws = 200000;

struct Moments {
  double mean = 0.0;
  double deviation = 0.0;
};

Moments MomentsOf(const std::vector<float>& values) {
  Moments m;
  for (const float v : values) m.mean += v;
  m.mean /= static_cast<double>(values.size());
  for (const float v : values) m.deviation += (v - m.mean) * (v - m.mean);
  m.deviation = std::sqrt(m.deviation / static_cast<double>(values.size()));
  return m;
}

template <typename Draw>
std::vector<float> Draws(Draw draw, int count = kDraws) {
  std::vector<float> values;
  values.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) values.push_back(draw());
  return values;
}

TEST(RandomSource, OutputsCoverTheirRangesAndRepeatWithTheSeed) {
  RandomSource source(42);
  int low15 = 1 << 30, high15 = -1, low31 = 1 << 30, high31 = -1;
  for (int i = 0; i < kDraws; ++i) {
    const int r15 = source.Next15();
    const int r31 = source.Next31();
    low15 = std::min(low15, r15);
    high15 = std::max(high15, r15);
    low31 = std::min(low31, r31);
    high31 = std::max(high31, r31);
  }
  EXPECT_GE(low15, 0);
  EXPECT_LE(high15, 32767);
  EXPECT_LT(low15, 10);  // both ends are reached in 200,000 draws
  EXPECT_GT(high15, 32757);
  EXPECT_GE(low31, 0);
  EXPECT_LT(low31, 1 << 20);
  EXPECT_GT(high31, (1 << 30) + (1 << 29));
  RandomSource again(42), other(43);
  RandomSource first(42);
  std::vector<int> a, b, c;
  for (int i = 0; i < 8; ++i) {
    a.push_back(first.Next31());
    b.push_back(again.Next31());
    c.push_back(other.Next31());
  }
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
}

TEST(RandomSource, TwoDrawsAtOnceAreTheNextTwoInTurn) {
  RandomSource once(2026), inTurn(2026);
  for (int i = 0; i < 100000; ++i) {
    int first = -1, second = -1;
    once.Next15Twice(first, second);
    ASSERT_EQ(first, inTurn.Next15()) << i;
    ASSERT_EQ(second, inTurn.Next15()) << i;
    // The state goes on as after two steps: the draws after it agree too.
    if (i % 1000 == 0) {
      ASSERT_EQ(once.Next31(), inTurn.Next31());
    }
  }
}

TEST(GaussianRangeRate, PairsMadeAheadAreTheDrawsMadeOnTheSpot) {
  RandomSource ahead(99), onTheSpot(99);
  GaussianCache aheadCache, spotCache;
  engine::PolarPairs pairs;
  pairs.Restart(0);
  for (int i = 0; i < 50000; ++i) {
    const float a = engine::GaussianRangeRate(ahead, aheadCache, -3.0f, 7.0f, 2, &pairs);
    const float b = engine::GaussianRangeRate(onTheSpot, spotCache, -3.0f, 7.0f, 2);
    ASSERT_EQ(std::bit_cast<uint32_t>(a), std::bit_cast<uint32_t>(b)) << i;
  }
  // With an expected count the same values come, however the blocks fall.
  RandomSource again(99), spot(99);
  GaussianCache againCache, spotAgain;
  pairs.Restart(37);
  for (int i = 0; i < 1000; ++i) {
    const float a = engine::StandardNormal(again, againCache, &pairs);
    const float b = engine::StandardNormal(spot, spotAgain);
    ASSERT_EQ(std::bit_cast<uint32_t>(a), std::bit_cast<uint32_t>(b)) << i;
  }
}

TEST(RandomSource, ClockSeedsDifferFromSecondToSecond) {
  platform::FixedClock clock(platform::DateTime{2026, 12, 8, 6, 0, 0});
  const uint64_t first = RandomSource::SeedFromClock(clock);
  clock.Set(platform::DateTime{2026, 12, 8, 6, 0, 1});
  const uint64_t next = RandomSource::SeedFromClock(clock);
  EXPECT_NE(first, next);
  RandomSource a(first), b(next);
  EXPECT_NE(a.Next31(), b.Next31());
}

TEST(UniformRate, StepsOfAHundredthFromMinUpToBelowMax) {
  RandomSource source(7);
  const auto values = Draws([&] { return engine::UniformRate(source, 5.0f, 9.0f); });
  float low = 100.0f, high = -100.0f;
  for (const float v : values) {
    low = std::min(low, v);
    high = std::max(high, v);
    const float hundredths = v * 100.0f;
    ASSERT_NEAR(hundredths, std::round(hundredths), 0.01f) << v;
  }
  EXPECT_FLOAT_EQ(low, 5.0f);
  EXPECT_NEAR(high, 8.99f, 1e-4f);  // 9.00 itself never comes
  // 400 equally likely values 5.00 .. 8.99: mean 6.995, deviation 0.01 * sqrt(400^2 - 1) / sqrt(12)
  // = 1.1547.
  const Moments m = MomentsOf(values);
  EXPECT_NEAR(m.mean, 6.995, 0.01);
  EXPECT_NEAR(m.deviation, 1.1547, 0.01);
}

TEST(UniformRate, EmptyAndDamagedRanges) {
  RandomSource source(7);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(engine::UniformRate(source, 7.0f, 7.0f), 7.0f);
  // Narrower than a hundredth: no step to take.
  EXPECT_EQ(engine::UniformRate(source, 7.0f, 7.005f), 7.0f);
  // A range beyond any int of hundredths, or not a number, from a damaged file: no crash.
  const float wide = engine::UniformRate(source, -1e30f, 1e30f);
  EXPECT_TRUE(std::isfinite(wide));
  EXPECT_TRUE(std::isnan(engine::UniformRate(source, NAN, 5.0f)));
}

TEST(GaussianRangeRate, CentredWithThreeDeviationsInTheHalfRange) {
  RandomSource source(11);
  GaussianCache cache;
  const auto values =
      Draws([&] { return engine::GaussianRangeRate(source, cache, 4.0f, 10.0f, 0); });
  // sigma = 6 * 0.5 * 0.997 / 3 = 0.997: 99.73 % of the draws within 3 sigma = 2.991 of 7.
  const Moments m = MomentsOf(values);
  EXPECT_NEAR(m.mean, 7.0, 0.01);
  EXPECT_NEAR(m.deviation, 0.997, 0.01);
  int inside = 0;
  for (const float v : values) inside += std::fabs(v - 7.0f) <= 2.991f ? 1 : 0;
  const double share = static_cast<double>(inside) / kDraws;
  EXPECT_GT(share, 0.995);
  EXPECT_LT(share, 0.999);
}

TEST(GaussianRangeRate, FactorWidensAndSwappedRangeSpreadsAlike) {
  RandomSource source(12);
  GaussianCache cache;
  // Factor 10: sigma + 10 * sigma * 0.1 = 2 * 0.997.
  const Moments wide = MomentsOf(
      Draws([&] { return engine::GaussianRangeRate(source, cache, 4.0f, 10.0f, 10); }));
  EXPECT_NEAR(wide.deviation, 1.994, 0.02);
  const Moments swapped = MomentsOf(
      Draws([&] { return engine::GaussianRangeRate(source, cache, 10.0f, 4.0f, 0); }));
  EXPECT_NEAR(swapped.mean, 7.0, 0.01);
  EXPECT_NEAR(swapped.deviation, 0.997, 0.01);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(engine::GaussianRangeRate(source, cache, 6.5f, 6.5f, 3), 6.5f);
  }
}

TEST(GaussianDeviationRate, MeanAndDeviationAsGiven) {
  RandomSource source(13);
  GaussianCache cache;
  const Moments m =
      MomentsOf(Draws([&] { return engine::GaussianDeviationRate(source, cache, 6.0f, 2.0f); }));
  EXPECT_NEAR(m.mean, 6.0, 0.02);
  EXPECT_NEAR(m.deviation, 2.0, 0.02);
  EXPECT_EQ(engine::GaussianDeviationRate(source, cache, 6.0f, 0.0f), 6.0f);
}

TEST(StandardNormal, SecondValueOfThePairComesFromTheCache) {
  RandomSource source(5);
  GaussianCache cache;
  engine::StandardNormal(source, cache);
  EXPECT_TRUE(cache.held);
  const float spare = cache.value;
  RandomSource untouched = source;
  EXPECT_EQ(engine::StandardNormal(source, cache), spare);
  EXPECT_FALSE(cache.held);
  EXPECT_EQ(source.Next31(), untouched.Next31());  // no draw was taken for it
}

}  // namespace
