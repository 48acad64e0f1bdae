#include "planner/forms/form_factory.h"

#include <functional>

#include "planner/forms/account_form.h"
#include "planner/forms/budget_form.h"
#include "planner/forms/calculator_forms.h"
#include "planner/forms/cash_event_forms.h"
#include "planner/forms/debt_forms.h"
#include "planner/forms/fundamentals_form.h"
#include "planner/forms/initial_values_form.h"
#include "planner/forms/option_forms.h"
#include "planner/forms/rmd_forms.h"
#include "planner/forms/rule72t_form.h"

namespace planner::forms {

namespace {

using Maker = std::function<std::unique_ptr<Form>(Planner&, const Place&)>;

struct FormEntry {
  const char* name;
  Maker make;
};

const std::vector<FormEntry>& Entries() {
  static const std::vector<FormEntry> entries = {
      {"INITIAL", [](Planner& p, const Place&) { return MakeInitialValuesForm(p); }},
      {"WITHDRAWAL", [](Planner& p, const Place& at) { return MakeWithdrawalForm(p, at.event); }},
      {"INCOME", [](Planner& p, const Place& at) { return MakeDepositForm(p, at.event); }},
      {"TRANSFER", [](Planner& p, const Place& at) { return MakeTransferForm(p, at.event); }},
      {"LOAN", [](Planner& p, const Place& at) { return MakeLoanForm(p, at.event); }},
      {"CCARD",
       [](Planner& p, const Place& at) { return MakeCreditCardForm(p, at.event, at.calculator); }},
      {"MORTGAGE", [](Planner& p, const Place& at) { return MakeMortgageForm(p, at.event); }},
      {"FUNDAMENTALS",
       [](Planner& p, const Place& at) { return MakeFundamentalsForm(p, at.event); }},
      {"ACCOUNTINFO", [](Planner& p, const Place& at) { return MakeAccountForm(p, at.account); }},
      {"GROUPS", [](Planner& p, const Place&) { return MakeGroupsForm(p); }},
      {"AA", [](Planner& p, const Place&) { return MakeAssetAllocationForm(p); }},
      {"MRW", [](Planner& p, const Place&) { return MakeRmdOptionsForm(p); }},
      {"RMDTABLE", [](Planner& p, const Place& at) { return MakeLifeTableForm(p, at.budget); }},
      {"RULE", [](Planner& p, const Place& at) { return MakeRule72tForm(p, at.event); }},
      {"MONTE1", [](Planner& p, const Place&) { return MakeMonteCarloForm(p); }},
      {"BUDGET", [](Planner& p, const Place& at) { return MakeBudgetForm(p, at.budget); }},
      {"EVENTS", [](Planner& p, const Place&) { return MakeAddEventForm(p); }},
      {"MORTGAGEC", [](Planner& p, const Place&) { return MakeMortgageCalculatorForm(p); }},
      {"ACCEL", [](Planner& p, const Place& at) { return MakeAcceleratedForm(p, at.event); }},
      {"REFINANCE", [](Planner& p, const Place& at) { return MakeRefinanceForm(p, at.event); }},
      {"TRADE", [](Planner& p, const Place&) { return MakeTradeOffForm(p); }},
      {"INFLATE", [](Planner& p, const Place&) { return MakeInflationForm(p); }},
      {"EFFECTIVE", [](Planner& p, const Place&) { return MakeEffectiveRateForm(p, false); }},
      {"TAXINF", [](Planner& p, const Place&) { return MakeInvestmentForm(p); }},
  };
  return entries;
}

}  // namespace

std::unique_ptr<Form> MakeForm(Planner& planner, const Place& place) {
  for (const FormEntry& entry : Entries()) {
    if (place.name == entry.name) return entry.make(planner, place);
  }
  return nullptr;
}

const std::vector<std::string>& FormNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const FormEntry& entry : Entries()) all.emplace_back(entry.name);
    return all;
  }();
  return names;
}

}  // namespace planner::forms
