// Bad JSON and bad command lines: a clear message, a non-zero exit, and no scenario file
// written; never a silent truncation or a default in place of what the user wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using cli_testing::RunIn;
using testing_support::TempDir;

struct BadJson {
  const char* name;
  std::string json;
  const char* message;  // a part of the line on standard error
};

std::string ManyOf(const std::string& entry, int count) {
  std::string list = "[";
  for (int i = 0; i < count; ++i) list += (i > 0 ? "," : "") + entry;
  return list + "]";
}

const BadJson kBadJson[] = {
    {"syntax", R"({"initialValues": {)", "parse error"},
    {"top level not an object", "[]", "must be a JSON object"},
    {"unknown top-level key", R"({"initalValues": {}})", "unknown key \"initalValues\""},
    {"typo in a field", R"({"initialValues": {"startAge": 30, "taxrate": 15}})",
     "initialValues: unknown key \"taxrate\""},
    {"u16 beyond 65535", R"({"accounts": [{"accountId": 70000}]})",
     "accounts[0].accountId: 70000 is not a whole number from 0 to 65535"},
    {"negative u16", R"({"accounts": [{"groupIndex": -1}]})", "from 0 to 65535"},
    {"fraction in a whole number", R"({"initialValues": {"birthMonth": 2.5}})",
     "initialValues.birthMonth: 2.5 is not a whole number"},
    {"float beyond single precision", R"({"initialValues": {"taxRate": 1e39}})",
     "beyond the range of a single-precision number"},
    {"text for a number", R"({"initialValues": {"taxRate": "15"}})", "neither a number"},
    {"51 accounts", R"({"accounts": )" + ManyOf("{}", 51) + "}",
     "accounts: 51 accounts; a scenario holds at most 50"},
    {"151 events", R"({"events": )" + ManyOf(R"({"kind": "deposit"})", 151) + "}",
     "events: 151 events; a scenario holds at most 150"},
    {"31 budget items", R"({"budgets": [{"items": )" + ManyOf("{}", 31) + "}]}",
     "budgets[0].items: 31 items"},
    {"name longer than its field", R"({"accounts": [{"name": ")" + std::string(30, 'x') + "\"}]}",
     "longer than the 29 characters the field holds"},
    {"character outside Latin-1", R"({"accounts": [{"name": "\u20ac fund"}]})", "outside Latin-1"},
    {"unknown kind word", R"({"events": [{"kind": "bonus"}]})", "unknown event kind \"bonus\""},
    {"unknown kind number", R"({"events": [{"kind": 42}]})", "unknown event kind 42"},
    {"event without kind", R"({"events": [{"amount": 5}]})", "events[0]: needs a \"kind\""},
    {"field of another kind", R"({"events": [{"kind": "deposit", "years": 5}]})",
     "events[0]: unknown key \"years\""},
    {"mark against its word", R"({"events": [{"kind": "transfer", "transferVariant": 72}]})",
     "its fields make it a \"rule72tTransfer\", not a \"transfer\""},
    {"unknown account kind word", R"({"accounts": [{"kind": "savings"}]})",
     "\"savings\" is not one of its names"},
    {"slot outside the table", R"({"accounts": [{"slot": 50}]})", "50 is outside 0..49"},
    {"two accounts on one slot", R"({"accounts": [{"slot": 3}, {"slot": 3}]})",
     "slot 3 is also the slot of accounts[0]"},
    {"other slot owned by an account", R"({"accounts": [{}], "otherSlots": [{"slot": 0}]})",
     "slot 0 belongs to accounts[0]"},
    {"stored record inside the live count",
     R"({"accounts": [{}], "storedAccounts": [{"index": 0}]})", "needs \"index\" from 1 to 49"},
    {"text and its bytes disagree", R"({"accounts": [{"name": "A", "nameBytes": "42"}]})",
     "is not the text its Bytes hold"},
    {"bytes longer than the field", R"({"initialValues": {"unused70": "00112233445566"}})",
     "not hexadecimal of at most 6 bytes"},
    {"too many list values", R"({"rmdSettings": {"rmdTable1Values": )" + ManyOf("1", 31) + "}}",
     "at most 30 values"},
    {"key given twice", R"({"initialValues": {"taxRate": 15, "taxRate": 25}})",
     "\"taxRate\" is given twice"},
};

TEST(BuildRefusesBadJson, EachCaseNamesItsProblemAndWritesNothing) {
  for (const BadJson& bad : kBadJson) {
    SCOPED_TRACE(bad.name);
    TempDir dir;
    dir.Write("bad.json", bad.json);
    const auto result = RunIn(dir.path(), {"build", "bad.json", "-o", "OUT.RET"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("JSON ERROR: bad.json: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(bad.message), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "OUT.RET"));
  }
}

TEST(BuildRefusesBadJson, AnEventOfUnknownKindIsDumpedButNotBuilt) {
  TempDir dir;
  dir.Write("one.json", R"({"events": [{"kind": "deposit"}]})");
  ASSERT_EQ(RunIn(dir.path(), {"build", "one.json", "-o", "one.RET"}).exitCode, 0);
  std::string bytes = dir.Read("one.RET");
  bytes[80 + 16] = 42;  // the event's kind, after the 80 bytes of initial values
  dir.Write("odd.RET", bytes);
  const auto dumped = RunIn(dir.path(), {"dump", "odd.RET"});
  ASSERT_EQ(dumped.exitCode, 0);
  EXPECT_NE(dumped.out.find("\"kind\": 42"), std::string::npos);
  dir.Write("odd.json", dumped.out);
  const auto built = RunIn(dir.path(), {"build", "odd.json", "-o", "again.RET"});
  EXPECT_EQ(built.exitCode, 1);
  EXPECT_NE(built.err.find("unknown event kind 42"), std::string::npos);
}

struct BadLine {
  const char* name;
  std::vector<std::string> words;
  const char* message;
};

// Exit 2 with the message first; `generalUsage`: followed by the whole command line's usage.
void ExpectUsageError(const BadLine& bad, bool generalUsage) {
  SCOPED_TRACE(bad.name);
  TempDir dir;
  const auto result = RunIn(dir.path(), bad.words);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err.rfind(bad.message, 0), 0u) << result.err;
  if (generalUsage) {
    EXPECT_NE(result.err.find("usage: kxplan-cli [--workdir DIR]"), std::string::npos);
  }
}

TEST(CommandLineErrors, UsageErrorsExitTwoWithAClearLine) {
  const BadLine kBadLines[] = {
      {"no command", {}, "kxplan-cli: no command given"},
      {"unknown command", {"frobnicate"}, "kxplan-cli: unknown command frobnicate"},
      {"unknown option", {"dump", "A.RET", "--fast"}, "kxplan-cli: unknown option --fast"},
      {"build without -o", {"build", "a.json"}, "kxplan-cli: build needs -o OUT.RET"},
      {"dump with -o", {"dump", "A.RET", "-o", "x"}, "kxplan-cli: dump takes no -o"},
      {"-o without a name", {"build", "a.json", "-o"}, "kxplan-cli: -o needs a file name"},
      {"missing operand",
       {"accounts-update", "A.RET"},
       "kxplan-cli: usage: kxplan-cli accounts-update SCENARIO.RET"},
      {"extra operand", {"dump", "A.RET", "B.RET"}, "kxplan-cli: usage: kxplan-cli dump"},
      {"--changed on build",
       {"build", "a.json", "-o", "x", "--changed"},
       "kxplan-cli: build takes no --changed"},
  };
  for (const BadLine& bad : kBadLines) ExpectUsageError(bad, true);
}

TEST(CommandLineErrors, TheScenarioCommandsRefuseTheirSharedOptionsAlike) {
  const BadLine kBadLines[] = {
      {"run with a month 13", {"run", "A.RET", "--today", "2026-13-01"},
       "kxplan-cli: --today needs a date YYYY-MM-DD"},
      {"report with an empty --workdir", {"report", "A.RET", "networth", "--workdir="},
       "kxplan-cli: --workdir needs a directory"},
  };
  for (const BadLine& bad : kBadLines) ExpectUsageError(bad, false);
}

TEST(CommandLineErrors, MissingAndInvalidFilesFailWithTheirMessage) {
  TempDir dir;
  auto missing = RunIn(dir.path(), {"dump", "NOFILE.RET"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "FILE OPEN ERROR: Cannot open NOFILE.RET.\n");

  missing = RunIn(dir.path(), {"build", "nofile.json", "-o", "OUT.RET"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "FILE OPEN ERROR: Cannot open nofile.json.\n");

  dir.Write("SHORT.RET", std::string(79, '\0'));
  const auto rejected = RunIn(dir.path(), {"dump", "SHORT.RET"});
  EXPECT_EQ(rejected.exitCode, 1);
  EXPECT_EQ(rejected.out, "");
  EXPECT_NE(rejected.err.find("FILE WARNING: SHORT.RET doesn't seem to be a valid"),
            std::string::npos)
      << rejected.err;
}

}  // namespace
