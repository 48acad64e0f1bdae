// Converting tab- and comma-delimited balance reports into the intermediate "name\tvalue"
// files, including lines longer than the reader keeps and files that cannot be opened.
#include <gtest/gtest.h>

#include "core/account_import.h"
#include "platform/scripted.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

class Conversion : public ::testing::Test {
 protected:
  std::string ConvertTab(std::string_view source) {
    EXPECT_TRUE(ConvertTabFile(dir_.Write("in.KXI", source), dir_.path(), prompter_));
    EXPECT_TRUE(prompter_.shown().empty());
    return dir_.Read("tabout.tmp");
  }
  std::string ConvertCsv(std::string_view source) {
    EXPECT_TRUE(ConvertCsvFile(dir_.Write("in.CSV", source), dir_.path(), prompter_));
    EXPECT_TRUE(prompter_.shown().empty());
    return dir_.Read("csvout.tmp");
  }

  testing_support::TempDir dir_;
  platform::ScriptedPrompter prompter_;
};

TEST_F(Conversion, TabReportKeepsOneLinePerAccount) {
  const std::string report =
      "Account Balances\r\n"
      "\r\n"
      "ASSETS\r\n"
      "Savings\t(1,234.50)\r\n"
      "Balanced Fund\t5,000.00\r\n"
      "Total Assets\t3,765.50\r\n"
      "LIABILITIES\r\n"
      "Net Worth\t3,765.50\r\n";
  EXPECT_EQ(ConvertTab(report), "Savings\t-1234.50\nBalanced Fund\t5000.00\n");
}

TEST_F(Conversion, TabValueIsTheLastFieldOrTheLastQuotedText) {
  EXPECT_EQ(ConvertTab("Brokerage\tSmith\t\t2,500.00\n"), "Brokerage\t2500.00\n");
  EXPECT_EQ(ConvertTab("Brokerage\tSmith\t\"2,500.00\"\n"), "Brokerage\t2500.00\n");
  // A quote with no partner gives no value.
  EXPECT_EQ(ConvertTab("Brokerage\t2500\"\n"), "");
}

TEST_F(Conversion, TabLinesWithoutAccountAreLeftOut) {
  EXPECT_EQ(ConvertTab("A\t1,000.00\n"), "") << "a one-letter name";
  EXPECT_EQ(ConvertTab("Savings\t12.3abc\n"), "") << "no amount";
  EXPECT_EQ(ConvertTab("Savings\t$\n"), "") << "a value shorter than 2 characters";
  EXPECT_EQ(ConvertTab("Savings 1,000.00\n"), "") << "no tab at all";
}

TEST_F(Conversion, LongNamesAreCutTo28Characters) {
  const std::string name29 = "Retirement Account Of Spouse1";  // 29 characters
  ASSERT_EQ(name29.size(), 29u);
  EXPECT_EQ(ConvertTab(name29 + "\t10.00\n"), name29.substr(0, 28) + "\t10.00\n");
  const std::string name28 = name29.substr(0, 28);
  EXPECT_EQ(ConvertTab(name28 + "\t10.00\n"), name28 + "\t10.00\n");
}

TEST_F(Conversion, CommaReportNameBeforeTheFirstComma) {
  EXPECT_EQ(ConvertCsv("Checking,Bank One,100.50\n"), "Checking\t100.50\n");
  EXPECT_EQ(ConvertCsv("Joint Savings,\"2,500.00\"\n"), "Joint Savings\t2500.00\n");
  // A quoted name holding a comma is cut at that comma; the quote is cleaned later.
  EXPECT_EQ(ConvertCsv("\"Smith, John\",\"(1,000.00)\"\n"), "\"Smith\t-1000.00\n");
  EXPECT_EQ(ConvertCsv("Total Assets,\"2,500.00\"\n"), "");
}

TEST_F(Conversion, CommaQuotedValueRunsToTheEndOfTheLine) {
  // Text after the closing quote stays in the value and spoils it.
  EXPECT_EQ(ConvertCsv("Savings,\"1,234.50\" x\n"), "");
  // After a trailing comma the value is the empty last field.
  EXPECT_EQ(ConvertCsv("\"Savings\",\"1,234.50\",\n"), "");
}

TEST_F(Conversion, LinesAreCutAt120CharactersAndTheirRestDropped) {
  const std::string padding(115, 'x');
  // The account of the first line ends beyond character 120; its tail looks like an account
  // line of its own but belongs to the long line.
  const std::string longLine = "Brokerage\t" + padding + "\tTail Account\t55.00\n";
  const std::string kept = "Checking\t20.00\n";
  EXPECT_EQ(ConvertTab(longLine + kept), kept);

  // The value inside the first 120 characters is still found.
  const std::string name(100, 'N');
  const std::string line = name + "\t1,000.00\t" + std::string(200, 'y') + "\n";
  // 100 + 1 + 8 + 1 = 110 characters, then ten of the 'y's: the last field is "yyyyyyyyyy".
  EXPECT_EQ(ConvertTab(line), "");
  const std::string fits = name + "\t" + std::string(10, ' ') + "1,000.00" + std::string(300, ' ');
  EXPECT_EQ(ConvertTab(fits + "\n"), name.substr(0, 28) + "\t1000.00\n");
}

TEST_F(Conversion, LineTextEndsAtCarriageReturnOrNul) {
  EXPECT_EQ(ConvertTab("Savings\t10.00\rjunk\t99.00\n"), "Savings\t10.00\n");
  EXPECT_EQ(ConvertTab(std::string("Savings\t10.00\0\t99.00\n", 21)), "Savings\t10.00\n");
  EXPECT_EQ(ConvertTab("Savings\t10.00"), "Savings\t10.00\n") << "a last line without line end";
}

TEST_F(Conversion, MissingSourceIsReported) {
  const std::filesystem::path missing = dir_ / "missing.KXI";
  EXPECT_FALSE(ConvertTabFile(missing, dir_.path(), prompter_));
  EXPECT_EQ(prompter_.Lines(),
            std::vector<std::string>{"File Open Error: Cannot open " + missing.string() + "."});
}

TEST_F(Conversion, UnwritableIntermediateFileIsReported) {
  const std::filesystem::path source = dir_.Write("in.CSV", "Checking,100.50\n");
  EXPECT_FALSE(ConvertTabFile(source, dir_ / "no-such-folder", prompter_));
  EXPECT_FALSE(ConvertCsvFile(source, dir_ / "no-such-folder", prompter_));
  EXPECT_EQ(prompter_.Lines(),
            (std::vector<std::string>{"File Open Error: Cannot open tabout.tmp",
                                      "File Open Error: Cannot open csvout.tmp"}));
}

}  // namespace
}  // namespace core
