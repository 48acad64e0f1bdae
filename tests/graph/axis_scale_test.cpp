// The vertical scale rule: the worked cases, negative minima, zero data and the guarantees
// every scale must keep (all data inside, a division line on zero).
#include "graph/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace graph {
namespace {

TEST(ComputeAxisScale, PlannerRoundsTheSpanOfTheWorkedCase) {
  // Max 12,345: top 10,000, raised in steps of 1,000 to 13,000; 13,000 rounds to 20,000.
  AxisScale scale = ComputeAxisScale(0.0f, 12345.0f, ScaleRule::Planner);
  EXPECT_FLOAT_EQ(scale.min, 0.0f);
  EXPECT_FLOAT_EQ(scale.span, 20000.0f);
  EXPECT_FLOAT_EQ(scale.step, 2000.0f);
  EXPECT_FLOAT_EQ(scale.max, 12345.0f);
}

TEST(ComputeAxisScale, CompanionStartsHigherAndReachesTheSameSpan) {
  // Top 11,000, steps of 1,100 to 13,200, rounded to 20,000.
  AxisScale scale = ComputeAxisScale(0.0f, 12345.0f, ScaleRule::Companion);
  EXPECT_FLOAT_EQ(scale.span, 20000.0f);
  EXPECT_FLOAT_EQ(scale.step, 2000.0f);
}

TEST(ComputeAxisScale, ZoomedPlannerGraphKeepsTheUnroundedSpan) {
  // Top trunc(1.2345 * 10) * 10,000 = 10,000, raised by 1,000 to 13,000; no rounding.
  AxisScale scale = ComputeAxisScale(0.0f, 12345.0f, ScaleRule::PlannerZoomed);
  EXPECT_FLOAT_EQ(scale.span, 13000.0f);
  EXPECT_FLOAT_EQ(scale.step, 1300.0f);
}

TEST(ComputeAxisScale, LargeLeadingDigitRoundsToTheNextPowerOfTen) {
  // Max 700,000: top trunc(0.7 * 11) * 100,000 = 700,000; span 700,000 has leading digit 7,
  // so the span becomes 1,000,000.
  AxisScale scale = ComputeAxisScale(0.0f, 700000.0f, ScaleRule::Planner);
  EXPECT_FLOAT_EQ(scale.span, 1000000.0f);
  EXPECT_FLOAT_EQ(scale.step, 100000.0f);
}

TEST(ComputeAxisScale, AllZeroDataGivesSpanOne) {
  AxisScale scale = ComputeAxisScale(0.0f, 0.0f, ScaleRule::Companion);
  EXPECT_FLOAT_EQ(scale.min, 0.0f);
  EXPECT_FLOAT_EQ(scale.span, 1.0f);
  EXPECT_FLOAT_EQ(scale.step, 0.1f);
}

TEST(ComputeAxisScale, NegativeMinimumPutsADivisionOnZero) {
  // Min -3,456: leading digit gives -3,000, then -3,300, then -3,600 (below the data).
  // Span 3,600 + 12,720 = 16,320 rounds to 20,000, step 2,000; -3,600 + 2 * 2,000 = 400, so
  // the minimum goes down by 400 to -4,000 and zero lies two divisions up.
  AxisScale scale = ComputeAxisScale(-3456.0f, 12345.0f, ScaleRule::Planner);
  EXPECT_FLOAT_EQ(scale.min, -4000.0f);
  EXPECT_FLOAT_EQ(scale.span, 20000.0f);
  EXPECT_FLOAT_EQ(scale.step, 2000.0f);
}

TEST(ComputeAxisScale, NegativeMinimumBeyondThirtyPercentStaysBelowTheData) {
  // Min -3,999: -3,000 * 1.3 = -3,900 would leave the data under the axis; the search goes on
  // to -4,200. Span 4,200 rounds to 5,000, step 500; -4,200 + 9 * 500 = 300, so the minimum
  // becomes -4,500 and zero is the ninth division.
  AxisScale scale = ComputeAxisScale(-3999.0f, 0.0f, ScaleRule::Planner);
  EXPECT_FLOAT_EQ(scale.min, -4500.0f);
  EXPECT_FLOAT_EQ(scale.span, 5000.0f);
}

TEST(ComputeAxisScale, NonFiniteInputDrawsLikeZero) {
  AxisScale scale = ComputeAxisScale(-INFINITY, NAN, ScaleRule::Planner);
  EXPECT_TRUE(std::isfinite(scale.min));
  EXPECT_TRUE(std::isfinite(scale.span));
  EXPECT_GT(scale.span, 0.0f);
}

// Every scale holds its data and, with zero within nine divisions, has a division line on it.
TEST(ComputeAxisScale, HoldsTheDataAndZeroForManyRanges) {
  const float maxima[] = {0.0f, 0.4f, 7.0f, 99.0f, 1234.5f, 9999.0f, 12345.0f, 55555.0f,
                          250000.0f, 999999.0f, 3.3e6f, 8.0e7f};
  const float minima[] = {0.0f, -0.3f, -5.0f, -77.0f, -1000.0f, -1999.0f, -3999.0f, -9500.0f,
                          -47000.0f, -100000.0f, -6.5e6f};
  for (ScaleRule rule : {ScaleRule::Planner, ScaleRule::Companion, ScaleRule::PlannerZoomed}) {
    for (float max : maxima) {
      for (float min : minima) {
        AxisScale scale = ComputeAxisScale(min, max, rule);
        SCOPED_TRACE(testing::Message() << "min " << min << " max " << max << " rule "
                                        << static_cast<int>(rule));
        EXPECT_LE(scale.min, min);
        EXPECT_LE(scale.min, 0.0f);
        EXPECT_GT(scale.span, 0.0f);
        EXPECT_FLOAT_EQ(scale.step, scale.span * 0.1f);
        float top = scale.min + scale.span;
        EXPECT_GE(top * 1.0001f + 1e-3f, max);
        // Zero lies on a division line unless it is more than nine steps up.
        float divisions = -scale.min / scale.step;
        if (divisions <= 9.0f) {
          EXPECT_NEAR(divisions, std::round(divisions), 1e-3f);
        }
      }
    }
  }
}

}  // namespace
}  // namespace graph
