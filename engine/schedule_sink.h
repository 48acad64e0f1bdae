// EmitScheduleLine: the one way schedule text leaves the engine, to the schedule list or to
// the text of a results or print file. Lines are formatted only when they will be kept, so a
// run without text does no formatting at all.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/line_format.h"
#include "engine/money_text.h"
#include "engine/run_options.h"
#include "engine/schedule_list.h"

namespace engine {

// A money amount to be printed as a money text.
struct Money {
  float amount;
};

class ScheduleSink {
 public:
  // A run's start: mode, target list (List mode; may be null) and currency mark.
  void Begin(ScheduleMode mode, ScheduleList* list, bool silent, char mark);

  // The age gate: lines of years before resultsStartAge are dropped.
  void SetYear(int wholeAge, bool shown) {
    wholeAge_ = wholeAge;
    gateOpen_ = shown;
  }
  void SetSilent(bool silent) { silent_ = silent; }

  // True when a line emitted now would be kept somewhere.
  bool Wants() const {
    return !silent_ && gateOpen_ && (mode_ != ScheduleMode::List || list_ != nullptr);
  }

  // EmitScheduleLine with printf arguments; Money arguments become money texts.
  template <typename... Args>
  void Emit(int tag, const char* format, const Args&... args) {
    if (!Wants()) return;
    EmitRendered(tag, format, Render(args)...);
  }
  // A line given as text.
  void EmitText(int tag, std::string_view text);

  // The file text written so far (modes ResultsFile and PrintFile).
  const std::string& fileText() const { return fileText_; }
  // Hands the file text over in exchange for `target`'s storage, which the next run fills
  // again without growing a new string line by line.
  void HandOverFileText(std::string& target) { target.swap(fileText_); }
  ScheduleMode mode() const { return mode_; }
  char mark() const { return mark_; }

 private:
  template <typename T>
  auto Render(const T& value) const {
    if constexpr (std::is_same_v<T, Money>) {
      return MoneyText(value.amount, mark_);
    } else if constexpr (std::is_same_v<T, Name>) {
      return NameText(value);
    } else if constexpr (std::is_floating_point_v<T>) {
      return static_cast<double>(value);
    } else if constexpr (std::is_same_v<T, std::string>) {
      return value.c_str();
    } else {
      return value;
    }
  }
  template <typename T>
  static auto Raw(const T& value) {
    if constexpr (std::is_same_v<T, ShortText>) {
      return value.c_str();
    } else {
      return value;
    }
  }
  template <typename... Rendered>
  void EmitRendered(int tag, const char* format, const Rendered&... rendered) {
    constexpr size_t kRoom = 1024;
    {
      const LineArg args[] = {ToLineArg(Raw(rendered))..., LineArg{}};
      LineBuilder built;
      if (FormatLine(built, kRoom, format, args, sizeof...(rendered))) {
        EmitText(tag, built.view());
        return;
      }
    }
    char line[kRoom];
    std::snprintf(line, sizeof line, format, Raw(rendered)...);
    EmitText(tag, line);
  }

  ScheduleMode mode_ = ScheduleMode::List;
  ScheduleList* list_ = nullptr;
  std::string fileText_;
  bool silent_ = false;
  bool gateOpen_ = true;
  int wholeAge_ = 0;
  char mark_ = kDollarMark;
};

}  // namespace engine
