#include "planner/forms/cash_event_forms.h"

#include <cmath>

#include "core/text.h"
#include "planner/forms/event_form.h"
#include "planner/forms/form_support.h"
#include "planner/planner.h"

namespace planner::forms {

namespace {

constexpr int kCashEventHelpTopic = 516;

// What sets the three kinds apart.
struct CashEventKind {
  const char* name;
  const char* title;
  uint16_t kind;
  const char* oneTime;
  const char* inflation;
  const char* account;       // the account list ("To Account:" of a transfer)
  bool noSelection;          // the account list starts with "No Selection"
};

constexpr CashEventKind kWithdrawal{"WITHDRAWAL", "Withdrawal", core::kWithdrawal,
                                    "One time only withdrawal",
                                    "Apply inflation rate to withdrawal", "Withdrawal Account",
                                    true};
constexpr CashEventKind kDeposit{"INCOME", "Deposit", core::kDeposit, "One time only deposit",
                                 "Apply inflation rate to deposits", "Deposit to:", false};
constexpr CashEventKind kTransfer{"TRANSFER", "Transfer", core::kTransfer, "One transaction only",
                                  "Apply inflation rate to transfer", "To Account:", false};

constexpr const char* kFromAccount = "From Account:";
constexpr const char* kTransferAll = "Transfer all funds at Start Age";
constexpr const char* kTaxDeposit = "Tax deposit at current tax rate";
constexpr const char* kTodaysDollars = "Amount is in today's dollars";

const std::vector<Check> kCashEventChecks = {
    {"Start Age", NumberKind::Real, 1.0f, 120.0f, 7, "START AGE ERROR"},
    {"End Age", NumberKind::Real, 1.0f, 120.0f, 7, "END AGE ERROR"},
    {"Amount", NumberKind::Real, 1.0f, 100000000.0f, 2, "AMOUNT ERROR"},
    {"Apply Rate", NumberKind::Real, -20.0f, 20.0f, 8, "APPLY RATE ERROR"},
};

class CashEventForm final : public EventForm {
 public:
  CashEventForm(Planner& planner, const CashEventKind& kind, int index)
      : EventForm(planner, kind.name, kind.title, kCashEventHelpTopic, index), kind_(kind) {
    core::Scenario& scenario = planner_.document().scenario;
    const bool fresh = isNew();
    AddEdit("Description", kDescriptionChars, core::TextOf(event_.description));
    AddEdit("Start Age", kAgeChars, fresh ? "" : AgeText(event_.startAge));
    AddEdit("End Age", kAgeChars, fresh ? "" : AgeText(event_.endAge));
    AddEdit("Amount", kAmountChars, fresh ? "" : AmountText(event_.amount));
    AddEdit("Apply Rate", kRateChars, RateText(fresh ? 0.0f : event_.appliedRate));
    AddCheck(kind_.oneTime, event_.oneTimeOnly == 1);
    if (kind_.kind == core::kTransfer) {
      AddCheck(kTransferAll, event_.transferAll == 1);
      AddList(kFromAccount, AccountEntries(scenario, false),
              ChoiceOfAccount(scenario, fresh ? core::kNoAccountId : event_.fromAccountId, false));
    }
    AddList(kind_.account, AccountEntries(scenario, kind_.noSelection),
            ChoiceOfAccount(scenario, event_.accountId, kind_.noSelection));
    if (kind_.kind == core::kDeposit) AddCheck(kTaxDeposit, event_.taxDeposit == 1);
    AddCheck(kTodaysDollars, event_.inTodaysDollars == 1).label = TodaysDollarsLabel();
    AddCheck(kind_.inflation, event_.applyInflation == 1);
    AddButtons({"OK", "Cancel", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Cancel();
    return Store();
  }

  uint16_t ChosenAccount(const char* list, bool noSelection) const {
    return AccountOfChoice(planner_.document().scenario, Choice(list), noSelection);
  }

  Outcome Cancel() {
    if (kind_.kind == core::kWithdrawal &&
        RefuseAssetAllocationAccount(planner_.document().scenario,
                                     ChosenAccount(kind_.account, true),
                                     planner_.services().prompter)) {
      return Outcome::Kept;
    }
    return Outcome::Cancelled;
  }

  Outcome Store() {
    const bool transferAll = kind_.kind == core::kTransfer && On(kTransferAll);
    std::vector<std::string> skipped;
    if (On(kind_.oneTime) || transferAll) skipped.push_back("End Age");
    if (transferAll) skipped.insert(skipped.end(), {"Amount", "Apply Rate"});
    const auto values = RunChecks(kCashEventChecks, skipped);
    if (!values) return Outcome::Kept;
    if (kind_.kind == core::kWithdrawal &&
        RefuseAssetAllocationAccount(planner_.document().scenario,
                                     ChosenAccount(kind_.account, true),
                                     planner_.services().prompter)) {
      return Outcome::Kept;
    }
    StoreDescription();
    event_.startAge = std::trunc(values->at("Start Age"));
    // An unchecked end age is taken as typed, then truncated like a checked one.
    event_.endAge = std::trunc(values->count("End Age") > 0
                                   ? values->at("End Age")
                                   : std::strtof(Text("End Age").c_str(), nullptr));
    if (!transferAll) {
      event_.amount = values->at("Amount");
      event_.appliedRate = values->at("Apply Rate");
    }
    event_.oneTimeOnly = On(kind_.oneTime) ? 1 : 0;
    event_.applyInflation = On(kind_.inflation) ? 1 : 0;
    event_.inTodaysDollars = On(kTodaysDollars) ? 1 : 0;
    event_.kind = kind_.kind;
    StoreAccounts(transferAll);
    return StoreEvent() ? Outcome::Stored : Outcome::Kept;
  }

  void StoreAccounts(bool transferAll) {
    const uint16_t account = ChosenAccount(kind_.account, kind_.noSelection);
    event_.accountId = account;
    switch (kind_.kind) {
      case core::kWithdrawal:
        event_.accountChosen = account == core::kNoAccountId ? 0 : core::kAccountChosen;
        break;
      case core::kDeposit: event_.taxDeposit = On(kTaxDeposit) ? 1 : 0; break;
      case core::kTransfer:
        event_.fromAccountId = ChosenAccount(kFromAccount, false);
        event_.transferAll = transferAll ? 1 : 0;
        break;
      default: break;
    }
  }

  const CashEventKind& kind_;
};

}  // namespace

std::unique_ptr<Form> MakeWithdrawalForm(Planner& planner, int index) {
  return std::make_unique<CashEventForm>(planner, kWithdrawal, index);
}
std::unique_ptr<Form> MakeDepositForm(Planner& planner, int index) {
  return std::make_unique<CashEventForm>(planner, kDeposit, index);
}
std::unique_ptr<Form> MakeTransferForm(Planner& planner, int index) {
  return std::make_unique<CashEventForm>(planner, kTransfer, index);
}

}  // namespace planner::forms
