#include "cli/field_codec.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "cli/latin1.h"
#include "core/text.h"

namespace cli {

namespace {

const uint8_t* BytesAt(const void* record, size_t offset) {
  return static_cast<const uint8_t*>(record) + offset;
}
uint8_t* BytesAt(void* record, size_t offset) { return static_cast<uint8_t*>(record) + offset; }

template <typename T>
T Load(const uint8_t* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}
template <typename T>
void Store(uint8_t* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

// Hexadecimal of the bytes up to the last non-zero one: unused areas stay short.
std::string HexOf(const uint8_t* bytes, size_t size) {
  while (size > 0 && bytes[size - 1] == 0) --size;
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (size_t i = 0; i < size; ++i) {
    hex += kDigits[bytes[i] >> 4];
    hex += kDigits[bytes[i] & 15];
  }
  return hex;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The bytes of a hexadecimal text, zero-padded to `size`; false when it is no such text.
bool BytesOfHex(std::string_view hex, size_t size, std::vector<uint8_t>& out) {
  if (hex.size() % 2 != 0 || hex.size() / 2 > size) return false;
  out.assign(size, 0);
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]);
    const int low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    out[i / 2] = static_cast<uint8_t>(high * 16 + low);
  }
  return true;
}

// A float as the shortest decimal that reads back as the same float; non-finite values, which
// JSON cannot hold, as their bit pattern "0x7fc00000".
Json FloatToJson(float value) {
  if (!std::isfinite(value)) {
    return core::Format("0x%08x", Load<uint32_t>(reinterpret_cast<const uint8_t*>(&value)));
  }
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text - 1, value);
  *result.ptr = '\0';
  double shortest = std::strtod(text, nullptr);
  const float back = static_cast<float>(shortest);
  if (std::memcmp(&back, &value, sizeof value) != 0) shortest = value;
  return shortest;
}

Json ElementToJson(const Field& field, const uint8_t* at) {
  switch (field.type) {
    case FieldType::U8:
      return at[0];
    case FieldType::I16:
      return Load<int16_t>(at);
    case FieldType::U16: {
      const auto value = Load<uint16_t>(at);
      if (value < field.words.size()) return field.words[value];
      return value;
    }
    case FieldType::I32:
      return Load<int32_t>(at);
    case FieldType::F32:
      return FloatToJson(Load<float>(at));
    case FieldType::Text: {
      size_t length = 0;
      while (length < field.width && at[length] != 0) ++length;
      return Latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(at), length));
    }
    case FieldType::Bytes:
      return HexOf(at, field.width);
  }
  return nullptr;
}

// A text field holds its text, a NUL and zeros; anything else needs its bytes carried.
bool IsPlainText(const uint8_t* at, size_t width) {
  size_t length = 0;
  while (length < width && at[length] != 0) ++length;
  if (length == width) return false;
  for (size_t i = length; i < width; ++i) {
    if (at[i] != 0) return false;
  }
  return true;
}

bool FieldDiffers(const Field& field, const RecordView& view) {
  for (size_t e = 0; e < field.count; ++e) {
    const size_t offset = field.ElementOffset(view.row, e);
    if (std::memcmp(BytesAt(view.bytes, offset), BytesAt(view.fresh, offset), field.width) != 0) {
      return true;
    }
  }
  return false;
}

std::string BytesKey(const Field& field) { return std::string(field.key) + "Bytes"; }

}  // namespace

void DumpFields(Json& object, const RecordView& view, Detail detail) {
  for (const Field& field : view.table) {
    const bool differs = FieldDiffers(field, view);
    const bool shown = differs || field.always || (detail == Detail::Full && !field.quiet);
    if (!shown) continue;
    if (field.count == 1) {
      const uint8_t* at = BytesAt(view.bytes, field.ElementOffset(view.row, 0));
      object[field.key] = ElementToJson(field, at);
      if (field.type == FieldType::Text && !IsPlainText(at, field.width)) {
        object[BytesKey(field)] = HexOf(at, field.width);
      }
      continue;
    }
    Json elements = Json::array();
    for (size_t e = 0; e < field.count; ++e) {
      elements.push_back(
          ElementToJson(field, BytesAt(view.bytes, field.ElementOffset(view.row, e))));
    }
    object[field.key] = std::move(elements);
  }
}

bool DiffersFromFresh(const RecordView& view) {
  for (const Field& field : view.table) {
    if (FieldDiffers(field, view)) return true;
  }
  return false;
}

bool ReadWholeNumber(const Json& value, int64_t minimum, int64_t maximum, int64_t& out) {
  if (value.is_number_integer() && !value.is_number_unsigned()) {
    out = value.get<int64_t>();
  } else if (value.is_number_unsigned()) {
    const auto unsigned_value = value.get<uint64_t>();
    if (unsigned_value > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return false;
    out = static_cast<int64_t>(unsigned_value);
  } else if (value.is_number_float()) {
    const double number = value.get<double>();
    if (number != std::floor(number) || std::fabs(number) > 9.0e15) return false;
    out = static_cast<int64_t>(number);
  } else {
    return false;
  }
  return out >= minimum && out <= maximum;
}

namespace {

struct Range {
  int64_t minimum;
  int64_t maximum;
};

Range RangeOf(FieldType type) {
  switch (type) {
    case FieldType::U8:
      return {0, 255};
    case FieldType::I16:
      return {-32768, 32767};
    case FieldType::U16:
      return {0, 65535};
    default:
      return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
  }
}

bool StoreWhole(const Field& field, const Json& value, uint8_t* at, std::string& problem) {
  if (value.is_string() && !field.words.empty()) {
    const std::string word = value.get<std::string>();
    for (size_t i = 0; i < field.words.size(); ++i) {
      if (word == field.words[i]) {
        Store(at, static_cast<uint16_t>(i));
        return true;
      }
    }
    problem = "\"" + word + "\" is not one of its names";
    return false;
  }
  const Range range = RangeOf(field.type);
  int64_t number = 0;
  if (!ReadWholeNumber(value, range.minimum, range.maximum, number)) {
    problem = value.dump() + " is not a whole number from " + std::to_string(range.minimum) +
              " to " + std::to_string(range.maximum);
    return false;
  }
  switch (field.type) {
    case FieldType::U8:
      at[0] = static_cast<uint8_t>(number);
      break;
    case FieldType::I16:
      Store(at, static_cast<int16_t>(number));
      break;
    case FieldType::U16:
      Store(at, static_cast<uint16_t>(number));
      break;
    default:
      Store(at, static_cast<int32_t>(number));
      break;
  }
  return true;
}

bool StoreFloat(const Json& value, uint8_t* at, std::string& problem) {
  if (value.is_string()) {
    const std::string text = value.get<std::string>();
    std::vector<uint8_t> bits;
    if (text.size() == 10 && text.rfind("0x", 0) == 0 && BytesOfHex(text.substr(2), 4, bits)) {
      // Written most significant byte first, like the number it is.
      for (int i = 0; i < 4; ++i) at[i] = bits[3 - i];
      return true;
    }
    problem = "\"" + text + "\" is neither a number nor a bit pattern like \"0x7fc00000\"";
    return false;
  }
  if (!value.is_number()) {
    problem = value.dump() + " is not a number";
    return false;
  }
  const double number = value.get<double>();
  if (!(std::fabs(number) <= std::numeric_limits<float>::max())) {
    problem = value.dump() + " is beyond the range of a single-precision number";
    return false;
  }
  Store(at, static_cast<float>(number));
  return true;
}

bool StoreText(const Field& field, const Json& value, uint8_t* at, std::string& problem) {
  if (!value.is_string()) {
    problem = value.dump() + " is not a text";
    return false;
  }
  const std::optional<std::string> latin1 = Utf8ToLatin1(value.get<std::string>());
  if (!latin1) {
    problem = value.dump() + " holds a character outside Latin-1";
    return false;
  }
  if (latin1->size() >= field.width) {
    problem = value.dump() + " is longer than the " + std::to_string(field.width - 1) +
              " characters the field holds";
    return false;
  }
  std::memset(at, 0, field.width);
  std::memcpy(at, latin1->data(), latin1->size());
  return true;
}

bool StoreBytes(const Field& field, const Json& value, uint8_t* at, std::string& problem) {
  std::vector<uint8_t> bytes;
  if (!value.is_string() || !BytesOfHex(value.get<std::string>(), field.width, bytes)) {
    problem =
        value.dump() + " is not hexadecimal of at most " + std::to_string(field.width) + " bytes";
    return false;
  }
  std::memcpy(at, bytes.data(), bytes.size());
  return true;
}

bool StoreElement(const Field& field, const Json& value, uint8_t* at, std::string& problem) {
  switch (field.type) {
    case FieldType::F32:
      return StoreFloat(value, at, problem);
    case FieldType::Text:
      return StoreText(field, value, at, problem);
    case FieldType::Bytes:
      return StoreBytes(field, value, at, problem);
    default:
      return StoreWhole(field, value, at, problem);
  }
}

bool StoreField(const Field& field, const RecordTarget& target, const Json& value,
                std::string& problem) {
  if (field.count == 1) {
    return StoreElement(field, value, BytesAt(target.bytes, field.ElementOffset(target.row, 0)),
                        problem);
  }
  if (!value.is_array() || value.size() > field.count) {
    problem = "expects a list of at most " + std::to_string(field.count) + " values";
    return false;
  }
  for (size_t e = 0; e < value.size(); ++e) {
    uint8_t* at = BytesAt(target.bytes, field.ElementOffset(target.row, e));
    if (!StoreElement(field, value[e], at, problem)) {
      problem = "[" + std::to_string(e) + "]: " + problem;
      return false;
    }
  }
  return true;
}

// The stored bytes of a text given with its "Bytes" companion; the text, when also given, must
// be what the bytes hold, so that an edit of one is never lost to the other.
bool StoreTextBytes(const Field& field, const RecordTarget& target, const Json& object,
                    const Json& bytes, std::string& problem) {
  uint8_t* at = BytesAt(target.bytes, field.ElementOffset(target.row, 0));
  const Field whole = Raw(field.key, field.offset, field.width);
  if (!StoreBytes(whole, bytes, at, problem)) return false;
  const auto text = object.find(field.key);
  if (text != object.end() && *text != ElementToJson(field, at)) {
    problem = "the text " + text->dump() + " is not the text its Bytes hold; change both or drop " +
              BytesKey(field);
    return false;
  }
  return true;
}

struct Found {
  const Field* field = nullptr;
  const RecordTarget* target = nullptr;
  bool bytesCompanion = false;
};

Found FindKey(std::span<const RecordTarget> targets, std::string_view key) {
  for (const RecordTarget& target : targets) {
    if (const Field* field = FindField(target.table, key)) return {field, &target, false};
  }
  constexpr std::string_view kSuffix = "Bytes";
  if (key.size() > kSuffix.size() && key.substr(key.size() - kSuffix.size()) == kSuffix) {
    const std::string_view textKey = key.substr(0, key.size() - kSuffix.size());
    for (const RecordTarget& target : targets) {
      const Field* field = FindField(target.table, textKey);
      if (field != nullptr && field->type == FieldType::Text) return {field, &target, true};
    }
  }
  return {};
}

}  // namespace

bool NamesField(FieldTable table, std::string_view key) {
  const RecordTarget target{table, nullptr};
  return FindKey(std::span(&target, 1), key).field != nullptr;
}

bool ApplyFields(const Json& object, std::span<const RecordTarget> targets,
                 const KeyFilter& isOthers, const std::string& where, std::string& problem) {
  if (!object.is_object()) {
    problem = where + ": expects an object {...}";
    return false;
  }
  std::vector<std::pair<Found, const Json*>> companions;
  for (const auto& [key, value] : object.items()) {
    if (isOthers && isOthers(key)) continue;
    const Found found = FindKey(targets, key);
    if (found.field == nullptr) {
      problem = where + ": unknown key \"" + key + "\"";
      return false;
    }
    if (found.bytesCompanion) {
      companions.emplace_back(found, &value);
      continue;
    }
    // A text given with its bytes is stored from them, and only compared with them: it may be
    // a field filled to the last byte, which no text alone could store.
    if (found.field->type == FieldType::Text && object.contains(BytesKey(*found.field))) continue;
    if (!StoreField(*found.field, *found.target, value, problem)) {
      problem = where + "." + key + ": " + problem;
      return false;
    }
  }
  for (const auto& [found, value] : companions) {
    if (!StoreTextBytes(*found.field, *found.target, object, *value, problem)) {
      problem = where + "." + BytesKey(*found.field) + ": " + problem;
      return false;
    }
  }
  return true;
}

}  // namespace cli
