#include "planner/forms/rule72t_form.h"

#include <cstdlib>

#include "core/events.h"
#include "core/text.h"
#include "engine/rule72t_dialog.h"
#include "planner/forms/event_form.h"
#include "planner/forms/form_support.h"
#include "planner/planner.h"

namespace planner::forms {

namespace {

constexpr int kRule72tHelpTopic = 1590;
constexpr const char* kTables[] = {"Single Life", "Uniform Life", "Joint Life"};
constexpr const char* kMethods[] = {"Annuity", "Amortization", "Minimum"};
constexpr const char* kFrom = "From Account";
constexpr const char* kTo = "To Account";
constexpr const char* kBalance = "Account Balance at Start Age";
constexpr const char* kAnnual = "Annual Withdrawal Amount";
constexpr const char* kResults[] = {"Annuity Payment", "Amortization Payment", "Minimum Payment"};

class Rule72tForm final : public EventForm {
 public:
  Rule72tForm(Planner& planner, int index)
      : EventForm(planner, "RULE", "Rule 72T Distribution", kRule72tHelpTopic, index) {
    core::Scenario& scenario = planner_.document().scenario;
    const bool fresh = isNew();
    AddEdit("Description", kDescriptionChars, core::TextOf(event_.description));
    AddEdit("Start Age", kAgeChars, fresh ? "" : AgeText(event_.startAge));
    AddEdit("Beneficiary Age", kAgeChars, fresh ? "" : AgeText(event_.beneficiaryAge));
    AddEdit("End Age", kAgeChars, fresh ? "" : AgeText(event_.endAge));
    AddEdit("Rate", kRateChars, fresh ? "" : RateText(event_.loanRate));
    AddList(kFrom, AccountEntries(scenario, false),
            ChoiceOfAccount(scenario, fresh ? core::kNoAccountId : event_.fromAccountId, false));
    AddList(kTo, AccountEntries(scenario, true), ChoiceOfAccount(scenario, event_.accountId, true));
    for (int t = 0; t < 3; ++t) {
      AddRadio(kTables[t], "table", (fresh ? 0 : event_.lifeTable) == t).startsColumn = t == 0;
    }
    for (int m = 0; m < 3; ++m) {
      AddRadio(kMethods[m], "method", (fresh ? 0 : event_.rule72tMethod) == m);
    }
    AddLabel(kBalance);
    for (const char* result : kResults) AddLabel(result);
    AddLabel(kAnnual, fresh ? "" : core::Format("%-12.0f", static_cast<double>(event_.amount)));
    AddButtons({"OK", "Calculate", "Cancel", "Help"});
    if (!fresh) Calculate();
  }

 private:
  static int Chosen(const Form& form, const char* const (&names)[3]) {
    for (int i = 0; i < 3; ++i) {
      const Field* f = form.Find(names[i]);
      if (f != nullptr && f->on) return i;
    }
    return 0;
  }

  engine::Rule72tFields Fields() const {
    const core::Scenario& scenario = planner_.document().scenario;
    engine::Rule72tFields fields;
    fields.description = Text("Description");
    fields.startAge = std::strtof(Text("Start Age").c_str(), nullptr);
    fields.endAge = std::strtof(Text("End Age").c_str(), nullptr);
    fields.beneficiaryAge = std::strtof(Text("Beneficiary Age").c_str(), nullptr);
    fields.ratePercent = std::strtof(Text("Rate").c_str(), nullptr);
    fields.table = Chosen(*this, kTables);
    fields.method = Chosen(*this, kMethods);
    fields.fromAccountId = AccountOfChoice(scenario, Choice(kFrom), false);
    fields.toAccountId = AccountOfChoice(scenario, Choice(kTo), true);
    return fields;
  }

  engine::Rule72tDialogEnvironment Environment() const {
    return engine::Rule72tDialogEnvironment{planner_.services().prompter, planner_.workDir(),
                                            planner_.services().clock.Now(),
                                            planner_.CurrencyMark()};
  }

  // The scenario without the event being edited, so that the balance is the one it starts from.
  core::Scenario WithoutThisEvent() const {
    core::Scenario copy = planner_.document().scenario;
    if (!isNew()) core::DeleteEvent(copy, index_);
    return copy;
  }

  void ShowResults(const engine::Rule72tCalculation& result) {
    SetText(kBalance, result.balanceText);
    SetText(kResults[0], result.annuityText);
    SetText(kResults[1], result.amortizationText);
    SetText(kResults[2], result.minimumText);
    SetText(kAnnual, result.annualWithdrawalText);
    payment_ = result.payments.payment;
  }

  bool Calculate() {
    const auto result = engine::CalculateRule72t(Environment(), WithoutThisEvent(), Fields());
    if (!result) return false;
    ShowResults(*result);
    return true;
  }

  // A table or method chosen: the payments again from the balance shown.
  void OnChanged(const std::string& name) override {
    const Field* f = Find(name);
    if (f == nullptr || f->kind != FieldKind::Radio || Text(kBalance).empty()) return;
    const auto result = engine::CalculateRule72tFromBalance(
        Environment(), Fields(), std::strtof(Text(kBalance).c_str(), nullptr));
    if (result) ShowResults(*result);
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    if (button == "Calculate") return Calculate() ? Outcome::Done : Outcome::Kept;
    core::FinancialEvent stored = event_;
    if (!engine::StoreRule72tFields(planner_.services().prompter, planner_.document().scenario,
                                    Fields(), stored)) {
      return Outcome::Kept;
    }
    stored.amount = payment_ ? *payment_ : std::strtof(Text(kAnnual).c_str(), nullptr);
    event_ = stored;
    return StoreEvent() ? Outcome::Stored : Outcome::Kept;
  }

  std::optional<float> payment_;
};

}  // namespace

std::unique_ptr<Form> MakeRule72tForm(Planner& planner, int index) {
  return std::make_unique<Rule72tForm>(planner, index);
}

}  // namespace planner::forms
