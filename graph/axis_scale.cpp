#include "graph/axis_scale.h"

#include <cmath>

namespace graph {
namespace {

// Values beyond this are no money; keeping inside it keeps every loop below short.
constexpr float kLargest = 1e30f;
// Guards the loops that walk in steps; a sound scale needs a dozen at most.
constexpr int kMostSteps = 200;

float Sane(float value) {
  if (!std::isfinite(value)) return 0.0f;
  if (value > kLargest) return kLargest;
  if (value < -kLargest) return -kLargest;
  return value;
}

// Divides by ten until the value is at most 1; `count` says how often.
float ReduceToUnit(float value, int& count) {
  count = 0;
  while (value > 1.0f) {
    value = value * 0.1f;
    ++count;
  }
  return value;
}

float PowerOfTen(int exponent) {
  float power = 1.0f;
  for (int i = 0; i < exponent; ++i) power = power * 10.0f;
  return power;
}

float TopOfScale(float max, ScaleRule rule) {
  int k = 0;
  float m = ReduceToUnit(max, k);
  float p = k <= 1 ? 1.0f : PowerOfTen(k - 1);
  if (rule == ScaleRule::PlannerZoomed) return std::trunc(m * 10.0f) * p;
  float top = std::trunc(m * 11.0f) * p;
  if (rule == ScaleRule::Companion) top = top * 1.1f;
  return top;
}

// A round value at or below a negative minimum: the leading digit, then 10 %, 20 %, 30 % more.
// Where 30 % is not yet enough the search goes on, so that no value lies below the axis.
float RoundedMinimum(float min) {
  int j = 0;
  float a = ReduceToUnit(std::fabs(min), j);
  float q = j <= 1 ? 1.0f : PowerOfTen(j - 1);
  float t = std::trunc(a * 10.0f) * q;
  float candidate = -t;
  for (int tries = 1; candidate > min && tries < kMostSteps; ++tries) {
    candidate = -t * (1.0f + 0.1f * static_cast<float>(tries));
  }
  return candidate;
}

float RoundedSpan(float span) {
  float r = span;
  int e = 0;
  while (r * 0.1f > 1.0f) {
    r = r * 0.1f;
    ++e;
  }
  float d = std::trunc(r);
  return d >= 6.0f ? PowerOfTen(e + 1) : (d + 1.0f) * PowerOfTen(e);
}

// Lowers the minimum so that a division line falls on zero, when zero is within nine steps.
void AlignZeroOnDivision(float& min, float step, float& span, float max) {
  float v = min;
  for (int i = 0; i < 9; ++i) {
    v = v + step;
    if (v == 0.0f) return;
    if (v > 0.0f) {
      min = min - v;
      if (step * 10.0f >= max) span = step * 10.0f;
      return;
    }
  }
}

}  // namespace

AxisScale ComputeAxisScale(float dataMin, float dataMax, ScaleRule rule) {
  AxisScale scale;
  float max = Sane(dataMax);
  float min = Sane(dataMin);
  scale.max = max;
  float top = TopOfScale(max, rule);

  if (min > 0.0f) min = 0.0f;
  if (min < 0.0f) min = RoundedMinimum(min);

  float span = std::fabs(min) + top;
  if (span == 0.0f) span = 1.0f;
  float step = span * 0.1f;
  for (int i = 0; top < max && i < kMostSteps; ++i) top = top + step;

  span = std::fabs(min) + top;
  if (rule != ScaleRule::PlannerZoomed) span = RoundedSpan(span);
  if (span == 0.0f) span = 1.0f;
  step = span * 0.1f;

  if (min < 0.0f) {
    AlignZeroOnDivision(min, step, span, max);
    // Lowering the minimum can pull the top under the data; a wider round span then holds
    // both again.
    for (int round = 0; round < 4 && min + span < max; ++round) {
      span = RoundedSpan(std::fabs(min) + max);
      step = span * 0.1f;
      AlignZeroOnDivision(min, step, span, max);
    }
  }
  scale.min = min;
  scale.step = step;
  scale.span = span;
  return scale;
}

}  // namespace graph
