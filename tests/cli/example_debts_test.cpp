// The example scenarios that hold debts, run end to end by kxplan-cli: a car loan into an
// asset account (EXAMPLE1), a mortgage sold before its payoff age (EXAMPLE2) and two credit
// cards (EXAMPLE5).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::ExampleSource;
using cli_testing::RunIn;

// The schedule of example n as `kxplan-cli run` prints it.
std::string RunExample(int n) {
  testing_support::TempDir dir;
  const auto built = RunIn(dir.path(), {"build", ExampleSource(n), "-o", "EXAMPLE.RET"});
  EXPECT_EQ(built.exitCode, 0) << built.err;
  const auto run =
      RunIn(dir.path(), {"run", (dir.path() / "EXAMPLE.RET").string(), "--today", "2026-06-15"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return run.out;
}

// The money columns of the year heading of a whole age: investment, tax free, retirement,
// asset, equity, liabilities, net worth.
std::vector<std::string> Heading(const std::string& text, int age) {
  const std::string start = "\n" + std::to_string(age) + ".0 \t";
  const size_t at = text.find(start);
  if (at == std::string::npos) return {};
  const size_t end = text.find('\n', at + 1);
  std::istringstream line(text.substr(at + start.size(), end - at - start.size()));
  std::vector<std::string> columns;
  for (std::string column; std::getline(line, column, '\t');) {
    columns.push_back(column.substr(column.find_first_not_of(' ')));
  }
  return columns;
}

constexpr size_t kAsset = 3;
constexpr size_t kLiabilities = 5;

bool Has(const std::string& text, const std::string& lines) {
  return text.find("\n" + lines + "\n") != std::string::npos;
}

// 28,000 with 4,000 down: 24,000 at 6.9 % for 5 years, 474.10 a month (5,689.21 a year); the
// first year repays 4,163.24. The car loses 15 % a year from 26 and is sold at 33 for
// 28,000 x 0.85^7 = 8,976.16; the loan's term ended at 31, so nothing is left to pay off.
TEST(ExampleDebts, CarLoanIsRepaidAndTheCarSold) {
  const std::string text = RunExample(1);
  EXPECT_TRUE(Has(text,
                  "  Car loan - Transfer $28,000.00 to Car from loan\n"
                  "  Car loan - Withdraw $4,000.00 for down payment"))
      << text;
  EXPECT_NE(text.find("\n  Car loan - Withdraw $5,689.21 for monthly payments - "
                      "principal=$4,163.24 interest=$1,525.97\n"),
            std::string::npos);
  EXPECT_TRUE(Has(text,
                  "  Car loan - Sold asset for $8,976.16\n"
                  "      Deposited $8,976.16 to Checking"));
  EXPECT_EQ(text.find("Paid off loan"), std::string::npos);
  ASSERT_EQ(Heading(text, 27).size(), 7u);
  EXPECT_EQ(Heading(text, 27)[kLiabilities], "$19,836.76");  // 24,000 - 4,163.24
  EXPECT_EQ(Heading(text, 31)[kLiabilities], "$0.00");
  EXPECT_EQ(Heading(text, 33)[kAsset], "$8,976.16");
  EXPECT_EQ(Heading(text, 34)[kAsset], "$0.00");
}

// 520,000 with 104,000 down: 416,000 at 6.25 % for 30 years, 2,561.38 a month (30,736.52 a
// year). Taxes of 7,800 grow by 3 % a year (8,034.00 at 39). The house gains 3.5 % a year for
// 28 years, 520,000 x 1.035^28 = 1,362,489.50, and is sold at 66 with 6 % of expenses.
TEST(ExampleDebts, MortgageIsPaidAndTheHouseSold) {
  const std::string text = RunExample(2);
  EXPECT_TRUE(Has(text, "  Maple Street house - Withdraw $104,000.00 for down payment")) << text;
  EXPECT_TRUE(Has(text, "  Maple Street house - Withdraw $9,500.00 for closing costs"));
  EXPECT_TRUE(Has(text,
                  "  Maple Street house - Withdraw $30,736.52 for monthly payments - "
                  "principal=$4,874.59 interest=$25,861.94"));
  EXPECT_TRUE(Has(text, "  Withdraw $7,800.00 for property taxes"));
  EXPECT_TRUE(Has(text, "  Withdraw $8,034.00 for property taxes"));
  EXPECT_TRUE(Has(text,
                  "  Maple Street house - Sold property for $1,362,489.50\n"
                  "     Selling expenses = $81,749.37\n"
                  "      Deposited $1,280,740.12 to Joint Checking\n"
                  "   Paid off mortgage with $57,651.44"));
  // Taxes from 38 to 65, none in the year of the sale or after it.
  size_t taxes = 0;
  for (size_t at = text.find("for property taxes"); at != std::string::npos;
       at = text.find("for property taxes", at + 1)) {
    ++taxes;
  }
  EXPECT_EQ(taxes, 28u);
  ASSERT_EQ(Heading(text, 66).size(), 7u);
  // Still owed before the sale: the unpaid principal, booked as an asset as well.
  EXPECT_EQ(Heading(text, 66)[kLiabilities], "$57,651.44");
  EXPECT_EQ(Heading(text, 66)[kAsset], "$57,651.44");
  EXPECT_EQ(Heading(text, 67)[kLiabilities], "$0.00");
  EXPECT_EQ(Heading(text, 67)[kAsset], "$0.00");
}

// 8,400 and 2,100 are owed at 32. The store card (150 a month at 27.5 %) is cleared in its
// second year; the Visa card (350 a month, 120 of purchases, 22.9 %) in its sixth.
TEST(ExampleDebts, CreditCardsArePaidDown) {
  const std::string text = RunExample(5);
  EXPECT_TRUE(Has(text, "  Visa Rewards - Withdraw $4,200.00 to pay off credit card.")) << text;
  EXPECT_TRUE(Has(text, "  Store Card - Withdraw $1,800.00 to pay off credit card."));
  EXPECT_TRUE(Has(text, "  Store Card - Withdraw $743.11 to pay off credit card."));
  EXPECT_TRUE(Has(text, "  Visa Rewards - Withdraw $1,030.67 to pay off credit card."));
  ASSERT_EQ(Heading(text, 32).size(), 7u);
  EXPECT_EQ(Heading(text, 32)[kLiabilities], "$10,500.00");
  EXPECT_EQ(Heading(text, 37)[kLiabilities], "$773.85");
  EXPECT_EQ(Heading(text, 38)[kLiabilities], "$0.00");
}

}  // namespace
