// dump followed by build gives back the bytes of the scenario as read: every field, unused and
// reserved byte, working value, byte after a text's NUL and stored record past a live count.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "core/scenario_file.h"
#include "core/text.h"
#include "platform/scripted.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;
using testing_support::TempDir;

void Fill(void* bytes, size_t size, uint8_t first) {
  auto* at = static_cast<uint8_t*>(bytes);
  for (size_t i = 0; i < size; ++i) at[i] = static_cast<uint8_t>(first + i);
}

float NanWithPayload() {
  const uint32_t bits = 0x7fc01234u;
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// A scenario with something in every corner that a careless JSON form would lose. It is built
// so that reading it changes nothing (valid counts, unique slots, settings in range).
std::unique_ptr<core::Scenario> RichScenario() {
  auto s = std::make_unique<core::Scenario>(core::MakeNewScenario());
  Fill(s->initial.unused70, sizeof s->initial.unused70, 0x11);
  s->initial.reservedTotal = 12.5f;

  s->accountTable.count = 3;
  core::Account& pound = s->account(0);
  std::memcpy(pound.name, "\xa3 Savings\0junk", 14);  // the pound sign, then bytes after the NUL
  pound.slot = 7;
  pound.rate = -0.0f;
  pound.lowestRandomRate = NanWithPayload();
  pound.sumRandomRates = std::numeric_limits<float>::infinity();
  Fill(pound.unused76, sizeof pound.unused76, 0xA0);
  core::Account& full = s->account(1);
  std::memcpy(full.accessOrder, "ABCD", 4);  // no NUL at all
  std::memset(full.name, 'N', sizeof full.name);
  full.initialAmount = 0.1f;
  full.accountId = 9;
  s->account(2).kind = 17;  // a kind the planner has no name for
  s->account(2).accountId = 65535;
  core::CopyText(s->account(5).name, "deleted but stored");  // past the live count
  s->account(5).initialAmount = 77.0f;
  s->account(7).slot = 0;  // the slot account 0 gave up
  Fill(s->accountTable.trailer.unused12, 4, 0x21);
  Fill(s->accountTable.trailer.unused20, 2, 0x31);

  s->slots.penaltyAge[7] = 61.0f;
  s->slots.reservedSlot[7] = 5;
  s->slots.penaltyStartAge[30] = 66;  // a slot no live account uses
  s->dividends.dividendRate[30] = 2.25f;
  s->dividends.reserved500[2][30] = 0xBEEF;
  Fill(s->dividends.unused800, sizeof s->dividends.unused800, 0x40);
  Fill(s->slots.unused918, sizeof s->slots.unused918, 0x50);
  s->slots.rmdTable1Values[29] = 6.7f;
  std::memcpy(s->slots.rmdTable2Description, "IRA 2\0tail", 10);

  core::CopyText(s->groups.groupName[3], "\xc9quit\xe9s");
  s->groups.groupRandomMinRate[3] = -10.0f;
  s->groups.groupRandomMaxRate[3] = 20.0f;
  s->groups.mcTrials = 250;
  s->groups.mcRangeFactor = 4;
  Fill(s->groups.unused290, 7, 0x60);
  Fill(s->groups.unused464 + 200, 3, 0x61);

  core::CopyText(s->titles.title[1], "Second title");
  s->titles.printTitle[1] = 1;
  Fill(s->titles.unused186, 5, 0x70);
  core::CopyText(s->fonts[0].faceName, "Lucida");
  s->fonts[0].weight = 400;
  s->fonts[2].italic = 1;
  s->page.windowLeft = -5;
  Fill(s->page.unused44, 80, 0x80);

  core::Budget& budget = s->budgets[1];
  core::CopyText(budget.budgetName, "\xc9pargne");
  budget.itemCount = 2;
  core::CopyText(budget.itemName[1], "Rent");
  budget.itemAmount[1] = 1500.0f;
  budget.itemUnused[0] = 3;
  core::CopyText(budget.itemName[5], "stored past the count");
  budget.budgetAccountId = 9;

  s->initial.eventCount = 6;
  core::FinancialEvent& deposit = s->events[0];
  deposit.kind = core::kDeposit;
  deposit.amount = 1000.0f;
  deposit.downPayment = 3.0f;  // offset 32, which a deposit does not name
  deposit.runState = 2;
  deposit.listRow = 1000;
  std::memcpy(deposit.description, "Pay\0rest of an old text", 24);
  core::FinancialEvent& card = s->events[1];
  card.kind = core::kLoan;
  card.cardMarker = core::kCardMarker;
  card.payoffMonths = 14.0f;
  card.unused152 = 0x1234;
  s->events[2].kind = core::kMortgage;
  s->events[2].extraPaymentStart = 3;
  s->events[2].runPropertySold = 1;
  s->events[3].kind = core::kRmdOption;
  s->events[3].rmdTableNumber = 2;
  s->events[4].kind = core::kTransfer;
  s->events[4].transferVariant = core::kRule72tTransfer;
  s->events[4].lifeTable = 2;
  s->events[4].transferAll = 1;  // offset 66, unnamed in a Rule 72T transfer
  s->events[5].kind = core::kEmptyEvent;

  Fill(s->reserved1.data(), 20, 0x90);
  s->reserved2[5059] = 0xFF;
  return s;
}

// The bytes the planner holds after reading the file: what dump must reproduce.
std::string BytesAsRead(const TempDir& dir, const std::string& name) {
  auto document = std::make_unique<core::Document>();
  platform::ScriptedPrompter prompter;
  EXPECT_TRUE(core::ReadScenarioFile(*document, dir.path(), name, prompter));
  EXPECT_TRUE(prompter.shown().empty());
  return core::ScenarioFileBytes(document->scenario);
}

void ExpectDumpBuildKeepsBytes(const TempDir& dir, const std::string& name,
                               const std::vector<std::string>& dumpOptions) {
  std::vector<std::string> dump = {"dump", name};
  dump.insert(dump.end(), dumpOptions.begin(), dumpOptions.end());
  const auto dumped = RunIn(dir.path(), dump);
  ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
  EXPECT_EQ(dumped.err, "");
  dir.Write("dumped.json", dumped.out);
  const auto built = RunIn(dir.path(), {"build", "dumped.json", "-o", "again.RET"});
  ASSERT_EQ(built.exitCode, 0) << built.err;
  const std::string again = dir.Read("again.RET");
  const std::string expected = BytesAsRead(dir, name);
  ASSERT_EQ(again.size(), expected.size());
  const auto differ = std::mismatch(again.begin(), again.end(), expected.begin());
  EXPECT_EQ(differ.first, again.end()) << "first differing byte " << (differ.first - again.begin());
}

TEST(DumpBuildRoundTrip, RichScenarioKeepsEveryByte) {
  TempDir dir;
  const auto rich = RichScenario();
  const std::string bytes = core::ScenarioFileBytes(*rich);
  dir.Write("rich.RET", bytes);
  // The scenario survives reading unchanged, so the round trip below covers all of it.
  ASSERT_EQ(BytesAsRead(dir, "rich.RET"), bytes);
  ExpectDumpBuildKeepsBytes(dir, "rich.RET", {});
  ExpectDumpBuildKeepsBytes(dir, "rich.RET", {"--changed"});
}

TEST(DumpBuildRoundTrip, EveryExampleKeepsEveryByte) {
  for (int n = 1; n <= cli_testing::kExampleCount; ++n) {
    SCOPED_TRACE("EXAMPLE" + std::to_string(n));
    TempDir dir;
    ASSERT_EQ(
        RunIn(dir.path(), {"build", cli_testing::ExampleSource(n), "-o", "example.RET"}).exitCode,
        0);
    ExpectDumpBuildKeepsBytes(dir, "example.RET", {});
    ExpectDumpBuildKeepsBytes(dir, "example.RET", {"--changed"});
  }
}

TEST(DumpBuildRoundTrip, TextIsUtf8InJsonAndLatin1InTheFile) {
  TempDir dir;
  dir.Write("rich.RET", core::ScenarioFileBytes(*RichScenario()));
  const auto dumped = RunIn(dir.path(), {"dump", "rich.RET"});
  ASSERT_EQ(dumped.exitCode, 0);
  EXPECT_NE(dumped.out.find("\"name\": \"\xc2\xa3 Savings\""), std::string::npos);
  EXPECT_NE(dumped.out.find("\"nameBytes\": \"a3205361"), std::string::npos);
  EXPECT_NE(dumped.out.find("\"lowestRandomRate\": \"0x7fc01234\""), std::string::npos);
  EXPECT_NE(dumped.out.find("\"kind\": 17"), std::string::npos);
  EXPECT_NE(dumped.out.find("\"raw32\": \"00004040\""), std::string::npos);
}

}  // namespace
