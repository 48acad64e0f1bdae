// The planner's one pseudo-random generator: a 64-bit linear congruential generator whose
// high bits give the two outputs the random rates use, 15 bits for the Gaussian draws and 31
// bits for the uniform ones. A given seed reproduces every draw of a run or an analysis.
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace engine {

class RandomSource {
 public:
  explicit RandomSource(uint64_t seed = 1) { Seed(seed); }

  // Seeds close together (consecutive seconds of the clock) still start unrelated streams.
  void Seed(uint64_t seed);
  // The seed of a program start: the clock's time of day and date.
  static uint64_t SeedFromClock(const platform::Clock& clock);

  int Next15() { return static_cast<int>(Step() >> 49); }  // 0..32767
  int Next31() { return static_cast<int>(Step() >> 33); }  // 0..2^31 - 1
  // Two Next15 in a row, the second worked out from the same state as the first (two steps at
  // once), so that neither waits for the other.
  void Next15Twice(int& first, int& second) {
    const uint64_t one = state_ * kMultiplier + kIncrement;
    const uint64_t two = state_ * kMultiplierTwice + kIncrementTwice;
    state_ = two;
    first = static_cast<int>(one >> 49);
    second = static_cast<int>(two >> 49);
  }

 private:
  static constexpr uint64_t kMultiplier = 6364136223846793005ull;
  static constexpr uint64_t kIncrement = 1442695040888963407ull;
  // Two steps: s * a * a + (c * a + c), modulo 2^64 as each step is.
  static constexpr uint64_t kMultiplierTwice = kMultiplier * kMultiplier;
  static constexpr uint64_t kIncrementTwice = kIncrement * kMultiplier + kIncrement;

  uint64_t Step() {
    state_ = state_ * kMultiplier + kIncrement;
    return state_;
  }

  uint64_t state_ = 0;
};

}  // namespace engine
