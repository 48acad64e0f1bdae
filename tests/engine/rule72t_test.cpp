// Rule 72T payments: the three methods over the three tables of the shipped life tables,
// worked by hand, and the payments when the tables are missing, short or the ages odd.
#include "engine/rule72t.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/scripted.h"
#include "tests/support/temp_dir.h"

namespace engine {
namespace {

constexpr float kCent = 0.005f;

// The shipped tables, read from the source tree; no fallback folder, so a test never finds a
// table it did not mean to.
LifeTableFolders ShippedTables() { return {KX_SOURCE_DATA_DIR, {}}; }

// A "mort.dat" of `lines` lines: q(x) = 0 except q(113) = q(114) = 0.5 and q(115) = 1, every
// single-life entry 20.0 and every uniform entry 40.0.
std::string SmallMortalityFile(int lines = kMortalityFileLines) {
  std::string text;
  for (int line = 0; line < lines; ++line) {
    if (line < kMortalityAges) {
      text += line == 113 || line == 114 ? "0.5\n" : line == 115 ? "1.0\n" : "0\n";
    } else {
      text += line < kMortalityAges + kSingleLifeAges ? "20.0\n" : "40.0\n";
    }
  }
  return text;
}

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

TEST(Rule72tPayment, EachMethodOverEachShippedTable) {
  platform::ScriptedPrompter prompter;
  // Single life, 5 %, Es(50) = 34.2: 400,000 × 0.05 / (1 - 1.05^-34.2); 1.05^34.2 = 5.30476,
  // 20,000 / 0.811490 = 24,645.91.
  EXPECT_NEAR(Pay(prompter, ShippedTables(), 50, 45, 400000, 5, kSingleLife, kAmortizationMethod)
                  .payment,
              24645.91f, kCent);
  // Uniform life, Eu(50) = 46.5: minimum 250,000 / 46.5 = 5,376.34; amortization at 2.98 %:
  // 400,000 × 0.0298 / (1 - 1.0298^-46.5) = 11,920 / 0.744742 = 16,005.69.
  EXPECT_NEAR(Pay(prompter, ShippedTables(), 50, 20, 250000, 5, kUniformLife, kMinimumMethod)
                  .payment,
              5376.34f, kCent);
  EXPECT_NEAR(Pay(prompter, ShippedTables(), 50, 20, 400000, 2.98f, kUniformLife,
                  kAmortizationMethod)
                  .payment,
              16005.69f, kCent);
  // Joint life, J(55, 50) = 38.3: minimum 300,000 / 38.3 = 7,832.90.
  EXPECT_NEAR(Pay(prompter, ShippedTables(), 50, 55, 300000, 5, kJointLife, kMinimumMethod)
                  .payment,
              7832.90f, kCent);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST(Rule72tPayment, JointLifeTakesTheTwoAgesInEitherOrder) {
  platform::ScriptedPrompter prompter;
  const Rule72tPayments ownerYounger =
      Pay(prompter, ShippedTables(), 50, 55, 300000, 4, kJointLife, kMinimumMethod);
  const Rule72tPayments ownerOlder =
      Pay(prompter, ShippedTables(), 55, 50, 300000, 4, kJointLife, kMinimumMethod);
  EXPECT_FLOAT_EQ(ownerYounger.minimum, ownerOlder.minimum);
  EXPECT_FLOAT_EQ(ownerYounger.amortization, ownerOlder.amortization);
  // The annuity follows the owner's own age, so it differs.
  EXPECT_NE(ownerYounger.annuity, ownerOlder.annuity);
}

TEST(Rule72tPayment, AnnuityFactorFollowsTheMortalityRates) {
  testing_support::TempDir dir;
  dir.Write("mort.dat", SmallMortalityFile());
  platform::ScriptedPrompter prompter;
  // Owner 113 at 10 %: F = 1 + (1/1.1)(1 - q(113)) + (1/1.21)(1 - q(113))(1 - q(114))
  // = 1 + 0.454545 + 0.206612 = 1.661157; 1,000 / 1.661157 = 601.99.
  const Rule72tPayments payments =
      Pay(prompter, {dir.path(), {}}, 113, 0, 1000, 10, kSingleLife, kAnnuityMethod);
  EXPECT_TRUE(payments.hasAnnuity);
  EXPECT_NEAR(payments.payment, 601.99f, kCent);
  // The other two from Es = 20: 1,000 / 20 = 50.
  EXPECT_NEAR(payments.minimum, 50.0f, kCent);
  // At 115 and beyond only this year's payment is left: F = 1.
  EXPECT_NEAR(Pay(prompter, {dir.path(), {}}, 118, 0, 1000, 10, kSingleLife, kAnnuityMethod)
                  .payment,
              1000.0f, kCent);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST(Rule72tPayment, AgesBeyondTheTablesAreHeldToTheirEnds) {
  platform::ScriptedPrompter prompter;
  // Single life ends at 111 with 1.0: the whole balance.
  EXPECT_NEAR(Pay(prompter, ShippedTables(), 119, 0, 5000, 5, kSingleLife, kMinimumMethod).payment,
              5000.0f, kCent);
  // Uniform life starts at 10 with 86.2: 86,200 / 86.2 = 1,000.
  EXPECT_NEAR(Pay(prompter, ShippedTables(), 4, 0, 86200, 5, kUniformLife, kMinimumMethod).payment,
              1000.0f, kCent);
  // The joint table ends at (115, 115) with 1.0.
  EXPECT_NEAR(Pay(prompter, ShippedTables(), 130, 140, 5000, 5, kJointLife, kMinimumMethod)
                  .payment,
              5000.0f, kCent);
  // Ages that are no numbers, or negative, read the first or last entries and nothing else.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(std::isfinite(
      Pay(prompter, ShippedTables(), nan, nan, 5000, 5, kJointLife, kAnnuityMethod).payment));
  EXPECT_TRUE(std::isfinite(
      Pay(prompter, ShippedTables(), -40, -3, 5000, 5, kUniformLife, kAnnuityMethod).payment));
  EXPECT_TRUE(prompter.shown().empty());
}

TEST(Rule72tPayment, UnknownTableOrMethodPaysNothing) {
  platform::ScriptedPrompter prompter;
  EXPECT_EQ(Pay(prompter, ShippedTables(), 50, 45, 1000, 5, 3, kMinimumMethod).payment, 0.0f);
  EXPECT_EQ(Pay(prompter, ShippedTables(), 50, 45, 1000, 5, kSingleLife, 7).payment, 0.0f);
  EXPECT_EQ(Pay(prompter, ShippedTables(), 50, 45, 1000, 5, -1, kAnnuityMethod).payment, 0.0f);
}

TEST(Rule72tPayment, MissingOrShortTablesAreReportedAndPayNothing) {
  testing_support::TempDir dir;
  platform::ScriptedPrompter prompter;
  const LifeTableFolders folders{dir.path(), {}};

  Rule72tPayments payments = Pay(prompter, folders, 50, 45, 1000, 5, kSingleLife, kMinimumMethod);
  EXPECT_EQ(payments.payment, 0.0f);
  EXPECT_FALSE(payments.hasAnnuity);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].caption, "Life Table Error");
  EXPECT_NE(prompter.shown()[0].text.find("mort.dat cannot be read."), std::string::npos);

  prompter.Clear();
  dir.Write("mort.dat", SmallMortalityFile(kMortalityFileLines - 1));
  payments = Pay(prompter, folders, 50, 45, 1000, 5, kSingleLife, kMinimumMethod);
  EXPECT_EQ(payments.payment, 0.0f);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_NE(prompter.shown()[0].text.find("holds 333 of its 334 lines."), std::string::npos);

  // A whole mort.dat and no joint table: the single table needs none, the joint table does.
  prompter.Clear();
  dir.Write("mort.dat", SmallMortalityFile());
  EXPECT_NEAR(Pay(prompter, folders, 50, 45, 1000, 5, kSingleLife, kMinimumMethod).payment, 50.0f,
              kCent);
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(Pay(prompter, folders, 50, 45, 1000, 5, kJointLife, kMinimumMethod).payment, 0.0f);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_NE(prompter.shown()[0].text.find("jointtab.dat cannot be read."), std::string::npos);

  // A joint table that stops after row 1 (lines (0,0), (1,0), (1,1)): 890 / J(1,0) = 890 / 89 = 10.
  prompter.Clear();
  dir.Write("jointtab.dat", "90.0\n89.0\n88.0\n");
  EXPECT_NEAR(Pay(prompter, folders, 1, 0, 890, 5, kJointLife, kMinimumMethod).payment, 10.0f,
              kCent);
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(Pay(prompter, folders, 2, 0, 890, 5, kJointLife, kMinimumMethod).payment, 0.0f);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_NE(prompter.shown()[0].text.find("holds no entry for the ages 2 and 0."),
            std::string::npos);
}

TEST(Rule72tPayment, TablesOfTheWorkingFolderComeBeforeTheSuiteData) {
  testing_support::TempDir work;
  work.Write("mort.dat", SmallMortalityFile());
  platform::ScriptedPrompter prompter;
  // Es = 20 in the working folder's copy, 34.2 in the suite's.
  EXPECT_NEAR(Pay(prompter, {work.path(), KX_SOURCE_DATA_DIR}, 50, 45, 1000, 5, kSingleLife,
                  kMinimumMethod)
                  .payment,
              50.0f, kCent);
  testing_support::TempDir empty;
  EXPECT_NEAR(Pay(prompter, {empty.path(), KX_SOURCE_DATA_DIR}, 50, 45, 342, 5, kSingleLife,
                  kMinimumMethod)
                  .payment,
              10.0f, kCent);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST(Rule72tPayment, LinesWithoutNumbersOrOverlongReadSafely) {
  // Every line garbage or 5,000 characters long: values of 0 (no payment), never a crash.
  testing_support::TempDir dir;
  std::string text;
  for (int line = 0; line < kMortalityFileLines; ++line) {
    text += line % 2 == 0 ? std::string(5000, '9') + "\n" : "abc\r\n";
  }
  dir.Write("mort.dat", text);
  dir.Write("jointtab.dat", std::string(100, '\n'));
  platform::ScriptedPrompter prompter;
  const Rule72tPayments payments =
      Pay(prompter, {dir.path(), {}}, 5, 0, 1000, 5, kJointLife, kMinimumMethod);
  EXPECT_TRUE(std::isfinite(payments.annuity));
  EXPECT_EQ(payments.payment, 0.0f);
}

}  // namespace
}  // namespace engine
