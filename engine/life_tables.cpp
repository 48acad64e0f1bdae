#include "engine/life_tables.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_reading.h"

namespace engine {
namespace {

// Far beyond the size of either table: a stray huge file is not read whole.
constexpr size_t kMaxTableBytes = 1u << 20;

// A line is read as a 30-character buffer would hold it.
constexpr size_t kLineBufferChars = 29;

float NumberOfLine(const std::string& line) {
  return core::LeadingFloat(std::string_view(line).substr(0, kLineBufferChars));
}

int JointIndex(int older, int younger) { return older * (older + 1) / 2 + younger; }

}  // namespace

float MortalityTable::DeathRate(int age) const {
  return q[static_cast<size_t>(std::clamp(age, 0, kLastTableAge))];
}

float MortalityTable::SingleLife(int age) const {
  return single[static_cast<size_t>(std::clamp(age, 0, kLastSingleLifeAge))];
}

float MortalityTable::UniformLife(int age) const {
  const int held = std::clamp(age, kFirstUniformAge, kLastTableAge);
  return uniform[static_cast<size_t>(held - kFirstUniformAge)];
}

std::optional<float> JointTable::JointLife(int ageA, int ageB) const {
  const int older = std::clamp(std::max(ageA, ageB), 0, kLastTableAge);
  const int younger = std::clamp(std::min(ageA, ageB), 0, older);
  const size_t index = static_cast<size_t>(JointIndex(older, younger));
  if (index >= entries.size()) return std::nullopt;
  return entries[index];
}

MortalityTable ParseMortalityTable(std::string_view bytes, int* lineCount) {
  const std::vector<std::string> lines = core::SplitLines(bytes);
  MortalityTable table;
  size_t line = 0;
  const auto fill = [&](auto& values) {
    for (float& value : values) {
      if (line >= lines.size()) return;
      value = NumberOfLine(lines[line++]);
    }
  };
  fill(table.q);
  fill(table.single);
  fill(table.uniform);
  if (lineCount != nullptr) *lineCount = static_cast<int>(std::min<size_t>(lines.size(), 1u << 30));
  return table;
}

JointTable ParseJointTable(std::string_view bytes) {
  const std::vector<std::string> lines = core::SplitLines(bytes);
  const size_t kept =
      std::min(lines.size(), static_cast<size_t>(JointIndex(kLastTableAge, kLastTableAge) + 1));
  JointTable table;
  table.entries.reserve(kept);
  for (size_t i = 0; i < kept; ++i) table.entries.push_back(NumberOfLine(lines[i]));
  return table;
}

LoadedTable<MortalityTable> LoadMortalityTable(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = core::ReadWholeFile(path, kMaxTableBytes);
  if (!bytes) {
    return {std::nullopt, core::Format("The life table file %s cannot be read.",
                                       path.string().c_str())};
  }
  int lines = 0;
  MortalityTable table = ParseMortalityTable(*bytes, &lines);
  if (lines < kMortalityFileLines) {
    return {std::nullopt,
            core::Format("The life table file %s holds %d of its %d lines.",
                         path.string().c_str(), lines, kMortalityFileLines)};
  }
  return {table, {}};
}

LoadedTable<JointTable> LoadJointTable(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = core::ReadWholeFile(path, kMaxTableBytes);
  if (!bytes) {
    return {std::nullopt, core::Format("The life table file %s cannot be read.",
                                       path.string().c_str())};
  }
  return {ParseJointTable(*bytes), {}};
}

std::string JointEntryMissingText(const std::filesystem::path& path, int ageA, int ageB) {
  return core::Format("The life table file %s holds no entry for the ages %d and %d.",
                      path.string().c_str(), ageA, ageB);
}

}  // namespace engine
