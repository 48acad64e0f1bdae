#include "engine/random_source.h"

#include <initializer_list>

namespace engine {

void RandomSource::Seed(uint64_t seed) {
  // One round of a 64-bit finaliser spreads a small seed over every bit of the state.
  uint64_t z = seed + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  state_ = z ^ (z >> 31);
}

uint64_t RandomSource::SeedFromClock(const platform::Clock& clock) {
  const platform::DateTime now = clock.Now();
  uint64_t seed = static_cast<uint64_t>(now.year);
  for (const int part : {now.month, now.day, now.hour, now.minute, now.second}) {
    seed = seed * 64u + static_cast<uint64_t>(part);
  }
  return seed;
}

}  // namespace engine
