// Today's local date and time, injectable so that birthday fractions and dated files can be
// fixed in tests and on the command line.
#pragma once

namespace platform {

struct DateTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
 public:
  DateTime Now() const override;
};

// Always the same moment.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime now) : now_(now) {}
  DateTime Now() const override { return now_; }
  void Set(DateTime now) { now_ = now; }

 private:
  DateTime now_;
};

}  // namespace platform
