// The stored records are packed, so their fields may sit at odd addresses. GoogleTest's
// EXPECT_EQ binds its arguments to references, which such a field must not be bound to (the
// sanitizer build stops there): tests compare a copy.
#pragma once

namespace core::testing {

template <typename T>
T Copied(T value) {
  return value;
}

}  // namespace core::testing
