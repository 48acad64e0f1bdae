// Whole ages of the stored float ages. A stored age outside any sensible range (or not a
// number) must not reach a float-to-int conversion, whose result would be undefined.
#pragma once

namespace engine {

inline int WholeAge(float age) {
  if (age > -1000.0f && age < 1000.0f) return static_cast<int>(age);
  return age > 0.0f ? 1000 : -1000;
}

}  // namespace engine
