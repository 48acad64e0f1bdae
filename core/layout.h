// The stored records are byte images: packed, little-endian, with IEEE single-precision
// amounts. These checks hold the build to that.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

static_assert(std::endian::native == std::endian::little,
              "the stored records are little-endian images");
static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "amounts are IEEE single precision");

// Checks a field's place in a record.
#define KX_OFFSET(Record, field, offset) \
  static_assert(offsetof(Record, field) == (offset), #Record "." #field " moved")
