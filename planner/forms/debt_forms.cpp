#include "planner/forms/debt_forms.h"

#include <cmath>
#include <cstdlib>

#include "core/accounts.h"
#include "core/text.h"
#include "engine/debt_payments.h"
#include "planner/forms/credit_card_payoff.h"
#include "planner/forms/event_form.h"
#include "planner/forms/calculator_forms.h"
#include "planner/forms/form_support.h"
#include "planner/planner.h"

namespace planner::forms {

namespace {

constexpr int kLoanHelpTopic = 260;
constexpr int kMortgageHelpTopic = 259;
constexpr const char* kPayments = "Withdrawal payments from account:";
constexpr const char* kCardPayments = "Withdraw payments from account:";
constexpr const char* kMortgagePayments = "Withdraw payments from account:";
constexpr const char* kDepositTo = "Deposit to:";
constexpr const char* kMonthlyPayment = "Monthly Payment";

const Check kStart{"Start Age", NumberKind::Real, 1.0f, 120.0f, 7, "START AGE ERROR"};
const Check kPayoff{"Payoff Age", NumberKind::Real, 1.0f, 120.0f, 7, "PAYOFF AGE ERROR"};
const Check kLoanRate{"Rate", NumberKind::Real, 1.0f, 1000.0f, 6, "RATE ERROR"};
const Check kAmount{"Amount", NumberKind::Real, 1.0f, 100000000.0f, 2, "AMOUNT ERROR"};

const std::vector<Check> kLoanChecks = {
    kStart, kPayoff, kLoanRate, kAmount,
    {"Down Payment", NumberKind::Real, 0.0f, 100000000.0f, 2, "AMOUNT ERROR"},
    {"Sell Age", NumberKind::Real, 0.0f, 120.0f, 3, "SELL AGE ERROR"},
    {"Number of Years", NumberKind::Whole, 0.0f, 100.0f, 5, "NO OF YEARS ERROR"},
};

const std::vector<Check> kMortgageChecks = {
    kStart, kPayoff, kLoanRate, kAmount,
    {"Taxes", NumberKind::Real, 0.0f, 100000000.0f, 2, "AMOUNT ERROR"},
    {"Closing Costs", NumberKind::Real, 0.0f, 100000000.0f, 2, "AMOUNT ERROR"},
    {"Down Payment / Equity", NumberKind::Real, 0.0f, 100000000.0f, 2, "DOWN PAYMENT ERROR"},
    {"Number of Years", NumberKind::Whole, 1.0f, 100.0f, 5, "NO OF YEARS ERROR"},
    {"Appreciation Rate", NumberKind::Real, -1000.0f, 1000.0f, 6, "RATE ERROR"},
    {"Sell Age", NumberKind::Real, 0.0f, 120.0f, 3, "AGE ERROR"},
    {"Percent of Selling Price at Sale", NumberKind::Real, -1000.0f, 1000.0f, 6, "RATE ERROR"},
};

const std::vector<Check> kCardChecks = {
    kStart, kPayoff, kLoanRate,
    {"Balance", NumberKind::Real, 1.0f, 100000000.0f, 2, "AMOUNT ERROR"},
    {"Monthly Payments", NumberKind::Real, 0.0f, 100000000.0f, 2, "AMOUNT ERROR"},
    {"Monthly Purchases", NumberKind::Real, 0.0f, 100000000.0f, 2, "AMOUNT ERROR"},
};

constexpr float kMostAcceleratedAmount = 100000.0f;
constexpr const char* kAccelerated = "Accelerated Payment Monthly Amount";
constexpr const char* kFromInitialStart =
    "Apply accelerated monthly payment starting at Initial Values Start Age";
constexpr const char* kFromMortgageStart =
    "Apply accelerated monthly payment starting at Mortgage Start Age";

std::string Blank(bool fresh, float value, std::string (*text)(float)) {
  return fresh ? std::string() : text(value);
}

// The payment account of a debt: an account, or none; an account of the asset allocation is
// refused.
bool StorePaymentAccount(const core::Scenario& scenario, uint16_t account, Planner& planner,
                         uint16_t& accountField, uint16_t& chosenField) {
  if (RefuseAssetAllocationAccount(scenario, account, planner.services().prompter)) return false;
  accountField = account;
  chosenField = account == core::kNoAccountId ? 0 : core::kAccountChosen;
  return true;
}

// A loan or a mortgage: both start with the same terms.
class DebtForm : public EventForm {
 protected:
  using EventForm::EventForm;

  // Description, start and payoff ages, rate and amount; a new debt's numbers start blank.
  void AddDebtTerms(bool fresh) {
    AddEdit("Description", kDescriptionChars, core::TextOf(event_.description));
    AddEdit("Start Age", kAgeChars, Blank(fresh, event_.startAge, AgeText));
    AddEdit("Payoff Age", kAgeChars, Blank(fresh, event_.endAge, AgeText));
    AddEdit("Rate", kRateChars, Blank(fresh, event_.loanRate, RateText));
    AddEdit("Amount", kAmountChars, Blank(fresh, event_.amount, AmountText));
  }
};

class LoanForm final : public DebtForm {
 public:
  LoanForm(Planner& planner, int index) : DebtForm(planner, "LOAN", "Loan", kLoanHelpTopic, index) {
    core::Scenario& scenario = planner_.document().scenario;
    const bool fresh = isNew();
    AddDebtTerms(fresh);
    AddEdit("Down Payment", kAmountChars, AmountText(event_.downPayment));
    AddEdit("Sell Age", kAgeChars, AgeText(event_.sellAge));
    AddEdit("Number of Years", kAgeChars, fresh ? "" : WholeText(event_.years));
    AddLabel(kMonthlyPayment, fresh ? "" : PaymentText(event_.monthlyPayment));
    AddList(kDepositTo, AccountEntries(scenario, true),
            ChoiceOfAccount(scenario, event_.accountId, true));
    AddList(kPayments, AccountEntries(scenario, true),
            ChoiceOfAccount(scenario, fresh ? core::kNoAccountId : event_.paymentAccountId, true));
    AddButtons({"OK", "Calculate", "Cancel", "Help"});
  }

 private:
  static std::string PaymentText(float payment) {
    return core::Format("%-11.2f", static_cast<double>(payment));
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    const auto values = RunChecks(kLoanChecks);
    if (!values) return Outcome::Kept;
    const core::Scenario& scenario = planner_.document().scenario;
    event_.startAge = std::trunc(values->at("Start Age"));
    event_.endAge = std::trunc(values->at("Payoff Age"));
    event_.loanRate = values->at("Rate");
    event_.amount = values->at("Amount");
    event_.downPayment = values->at("Down Payment");
    event_.sellAge = std::trunc(values->at("Sell Age"));
    event_.years = static_cast<uint16_t>(values->at("Number of Years"));
    event_.monthlyPayment = engine::MonthlyPayment(event_.amount - event_.downPayment,
                                                   event_.loanRate / 100.0f / 12.0f,
                                                   event_.years * 12);
    SetText(kMonthlyPayment, PaymentText(event_.monthlyPayment));
    const uint16_t depositTo = AccountOfChoice(scenario, Choice(kDepositTo), true);
    const int depositIndex = core::FindAccountIndex(scenario, depositTo);
    event_.depositAccountRate = depositIndex >= 0 ? scenario.account(depositIndex).rate : 0.0f;
    if (button == "Calculate") return Outcome::Done;
    StoreDescription();
    event_.accountId = depositTo;
    if (!StorePaymentAccount(scenario, AccountOfChoice(scenario, Choice(kPayments), true),
                             planner_, event_.paymentAccountId, event_.paymentAccountChosen)) {
      return Outcome::Kept;
    }
    event_.kind = core::kLoan;
    if (event_.cardMarker == core::kCardMarker) event_.cardMarker = 0;
    return StoreEvent() ? Outcome::Stored : Outcome::Kept;
  }
};

class MortgageForm final : public DebtForm {
 public:
  MortgageForm(Planner& planner, int index)
      : DebtForm(planner, "MORTGAGE", "Mortgage", kMortgageHelpTopic, index) {
    core::Scenario& scenario = planner_.document().scenario;
    const bool fresh = isNew();
    AddDebtTerms(fresh);
    AddEdit("Taxes", kAmountChars, AmountText(event_.propertyTaxes));
    AddEdit("Closing Costs", kAmountChars, AmountText(event_.closingCosts));
    AddEdit("Down Payment / Equity", kAmountChars, AmountText(event_.downPayment));
    AddEdit("Number of Years", kAgeChars, fresh ? "" : WholeText(event_.years));
    AddEdit("Appreciation Rate", kRateChars, RateText(event_.appreciationRate));
    AddEdit("Sell Age", kAgeChars, AgeText(event_.sellAge));
    AddEdit("Percent of Selling Price at Sale", kRateChars, RateText(event_.sellingCostPercent));
    AddEdit(kAccelerated, kAmountChars, AmountText(event_.extraMonthlyPayment));
    AddLabel(kMonthlyPayment, fresh ? "" : PaymentText(event_.monthlyPayment));
    AddList(kMortgagePayments, AccountEntries(scenario, true),
            ChoiceOfAccount(scenario, fresh ? core::kNoAccountId : event_.paymentAccountId, true));
    AddCheck("Apply inflation rate to taxes", event_.inflateTaxes == 1);
    AddCheck("Do not withdraw down payment", event_.downPaymentToEquity == 1);
    AddCheck(kFromInitialStart, event_.extraPaymentStart == 2);
    AddCheck(kFromMortgageStart, event_.extraPaymentStart == 3);
    AddButtons({"OK", "Calculate", "Schedule", "Do Refinancing Analysis",
                "Do Accelerated Payment Analysis", "Cancel", "Help"});
  }

 private:
  static std::string PaymentText(float payment) {
    return core::Format("%-11.2f", static_cast<double>(payment));
  }

  // The two start choices exclude each other; neither means no accelerated payment.
  void OnChanged(const std::string& name) override {
    if (name == kFromInitialStart && On(name)) SetOn(kFromMortgageStart, false);
    if (name == kFromMortgageStart && On(name)) SetOn(kFromInitialStart, false);
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    if (button == "Schedule" || button == "Do Refinancing Analysis" ||
        button == "Do Accelerated Payment Analysis") {
      return OpenAnalysis(button);
    }
    const auto values = RunChecks(kMortgageChecks);
    if (!values) return Outcome::Kept;
    const float accelerated = std::strtof(Text(kAccelerated).c_str(), nullptr);
    if (!(accelerated >= 0.0f && accelerated < kMostAcceleratedAmount)) {
      Show("Additional Monthly Amount Error",
           "This amount must be greater than or equal to  0.00 and less than 99999.99");
      return Outcome::Kept;
    }
    StoreValues(*values, accelerated);
    if (button == "Calculate") return Outcome::Done;
    const core::Scenario& scenario = planner_.document().scenario;
    if (!StorePaymentAccount(scenario, AccountOfChoice(scenario, Choice(kMortgagePayments), true),
                             planner_, event_.paymentAccountId, event_.paymentAccountChosen)) {
      return Outcome::Kept;
    }
    StoreDescription();
    event_.kind = core::kMortgage;
    return StoreEvent() ? Outcome::Stored : Outcome::Kept;
  }

  void StoreValues(const std::map<std::string, float>& values, float accelerated) {
    event_.startAge = std::trunc(values.at("Start Age"));
    event_.endAge = std::trunc(values.at("Payoff Age"));
    event_.loanRate = values.at("Rate");
    event_.amount = values.at("Amount");
    event_.propertyTaxes = values.at("Taxes");
    event_.closingCosts = values.at("Closing Costs");
    event_.downPayment = values.at("Down Payment / Equity");
    event_.years = static_cast<uint16_t>(values.at("Number of Years"));
    event_.appreciationRate = values.at("Appreciation Rate");
    event_.sellAge = std::trunc(values.at("Sell Age"));
    event_.sellingCostPercent = values.at("Percent of Selling Price at Sale");
    event_.extraMonthlyPayment = accelerated;
    event_.inflateTaxes = On("Apply inflation rate to taxes") ? 1 : 0;
    event_.downPaymentToEquity = On("Do not withdraw down payment") ? 1 : 0;
    event_.extraPaymentStart = On(kFromInitialStart) ? 2 : On(kFromMortgageStart) ? 3 : 0;
    event_.monthlyPayment = engine::MonthlyPayment(event_.amount - event_.downPayment,
                                                   event_.loanRate / 100.0f / 12.0f,
                                                   event_.years * 12);
    SetText(kMonthlyPayment, PaymentText(event_.monthlyPayment));
  }

  // The payment schedule of the values typed; the two analyses belong to their own windows.
  Outcome OpenAnalysis(const std::string& button) {
    if (button == "Schedule") {
      const auto values = RunChecks(kMortgageChecks);
      if (!values) return Outcome::Kept;
      StoreValues(*values, std::strtof(Text(kAccelerated).c_str(), nullptr));
      return OpenChild(MakePaymentScheduleForm(planner_, event_));
    }
    Place place{PlaceKind::Dialog, "REFINANCE"};
    place.event = index_;
    if (button == "Do Accelerated Payment Analysis") {
      if (isNew()) return Outcome::Done;  // only an existing mortgage has a schedule to speed up
      place.name = "ACCEL";
    }
    planner_.OpenPlace(place, 0);
    return Outcome::Done;
  }
};

class CreditCardForm final : public EventForm {
 public:
  CreditCardForm(Planner& planner, int index, bool calculator)
      : EventForm(planner, "CCARD",
                  calculator ? "Calculate Credit Card Debt Payoff" : "Credit Card Debt",
                  kLoanHelpTopic, calculator ? -1 : index),
        calculator_(calculator) {
    core::Scenario& scenario = planner_.document().scenario;
    const bool fresh = isNew();
    AddEdit("Company", kDescriptionChars, core::TextOf(event_.description));
    AddEdit("Start Age", kAgeChars, Blank(fresh, event_.startAge, AgeText));
    AddEdit("Payoff Age", kAgeChars, Blank(fresh, event_.endAge, AgeText));
    AddEdit("Rate", kRateChars, Blank(fresh, event_.loanRate, RateText));
    AddEdit("Balance", kAmountChars, Blank(fresh, event_.amount, AmountText));
    AddEdit("Monthly Payments", kAmountChars, Blank(fresh, event_.monthlyPayment, AmountText));
    AddEdit("Monthly Purchases", kAmountChars, AmountText(event_.monthlyPurchases));
    AddLabel("Years", fresh ? "" : core::Format("%-5.2f", static_cast<double>(event_.payoffYears)));
    AddLabel("Months", fresh ? "" : WholeText(static_cast<int>(event_.payoffMonths)));
    AddLabel("Total Interest",
             fresh ? "" : core::Format("%13.2f", static_cast<double>(event_.totalInterest)));
    if (!calculator_) {
      AddList(kCardPayments, AccountEntries(scenario, true),
              ChoiceOfAccount(scenario, event_.accountId, true));
    }
    AddButtons(calculator_ ? std::vector<std::string>{"Calculate", "Cancel", "Help"}
                           : std::vector<std::string>{"OK", "Calculate", "Cancel", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    if (calculator_) {
      Show(ComputePlain());
      return Outcome::Done;
    }
    const auto values = RunChecks(kCardChecks);
    if (!values) return Outcome::Kept;
    if (values->at("Start Age") < planner_.document().scenario.initial.startAge) {
      Show("START AGE ERROR",
           "The Start Age must be equal or greater than the Initial Values Start Age!");
      return Outcome::Kept;
    }
    const CardPayoff payoff =
        ComputeCardPayoff(values->at("Balance"), values->at("Rate"),
                          values->at("Monthly Payments"), values->at("Monthly Purchases"));
    Show(payoff);
    if (button == "Calculate") return Outcome::Done;
    const core::Scenario& scenario = planner_.document().scenario;
    uint16_t chosen = 0;
    if (!StorePaymentAccount(scenario, AccountOfChoice(scenario, Choice(kCardPayments), true),
                             planner_, event_.accountId, chosen)) {
      return Outcome::Kept;
    }
    core::CopyText(event_.description, Text("Company").substr(0, kDescriptionChars));
    event_.startAge = std::trunc(values->at("Start Age"));
    event_.endAge = std::trunc(values->at("Payoff Age"));
    event_.loanRate = values->at("Rate");
    event_.amount = values->at("Balance");
    event_.monthlyPayment = values->at("Monthly Payments");
    event_.monthlyPurchases = values->at("Monthly Purchases");
    event_.payoffMonths = static_cast<float>(payoff.months);
    event_.payoffYears = payoff.years;
    event_.totalInterest = payoff.totalInterest;
    event_.accountChosen = chosen;
    event_.kind = core::kLoan;
    event_.cardMarker = core::kCardMarker;
    return StoreEvent() ? Outcome::Stored : Outcome::Kept;
  }

  // The calculator reads its fields as plain numbers.
  CardPayoff ComputePlain() const {
    auto number = [this](const char* name) { return std::strtof(Text(name).c_str(), nullptr); };
    return ComputeCardPayoff(number("Balance"), number("Rate"), number("Monthly Payments"),
                             number("Monthly Purchases"));
  }

  void Show(const CardPayoff& payoff) {
    SetText("Years", core::Format("%-5.2f", static_cast<double>(payoff.years)));
    SetText("Months", WholeText(payoff.months));
    SetText("Total Interest", core::Format("%13.2f", static_cast<double>(payoff.totalInterest)));
  }
  using EventForm::Show;

  bool calculator_;
};

}  // namespace

std::unique_ptr<Form> MakeLoanForm(Planner& planner, int index) {
  return std::make_unique<LoanForm>(planner, index);
}
std::unique_ptr<Form> MakeMortgageForm(Planner& planner, int index) {
  return std::make_unique<MortgageForm>(planner, index);
}
std::unique_ptr<Form> MakeCreditCardForm(Planner& planner, int index, bool calculator) {
  return std::make_unique<CreditCardForm>(planner, index, calculator);
}

}  // namespace planner::forms
