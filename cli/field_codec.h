// Moves fields between record bytes and JSON by their tables. Dumping shows each field with its
// key (quiet fields only when they differ from the new scenario); applying checks every value
// against its field and refuses what does not fit, naming the key.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>

#include "cli/field.h"

namespace cli {

using Json = nlohmann::ordered_json;

enum class Detail {
  Full,     // every field, the quiet ones when they differ from the new scenario
  Changed,  // what differs from the new scenario, and the fields that identify a record
};

// One row of a record table over the record's bytes and the same record of a new scenario.
struct RecordView {
  FieldTable table;
  const void* bytes;
  const void* fresh;
  size_t row = 0;
};

void DumpFields(Json& object, const RecordView& view, Detail detail);
// True when any field of the view differs from the new scenario.
bool DiffersFromFresh(const RecordView& view);

// One row of a record table over bytes to fill.
struct RecordTarget {
  FieldTable table;
  void* bytes;
  size_t row = 0;
};

// True when `key` names a field of the table (a text's "Bytes" companion included).
bool NamesField(FieldTable table, std::string_view key);

using KeyFilter = std::function<bool(std::string_view key)>;

// Stores every key of `object` into the field it names in one of the targets, except the keys
// `isOthers` claims. A key naming no field, or a value that does not fit its field, fails with
// `problem` saying where ("accounts[2].kind: ...").
bool ApplyFields(const Json& object, std::span<const RecordTarget> targets,
                 const KeyFilter& isOthers, const std::string& where, std::string& problem);

// Whole numbers of the JSON form, checked against a range.
bool ReadWholeNumber(const Json& value, int64_t minimum, int64_t maximum, int64_t& out);

}  // namespace cli
