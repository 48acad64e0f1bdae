// Cleaning the names and amounts of an account balance report, and telling account lines from
// headings, totals and liabilities.
#include <gtest/gtest.h>

#include "core/account_import.h"

namespace core {
namespace {

TEST(CleanValue, TurnsReportAmountsIntoPlainNumbers) {
  const struct {
    const char* raw;
    const char* clean;
  } cases[] = {
      {"(1,234.50)", "-1234.50"},  // accounting-style negative
      {"1,234.50", "1234.50"},
      {"  250.00", "250.00"},
      {" (12.50)", "-12.50"},    // the sign goes before the number, not before the blank
      {"1234.50\"", "1234.50"},  // the tail of a quoted comma-delimited value
      {"100 ", "100"},
      {"50%", "50"},
      {"(100", "100"},  // one parenthesis is no negative
      {"-75.25", "-75.25"},
      {"12.3abc", ""},  // letters: no amount at all
      {"abc", ""},
      {"$1,234", ""},  // a currency mark in front is not understood
      {"1 234", ""},
      {"", ""},
      {"%", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanValue(c.raw), c.clean) << "raw \"" << c.raw << '"';
}

TEST(CleanName, DropsQuotesBlanksAndTrailingMarks) {
  const struct {
    const char* raw;
    const char* clean;
  } cases[] = {
      {"\"Savings\"", "Savings"},
      {"  Checking:", "Checking"},
      {"\"Smith", "Smith"},
      {"Fund 2", "Fund 2"},
      {"Fund (A)", "Fund (A"},
      {"Caf\xe9", "Caf\xe9"},  // Latin-1 letters are letters
      {"\"", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanName(c.raw), c.clean) << "raw \"" << c.raw << '"';
}

TEST(SkippedLines, HeadingsTotalsAndLiabilitiesAreNoAccounts) {
  const struct {
    const char* line;
    bool skipped;
  } cases[] = {
      {"Savings\t100.00", false},
      {"Ab\t100", true},  // shorter than 7 characters
      {"Balanced Fund\t5,000.00", false},
      {"Balance\t100.00", true},
      {"Account Balances as of 12/31", true},
      {"Opening Balance", true},  // "Balance" at the end of the line
      {"Balanced Fund Balance\t1", true},
      {"Total Assets\t50,000.00", true},
      {"TOTAL\t\t50,000.00", true},
      {"LIABILITIES\t\t", true},
      {"Liabilities\t\t", true},
      {"Net Worth\t12,000.00", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSkippedLine(c.line), c.skipped) << c.line;
}

TEST(SkippedLines, IntermediateReadersLookForFewerWords) {
  EXPECT_FALSE(IsSkippedLine("Net Worth\t12.00", SkipWords::CreatingIntermediate));
  EXPECT_FALSE(IsSkippedLine("Totally\t12.00", SkipWords::CreatingIntermediate));
  EXPECT_TRUE(IsSkippedLine("TOTAL\t12.00", SkipWords::CreatingIntermediate));
  EXPECT_TRUE(IsSkippedLine("Balance\t12.00", SkipWords::CreatingIntermediate));
  EXPECT_FALSE(IsSkippedLine("Balanced\t12.00", SkipWords::CreatingIntermediate));

  EXPECT_TRUE(IsSkippedLine("Totally\t12.00", SkipWords::UpdatingIntermediate));
  EXPECT_FALSE(IsSkippedLine("Liabilities\t12.00", SkipWords::UpdatingIntermediate));
  EXPECT_TRUE(IsSkippedLine("Ab\t1.0", SkipWords::UpdatingIntermediate));
}

TEST(Delimiters, CommaForCsvFilesOnly) {
  EXPECT_EQ(DelimiterForPath("/home/a/accounts.CSV"), Delimiter::Comma);
  EXPECT_EQ(DelimiterForPath("accounts.csv"), Delimiter::Comma);
  EXPECT_EQ(DelimiterForPath("accounts.KXI"), Delimiter::Tab);
  EXPECT_EQ(DelimiterForPath("accounts.TXT"), Delimiter::Tab);
  EXPECT_EQ(DelimiterForPath("accounts"), Delimiter::Tab);
}

}  // namespace
}  // namespace core
