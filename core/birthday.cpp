#include "core/birthday.h"

#include <algorithm>

namespace core {

namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int DayOfYear(int month, int day) {
  int days = 0;
  for (int m = 1; m < month; ++m) days += kMonthLengths[m - 1];
  return days + day;
}

}  // namespace

float AgeFractionSinceBirthday(int birthMonth, int birthDay, const platform::DateTime& today) {
  if (birthMonth < 1 || birthMonth > 12 || today.month < 1 || today.month > 12) return 0.0f;
  const int birthday = DayOfYear(birthMonth, std::clamp(birthDay, 1, 31));
  const int now = DayOfYear(today.month, std::clamp(today.day, 1, 31));
  int days = now - birthday;
  if (days < 0) days += 365;
  days = std::min(days, 364);
  return static_cast<float>(days) / 365.0f;
}

void ApplyBirthdayToStartAge(Scenario& scenario, const platform::DateTime& today) {
  InitialValues& initial = scenario.initial;
  if (initial.useBirthday != 1) return;
  const float whole = static_cast<float>(static_cast<int>(initial.startAge));
  initial.startAge = whole + AgeFractionSinceBirthday(initial.birthMonth, initial.birthDay, today);
}

}  // namespace core
