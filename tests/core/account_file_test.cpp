// Account files: the five blocks written byte for byte and read back, the overwrite question,
// and files of earlier releases or damaged ones that end early or hold impossible counts.
// Fields of the packed records are compared as copies, "+field": GoogleTest takes references,
// which a misaligned field cannot give.
#include "core/account_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/scripted.h"
#include "tests/core/test_scenarios.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using platform::Answer;
using testing::AddAccount;

// Block offsets of an account file: account table, slot data, dividends, two reserved areas.
constexpr size_t kSlotsAt = 4124;
constexpr size_t kDividendsAt = kSlotsAt + 1938;
constexpr size_t kReserved1At = kDividendsAt + 1100;
constexpr size_t kReserved2At = kReserved1At + 786;

template <typename Block>
std::string BytesOf(const Block& block) {
  return std::string(reinterpret_cast<const char*>(&block), sizeof block);
}

// Three accounts with settings in every block, so that a block read from the wrong place or
// not at all shows.
Scenario AccountsScenario() {
  Scenario s = MakeNewScenario();
  AddAccount(s, "Brokerage", kInvestmentSavings, 12000.0f, 7.5f, "2");
  AddAccount(s, "IRA", kRetirementSavings, 55000.0f, 6.0f, "1");
  AddAccount(s, "House", kAsset, 250000.0f, 3.0f, "9");
  s.account(1).penaltyApplies = 1;
  s.account(2).groupIndex = 4;
  s.trailer().aaMethod = 2;
  s.trailer().rmdMethod = 1;
  s.slots.penaltyAge[1] = 55.0f;
  s.slots.rmdTable[1] = 20;
  s.slots.aaMember[0] = 1;
  s.slots.stdDeviation[0] = 12.5f;
  s.slots.rmdTable2Values[3] = 24.7f;
  CopyText(s.slots.rmdTable2Description, "Spouse IRA");
  s.dividends.dividendRate[0] = 2.25f;
  s.dividends.dividendAccountId[0] = s.account(1).accountId;
  s.reserved1[100] = 0x5A;
  s.reserved2[5059] = 0xA5;
  return s;
}

class AccountFile : public ::testing::Test {
 protected:
  std::filesystem::path PathOf(std::string_view name) const { return dir_ / name; }

  testing_support::TempDir dir_;
  platform::ScriptedPrompter prompter_;
};

TEST_F(AccountFile, HoldsTheFiveBlocksInOrder) {
  const Scenario s = AccountsScenario();
  const std::string bytes = AccountFileBytes(s);
  ASSERT_EQ(bytes.size(), 13008u);  // 4124 + 1938 + 1100 + 786 + 5060
  EXPECT_EQ(bytes.substr(0, kSlotsAt), BytesOf(s.accountTable));
  EXPECT_EQ(bytes.substr(kSlotsAt, 1938), BytesOf(s.slots));
  EXPECT_EQ(bytes.substr(kDividendsAt, 1100), BytesOf(s.dividends));
  EXPECT_EQ(bytes.substr(kReserved1At, 786), BytesOf(s.reserved1));
  EXPECT_EQ(bytes.substr(kReserved2At), BytesOf(s.reserved2));
}

TEST_F(AccountFile, RoundTripGivesTheSameBlocksAndLeavesEventsAlone) {
  const Scenario written = AccountsScenario();
  ASSERT_TRUE(WriteAccountFile(written, PathOf("family.ACC"), prompter_));
  EXPECT_EQ(dir_.Read("family.ACC"), AccountFileBytes(written));

  Document document;
  FinancialEvent& deposit = testing::AddEvent(document.scenario, kDeposit, "Salary", 40.0f);
  deposit.accountId = 4711;  // an identifier no account of the file has
  ASSERT_TRUE(ReadAccountFile(document, PathOf("family.ACC"), prompter_));

  EXPECT_TRUE(prompter_.shown().empty());
  EXPECT_EQ(AccountFileBytes(document.scenario), AccountFileBytes(written));
  EXPECT_EQ(document.scenario.eventCount(), 1);
  EXPECT_EQ(+document.scenario.events[0].accountId, 4711);
  EXPECT_TRUE(document.modified);
  EXPECT_TRUE(document.outOfDate);
}

TEST_F(AccountFile, OverwriteAnsweredNoWritesNothingAndShowsNoError) {
  dir_.Write("old.ACC", "previous accounts");
  prompter_.SetNextAnswer(Answer::No);
  EXPECT_FALSE(WriteAccountFile(AccountsScenario(), PathOf("old.ACC"), prompter_));

  EXPECT_EQ(dir_.Read("old.ACC"), "previous accounts");
  ASSERT_EQ(prompter_.shown().size(), 1u);
  EXPECT_TRUE(prompter_.shown()[0].question);
  EXPECT_EQ(prompter_.shown()[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(prompter_.Lines()[0],
            "FILE WARNING: " + PathOf("old.ACC").string() + " exists - Overwrite anyway?");
}

TEST_F(AccountFile, OverwriteAnsweredYesReplacesTheFile) {
  dir_.Write("old.ACC", "previous accounts");
  prompter_.SetNextAnswer(Answer::Yes);
  const Scenario s = AccountsScenario();
  EXPECT_TRUE(WriteAccountFile(s, PathOf("old.ACC"), prompter_));
  EXPECT_EQ(dir_.Read("old.ACC"), AccountFileBytes(s));
}

TEST_F(AccountFile, FailedWriteKeepsTheOldFileAndSaysSo) {
  dir_.Write("old.ACC", "previous accounts");
  prompter_.SetNextAnswer(Answer::Yes);
  const WriteFault diskFull{1000};
  EXPECT_FALSE(WriteAccountFile(AccountsScenario(), PathOf("old.ACC"), prompter_, &diskFull));

  EXPECT_EQ(dir_.Read("old.ACC"), "previous accounts");
  ASSERT_EQ(prompter_.Lines().size(), 2u);
  EXPECT_EQ(prompter_.Lines()[1],
            "Write Error: Cannot write " + PathOf("old.ACC").string() + " accounts file!");
}

TEST_F(AccountFile, UnreadableFileLeavesTheScenarioAsItWas) {
  Document document;
  document.scenario = AccountsScenario();
  document.modified = false;
  const std::string before = AccountFileBytes(document.scenario);

  EXPECT_FALSE(ReadAccountFile(document, PathOf("missing.ACC"), prompter_));
  EXPECT_EQ(prompter_.Lines(),
            std::vector<std::string>{"Read Error: Cannot read " + PathOf("missing.ACC").string() +
                                     " accounts file!"});
  EXPECT_EQ(AccountFileBytes(document.scenario), before);
  EXPECT_FALSE(document.modified);
}

// A file cut after `length` bytes, read into a document that already holds other accounts and
// settings, so that defaults cannot be mistaken for leftovers.
class ShortAccountFile : public AccountFile {
 protected:
  const Scenario& ReadCutAt(size_t length) {
    document_.scenario = AccountsScenario();
    document_.scenario.slots.rmdTable[2] = 30;
    document_.scenario.dividends.dividendRate[2] = 9.0f;
    document_.scenario.reserved1.fill(7);
    document_.scenario.reserved2.fill(7);
    dir_.Write("short.ACC", image_.substr(0, length));
    EXPECT_TRUE(ReadAccountFile(document_, PathOf("short.ACC"), prompter_));
    EXPECT_TRUE(prompter_.shown().empty());
    return document_.scenario;
  }

  // Two accounts of its own, with slot settings and dividends of its own.
  static Scenario FileScenario() {
    Scenario s = MakeNewScenario();
    AddAccount(s, "Savings", kInvestmentSavings, 900.0f, 2.0f);
    AddAccount(s, "Roth", kTaxFreeSavings, 4000.0f, 8.0f);
    s.slots.penaltyAge[1] = 62.0f;
    s.slots.aaMember[1] = 1;
    s.dividends.dividendRate[1] = 1.5f;
    s.reserved1[0] = 3;
    return s;
  }

  static void ExpectSlotDefaults(const Scenario& s) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      EXPECT_EQ(+s.account(slot).slot, slot);
      EXPECT_EQ(+s.slots.penaltyAge[slot], 59.0f);
      EXPECT_EQ(+s.slots.penaltyRate[slot], 10.0f);
      EXPECT_EQ(+s.slots.aaMember[slot], 0);
      EXPECT_EQ(+s.slots.rmdTable[slot], 0)
          << "an RMD assignment of another account, slot " << slot;
    }
  }

  static void ExpectDividendDefaults(const Scenario& s) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      EXPECT_EQ(+s.dividends.dividendRate[slot], 0.0f);
      EXPECT_EQ(+s.dividends.dividendTaxablePercent[slot], 100.0f);
      EXPECT_EQ(+s.dividends.dividendAccountId[slot], kNoAccountId);
    }
  }

  static void ExpectReservedZero(const Scenario& s) {
    for (uint8_t byte : s.reserved1) ASSERT_EQ(byte, 0);
    for (uint8_t byte : s.reserved2) ASSERT_EQ(byte, 0);
  }

  Document document_;
  std::string image_ = AccountFileBytes(FileScenario());
};

TEST_F(ShortAccountFile, AccountTableOnlyGetsEveryDefault) {
  const Scenario& s = ReadCutAt(kSlotsAt);
  ASSERT_EQ(s.accountCount(), 2);
  EXPECT_EQ(TextOf(s.account(1).name), "Roth");
  ExpectSlotDefaults(s);
  ExpectDividendDefaults(s);
  ExpectReservedZero(s);
  EXPECT_EQ(TextOf(s.slots.rmdTable2Description), "Spouse IRA") << "the RMD tables stay";
}

TEST_F(ShortAccountFile, SlotBlockCutInsideIsNotTakenInPart) {
  // 700 bytes of the slot block: its penalty ages arrived, the rest did not.
  const Scenario& s = ReadCutAt(kSlotsAt + 700);
  ExpectSlotDefaults(s);
  ExpectDividendDefaults(s);
}

TEST_F(ShortAccountFile, DividendBlockCutGetsDividendDefaults) {
  const Scenario& s = ReadCutAt(kDividendsAt + 10);
  EXPECT_EQ(+s.slots.penaltyAge[1], 62.0f);
  EXPECT_EQ(+s.slots.aaMember[1], 1);
  ExpectDividendDefaults(s);
  ExpectReservedZero(s);
}

TEST_F(ShortAccountFile, ReservedAreasCutAreZeroed) {
  const Scenario& s = ReadCutAt(kReserved1At + 786 + 100);
  EXPECT_EQ(+s.dividends.dividendRate[1], 1.5f);
  EXPECT_EQ(+s.reserved1[0], 3);
  for (uint8_t byte : s.reserved2) ASSERT_EQ(byte, 0);
}

TEST_F(ShortAccountFile, AccountTableCutKeepsTheWholeRecordsThatArrived) {
  // The count (2), the first record and 40 bytes of the second.
  const Scenario& s = ReadCutAt(2 + 82 + 40);
  EXPECT_EQ(s.accountCount(), 1);
  EXPECT_EQ(TextOf(s.account(0).name), "Savings");
  EXPECT_EQ(+s.trailer().nextAccountId, 0) << "the trailer did not arrive: new-scenario value";
  EXPECT_EQ(+s.trailer().aaMethod, 0);
}

TEST_F(ShortAccountFile, EmptyFileLeavesNoAccounts) {
  const Scenario& s = ReadCutAt(0);
  EXPECT_EQ(s.accountCount(), 0);
  ExpectSlotDefaults(s);
}

// Counts outside 0..50 come only from damaged files; they are held to the table.
TEST_F(AccountFile, ImpossibleAccountCountsAreHeldToTheTable) {
  const struct {
    int16_t stored;
    int16_t read;
  } cases[] = {{51, 50}, {32767, 50}, {-1, 0}, {-32768, 0}, {50, 50}, {7, 7}};
  for (const auto& c : cases) {
    std::string image = AccountFileBytes(AccountsScenario());
    std::memcpy(image.data(), &c.stored, sizeof c.stored);
    dir_.Write("count.ACC", image);
    Document document;
    ASSERT_TRUE(ReadAccountFile(document, PathOf("count.ACC"), prompter_));
    EXPECT_EQ(document.scenario.accountCount(), c.read) << "stored count " << c.stored;
  }
}

TEST_F(AccountFile, StoredSlotAndGroupNumbersPastTheirTablesAreRepaired) {
  Scenario s = AccountsScenario();
  s.account(1).slot = 300;
  s.account(2).groupIndex = 10;
  dir_.Write("bad.ACC", AccountFileBytes(s));
  Document document;
  ASSERT_TRUE(ReadAccountFile(document, PathOf("bad.ACC"), prompter_));
  const Scenario& read = document.scenario;
  EXPECT_LT(+read.account(1).slot, kSlotCount);
  EXPECT_NE(+read.account(1).slot, +read.account(0).slot);
  EXPECT_NE(+read.account(1).slot, +read.account(2).slot);
  EXPECT_EQ(+read.account(2).groupIndex, 0);
}

}  // namespace
}  // namespace core
