// The start age taken from the birthday, counted with fixed month lengths.
#include <gtest/gtest.h>

#include "core/birthday.h"

namespace core {
namespace {

using platform::DateTime;

TEST(AgeFractionSinceBirthday, CountsDaysWithoutLeapDays) {
  // Birthday March 1, today June 15: 31 (Mar) + 30 (Apr) + 31 (May) + 14 = 106 days.
  EXPECT_FLOAT_EQ(AgeFractionSinceBirthday(3, 1, DateTime{2024, 6, 15}), 106.0f / 365.0f);
  // Birthday Dec 31, today Jan 1: one day after the birthday of last year.
  EXPECT_FLOAT_EQ(AgeFractionSinceBirthday(12, 31, DateTime{2025, 1, 1}), 1.0f / 365.0f);
  EXPECT_EQ(AgeFractionSinceBirthday(6, 15, DateTime{2025, 6, 15}), 0.0f);
}

TEST(AgeFractionSinceBirthday, IsCappedAt364Days) {
  // Feb 29 in a leap year counts as Mar 1 of the fixed calendar: birthday Feb 29 is day 60,
  // "today" Feb 28 is day 59, so 364 days have passed.
  EXPECT_FLOAT_EQ(AgeFractionSinceBirthday(2, 29, DateTime{2025, 2, 28}), 364.0f / 365.0f);
}

TEST(AgeFractionSinceBirthday, UnsetBirthDateGivesZero) {
  EXPECT_EQ(AgeFractionSinceBirthday(0, 0, DateTime{2025, 6, 15}), 0.0f);
  EXPECT_EQ(AgeFractionSinceBirthday(13, 1, DateTime{2025, 6, 15}), 0.0f);
}

TEST(ApplyBirthdayToStartAge, ReplacesTheFractionOnlyWhenAsked) {
  Scenario s = MakeNewScenario();
  s.initial.startAge = 45.9f;
  s.initial.birthMonth = 3;
  s.initial.birthDay = 1;
  ApplyBirthdayToStartAge(s, DateTime{2024, 6, 15});
  EXPECT_EQ(s.initial.startAge, 45.9f);
  s.initial.useBirthday = 1;
  ApplyBirthdayToStartAge(s, DateTime{2024, 6, 15});
  EXPECT_FLOAT_EQ(s.initial.startAge, 45.0f + 106.0f / 365.0f);
}

}  // namespace
}  // namespace core
