#include "planner/forms/fundamentals_form.h"

#include <cmath>

#include "core/accounts.h"
#include "core/text.h"
#include "planner/forms/event_form.h"
#include "planner/forms/form_support.h"
#include "planner/planner.h"

namespace planner::forms {

namespace {

constexpr int kFundamentalsHelpTopic = 262;
constexpr const char* kAccountList = "Select account.";
constexpr const char* kChangeRate = "Press to change selected account's rate";
constexpr const char* kNewAccountRate = "New Account Rate";
constexpr const char* kRate = "Effective Yearly Rate";

const std::vector<Check> kFundamentalsChecks = {
    {"Start Age", NumberKind::Real, 1.0f, 120.0f, 7, "START AGE ERROR"},
    {"Tax Rate", NumberKind::Real, 0.0f, 1000.0f, 4, "TAX RATE ERROR"},
    {"Inflation Rate", NumberKind::Real, 0.0f, 1000.0f, 4, "INFLATION RATE ERROR"},
};

const Check kAccountRateCheck{kRate, NumberKind::Real, -200.0f, 200.0f, 2000, "RATE ERROR"};

// The "Account Rate" dialog: the chosen account's new effective yearly rate.
class AccountRateForm final : public Form {
 public:
  AccountRateForm(Planner& planner, int accountIndex, float shown)
      : Form(planner, "ACCOUNTRATE", "Account Rate", kFundamentalsHelpTopic),
        accountIndex_(accountIndex) {
    const core::Account& account = planner_.document().scenario.account(accountIndex);
    AddLabel("Account", core::TextOf(account.name));
    AddEdit(kRate, kRateChars, RateText(shown));
    AddButtons({"OK", "Cancel"});
  }
  float rate() const { return rate_; }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    const std::optional<float> rate = RunCheck(kAccountRateCheck);
    if (!rate) return Outcome::Kept;
    rate_ = *rate;
    planner_.document().scenario.account(accountIndex_).currentRate = rate_;
    return Outcome::Stored;
  }

  int accountIndex_;
  float rate_ = 0.0f;
};

class FundamentalsForm final : public EventForm {
 public:
  FundamentalsForm(Planner& planner, int index)
      : EventForm(planner, "FUNDAMENTALS", "Fundamentals", kFundamentalsHelpTopic, index) {
    core::Scenario& scenario = planner_.document().scenario;
    if (isNew()) StartFromLatest(scenario);
    AddEdit("Description", kDescriptionChars, core::TextOf(event_.description));
    AddEdit("Start Age", kAgeChars, isNew() ? "" : AgeText(event_.startAge));
    AddEdit("Tax Rate", kRateChars, RateText(event_.newTaxRate));
    AddEdit("Inflation Rate", kRateChars, RateText(event_.newInflationRate));
    Field& accounts = AddList(kAccountList, AccountEntries(scenario, true),
                              ChoiceOfAccount(scenario, event_.rateAccountId, true));
    accounts.listView = true;
    accounts.doubleClick = kChangeRate;
    AddLabel(kNewAccountRate,
             event_.rateAccountId == core::kNoAccountId ? "" : RateText(event_.newAccountRate));
    AddButtons({"OK", kChangeRate, "Cancel", "Help"});
  }

 private:
  // A new event carries on from the latest Fundamentals event, or from the initial values.
  void StartFromLatest(const core::Scenario& scenario) {
    event_.newTaxRate = scenario.initial.taxRate;
    event_.newInflationRate = scenario.initial.inflationRate;
    event_.rateAccountId = core::kNoAccountId;
    float latest = -1.0f;
    for (int i = 0; i < scenario.eventCount(); ++i) {
      const core::FinancialEvent& e = scenario.events[i];
      if (e.kind != core::kFundamentals || e.startAge < latest) continue;
      latest = e.startAge;
      event_.newTaxRate = e.newTaxRate;
      event_.newInflationRate = e.newInflationRate;
      event_.newAccountRate = e.newAccountRate;
    }
  }

  void OnChanged(const std::string& name) override {
    if (name == kAccountList) SetText(kNewAccountRate, "");
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    if (button == kChangeRate) return ChangeRate();
    const auto values = RunChecks(kFundamentalsChecks);
    if (!values) return Outcome::Kept;
    StoreDescription();
    event_.startAge = std::trunc(values->at("Start Age"));
    event_.endAge = event_.startAge;
    event_.newTaxRate = values->at("Tax Rate");
    event_.newInflationRate = values->at("Inflation Rate");
    const core::Scenario& scenario = planner_.document().scenario;
    const uint16_t account = AccountOfChoice(scenario, Choice(kAccountList), true);
    event_.rateAccountId = account;
    if (account != core::kNoAccountId && chosenRate_) event_.newAccountRate = *chosenRate_;
    event_.kind = core::kFundamentals;
    return StoreEvent() ? Outcome::Stored : Outcome::Kept;
  }

  Outcome ChangeRate() {
    const core::Scenario& scenario = planner_.document().scenario;
    const int index = core::FindAccountIndex(
        scenario, AccountOfChoice(scenario, Choice(kAccountList), true));
    if (index < 0) return Outcome::Done;
    const float shown = event_.rateAccountId == scenario.account(index).accountId
                            ? event_.newAccountRate
                            : scenario.account(index).rate;
    return OpenChild(std::make_unique<AccountRateForm>(planner_, index, shown));
  }

  Outcome OnChildClosed(Form& child, Outcome outcome) override {
    if (outcome != Outcome::Stored) return Outcome::Done;
    chosenRate_ = static_cast<AccountRateForm&>(child).rate();
    SetText(kNewAccountRate, RateText(*chosenRate_));
    return Outcome::Done;
  }

  std::optional<float> chosenRate_;
};

}  // namespace

std::unique_ptr<Form> MakeFundamentalsForm(Planner& planner, int index) {
  return std::make_unique<FundamentalsForm>(planner, index);
}

}  // namespace planner::forms
