// Reading the lines of delimited text files (account balance reports and the intermediate
// files made from them), and the rule that tells headings, totals and liabilities from account
// lines.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace core {

// The longest line text kept; the rest of a longer line is dropped, so that its tail is never
// taken for a line of its own.
inline constexpr size_t kMaxDelimitedLine = 120;

class LineReader {
 public:
  explicit LineReader(const std::filesystem::path& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // The next line, at most kMaxDelimitedLine characters, ending at its first carriage return,
  // line feed or NUL. False at the end of the file.
  bool Next(std::string& line);

 private:
  std::FILE* file_ = nullptr;
};

// Which words mark a line that holds no account. A source file is checked for all of them; the
// intermediate files were made from checked lines, and their readers look for fewer words.
enum class SkipWords { Source, CreatingIntermediate, UpdatingIntermediate };

// Lines shorter than 7 characters, and lines with a skip word: "LIABILI", "Liabili",
// "Net Wor", "Total", "TOTAL", or "Balance" not followed by "d" (an account may be Balanced).
bool IsSkippedLine(std::string_view line, SkipWords words = SkipWords::Source);

}  // namespace core
