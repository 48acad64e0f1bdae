// Rule 72T payments: the three methods over the three tables of the shipped life tables,
// worked by hand, and the payments when the tables are missing, short or the ages odd.
#include "engine/rule72t.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/scripted.h"
#include "tests/support/temp_dir.h"

namespace engine {
namespace {

constexpr float kCent = 0.005f;

// The shipped tables, read from the source tree; no fallback folder, so a test never finds a
// table it did not mean to.
LifeTableFolders ShippedTables() { return {KX_SOURCE_DATA_DIR, {}}; }

Rule72tPayments Pay(platform::Prompter& prompter, const LifeTableFolders& folders, float owner,
                    float beneficiary, float balance, float rate, int table, int method) {
  return Rule72tPayment(prompter, folders,
                        Rule72tRequest{owner, beneficiary, balance, rate, table, method});
}

TEST(AmortizedPayment, FollowsTheAnnuityFormula) {
  // 100,000 × 0.05 / (1 - 1.05^-30): 1.05^30 = 4.3219424, 1/that = 0.2313774,
  // 5,000 / 0.7686226 = 6,505.14.
  EXPECT_NEAR(AmortizedPayment(100000.0f, 0.05f, 30.0f), 6505.14f, kCent);
  // One year: the whole balance with a year's interest, 1,000 × 1.1 = 1,100.
  EXPECT_NEAR(AmortizedPayment(1000.0f, 0.10f, 1.0f), 1100.0f, kCent);
}

TEST(AmortizedPayment, RateZeroSpreadsTheBalanceEvenly) {
  EXPECT_NEAR(AmortizedPayment(100000.0f, 0.0f, 25.0f), 4000.0f, kCent);
  // A rate too small to show after 1 + i in single precision behaves as rate 0.
  EXPECT_NEAR(AmortizedPayment(100000.0f, 1e-9f, 25.0f), 4000.0f, kCent);
}

TEST(AmortizedPayment, NoPaymentWithoutYearsOrWithTheWholeRateLost) {
  EXPECT_EQ(AmortizedPayment(100000.0f, 0.05f, 0.0f), 0.0f);
  EXPECT_EQ(AmortizedPayment(100000.0f, 0.05f, -3.0f), 0.0f);
  EXPECT_EQ(AmortizedPayment(100000.0f, -1.0f, 10.0f), 0.0f);
  EXPECT_EQ(AmortizedPayment(100000.0f, -2.5f, 10.0f), 0.0f);
}

TEST(Rule72tPayment, SingleLifeAtFiftyFromTheShippedTable) {
  platform::ScriptedPrompter prompter;
  // Es(50) = 34.2. Minimum: 400,000 / 34.2 = 11,695.91.
  // Annuity at 2.98 %: the factor from the shipped rates is 21.345, 400,000 / 21.345 = 18,739.75
  // (the regulator's own example rounds it to 18,740).
  const Rule72tPayments minimum =
      Pay(prompter, ShippedTables(), 50.0f, 45.0f, 400000.0f, 2.98f, kSingleLife, kMinimumMethod);
  EXPECT_TRUE(minimum.hasMinimum);
  EXPECT_NEAR(minimum.minimum, 11695.91f, kCent);
  EXPECT_NEAR(minimum.payment, 11695.91f, kCent);
  EXPECT_TRUE(minimum.hasAnnuity);
  EXPECT_NEAR(minimum.annuity, 400000.0f / 21.345f, 1.0f);
  EXPECT_TRUE(prompter.shown().empty());
}

}  // namespace
}  // namespace engine
