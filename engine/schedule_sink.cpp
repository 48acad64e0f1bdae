#include "engine/schedule_sink.h"

namespace engine {

void ScheduleSink::Begin(ScheduleMode mode, ScheduleList* list, bool silent, char mark) {
  mode_ = mode;
  list_ = list;
  silent_ = silent;
  mark_ = mark;
  gateOpen_ = true;
  wholeAge_ = 0;
  fileText_.clear();
  if (list_ != nullptr && mode_ == ScheduleMode::List) list_->Clear();
}

void ScheduleSink::EmitText(int tag, std::string_view text) {
  if (!Wants()) return;
  const bool marker = text.substr(0, 2) == "??";
  if (mode_ != ScheduleMode::List) {
    if (marker) fileText_ += "\n\n";
    fileText_ += text;
    fileText_ += '\n';
    return;
  }
  if (marker || text.find("------") != std::string_view::npos) return;
  list_->Add(text, tag, wholeAge_);
}

}  // namespace engine
