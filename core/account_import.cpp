#include "core/account_import.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/accounts.h"
#include "core/scenario_file.h"
#include "core/text.h"
#include "core/text_reading.h"

namespace core {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr const char* kLimitCaption = "Account Error";
constexpr const char* kLimitText = "Number of accounts exceed limit.";

// The kept lines of an intermediate file; nothing when it cannot be opened.
std::optional<std::vector<std::string>> ReadIntermediateLines(const std::filesystem::path& path,
                                                              SkipWords words) {
  LineReader reader(path);
  if (!reader.IsOpen()) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (reader.Next(line)) {
    if (!IsSkippedLine(line, words)) lines.push_back(line);
  }
  return lines;
}

struct AccountLine {
  std::string name;
  std::string value;
};

// An intermediate line split at its last tab, both sides cleaned.
AccountLine SplitAccountLine(std::string_view line) {
  const size_t tab = line.rfind('\t');
  if (tab == std::string_view::npos) return {};
  return AccountLine{CleanName(line.substr(0, tab)), CleanValue(line.substr(tab + 1))};
}

// The amount at the front of a cleaned value, whatever the process's locale; nothing for text
// such as "-" or "." that holds no number.
std::optional<float> ScanAmount(const std::string& value) {
  size_t used = 0;
  const float amount = LeadingFloat(value, &used);
  if (used == 0) return std::nullopt;
  return amount;
}

// Fills the record after the live accounts with an imported account's defaults and completes
// it: through the import dialog when there is one, otherwise as a new account is saved.
// Returns true when the account was counted.
bool AddImportedAccount(Scenario& scenario, const std::string& name, float amount,
                        const ImportAccountDialog& dialog) {
  const int index = scenario.accountCount();
  // The slot is taken first: until then the record's slot number may belong to a live account
  // whose settings must not be cleared.
  const auto membershipBefore = std::to_array(scenario.slots.aaMember);
  const uint16_t slot = TakeSlotForNewAccount(scenario, index);
  Account& account = scenario.account(index);
  std::memset(&account, 0, sizeof account);
  CopyText(account.name, name);
  CopyText(account.accessOrder, Format("%d", index));
  account.initialAmount = amount;
  account.balance = amount;
  account.rate = 10.0f;
  account.currentRate = account.rate;
  account.kind = kInvestmentSavings;
  account.randomMinRate = 0.0f;
  account.randomMaxRate = 20.0f;
  account.penaltyApplies = 0;
  account.slot = slot;
  scenario.slots.aaMember[slot] = 0;
  scenario.slots.rmdTable[slot] = 0;
  if (!dialog) {
    AllocateAccountId(scenario);
    return true;
  }
  if (dialog(scenario, index)) return true;
  // Cancelled: a slot taken from the free ones is free again.
  scenario.slots.aaMember[slot] = membershipBefore[slot];
  return false;
}

void ReportIntermediateOpenFailure(Delimiter delimiter, bool updating,
                                   platform::Prompter& prompter) {
  const bool tab = delimiter == Delimiter::Tab;
  const char* text =
      updating ? (tab ? "Cannot open the Tabout.tmp file." : "Cannot open the Csvout.tmp file.")
               : (tab ? "Cannot open Tabout.tmp file." : "Cannot open Csvout.tmp file.");
  prompter.ShowMessage("File Open Error", text, Icon::Error);
}

// Creates one account per usable line; stops at the table's limit. Returns the count made.
int CreateAccountsFromLines(Scenario& scenario, const std::vector<std::string>& lines,
                            platform::Prompter& prompter, const ImportAccountDialog& dialog) {
  constexpr size_t kLongestName = 29;
  int created = 0;
  for (const std::string& line : lines) {
    AccountLine entry = SplitAccountLine(line);
    if (entry.name.size() < 2 || entry.value.size() < 3) continue;
    if (entry.name.size() > kLongestName) entry.name.resize(kLongestName);
    const std::optional<float> amount = ScanAmount(entry.value);
    if (!amount) continue;
    if (scenario.accountCount() >= kMaxAccounts) {
      prompter.ShowMessage(kLimitCaption, kLimitText, Icon::Warning);
      break;
    }
    if (AddImportedAccount(scenario, entry.name, *amount, dialog)) ++created;
  }
  return created;
}

// Names in the update file are compared with at most 30 of their characters.
AccountLine UpdateLine(std::string_view line) {
  constexpr size_t kLongestName = 30;
  AccountLine entry = SplitAccountLine(line);
  if (entry.name.size() > kLongestName) entry.name.resize(kLongestName);
  return entry;
}

bool HasAccountNamed(const Scenario& scenario, const std::string& name) {
  for (int i = 0; i < scenario.accountCount(); ++i) {
    if (TextOf(scenario.account(i).name) == name) return true;
  }
  return false;
}

int CountKnownNames(const Scenario& scenario, const std::vector<std::string>& lines) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return HasAccountNamed(scenario, UpdateLine(line).name);
  }));
}

// The balance of every account with the name; false when there is none.
bool SetBalanceOfNamed(Scenario& scenario, const std::string& name, float amount) {
  bool found = false;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    Account& account = scenario.account(i);
    if (TextOf(account.name) != name) continue;
    account.initialAmount = amount;
    found = true;
  }
  return found;
}

void UpdateFromLine(Scenario& scenario, const std::string& line, platform::Prompter& prompter,
                    const ImportAccountDialog& dialog) {
  const AccountLine entry = UpdateLine(line);
  if (entry.name.size() < 2 || entry.value.size() < 2) return;
  const std::optional<float> amount = ScanAmount(entry.value);
  if (!amount) return;
  if (SetBalanceOfNamed(scenario, entry.name, *amount)) return;
  const Answer answer = prompter.Ask(
      "New Account Found",
      Format("Account %s is not an existing account.\nDo you wish to add it?", entry.name.c_str()),
      Buttons::YesNo, Icon::Question);
  if (answer != Answer::Yes) return;
  if (scenario.accountCount() >= kMaxAccounts) {
    prompter.ShowMessage(kLimitCaption, kLimitText, Icon::Warning);
    return;
  }
  AddImportedAccount(scenario, entry.name, *amount, dialog);
}

// Of two neighbours with the same name (the list is in name order) the first goes. It goes the
// way every account is deleted, so that an account an event still needs is kept and the user
// told why.
void RemoveRepeatedNames(Scenario& scenario, platform::Prompter& prompter) {
  SortAccountsByName(scenario);
  int i = 0;
  while (i + 1 < scenario.accountCount()) {
    const bool repeated = TextOf(scenario.account(i).name) == TextOf(scenario.account(i + 1).name);
    if (!repeated || !DeleteAccount(scenario, i, prompter)) ++i;
  }
}

}  // namespace

bool CreateAccountsFromFile(Document& document, Delimiter delimiter,
                            const std::filesystem::path& source,
                            const std::filesystem::path& workDir, int startupCounter,
                            platform::Prompter& prompter, const ImportAccountDialog& dialog) {
  if (!WriteNewScenarioFile(document, workDir, startupCounter, prompter)) return false;
  Scenario& scenario = document.scenario;
  // Cleared at once, so that a failed conversion still leaves a whole new scenario.
  ClearForNewScenario(scenario);
  if (!ConvertDelimitedFile(delimiter, source, workDir, prompter)) return false;
  const std::optional<std::vector<std::string>> lines = ReadIntermediateLines(
      workDir / IntermediateFileName(delimiter), SkipWords::CreatingIntermediate);
  if (!lines) {
    ReportIntermediateOpenFailure(delimiter, false, prompter);
    return false;
  }
  if (CreateAccountsFromLines(scenario, *lines, prompter, dialog) > 0) document.MarkEdited();
  return true;
}

bool UpdateAccountsFromFile(Document& document, Delimiter delimiter,
                            const std::filesystem::path& source,
                            const std::filesystem::path& workDir, platform::Prompter& prompter,
                            const ImportAccountDialog& dialog) {
  if (!ConvertDelimitedFile(delimiter, source, workDir, prompter)) return false;
  const std::optional<std::vector<std::string>> lines = ReadIntermediateLines(
      workDir / IntermediateFileName(delimiter), SkipWords::UpdatingIntermediate);
  if (!lines) {
    ReportIntermediateOpenFailure(delimiter, true, prompter);
    return false;
  }
  Scenario& scenario = document.scenario;
  const int known = CountKnownNames(scenario, *lines);
  if (known == 0) {
    prompter.ShowMessage("Possible incorrect file type.",
                         Format("Found 0 accounts in the file %s.\nPlease make sure this is the "
                                "correct delimited file type.",
                                source.string().c_str()),
                         Icon::Warning);
    return false;
  }
  const int accounts = scenario.accountCount();
  const Answer answer =
      prompter.Ask("Updating Accounts",
                   Format("Updating %d out of %d accounts.\nDo you wish to continue?",
                          std::min(known, accounts), accounts),
                   Buttons::YesNo, Icon::Question);
  if (answer != Answer::Yes) return false;
  for (const std::string& line : *lines) UpdateFromLine(scenario, line, prompter, dialog);
  RemoveRepeatedNames(scenario, prompter);
  document.MarkEdited();
  return true;
}

bool ReindexAccounts(Document& document, platform::Prompter& prompter) {
  const Answer answer = prompter.Ask(
      "Accounts",
      "This may change the account assignments in your scenario!\nDo you wish to continue?",
      Buttons::YesNo, Icon::Warning);
  if (answer != Answer::Yes) return false;
  Scenario& scenario = document.scenario;
  AccountTrailer& trailer = scenario.trailer();
  trailer.nextAccountId = 0;
  SortAccountsByName(scenario);
  for (int i = 0; i < scenario.accountCount(); ++i) {
    scenario.account(i).accountId = static_cast<uint16_t>(trailer.nextAccountId++);
  }
  prompter.ShowMessage(
      "Accounts",
      "The Accounts have been re-indexed.\nPlease check the account assignments in your scenario.",
      Icon::Information);
  document.MarkEdited();
  return true;
}

}  // namespace core
