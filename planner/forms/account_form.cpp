#include "planner/forms/account_form.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/accounts.h"
#include "core/groups.h"
#include "core/scenario_repairs.h"
#include "core/text.h"
#include "planner/forms/form_support.h"
#include "planner/planner.h"

namespace planner::forms {

namespace {

constexpr int kAccountHelpTopic = 518;
constexpr const char* kKind = "Select Account Type";
constexpr const char* kPenalty = "Early withdrawals subject to penalty";
constexpr const char* kAllocation = "Assign asset allocation withdrawal";
constexpr const char* kGroup = "Assign Group to Account";
constexpr const char* kStdDev = "Annualized Standard Deviation";
constexpr const char* kRmdTables[] = {"Assign RMD Table 1", "Assign RMD Table 2",
                                      "Assign RMD Table 3"};
constexpr const char* kDividendAccount = "Deposit Dividend to Account";
constexpr size_t kAccountNameChars = 29;
constexpr size_t kAccessOrderChars = 3;
constexpr float kMostStdDeviation = 200.0f;

const std::vector<Check> kAccountChecks = {
    {"Initial Amount", NumberKind::Real, -100000000.0f, 100000000.0f, kAmountBounds, "AMOUNT ERROR"},
    {"Effective Yearly Rate", NumberKind::Real, -200.0f, 200.0f, kRateBounds, "RATE ERROR"},
    {"Random Minimum Rate", NumberKind::Real, -200.0f, 200.0f, kRateBounds, "RATE ERROR"},
    {"Random Maximum Rate", NumberKind::Real, -200.0f, 200.0f, kRateBounds, "RATE ERROR"},
    {"Penalty Rate", NumberKind::Real, -200.0f, 200.0f, kRateBounds, "RATE ERROR"},
    {"Penalty Age", NumberKind::Real, 0.0f, 120.0f, kRateBounds, "PENALTY AGE ERROR"},
};

struct Dividend {
  float rate = 0.0f;
  float taxablePercent = core::kDefaultDividendTaxablePercent;
  uint16_t accountId = core::kNoAccountId;
};

bool PenaltyKind(int kind) { return kind == core::kRetirementSavings || kind == core::kTaxFreeSavings; }

// The "Dividend Information" dialog; its numbers are taken as typed.
class DividendForm final : public Form {
 public:
  DividendForm(Planner& planner, const Dividend& shown)
      : Form(planner, "DIVIDEND", "Dividend Information", kAccountHelpTopic) {
    core::Scenario& scenario = planner_.document().scenario;
    AddEdit("Yearly Dividend", kRateChars, RateText(shown.rate));
    AddEdit("Percent of Dividend Taxable", kRateChars, RateText(shown.taxablePercent));
    AddList(kDividendAccount, AccountEntries(scenario, true),
            ChoiceOfAccount(scenario, shown.accountId, true));
    AddButtons({"OK", "Cancel", "Help"});
  }
  Dividend entered() const { return entered_; }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    entered_.rate = std::strtof(Text("Yearly Dividend").c_str(), nullptr);
    entered_.taxablePercent = std::strtof(Text("Percent of Dividend Taxable").c_str(), nullptr);
    // No choice is no deposit account; 0 would name the account whose identifier is 0.
    entered_.accountId =
        AccountOfChoice(planner_.document().scenario, Choice(kDividendAccount), true);
    return Outcome::Stored;
  }
  Dividend entered_;
};

class AccountForm final : public Form {
 public:
  AccountForm(Planner& planner, int index, bool importing)
      : Form(planner, "ACCOUNTINFO", "Account Information", kAccountHelpTopic),
        index_(index),
        importing_(importing) {
    core::Scenario& scenario = planner_.document().scenario;
    const bool existing = index_ >= 0 && (importing_ ? index_ < core::kMaxAccounts
                                                     : index_ < scenario.accountCount());
    if (!existing) index_ = -1;
    core::Account account{};
    std::strcpy(account.accessOrder, " ");
    int slot = -1;
    if (index_ >= 0) {
      account = scenario.account(index_);
      accountId_ = account.accountId;
      slot = account.slot < core::kSlotCount ? account.slot : -1;
    }
    const core::SlotData& slots = scenario.slots;
    if (slot >= 0) {
      dividend_ = Dividend{scenario.dividends.dividendRate[slot],
                           scenario.dividends.dividendTaxablePercent[slot],
                           scenario.dividends.dividendAccountId[slot]};
    }
    AddEdit("Account Name", kAccountNameChars, core::TextOf(account.name));
    AddEdit("Initial Amount", kAmountChars, AmountText(account.initialAmount));
    AddEdit("Effective Yearly Rate", kRateChars, RateText(account.rate));
    AddEdit("Random Minimum Rate", kRateChars, RateText(account.randomMinRate));
    AddEdit("Random Maximum Rate", kRateChars, RateText(account.randomMaxRate));
    AddEdit("Access Order", kAccessOrderChars, core::TextOf(account.accessOrder));
    AddEdit(kStdDev, kRateChars, RateText(slot >= 0 ? slots.stdDeviation[slot] : 0.0f));
    AddList(kKind, std::vector<std::string>(std::begin(core::kAccountKindNames),
                                            std::end(core::kAccountKindNames)),
            account.kind < core::kAccountKindCount ? account.kind : 0);
    AddList(kGroup, GroupEntries(scenario), -1);
    SetChoice(kGroup, GroupChoice(account.groupIndex));
    AddCheck(kPenalty, account.penaltyApplies == 1).startsColumn = true;
    AddEdit("Penalty Rate", kRateChars,
            RateText(slot >= 0 ? slots.penaltyRate[slot] : core::kDefaultPenaltyRate));
    AddEdit("Penalty Age", kAgeChars,
            AgeText(slot >= 0 ? slots.penaltyAge[slot] : core::kDefaultPenaltyAge));
    AddCheck(kAllocation, slot >= 0 && slots.aaMember[slot] == 1);
    const int table = slot >= 0 ? slots.rmdTable[slot] / 10 : 0;
    for (int t = 0; t < 3; ++t) AddCheck(kRmdTables[t], table == t + 1);
    AddButtons({"OK", "Dividend", "Calculate Effective Yearly Rate", "Cancel", "Help"});
    EnablePenalty();
  }

 private:
  // Groups with a name of at least 2 characters, in name order.
  std::vector<std::string> GroupEntries(const core::Scenario& scenario) {
    groups_.clear();
    for (int g = 0; g < core::kMaxGroups; ++g) {
      if (core::TextOf(scenario.groups.groupName[g]).size() >= 2) groups_.push_back(g);
    }
    std::stable_sort(groups_.begin(), groups_.end(), [&](int a, int b) {
      return core::CompareNoCase(core::TextOf(scenario.groups.groupName[a]),
                                 core::TextOf(scenario.groups.groupName[b])) < 0;
    });
    std::vector<std::string> entries;
    for (int g : groups_) entries.push_back(core::TextOf(scenario.groups.groupName[g]));
    return entries;
  }
  int GroupChoice(int group) const {
    const auto found = std::find(groups_.begin(), groups_.end(), group);
    return found == groups_.end() ? -1 : static_cast<int>(found - groups_.begin());
  }

  void EnablePenalty() {
    const bool on = PenaltyKind(Choice(kKind));
    Enable(kPenalty, on);
    Enable("Penalty Rate", on);
    Enable("Penalty Age", on);
  }

  void OnChanged(const std::string& name) override {
    if (name == kKind) EnablePenalty();
    for (const char* table : kRmdTables) {
      if (name == table && On(name)) {
        for (const char* other : kRmdTables) SetOn(other, other == table);
      }
    }
    if (name == kAllocation && On(name) && ChosenForWithdrawal()) {
      Show("Asset Allocation Problem",
           "You cannot assign this account for Asset Allocation Withdrawal\nwhile it is selected "
           "as a Withdrawal Event Account");
      SetOn(kAllocation, false);
    }
  }

  bool ChosenForWithdrawal() const {
    if (index_ < 0 || importing_) return false;
    const core::Scenario& scenario = planner_.document().scenario;
    const uint16_t id = accountId_;
    for (int i = 0; i < scenario.eventCount(); ++i) {
      const core::FinancialEvent& e = scenario.events[i];
      if (e.kind == core::kWithdrawal && e.accountChosen == core::kAccountChosen &&
          e.accountId == id) {
        return true;
      }
    }
    return false;
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    if (button == "Dividend") {
      return OpenChild(std::make_unique<DividendForm>(planner_, dividend_));
    }
    if (button == "Calculate Effective Yearly Rate") {
      Place place{PlaceKind::Dialog, "EFFECTIVE"};
      place.calculator = true;
      planner_.OpenPlace(place, 886);
      return Outcome::Done;
    }
    return Store();
  }

  Outcome OnChildClosed(Form& child, Outcome outcome) override {
    if (outcome == Outcome::Stored) dividend_ = static_cast<DividendForm&>(child).entered();
    return Outcome::Done;
  }

  Outcome Store() {
    const auto values = RunChecks(kAccountChecks);
    if (!values) return Outcome::Kept;
    const float stdDev = std::strtof(Text(kStdDev).c_str(), nullptr);
    if (!(stdDev >= 0.0f && stdDev <= kMostStdDeviation)) {
      Show("Standard Deviation Value Error",
           "Standard Deviation values must be between 0.00 to 200.0");
      return Outcome::Kept;
    }
    core::Scenario& scenario = planner_.document().scenario;
    if (index_ < 0 && scenario.accountCount() >= core::kMaxAccounts) {
      planner_.services().prompter.ShowMessage("Account Warning",
                                               "Maximum number of accounts reached!",
                                               platform::Icon::Warning);
      return Outcome::Kept;
    }
    core::MakeSlotNumbersUnique(scenario);
    const bool fresh = index_ < 0;
    // Every account list sorts the table by name, so a live account is found by its
    // identifier; an imported one is not live yet and stays where it was filled in.
    const int index = fresh       ? scenario.accountCount()
                      : importing_ ? index_
                                   : core::FindAccountIndex(scenario, accountId_);
    if (index < 0) return Outcome::Kept;
    core::Account& account = scenario.account(index);
    if (fresh) {
      account = core::Account{};
      account.slot = core::TakeSlotForNewAccount(scenario, index);
    }
    StoreAccount(account, *values);
    StoreSlot(scenario, account.slot, *values, stdDev);
    if (fresh || importing_) core::AllocateAccountId(scenario);
    WarnAboutRmdTransferAccount(scenario);
    planner_.ScenarioEdited();
    return Outcome::Stored;
  }

  void StoreAccount(core::Account& account, const std::map<std::string, float>& values) {
    core::CopyText(account.name, Text("Account Name"));
    account.initialAmount = values.at("Initial Amount");
    account.balance = account.initialAmount;
    account.rate = values.at("Effective Yearly Rate");
    account.currentRate = account.rate;
    account.randomMinRate = values.at("Random Minimum Rate");
    account.randomMaxRate = values.at("Random Maximum Rate");
    core::CopyText(account.accessOrder, Text("Access Order"));
    account.kind = static_cast<uint16_t>(std::max(0, Choice(kKind)));
    account.penaltyApplies = PenaltyKind(account.kind) && On(kPenalty) ? 1 : 0;
    const int group = Choice(kGroup);
    if (group >= 0) account.groupIndex = static_cast<uint16_t>(groups_[group]);
  }

  void StoreSlot(core::Scenario& scenario, int slot, const std::map<std::string, float>& values,
                 float stdDev) {
    if (slot < 0 || slot >= core::kSlotCount) return;
    core::SlotData& slots = scenario.slots;
    slots.penaltyRate[slot] = values.at("Penalty Rate");
    slots.penaltyAge[slot] = std::trunc(values.at("Penalty Age"));
    slots.stdDeviation[slot] = stdDev;
    slots.aaMember[slot] = On(kAllocation) ? 1 : 0;
    uint16_t table = 0;
    for (int t = 0; t < 3; ++t) {
      if (On(kRmdTables[t])) table = static_cast<uint16_t>(10 * (t + 1));
    }
    slots.rmdTable[slot] = table;
    scenario.dividends.dividendRate[slot] = dividend_.rate;
    scenario.dividends.dividendTaxablePercent[slot] = dividend_.taxablePercent;
    scenario.dividends.dividendAccountId[slot] = dividend_.accountId;
  }

  void WarnAboutRmdTransferAccount(const core::Scenario& scenario) {
    const bool assigned = On(kRmdTables[0]) || On(kRmdTables[1]) || On(kRmdTables[2]);
    const auto receiving = static_cast<uint16_t>(scenario.slots.rmdTransferAccountId);
    if (!assigned || core::FindAccountIndex(scenario, receiving) >= 0) return;
    planner_.services().prompter.ShowMessage(
        "RMD Problem",
        "You have not selected an RMD \"Transfer Funds To\" account.\nThis selection is made "
        "from the Edit/Required Minimum Distribution menu item.",
        platform::Icon::Warning);
  }

  int index_;
  bool importing_;
  uint16_t accountId_ = core::kNoAccountId;
  std::vector<int> groups_;
  Dividend dividend_;
};

}  // namespace

std::unique_ptr<Form> MakeAccountForm(Planner& planner, int index, bool importing) {
  return std::make_unique<AccountForm>(planner, index, importing);
}

}  // namespace planner::forms
