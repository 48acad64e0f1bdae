#include "planner/forms/initial_values_form.h"

#include <cmath>

#include "core/accounts.h"
#include "core/birthday.h"
#include "core/format_money.h"
#include "core/text.h"
#include "engine/run_tables.h"
#include "planner/forms/form_support.h"
#include "planner/planner.h"

namespace planner::forms {

namespace {

constexpr int kInitialValuesHelpTopic = 517;
constexpr const char* kUseBirthday = "Use Birthday";
constexpr const char* kPurchasingPower = "Display Net Worth in Today's Purchasing Power";

const Check kBirthMonth{"Birth Month", NumberKind::Whole, 1, 12, 9, "BIRTH MONTH ERROR"};
const Check kBirthDay{"Birth Day", NumberKind::Whole, 1, 31, 10, "BIRTH DAY ERROR"};
const Check kStartAge{"Start Age", NumberKind::Real, 1.0f, 120.0f, 7, "START AGE ERROR"};
const Check kEndAge{"End Age", NumberKind::Real, 1.0f, 120.0f, 7, "END AGE ERROR"};
const Check kInflationRate{"Inflation Rate", NumberKind::Real, -10.0f, 50.0f, 4,
                           "INFLATION RATE ERROR"};
const Check kTaxRate{"Tax Rate", NumberKind::Real, 0.0f, 1000.0f, 4, "TAX RATE ERROR"};

std::string StartAgeText(float age) { return core::Format("%-6.3f", static_cast<double>(age)); }

std::string MoneyText(float amount, char mark) {
  const std::string printed = core::Format("%-13.2f", static_cast<double>(amount));
  char out[40];
  core::FormatMoney(printed, mark, out, sizeof out);
  return out;
}

class InitialValuesForm final : public Form {
 public:
  explicit InitialValuesForm(Planner& planner)
      : Form(planner, "INITIAL", "Initial Values", kInitialValuesHelpTopic),
        opened_(planner.document().scenario.initial) {
    core::Scenario& scenario = planner_.document().scenario;
    core::RecomputeInitialTotals(scenario);
    const core::InitialValues& v = scenario.initial;
    AddEdit("Start Age", kAgeChars, StartAgeText(v.startAge));
    AddEdit("End Age", kAgeChars, AgeText(v.endAge));
    AddEdit("Birth Month", kAgeChars, core::Format("%-2d", v.birthMonth));
    AddEdit("Birth Day", kAgeChars, core::Format("%-2d", v.birthDay));
    AddCheck(kUseBirthday, v.useBirthday == 1);
    AddEdit("Tax Rate", kRateChars, RateText(v.taxRate));
    AddEdit("Inflation Rate", kRateChars, RateText(v.inflationRate));
    AddCheck(kPurchasingPower, v.todaysPurchasingPower == 1);
    const char mark = planner_.CurrencyMark();
    const float total = v.initialInvestmentSavings + v.initialTaxFreeSavings +
                        v.initialRetirementSavings + v.initialEquity + v.initialAssets;
    AddLabel("Investment Savings", MoneyText(v.initialInvestmentSavings, mark)).startsColumn = true;
    AddLabel("Tax Free Savings", MoneyText(v.initialTaxFreeSavings, mark));
    AddLabel("Retirement Savings", MoneyText(v.initialRetirementSavings, mark));
    AddLabel("Equity", MoneyText(v.initialEquity, mark));
    AddLabel("Assets", MoneyText(v.initialAssets, mark));
    AddLabel("Total Amount In Accounts", MoneyText(total, mark));
    AddLabel("Average Investment Savings Rate", RateText(v.avgInvestmentRate));
    AddLabel("Average Tax Free Savings Rate", RateText(v.avgTaxFreeRate));
    AddLabel("Average Retirement Savings Rate", RateText(v.avgRetirementRate));
    AddLabel("Average Equity Rate", RateText(v.avgEquityRate));
    AddButtons({"OK", "Cancel", "Help"});
  }

 private:
  core::InitialValues& values() { return planner_.document().scenario.initial; }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") {
      Restore();
      return Outcome::Cancelled;
    }
    return Store();
  }

  // "Use Birthday": the start age shown follows the switch, after its checks.
  void OnChanged(const std::string& name) override {
    if (name != kUseBirthday) return;
    const bool on = On(kUseBirthday);
    const std::optional<float> start = RunCheck(kStartAge);
    std::optional<float> month, day;
    if (start && on) month = RunCheck(kBirthMonth);
    if (month) day = RunCheck(kBirthDay);
    if (!start || (on && !day)) {
      SetOn(kUseBirthday, !on);
      return;
    }
    core::InitialValues& v = values();
    v.useBirthday = on ? 1 : 0;
    float age = std::trunc(*start);
    if (on) {
      v.birthMonth = static_cast<int16_t>(*month);
      v.birthDay = static_cast<int16_t>(*day);
      age += core::AgeFractionSinceBirthday(v.birthMonth, v.birthDay,
                                            planner_.services().clock.Now());
    }
    v.startAge = age;
    SetText("Start Age", StartAgeText(age));
  }

  Outcome Store() {
    const std::optional<float> month = RunCheck(kBirthMonth);
    const std::optional<float> day = month ? RunCheck(kBirthDay) : std::nullopt;
    const std::optional<float> start = day ? RunCheck(kStartAge) : std::nullopt;
    const std::optional<float> end = start ? RunCheck(kEndAge) : std::nullopt;
    if (!end) return Outcome::Kept;
    // A plan holds at most kMaxResultsYears years, its start and end years both counted.
    const int years = static_cast<int>(std::trunc(*end)) - static_cast<int>(std::trunc(*start)) + 1;
    if (years >= engine::kMaxResultsYears) {
      Show("Age Range Error!", "The age range must be less than ALLOWABLE_POINTS!");
      return Outcome::Kept;
    }
    const std::optional<float> inflation = RunCheck(kInflationRate);
    const std::optional<float> tax = inflation ? RunCheck(kTaxRate) : std::nullopt;
    if (!tax) return Outcome::Kept;
    core::InitialValues& v = values();
    v.birthMonth = static_cast<int16_t>(*month);
    v.birthDay = static_cast<int16_t>(*day);
    v.startAge = *start;
    v.endAge = *end;
    v.inflationRate = *inflation;
    v.taxRate = *tax;
    v.useBirthday = On(kUseBirthday) ? 1 : 0;
    v.todaysPurchasingPower = On(kPurchasingPower) ? 1 : 0;
    planner_.ScenarioEdited();
    return Outcome::Stored;
  }

  void Restore() {
    core::InitialValues& v = values();
    v.startAge = opened_.startAge;
    v.endAge = opened_.endAge;
    v.taxRate = opened_.taxRate;
    v.inflationRate = opened_.inflationRate;
    v.birthMonth = opened_.birthMonth;
    v.birthDay = opened_.birthDay;
    v.useBirthday = opened_.useBirthday;
  }

  const core::InitialValues opened_;
};

}  // namespace

std::unique_ptr<Form> MakeInitialValuesForm(Planner& planner) {
  return std::make_unique<InitialValuesForm>(planner);
}

}  // namespace planner::forms
