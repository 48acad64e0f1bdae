// One stored field as the JSON form of a scenario sees it: its key, where its bytes lie in the
// record and how they read. The JSON mapping of every record is a table of these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace cli {

enum class FieldType : uint8_t { U8, I16, U16, I32, F32, Text, Bytes };

struct Field {
  const char* key = "";
  size_t offset = 0;  // of the first element, from the start of the record
  FieldType type = FieldType::Bytes;
  size_t width = 0;     // bytes of one element
  size_t count = 1;     // elements; more than one makes a JSON array
  size_t step = 0;      // bytes from one element to the next; 0: the width
  size_t stride = 0;    // bytes from one row to the next where records are parallel arrays
  bool quiet = false;   // working values and unused bytes: shown only when not new-scenario
  bool always = false;  // names and account references: shown even when new-scenario
  std::span<const char* const> words = {};  // names of small enumerations, by value

  constexpr Field Quiet() const {
    Field field = *this;
    field.quiet = true;
    return field;
  }
  constexpr Field Always() const {
    Field field = *this;
    field.always = true;
    return field;
  }
  constexpr Field Array(size_t elements, size_t elementStep = 0) const {
    Field field = *this;
    field.count = elements;
    field.step = elementStep;
    return field;
  }
  // One element per row of a parallel array (per slot, per group, per budget item).
  constexpr Field PerRow(size_t rowStride = 0) const {
    Field field = *this;
    field.stride = rowStride == 0 ? width : rowStride;
    return field;
  }
  constexpr Field Words(std::span<const char* const> names) const {
    Field field = *this;
    field.words = names;
    return field;
  }

  constexpr size_t Step() const { return step == 0 ? width : step; }
  constexpr size_t ElementOffset(size_t row, size_t element) const {
    return offset + row * stride + element * Step();
  }
};

using FieldTable = std::span<const Field>;

constexpr Field U8(const char* key, size_t offset) { return {key, offset, FieldType::U8, 1}; }
constexpr Field I16(const char* key, size_t offset) { return {key, offset, FieldType::I16, 2}; }
constexpr Field U16(const char* key, size_t offset) { return {key, offset, FieldType::U16, 2}; }
constexpr Field I32(const char* key, size_t offset) { return {key, offset, FieldType::I32, 4}; }
constexpr Field F32(const char* key, size_t offset) { return {key, offset, FieldType::F32, 4}; }
// A NUL-terminated character field of `width` bytes.
constexpr Field Text(const char* key, size_t offset, size_t width) {
  return {key, offset, FieldType::Text, width};
}
// Unused or reserved bytes, carried as hexadecimal only when not zero.
constexpr Field Raw(const char* key, size_t offset, size_t width) {
  return Field{key, offset, FieldType::Bytes, width}.Quiet();
}

// The field of the table named `key`, or nothing.
inline const Field* FindField(FieldTable table, std::string_view key) {
  for (const Field& field : table) {
    if (key == field.key) return &field;
  }
  return nullptr;
}

}  // namespace cli
