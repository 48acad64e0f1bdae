#include "core/delimited_lines.h"

#include <span>
#include <system_error>

namespace core {

LineReader::LineReader(const std::filesystem::path& path) {
  std::error_code error;
  // A folder opens for reading on some systems but is no text file.
  if (std::filesystem::is_directory(path, error)) return;
  file_ = std::fopen(path.c_str(), "rb");
}

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::Next(std::string& line) {
  line.clear();
  if (file_ == nullptr) return false;
  bool ended = false;  // the line's text stopped at CR or NUL; the rest is dropped
  int c = std::getc(file_);
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = std::getc(file_)) {
    if (c == '\r' || c == '\0') ended = true;
    if (!ended && line.size() < kMaxDelimitedLine) line.push_back(static_cast<char>(c));
  }
  return true;
}

namespace {

bool Contains(std::string_view line, std::string_view word) {
  return line.find(word) != std::string_view::npos;
}

// "Balance" headings and balance lines are no accounts, but a "Balanced" fund is.
bool HasBalanceWord(std::string_view line) {
  constexpr std::string_view kWord = "Balance";
  for (size_t at = line.find(kWord); at != std::string_view::npos; at = line.find(kWord, at + 1)) {
    const size_t next = at + kWord.size();
    if (next >= line.size() || line[next] != 'd') return true;
  }
  return false;
}

std::span<const std::string_view> WordsFor(SkipWords words) {
  static constexpr std::string_view kSource[] = {"LIABILI", "Liabili", "Net Wor", "Total", "TOTAL"};
  static constexpr std::string_view kCreating[] = {"LIABILI", "TOTAL"};
  static constexpr std::string_view kUpdating[] = {"LIABILI", "Total", "TOTAL"};
  switch (words) {
    case SkipWords::CreatingIntermediate:
      return kCreating;
    case SkipWords::UpdatingIntermediate:
      return kUpdating;
    case SkipWords::Source:
      break;
  }
  return kSource;
}

}  // namespace

bool IsSkippedLine(std::string_view line, SkipWords words) {
  constexpr size_t kShortestAccountLine = 7;
  if (line.size() < kShortestAccountLine) return true;
  for (std::string_view word : WordsFor(words)) {
    if (Contains(line, word)) return true;
  }
  return HasBalanceWord(line);
}

}  // namespace core
