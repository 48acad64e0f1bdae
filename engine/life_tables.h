// The life tables of Rule 72T payments: "mort.dat" (mortality rates, single-life expectancies,
// uniform-table divisors) and "jointtab.dat" (joint life expectancies), one number a line.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

inline constexpr int kLastTableAge = 115;      // q, Eu and the joint table end here
inline constexpr int kLastSingleLifeAge = 111;  // Es ends here
inline constexpr int kFirstUniformAge = 10;     // Eu starts here
inline constexpr int kMortalityAges = kLastTableAge + 1;
inline constexpr int kSingleLifeAges = kLastSingleLifeAge + 1;
inline constexpr int kUniformAges = kLastTableAge - kFirstUniformAge + 1;
inline constexpr int kMortalityFileLines = kMortalityAges + kSingleLifeAges + kUniformAges;

inline constexpr std::string_view kMortalityFileName = "mort.dat";
inline constexpr std::string_view kJointFileName = "jointtab.dat";
inline constexpr const char* kLifeTableCaption = "Life Table Error";

// "mort.dat": every table indexed by whole age; the look-ups hold the age to the table's range.
struct MortalityTable {
  std::array<float, kMortalityAges> q{};             // probability of dying within the year
  std::array<float, kSingleLifeAges> single{};       // Es(0 .. 111)
  std::array<float, kUniformAges> uniform{};         // Eu(10 .. 115)

  float DeathRate(int age) const;
  float SingleLife(int age) const;
  float UniformLife(int age) const;
};

// "jointtab.dat": the lower triangle, row r holding the younger ages 0 .. r.
struct JointTable {
  std::vector<float> entries;

  // The entry of the two whole ages in either order, both held to 0 .. 115; nothing when the
  // file ended before it.
  std::optional<float> JointLife(int ageA, int ageB) const;
};

// A table read from a file, or the message that says why it could not be.
template <typename Table>
struct LoadedTable {
  std::optional<Table> table;
  std::string problem;
};

// The numbers of the file's text, one a line (a line without a number reads as 0).
MortalityTable ParseMortalityTable(std::string_view bytes, int* lineCount);
JointTable ParseJointTable(std::string_view bytes);

LoadedTable<MortalityTable> LoadMortalityTable(const std::filesystem::path& path);
LoadedTable<JointTable> LoadJointTable(const std::filesystem::path& path);

// The message for a joint table that ends before the entry of the two ages.
std::string JointEntryMissingText(const std::filesystem::path& path, int ageA, int ageB);

}  // namespace engine
