// Line-by-line reading of the text files that carry plot data: each item is one line, a line
// starting with "Done" ends the data wherever it stands, and a last line without its newline is
// an item cut short.
#pragma once

#include <string>
#include <string_view>

namespace graph {

class PlotLines {
 public:
  explicit PlotLines(std::string_view text) : text_(text) {}

  enum class Kind { Item, Done, End };
  struct Line {
    Kind kind = Kind::End;
    std::string_view text;  // without its line end
    bool terminated = false;
  };

  // The next line as it stands: an unterminated last line comes back with terminated false;
  // End when nothing is left.
  Line NextRaw();
  // The next item: a complete line, Done at an end mark (terminated or not), End when the text
  // is used up or its last line was cut short.
  Line Next();

 private:
  std::string_view text_;
  size_t position_ = 0;
};

bool IsDoneMark(std::string_view line);
// scanf-like reading of the leading number of a line: whitespace is skipped, a text that is no
// number or no finite value reads as 0.
float ReadFloat(std::string_view text);
// Likewise a whole number, kept within +-1,000,000.
int ReadInt(std::string_view text);
// Up to `count` numbers separated by white space; returns how many were read.
int ReadFloats(std::string_view text, float* values, int count);

}  // namespace graph
