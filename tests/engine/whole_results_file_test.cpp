// A results file compared whole, byte for byte: no line missing, none too many, every blank
// and tab in place. The scenario is small enough to work every line out by hand.
#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace {

using engine_test::Dashes;
using engine_test::Harness;

// Cash of 1,000.00 at 10 % from 30 to 31, tax 15 %, no inflation, and a one-time deposit of
// 100.00 at 30.
void OneYearWithADeposit(Harness& h) {
  h.scenario.initial.endAge = 31.0f;
  const uint16_t cash = h.AddAccount("Cash", core::kInvestmentSavings, 1000.0f, 10.0f);
  core::FinancialEvent& pay = h.AddEvent(core::kDeposit, "Pay", 30.0f, 30.0f, 100.0f);
  pay.oneTimeOnly = 1;
  pay.accountId = cash;
}

// The seven money columns: each "%15s", right-aligned.
std::string Heading(const char* age, const std::string& cash, const std::string& netWorth) {
  const std::string zero = "          $0.00";
  return std::string(age) + " \t" + std::string(15 - cash.size(), ' ') + cash + "\t" + zero + "\t" +
         zero + "\t" + zero + "\t" + zero + "\t" + zero + "\t" +
         std::string(15 - netWorth.size(), ' ') + netWorth + "\n";
}

// Worked by hand. The description: the initial rates (" Tax=" and " Inflation=", "%6.3f"
// stripped, then "%"), the deposit's heading (one-time: " after taxes to Cash" and "."). Age
// 30: the heading with 1,000.00 in Cash; "%-7.3f" pads 0.000 and 15.000 to seven places; the
// deposit of 100.00; interest 10 % of 1,100.00 = 110.00, its tax 15 % = 16.50, paid from
// Cash. Closing row at 31: 1,000 + 100 + 110 - 16.50 = 1,193.50.
const std::string kDescription =
    " 30.0 Initial Rates  Tax=15.000% Inflation=0.000%\n"
    " 30.0 Pay - Deposit $100.00 after taxes to Cash.\n";
const std::string kYearHead = Dashes(184) + "\n" + Heading("30.0", "$1,000.00", "$1,000.00") +
                              Dashes(185) + "\n" + Dashes(185) + "\n" +
                              "Financial Events:\n"
                              "  Inflation Rate = 0.000  \n"
                              "  Tax Rate = 15.000 \n"
                              "  Pay - Deposit $100.00 to Cash\n"
                              "  Pay $16.50 Tax On Savings Interest\n";
const std::string kClosing = Dashes(175) + "\n" + Heading("31.0", "$1,193.50", "$1,193.50");

TEST(WholeResultsFile, OneYearWithADeposit) {
  Harness h;
  OneYearWithADeposit(h);
  EXPECT_EQ(h.RunText(), kDescription + kYearHead + kClosing);
}

TEST(WholeResultsFile, WithTheSummaryAndAccountBlocks) {
  Harness h;
  OneYearWithADeposit(h);
  h.ctx->options.showSummary = true;
  h.ctx->options.showAccounts = true;
  // Incoming 100.00 + 110.00; outgoing the 16.50 of tax on the interest; the account line
  // pads the money text to 20 places.
  const std::string blocks =
      "Summary:\n"
      "    Total Incoming=$210.00\n"
      "       Deposits=$100.00\n"
      "       Taxable Income=$110.00\n"
      "           Interest=$110.00\n"
      "    Total Outgoing=$16.50\n"
      "       Taxes on savings interest=$16.50\n"
      "End Of Year Account Summary:\n"
      "  Cash=$1,193.50           \n";
  EXPECT_EQ(h.RunText(), kDescription + kYearHead + blocks + kClosing);
}

}  // namespace
