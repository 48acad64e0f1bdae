// The start age taken from the birthday: the part of a year that has passed since the last
// birthday, counted without leap days.
#pragma once

#include "core/scenario.h"
#include "platform/clock.h"

namespace core {

// Days since the last birthday (at most 364) divided by 365; 0 for an unset birth date.
float AgeFractionSinceBirthday(int birthMonth, int birthDay, const platform::DateTime& today);

// When useBirthday is set: startAge = its whole years + the fraction since the birthday.
void ApplyBirthdayToStartAge(Scenario& scenario, const platform::DateTime& today);

}  // namespace core
