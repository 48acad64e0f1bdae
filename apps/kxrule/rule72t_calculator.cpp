#include "apps/kxrule/rule72t_calculator.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "core/text.h"
#include "engine/ages.h"
#include "engine/rule72t.h"
#include "graph/plot_lines.h"

namespace kxrule {
namespace {

constexpr float kLowestUniformAge = 10.0f;
constexpr float kHighestAge = 115.0f;
constexpr float kYearsWithoutEndAge = 5.0f;

struct Problem {
  const char* caption;
  const char* text;
};

struct Inputs {
  float age = 0.0f;
  float beneficiaryAge = 0.0f;
  int endAge = 0;  // whole years
  float rate = 0.0f;
  float balance = 0.0f;
  LifeTable table = LifeTable::Single;
  Method method = Method::Annuity;
};

// A field as the calculator reads it: its leading number, 0 when empty or no number.
float FieldValue(const std::string& text) { return graph::ReadFloat(text); }

Inputs ReadInputs(const CalculatorFields& fields) {
  Inputs inputs;
  inputs.age = FieldValue(fields.age);
  inputs.beneficiaryAge = FieldValue(fields.beneficiaryAge);
  inputs.rate = FieldValue(fields.rate);
  inputs.balance = FieldValue(fields.balance);
  float end = fields.endAge.empty() ? inputs.age + kYearsWithoutEndAge : FieldValue(fields.endAge);
  inputs.endAge = engine::WholeAge(end);
  inputs.table = fields.table;
  inputs.method = fields.method;
  return inputs;
}

std::optional<Problem> CheckInputs(const Inputs& in) {
  const float older = std::max(in.age, in.beneficiaryAge);
  const float younger = std::min(in.age, in.beneficiaryAge);
  if (in.table == LifeTable::Uniform && younger < kLowestUniformAge) {
    return Problem{"Age Error", "Ages cannot be less than 10 when using the Uniform Life Table."};
  }
  if (older > kHighestAge) return Problem{"Age Error", "Ages cannot be more than 115."};
  if (in.rate > 100.0f || in.rate < 0.0f) {
    return Problem{"Rate Error", "Rates must be between 0.0% and 100.0%"};
  }
  if (younger < 0.0f) return Problem{"Age Error", "Ages must be greater than 0.0"};
  if (static_cast<float>(in.endAge) < in.age) {
    return Problem{"Age Error", "The End Age must be greater than the Age."};
  }
  // The schedule and its graphs hold a bounded number of years.
  if (in.endAge - engine::WholeAge(in.age) + 1 > kMostScheduleEntries) {
    return Problem{"Age Error", "The End Age cannot be more than 98 years after the Age."};
  }
  return std::nullopt;
}

// Passes each distinct message on once: a calculation asks for payments many times, and a
// missing life table would otherwise be reported once per schedule year.
class MessagesOnce final : public platform::Prompter {
 public:
  explicit MessagesOnce(platform::Prompter& shown) : shown_(shown) {}
  void ShowMessage(const std::string& caption, const std::string& text,
                   platform::Icon icon) override {
    if (seen_.insert({caption, text}).second) shown_.ShowMessage(caption, text, icon);
  }
  platform::Answer Ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons, platform::Icon icon) override {
    return shown_.Ask(caption, text, buttons, icon);
  }

 private:
  platform::Prompter& shown_;
  std::set<std::pair<std::string, std::string>> seen_;
};

class PaymentSource {
 public:
  PaymentSource(platform::Prompter& prompter, const CalculatorEnvironment& environment,
                const Inputs& inputs)
      : prompter_(prompter), environment_(environment), inputs_(inputs) {}

  engine::Rule72tPayments At(float ownerAge, float beneficiaryAge, float balance) const {
    return engine::Rule72tPayment(prompter_, environment_.workDir, ownerAge, beneficiaryAge,
                                  balance, inputs_.rate, static_cast<int>(inputs_.table),
                                  static_cast<int>(inputs_.method));
  }

 private:
  platform::Prompter& prompter_;
  const CalculatorEnvironment& environment_;
  const Inputs& inputs_;
};

void ShowPayments(const engine::Rule72tPayments& payments, graph::Currency currency,
                  CalculatorOutputs& outputs) {
  if (payments.hasAnnuity) outputs.annuity = PaymentText(payments.annuity, currency);
  outputs.amortization = PaymentText(payments.amortization, currency);
  if (payments.hasMinimum) outputs.minimum = PaymentText(payments.minimum, currency);
  outputs.annualWithdrawal = PaymentText(payments.payment, currency);
}

// The years from the whole age to the end age. Annuity and amortization pay the first year's
// amount every year; the minimum method recomputes it from the balance and the ages reached.
std::vector<ScheduleEntry> ScheduleOf(const Inputs& in, const PaymentSource& payments,
                                      float firstPayment) {
  std::vector<ScheduleEntry> schedule;
  float older = std::max(in.age, in.beneficiaryAge);
  float younger = std::min(in.age, in.beneficiaryAge);
  float balance = in.balance;
  const float growth = 1.0f + in.rate * 0.01f;
  for (int year = engine::WholeAge(in.age); year <= in.endAge; ++year) {
    float withdrawal = firstPayment;
    if (in.method == Method::Minimum) {
      withdrawal = payments.At(older, younger, balance).payment;
    }
    older += 1.0f;
    younger += 1.0f;
    balance = (balance - withdrawal) * growth;
    schedule.push_back({static_cast<float>(year), balance, withdrawal});
  }
  return schedule;
}

}  // namespace

std::string PaymentText(float payment, graph::Currency currency) {
  return graph::FormatMoney(core::Format("%-12.0f", static_cast<double>(payment)), false, currency);
}

bool RecalculateRule72t(const CalculatorFields& fields, const CalculatorEnvironment& environment,
                        Rule72tCalculation& calculation) {
  const Inputs inputs = ReadInputs(fields);
  if (std::optional<Problem> problem = CheckInputs(inputs)) {
    environment.prompter.ShowMessage(problem->caption, problem->text, platform::Icon::Error);
    return false;
  }
  MessagesOnce prompter(environment.prompter);
  PaymentSource payments(prompter, environment, inputs);
  // The older of the two ages is taken as the owner's: the tables read the same either way.
  engine::Rule72tPayments first =
      payments.At(std::max(inputs.age, inputs.beneficiaryAge),
                  std::min(inputs.age, inputs.beneficiaryAge), inputs.balance);
  // The outputs show the first year's payments; the schedule's later payments never reach
  // them, so nothing needs recomputing after the schedule.
  ShowPayments(first, environment.currency, calculation.outputs);
  calculation.schedule = ScheduleOf(inputs, payments, first.payment);
  return true;
}

}  // namespace kxrule
