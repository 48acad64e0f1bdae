#include "engine/schedule_list.h"

#include <cstring>

namespace engine {

void ScheduleList::Clear() {
  lines_.clear();
  firstLineOfAge_.fill(-1);
  scrollLine_ = -1;
}

void ScheduleList::Add(std::string_view text, int tag, int wholeAge) {
  if (lines_.size() >= kMaxScheduleLines) return;
  if (text.substr(0, 4).find('.') != std::string_view::npos && wholeAge >= 0 &&
      wholeAge < static_cast<int>(firstLineOfAge_.size())) {
    firstLineOfAge_[static_cast<size_t>(wholeAge)] = static_cast<int>(lines_.size());
  }
  lines_.push_back(ScheduleLine{std::string(text), tag});
}

void ScheduleList::RemapEventTags(const int* newIndex, int count) {
  for (ScheduleLine& line : lines_) {
    if (line.tag >= 0 && line.tag < count) line.tag = newIndex[line.tag];
  }
}

int ScheduleList::FirstLineOfAge(int wholeAge) const {
  if (wholeAge < 0 || wholeAge >= static_cast<int>(firstLineOfAge_.size())) return -1;
  return firstLineOfAge_[static_cast<size_t>(wholeAge)];
}

}  // namespace engine
