// The scenario description at the head of a results or print file: initial rates, then one
// heading per event in start-age order with its detail lines.
#include "engine/scenario_description.h"

#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Harness;

std::string Describe(const core::Scenario& scenario, float startAge = 30.0f) {
  std::string text;
  engine::WriteScenarioDescription(scenario, startAge, false, [&](std::string_view line, int) {
    text += line;
    text += '\n';
  });
  return text;
}

TEST(ScenarioDescription, DepositTransferAndWithdrawalTexts) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  const uint16_t ira = h.AddAccount("IRA", core::kRetirementSavings, 0.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Salary", 30.0f, 65.0f, 50000.0f);
  pay.accountId = cash;
  pay.taxDeposit = 1;
  pay.appliedRate = 3.0f;
  pay.applyInflation = 1;
  pay.inTodaysDollars = 1;
  core::FinancialEvent& move = h.AddEvent(core::kTransfer, "Rollover", 40.0f, 40.0f, 1234.5f);
  move.oneTimeOnly = 1;
  move.fromAccountId = ira;
  move.accountId = cash;
  core::FinancialEvent& take = h.AddEvent(core::kWithdrawal, "Rent", 30.0f, 50.0f, 12000.0f);
  take.accountId = cash;
  take.accountChosen = core::kAccountChosen;
  EXPECT_EQ(Describe(h.scenario),
            " 30.0 Initial Rates  Tax=15.000% Inflation=0.000%\n"
            " 30.0 Salary - Deposit $50,000.00/yr. before taxes to Cash until age 65.00.\n"
            "        This deposit amount will be calculated using age 30.0 Dollars.\n"
            "        This deposit will be adjusted each year by 3.000%\n"
            "        This deposit will be adjusted each year by the current inflation rate.\n"
            " 30.0 Rent - Withdraw $12,000.00/yr. until age 50.00.\n"
            "        The funds will be withdrawn from the Cash account.\n"
            " 40.0 Rollover - Transfer $1,234.50 from IRA to Cash.\n");
}

TEST(ScenarioDescription, RateChangesNameOnlyWhatChanges) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& first = h.AddEvent(core::kFundamentals, "Retire", 65.0f, 65.0f, 0.0f);
  first.newTaxRate = 20.0f;
  first.newInflationRate = 0.0f;
  first.rateAccountId = cash;
  first.newAccountRate = 4.0f;
  core::FinancialEvent& second = h.AddEvent(core::kFundamentals, "Later", 70.0f, 70.0f, 0.0f);
  second.newTaxRate = 20.0f;
  second.newInflationRate = 2.5f;
  second.rateAccountId = core::kNoAccountId;
  const std::string text = Describe(h.scenario);
  EXPECT_NE(text.find(" 65.0 Retire - Rate Change:  Tax=20.000%  Cash=4.000%\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find(" 70.0 Later - Rate Change:   Inf.=2.500%  \n"), std::string::npos);
}

TEST(ScenarioDescription, SameStartAgeListsByKind) {
  Harness h;
  h.AddEvent(core::kWithdrawal, "W", 30.0f, 31.0f, 1.0f);
  h.AddEvent(core::kDeposit, "D", 30.0f, 31.0f, 1.0f);
  h.AddEvent(core::kFundamentals, "F", 30.0f, 30.0f, 15.0f);
  const std::string text = Describe(h.scenario);
  EXPECT_LT(text.find(" F - Rate Change"), text.find(" D - Deposit"));
  EXPECT_LT(text.find(" D - Deposit"), text.find(" W - Withdraw"));
}

TEST(ScenarioDescription, StartsEveryResultsFileEvenInTheFirstRun) {
  Harness h;
  h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  const std::string text = h.RunText();
  EXPECT_EQ(text.substr(0, 51), " 30.0 Initial Rates  Tax=15.000% Inflation=0.000%\n-");
  // A print file holds the heading marker after two empty lines; a results file does not.
  EXPECT_EQ(text.find("??"), std::string::npos);
  const std::string print = h.RunText(engine::ScheduleMode::PrintFile);
  EXPECT_NE(print.find("Inflation=0.000%\n\n\n??\n---"), std::string::npos) << print;
}

TEST(EventListing, HeadingsRecordTheirLinesAndEveryLineNamesItsEvent) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pay", 40.0f, 50.0f, 100.0f);
  pay.accountId = cash;
  pay.applyInflation = 1;
  h.AddEvent(core::kWithdrawal, "Rent", 30.0f, 50.0f, 50.0f);
  // Without an allocation method the option writes no heading: it keeps the mark 1000, even
  // after an earlier listing gave it a line.
  h.AddEvent(core::kAssetAllocationOption, "Allocation", 35.0f, 35.0f, 0.0f).listRow = 4;
  h.scenario.trailer().aaMethod = 0;
  engine::EventListing listing;
  engine::WriteScenarioDescription(h.scenario, 30.0f, false, listing);
  // Line 0 the initial rates, 1 Rent (start 30), 2 Pay (start 40) with its detail line 3.
  ASSERT_EQ(listing.lines().size(), 4u);
  EXPECT_EQ(listing.lines()[1], " 30.0 Rent - Withdraw $50.00/yr. until age 50.00.");
  EXPECT_EQ(h.scenario.events[0].listRow, 2);
  EXPECT_EQ(h.scenario.events[1].listRow, 1);
  EXPECT_EQ(h.scenario.events[2].listRow, 1000);
  EXPECT_EQ(listing.EventAtLine(0), -1);
  EXPECT_EQ(listing.EventAtLine(1), 1);
  EXPECT_EQ(listing.EventAtLine(2), 0);
  EXPECT_EQ(listing.EventAtLine(3), 0);
  EXPECT_EQ(listing.EventAtLine(4), -1);
  EXPECT_EQ(listing.EventAtLine(-1), -1);
}

TEST(EventListing, SameTextAsTheFileAndAFreshListEachTime) {
  Harness h;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 0.0f, 0.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pay", 40.0f, 50.0f, 100.0f);
  pay.accountId = cash;
  pay.inTodaysDollars = 1;
  h.AddEvent(core::kFundamentals, "Rates", 45.0f, 45.0f, 0.0f).newTaxRate = 20.0f;
  engine::EventListing listing;
  engine::WriteScenarioDescription(h.scenario, 30.0f, true, listing);
  engine::WriteScenarioDescription(h.scenario, 30.0f, true, listing);
  std::string listed;
  for (const std::string& line : listing.lines()) listed += line + "\n";
  std::string file;
  engine::WriteScenarioDescription(h.scenario, 30.0f, true, [&](std::string_view line, int) {
    file += line;
    file += '\n';
  });
  EXPECT_EQ(listed, file);
  EXPECT_NE(listed.find("using age 30.0 Pounds.\n"), std::string::npos) << listed;
}

}  // namespace
