// The schedule as the window shows it: lines with the tag of what wrote them, and the first
// line of each age for "Go To". A model for the list view; it holds at most 6000 lines.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace engine {

inline constexpr size_t kMaxScheduleLines = 6000;
inline constexpr int kTagNone = -1;
inline constexpr int kTagInitialRates = 7000;
inline constexpr int kTagRandomRates = 8000;

struct ScheduleLine {
  std::string text;
  int tag = kTagNone;  // 0..149: the event that wrote the line
};

class ScheduleList {
 public:
  void Clear();
  // Appends a line written in the year of `wholeAge`; a line with a '.' among its first four
  // characters becomes the first line of that age.
  void Add(std::string_view text, int tag, int wholeAge);

  const std::vector<ScheduleLine>& lines() const { return lines_; }
  // The first line of an age, or -1.
  int FirstLineOfAge(int wholeAge) const;
  // The line the list shows after a run (scroll mode), or -1 for an empty list.
  int scrollLine() const { return scrollLine_; }
  void set_scrollLine(int line) { scrollLine_ = line; }
  // Gives every event tag its new event index (`newIndex[tag]`, -1: the event is gone).
  void RemapEventTags(const int* newIndex, int count);

 private:
  std::vector<ScheduleLine> lines_;
  std::array<int, 121> firstLineOfAge_{};
  int scrollLine_ = -1;
};

}  // namespace engine
