// A loan's schedule carried from year to year: each year continues from where the last one
// stopped, and its sums are, bit for bit, those of a replay from month 0, whatever the terms,
// extra payments, end of the schedule or order of the years asked for.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/debt_payments.h"

namespace {

using engine::AmortizedMonths;
using engine::AmortizeMonths;
using engine::AmortizeMonthsFrom;
using engine::MonthlyPayment;
using engine::SchedulePlace;
using engine::ScheduleTerms;

ScheduleTerms Terms(float principal, float yearlyRate, int years, float extra, int extraFrom) {
  const float rate = yearlyRate * 0.01f / 12.0f;
  return {principal, rate,     years * 12, MonthlyPayment(principal, rate, years * 12),
          extra,     extraFrom};
}

AmortizedMonths Replayed(const ScheduleTerms& t, int first, int last) {
  return AmortizeMonths(t.principal, t.monthlyRate, t.months, first, last, t.extra, t.extraFrom);
}

uint32_t Bits(float value) { return std::bit_cast<uint32_t>(value); }

void ExpectSameSums(const AmortizedMonths& carried, const AmortizedMonths& replayed,
                    const ScheduleTerms& t, int first) {
  EXPECT_EQ(Bits(carried.principal), Bits(replayed.principal))
      << "principal " << carried.principal << " vs " << replayed.principal << " from month "
      << first << " of " << t.principal << " over " << t.months << " months";
  EXPECT_EQ(Bits(carried.interest), Bits(replayed.interest)) << "interest from month " << first;
  EXPECT_EQ(carried.payments, replayed.payments) << "payments from month " << first;
}

// Every year of the schedule and some past its end, as the run asks for them.
void ExpectYearByYearAsReplayed(const ScheduleTerms& t) {
  SchedulePlace place;
  for (int first = 0; first <= t.months + 36; first += 12) {
    ExpectSameSums(AmortizeMonthsFrom(place, t, first, first + 11), Replayed(t, first, first + 11),
                   t, first);
  }
}

TEST(SchedulePlace, YearByYearAsAReplayFromMonthZero) {
  const std::vector<ScheduleTerms> cases = {
      Terms(416000.0f, 6.25f, 30, 0.0f, 0),     // a mortgage without extras
      Terms(24000.0f, 6.9f, 5, 0.0f, 0),        // a car loan
      Terms(336000.0f, 6.25f, 30, 250.0f, 48),  // extra from the plan's start, month 48
      Terms(240000.0f, 5.5f, 20, 400.0f, 0),    // extra from the start: ends years early
      Terms(1200.0f, 0.0f, 1, 500.0f, 0),       // no interest, over within the first year
      Terms(100000.0f, 18.0f, 7, 0.0f, 0),      // a high rate
      Terms(50000.0f, 4.0f, 0, 0.0f, 0),        // no term: one month
  };
  for (const ScheduleTerms& t : cases) ExpectYearByYearAsReplayed(t);
}

TEST(SchedulePlace, AnExtraPaymentThatStartsLaterIsTakenUp) {
  // Extra payments from the plan's start at month 36 are 0 in the years before it: the
  // balances so far had no extra, so the schedule continues; had the extra applied to months
  // already replayed, the schedule is replayed from month 0.
  const ScheduleTerms before = Terms(300000.0f, 5.0f, 30, 0.0f, 36);
  const ScheduleTerms after = Terms(300000.0f, 5.0f, 30, 200.0f, 36);
  SchedulePlace place;
  for (int first = 0; first < 36; first += 12) {
    ExpectSameSums(AmortizeMonthsFrom(place, before, first, first + 11),
                   Replayed(before, first, first + 11), before, first);
  }
  for (int first = 36; first < 120; first += 12) {
    ExpectSameSums(AmortizeMonthsFrom(place, after, first, first + 11),
                   Replayed(after, first, first + 11), after, first);
  }
  // An extra from month 6 that appears at month 24 changes months 6..23: replayed again.
  const ScheduleTerms early = Terms(300000.0f, 5.0f, 30, 0.0f, 6);
  const ScheduleTerms late = Terms(300000.0f, 5.0f, 30, 200.0f, 6);
  SchedulePlace other;
  AmortizeMonthsFrom(other, early, 0, 11);
  AmortizeMonthsFrom(other, early, 12, 23);
  ExpectSameSums(AmortizeMonthsFrom(other, late, 24, 35), Replayed(late, 24, 35), late, 24);
}

TEST(SchedulePlace, YearsOutOfOrderOrOtherTermsAreReplayed) {
  const ScheduleTerms t = Terms(200000.0f, 6.0f, 15, 0.0f, 0);
  SchedulePlace place;
  AmortizeMonthsFrom(place, t, 0, 59);
  // An earlier year than the place reached.
  ExpectSameSums(AmortizeMonthsFrom(place, t, 24, 35), Replayed(t, 24, 35), t, 24);
  // A year skipped (no payment in a sale year) is replayed on the way.
  ExpectSameSums(AmortizeMonthsFrom(place, t, 60, 71), Replayed(t, 60, 71), t, 60);
  ExpectSameSums(AmortizeMonthsFrom(place, t, 84, 95), Replayed(t, 84, 95), t, 84);
  // Another principal, rate or payment on the same place.
  for (const ScheduleTerms& changed :
       {Terms(150000.0f, 6.0f, 15, 0.0f, 0), Terms(200000.0f, 7.0f, 15, 0.0f, 0),
        Terms(200000.0f, 6.0f, 20, 0.0f, 0)}) {
    ExpectSameSums(AmortizeMonthsFrom(place, changed, 96, 107), Replayed(changed, 96, 107), changed,
                   96);
  }
  // Nothing before month 0, and the place is kept.
  EXPECT_EQ(AmortizeMonthsFrom(place, t, 0, -1).payments, 0);
}

TEST(SchedulePlace, TermsTheEditorNeverStores) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const ScheduleTerms& t :
       {Terms(-0.0f, 6.0f, 10, 0.0f, 0), Terms(1000.0f, -150.0f, 2, 0.0f, 0),
        Terms(1000.0f, nan, 2, 0.0f, 0), Terms(5000.0f, 6.0f, 5, -80.0f, 0)}) {
    ExpectYearByYearAsReplayed(t);
  }
}

}  // namespace
