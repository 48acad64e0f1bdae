#include "planner/forms/calculator_forms.h"

#include <algorithm>
#include <cstdlib>

#include "calc/checks.h"
#include "calc/payment_schedule.h"
#include "core/events.h"
#include "core/text.h"
#include "core/text_reading.h"
#include "engine/money_text.h"
#include "planner/forms/debt_forms.h"
#include "planner/forms/table_window_form.h"
#include "planner/planner.h"
#include "reports/page_table.h"

namespace planner::forms {

namespace {

constexpr size_t kCalculatorChars = 10;
constexpr int kMortgageHelp = 1536;
constexpr int kAcceleratedHelp = 1555;
constexpr int kRefinanceHelp = 1537;
constexpr int kTradeOffHelp = 1540;
constexpr int kInvestmentHelp = 1556;
constexpr int kEffectiveHelp = 1558;

std::string Printed(const char* format, float value) {
  return core::Format(format, static_cast<double>(value));
}

// "%13.2f" made a money text, as every calculator shows money.
std::string Money(const Planner& planner, float value) {
  return engine::FormatMoneyString(Printed("%13.2f", value), planner.CurrencyMark());
}

float Number(const std::string& text) { return calc::ReadNumber(text, kCalculatorChars); }
int Whole(const std::string& text) { return calc::ReadWhole(text, kCalculatorChars); }

// An edit named by its control number and its label ("104 Amount" shown as "Amount ").
Field& Numbered(Field& field, const char* label) {
  field.label = label;
  return field;
}

// --- MORTGAGEC

class MortgageCalculatorForm final : public Form {
 public:
  explicit MortgageCalculatorForm(Planner& planner)
      : Form(planner, "MORTGAGEC", "Mortgage Calculator", kMortgageHelp) {
    const auto& kept = planner_.calculators().mortgageTexts;
    Numbered(AddEdit("104 Amount", kCalculatorChars, kept[0]), "Amount ");
    Numbered(AddEdit("105 Down Payment", kCalculatorChars, kept[1]), "Down Payment");
    Numbered(AddEdit("106 Rate", kCalculatorChars, kept[2]), "Rate");
    Numbered(AddEdit("107 No Of Years", kCalculatorChars, kept[3]), "No Of Years");
    Numbered(AddLabel("108 Monthly Payment", kept[4]), "Monthly Payment");
    AddButtons({"OK", "Calculate", "Use this mortgage in plan", "Cancel", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    const calc::MortgageInputs in{Number(Text("104 Amount")), Number(Text("105 Down Payment")),
                                  Number(Text("106 Rate")), Whole(Text("107 No Of Years"))};
    const auto payment = calc::MortgagePayment(in, planner_.services().prompter);
    if (!payment) return Outcome::Kept;
    SetText("108 Monthly Payment", Printed("%-9.2f", *payment));
    Keep();
    if (button == "Calculate") return Outcome::Done;
    if (button == "OK") return Outcome::Stored;
    if (button != "Use this mortgage in plan") return Outcome::Unknown;
    std::unique_ptr<Form> mortgage = MakeMortgageForm(planner_, -1);
    mortgage->Set("Amount", Text("104 Amount"));
    mortgage->Set("Down Payment / Equity", Text("105 Down Payment"));
    mortgage->Set("Rate", Text("106 Rate"));
    mortgage->Set("Number of Years", Text("107 No Of Years"));
    return OpenChild(std::move(mortgage));
  }

  // The calculator closes with the mortgage dialog, whatever that stored.
  Outcome OnChildClosed(Form&, Outcome) override { return Outcome::Cancelled; }

  void Keep() {
    auto& kept = planner_.calculators().mortgageTexts;
    const char* names[] = {"104 Amount", "105 Down Payment", "106 Rate", "107 No Of Years",
                           "108 Monthly Payment"};
    for (size_t i = 0; i < kept.size(); ++i) kept[i] = Text(names[i]);
  }
};

// --- ACCEL

// The mortgage event `index` as the analyses start from it: what it borrowed, its term, the
// years it has left at the plan's start, its rate and extra payment.
bool IsMortgage(const Planner& planner, int index) {
  const core::Scenario& s = planner.document().scenario;
  return index >= 0 && index < s.eventCount() && s.events[static_cast<size_t>(index)].kind == core::kMortgage;
}

class AcceleratedForm final : public Form {
 public:
  AcceleratedForm(Planner& planner, int mortgage)
      : Form(planner, "ACCEL", "Accelerated Mortgage Payment Analysis", kAcceleratedHelp) {
    calc::AcceleratedInputs& kept = planner_.calculators().accelerated;
    if (IsMortgage(planner_, mortgage)) {
      const core::Scenario& s = planner_.document().scenario;
      const core::FinancialEvent& e = s.events[static_cast<size_t>(mortgage)];
      kept.amount = e.amount - e.downPayment;
      kept.years = e.years;
      const int used = std::max(0, static_cast<int>(s.initial.startAge) - static_cast<int>(e.startAge));
      kept.yearsLeft = std::max(1, e.years - used);
      kept.rate = e.loanRate;
      kept.extra = e.extraMonthlyPayment;
    }
    const core::InitialValues& initial = planner_.document().scenario.initial;
    Numbered(AddEdit("1 Loan Amount", kCalculatorChars, Printed("%-.2f", kept.amount)), "Loan Amount");
    Numbered(AddEdit("2 Number of Years", kCalculatorChars, core::Format("%d", kept.years)),
             "Number of Years");
    Numbered(AddEdit("13 Years Left", kCalculatorChars, core::Format("%d", kept.yearsLeft)),
             "Years Left");
    Numbered(AddEdit("3 Rate", kCalculatorChars, Printed("%-.3f", kept.rate)), "Rate (%)");
    Numbered(AddEdit("4 Additional Monthly Payment", kCalculatorChars, Printed("%-.2f", kept.extra)),
             "Additional Monthly Payment");
    Numbered(AddEdit("15 Investment Rate", kCalculatorChars, "5.00"), "Investment Rate (%)");
    Numbered(AddEdit("16 Tax Rate", kCalculatorChars, Printed("%-.2f", initial.taxRate)),
             "Tax Rate (%)");
    Numbered(AddEdit("17 Inflation Rate", kCalculatorChars, Printed("%-.2f", initial.inflationRate)),
             "Inflation Rate (%)");
    Numbered(AddLabel("5 Monthly Payment"), "Existing Mortgage: Monthly Payment").startsColumn = true;
    Numbered(AddLabel("6 Total Payments"), "Total Payments");
    Numbered(AddLabel("7 Total Interest"), "Total Interest");
    Numbered(AddLabel("8 Payment Years"), "Accelerated Payment Mortgage: Payment Years");
    Numbered(AddLabel("9 Monthly Payment"), "Monthly Payment");
    Numbered(AddLabel("10 Total Payments"), "Total Payments");
    Numbered(AddLabel("11 Total Interest"), "Total Interest");
    Numbered(AddLabel("12 Savings"), "Savings");
    Numbered(AddLabel("14 Additional Payment"), "Investment Comparison: the additional payment");
    Numbered(AddLabel("18 Worth"), "would be worth");
    Numbered(AddLabel("19 Years"), "at the end of (years)");
    AddLabel("Investment Comparison").label = " Investment Comparison";
    AddButtons({"OK", "Calculate", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "OK") return Outcome::Cancelled;  // OK ends the analysis without computing
    if (button != "Calculate") return Outcome::Unknown;
    const calc::AcceleratedInputs in{Number(Text("1 Loan Amount")),
                                     Whole(Text("2 Number of Years")),
                                     Whole(Text("13 Years Left")),
                                     Number(Text("3 Rate")),
                                     Number(Text("4 Additional Monthly Payment")),
                                     Number(Text("15 Investment Rate")),
                                     Number(Text("16 Tax Rate")),
                                     Number(Text("17 Inflation Rate"))};
    const auto out = calc::AcceleratedPayments(in, planner_.services().prompter);
    if (!out) return Outcome::Kept;
    planner_.calculators().accelerated = in;
    SetText("5 Monthly Payment", Money(planner_, out->payment));
    SetText("6 Total Payments", Money(planner_, out->totalPayments));
    SetText("7 Total Interest", Money(planner_, out->totalInterest));
    SetText("8 Payment Years", Printed("%-7.3f", out->paymentYears));
    SetText("9 Monthly Payment", Money(planner_, out->acceleratedPayment));
    SetText("10 Total Payments", Money(planner_, out->acceleratedTotalPayments));
    SetText("11 Total Interest", Money(planner_, out->acceleratedTotalInterest));
    SetText("12 Savings", Money(planner_, out->savings));
    SetText("14 Additional Payment", Money(planner_, in.extra));
    SetText("18 Worth", Money(planner_, out->investedValue));
    SetText("19 Years", core::Format("%3d", out->investedYears));
    SetText("Investment Comparison",
            Text("14 Additional Payment") + " invested monthly at a yearly rate of " +
                Text("15 Investment Rate") + " %" + " and taxed at " + Text("16 Tax Rate") + " %" +
                " with an inflation rate of " + Text("17 Inflation Rate") + " %" +
                " would be worth " + Text("18 Worth") + " at the end of " + Text("19 Years") +
                " years.");
    return Outcome::Done;
  }
};

// --- INFLATE

class InflationForm final : public Form {
 public:
  explicit InflationForm(Planner& planner)
      : Form(planner, "INFLATE", "Inflation Calculator", kInvestmentHelp) {
    const calc::InflationInputs& kept = planner_.calculators().inflation;
    AddEdit("Start Age", kCalculatorChars, Printed("%-6.2f", kept.startAge));
    AddEdit("End Age", kCalculatorChars, Printed("%-6.2f", kept.endAge));
    AddEdit("Start Age Amount", kCalculatorChars + 3, Printed("%-13.2f", kept.amount));
    AddEdit("Inflation Rate", kCalculatorChars, Printed("%-6.2f", kept.rate));
    AddLabel("Inflated Amount");
    AddButtons({"Calculate", "OK", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "OK") return Outcome::Cancelled;
    if (button != "Calculate") return Outcome::Unknown;
    const calc::InflationInputs in{Number(Text("Start Age")), Number(Text("End Age")),
                                   calc::ReadNumber(Text("Start Age Amount"), 13),
                                   Number(Text("Inflation Rate"))};
    const auto inflated = calc::InflatedAmount(in, planner_.services().prompter);
    if (!inflated) return Outcome::Kept;
    planner_.calculators().inflation = in;
    SetText("Inflated Amount", Printed("%-13.2f", *inflated));
    return Outcome::Done;
  }
};

// --- EFFECTIVE

constexpr const char* kCompoundings[] = {"Daily", "Monthly", "Quarterly", "Semiannually",
                                         "Other - enter number of compoundings per year"};
constexpr const char* kCompoundingCount = "Number of Compoundings";
constexpr const char* kEffectiveRate = "Effective Yearly Rate";
constexpr const char* kUseRate = "Use This Effective Yearly Rate";

class EffectiveRateForm final : public Form {
 public:
  EffectiveRateForm(Planner& planner, bool fromDialog)
      : Form(planner, "EFFECTIVE", "Calculate Effective Yearly Rate", kEffectiveHelp) {
    AddEdit("Nominal Rate", kCalculatorChars);
    for (const char* choice : kCompoundings) AddRadio(choice, "Interest Compounded", false);
    AddEdit(kCompoundingCount, 3);
    Enable(kCompoundingCount, false);
    AddLabel(kEffectiveRate);
    AddButtons(fromDialog ? std::vector<std::string>{"Calculate", kUseRate, "OK", "Help"}
                          : std::vector<std::string>{"Calculate", "OK", "Help"});
  }
  const std::string& handedBack() const { return handedBack_; }

 private:
  void OnChanged(const std::string&) override {
    Enable(kCompoundingCount, On(kCompoundings[4]));
  }

  calc::Compounding Chosen() const {
    for (int c = 0; c < 5; ++c) {
      if (On(kCompoundings[c])) return static_cast<calc::Compounding>(c);
    }
    return calc::Compounding::None;
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "OK") return Outcome::Cancelled;
    if (button != "Calculate" && button != kUseRate) return Outcome::Unknown;
    const auto rate = calc::EffectiveYearlyRate(Number(Text("Nominal Rate")), Chosen(),
                                                Whole(Text(kCompoundingCount)),
                                                planner_.services().prompter);
    if (!rate) return Outcome::Kept;
    SetText(kEffectiveRate, Printed("%-8.4f", *rate));
    if (button == "Calculate") return Outcome::Done;
    handedBack_ = Text(kEffectiveRate);
    return Outcome::Stored;
  }

  std::string handedBack_;
};

// --- TAXINF

constexpr const char* kReturnRate = "Effective yearly rate of return on investment";

class InvestmentForm final : public Form {
 public:
  explicit InvestmentForm(Planner& planner)
      : Form(planner, "TAXINF", "Taxes, Inflation and Your Investment", kInvestmentHelp) {
    const calc::InvestmentInputs& kept = planner_.calculators().investment;
    AddEdit("Amount invested", kCalculatorChars + 3, Printed("%-7.3f", kept.amount));
    AddEdit("Number of years amount is invested", kCalculatorChars, core::Format("%3d", kept.years));
    AddEdit(kReturnRate, 13, Printed("%-13.4f", kept.rateOfReturn));
    AddEdit("Rate at which investment is taxed", 13, Printed("%-13.2f", kept.taxRate));
    AddEdit("Estimated yearly inflation rate", 13, Printed("%-13.2f", kept.inflationRate));
    AddLabel("Years").startsColumn = true;
    AddLabel("Tax Rate");
    AddLabel("End Value");
    AddLabel("Inflation Rate");
    AddLabel("Value In Today's Purchasing Power");
    AddLabel("Average Yearly Rate");
    AddButtons({"Calculate", "Calculate Effective Yearly Rate", "OK", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "OK") return Outcome::Cancelled;
    if (button == "Calculate Effective Yearly Rate") {
      return OpenChild(MakeEffectiveRateForm(planner_, true));
    }
    if (button != "Calculate") return Outcome::Unknown;
    const calc::InvestmentInputs in{calc::ReadNumber(Text("Amount invested"), 13),
                                    Whole(Text("Number of years amount is invested")),
                                    calc::ReadNumber(Text(kReturnRate), 13),
                                    calc::ReadNumber(Text("Rate at which investment is taxed"), 13),
                                    calc::ReadNumber(Text("Estimated yearly inflation rate"), 13)};
    const auto out = calc::TaxesInflationInvestment(in, planner_.services().prompter);
    if (!out) return Outcome::Kept;
    planner_.calculators().investment = in;
    SetText("Years", core::Format("%d", in.years));
    SetText("Tax Rate", Printed("%-4.2f", in.taxRate) + "%");
    SetText("End Value", Money(planner_, out->endValue));
    SetText("Inflation Rate", Printed("%-4.2f", in.inflationRate) + "%");
    SetText("Value In Today's Purchasing Power", Money(planner_, out->todaysValue));
    SetText("Average Yearly Rate", Printed("%-4.2f", out->effectiveRate) + "%");
    return Outcome::Done;
  }

  Outcome OnChildClosed(Form& child, Outcome) override {
    const std::string rate = EffectiveRateHandedBack(child);
    if (!rate.empty()) SetText(kReturnRate, rate);
    return Outcome::Done;
  }
};

// --- TRADE

std::string OptionField(int id, int option, const char* name) {
  return core::Format("%d %s %d", id + option, name, option + 1);
}

class TradeOffForm final : public Form {
 public:
  explicit TradeOffForm(Planner& planner)
      : Form(planner, "TRADE", "Trade-Off Analysis", kTradeOffHelp) {
    const calc::TradeOffInputs& kept = planner_.calculators().tradeOff;
    for (int o = 0; o < calc::kTradeOptions; ++o) {
      const size_t i = static_cast<size_t>(o);
      Field& name = AddEdit(core::Format("%d Option %d", 901 + o, o + 1), calc::kTradeNameLength,
                            kept.names[i]);
      name.startsColumn = true;
      name.label = core::Format("Option %d", o + 1);
      AddEdit(OptionField(101, o, "Fixed Cost"), kCalculatorChars, Amount(kept.fixedCost[i])).label =
          "Fixed Cost";
      AddEdit(OptionField(201, o, "Cost per Period"), kCalculatorChars, Amount(kept.costPerPeriod[i]))
          .label = "Cost per Period";
      AddEdit(OptionField(301, o, "Fixed Amount"), kCalculatorChars, Amount(kept.fixedAmount[i]))
          .label = "Fixed Amount";
      AddEdit(OptionField(401, o, "Income per Period"), kCalculatorChars,
              Amount(kept.incomePerPeriod[i])).label = "Income per Period";
      AddLabel(core::Format("%d End Amount %d", 950 + o, o + 1)).label = "End Amount";
    }
    Field& periods = AddEdit("601 No. of Periods", 3, core::Format("%3d", kept.periods));
    periods.startsColumn = true;
    periods.label = "No. of Periods";
    AddCheck("953 Use Initial Values Tax Rate", kept.useTaxRate).label =
        "Use Initial Values Tax Rate";
    AddLabel("108 Difference 1-2").label = "Differences: 1 and 2";
    AddLabel("109 Difference 2-3").label = "2 and 3";
    AddLabel("110 Difference 1-3").label = "1 and 3";
    AddButtons({"OK", "Graph", "Calculate", "Help"});
    Show(Inputs());
  }

 private:
  static std::string Amount(float value) { return Printed("%-6.2f", value); }

  calc::TradeOffInputs Inputs() const {
    calc::TradeOffInputs in = planner_.calculators().tradeOff;
    for (int o = 0; o < calc::kTradeOptions; ++o) {
      const size_t i = static_cast<size_t>(o);
      in.names[i] = Text(core::Format("%d Option %d", 901 + o, o + 1));
      in.fixedCost[i] = Number(Text(OptionField(101, o, "Fixed Cost")));
      in.costPerPeriod[i] = Number(Text(OptionField(201, o, "Cost per Period")));
      in.fixedAmount[i] = Number(Text(OptionField(301, o, "Fixed Amount")));
      in.incomePerPeriod[i] = Number(Text(OptionField(401, o, "Income per Period")));
    }
    in.periods = Whole(Text("601 No. of Periods"));
    in.useTaxRate = On("953 Use Initial Values Tax Rate");
    return in;
  }

  void Show(const calc::TradeOffInputs& in) {
    const calc::TradeOffOutcome out = calc::TradeOff(in, planner_.TaxRate());
    for (int o = 0; o < calc::kTradeOptions; ++o) {
      SetText(core::Format("%d End Amount %d", 950 + o, o + 1),
              Printed("%-10.2f", out.endAmount[static_cast<size_t>(o)]));
    }
    SetText("108 Difference 1-2", Printed("%-10.2f", out.difference12));
    SetText("109 Difference 2-3", Printed("%-10.2f", out.difference23));
    SetText("110 Difference 1-3", Printed("%-10.2f", out.difference13));
  }

  // A change of the periods or of the tax box shows the new end amounts at once.
  void OnChanged(const std::string& field) override {
    if (field == "601 No. of Periods" || field == "953 Use Initial Values Tax Rate") Show(Inputs());
  }

  Outcome OnPress(const std::string& button) override {
    const calc::TradeOffInputs in = Inputs();
    Show(in);
    if (button == "Calculate") return Outcome::Done;
    if (button == "Graph") return planner_.GraphTradeOff(in) ? Outcome::Done : Outcome::Kept;
    if (button == "OK") return planner_.KeepTradeOff(in) ? Outcome::Stored : Outcome::Kept;
    return Outcome::Unknown;
  }
};

// --- REFINANCE and its DETAILS

constexpr const char* kRefinanceMark = "Refinance - ";

class RefinanceDetailsForm final : public Form {
 public:
  RefinanceDetailsForm(Planner& planner, const calc::RefinanceOutcome& outcome)
      : Form(planner, "DETAILS", "Refinance Analysis Details", kRefinanceHelp) {
    std::vector<std::string> rows;
    for (const calc::RefinanceRow& row : outcome.rows) {
      const float original = row.existing.netWorth;
      const float refinanced = row.refinanced.netWorth;
      rows.push_back(core::Format("%3d\t%16.2f\t%16.2f\t%16.2f", row.age,
                                  static_cast<double>(original), static_cast<double>(refinanced),
                                  static_cast<double>(refinanced - original)));
    }
    AddLabel("Heading", " Effects on Net Worth").heading = true;
    AddTable("Years", {"Age", "Original Mortgage", "Refinanced Mortgage", "Total Difference"},
             std::move(rows));
    AddButtons({"OK", "Cancel", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "OK" || button == "Cancel") return Outcome::Cancelled;
    return Outcome::Unknown;
  }
};

// The yearly rows of the analysis ("RASCHEDULE"): the rows "refprt.tmp" holds, two per age, in
// ten columns, with OK and Print.
class RefinanceScheduleForm final : public TableWindowForm {
 public:
  RefinanceScheduleForm(Planner& planner, const calc::RefinanceOutcome& outcome)
      : TableWindowForm(planner, "RASCHEDULE", "Refinance Analysis", kRefinanceHelp, "refinance") {
    std::vector<std::string> lines = core::SplitLines(calc::RefinancePrintText(outcome));
    std::vector<std::string> columns;
    if (!lines.empty()) columns = reports::SplitTabs(lines.front());
    std::vector<std::string> rows;
    for (size_t l = 1; l < lines.size(); ++l) {
      if (!lines[l].empty()) rows.push_back(lines[l]);
    }
    AddTable("Years", std::move(columns), std::move(rows));
  }
};

class RefinanceForm final : public Form {
 public:
  RefinanceForm(Planner& planner, int mortgage)
      : Form(planner, "REFINANCE", "Refinance Analysis", kRefinanceHelp), mortgage_(mortgage) {
    calc::RefinanceInputs& kept = planner_.calculators().refinance;
    if (IsMortgage(planner_, mortgage)) {
      const core::FinancialEvent& e =
          planner_.document().scenario.events[static_cast<size_t>(mortgage)];
      kept.startAge = static_cast<int>(e.startAge);
      kept.amount = e.amount - e.downPayment;
      kept.rate = e.loanRate;
      kept.years = e.years;
    }
    Numbered(AddEdit("104 Start Age of Mortgage", kCalculatorChars, Whole(kept.startAge)),
             "Start Age of Mortgage");
    Numbered(AddEdit("105 Amount", kCalculatorChars, Amount(kept.amount)), "Amount ");
    Numbered(AddEdit("106 Rate", kCalculatorChars, Rate(kept.rate)), "Rate");
    Numbered(AddEdit("107 No. of Years", kCalculatorChars, Whole(kept.years)), "No. of Years");
    Numbered(AddLabel("108 Monthly Payment"), "Monthly Payment");
    Numbered(AddEdit("109 Age at Refinancing", kCalculatorChars, Rate(kept.refinanceAge)),
             "Age at Refinancing").startsColumn = true;
    Numbered(AddEdit("110 Amount", kCalculatorChars + 2, Amount(kept.refinancedAmount)), "Amount ");
    Numbered(AddEdit("128 Cash Out", kCalculatorChars, Amount(kept.cashOut)), "Cash Out");
    Numbered(AddCheck("129 Use Cash Out as savings", kept.cashOutAsSavings),
             "Use Cash Out as savings");
    Numbered(AddEdit("111 Rate", kCalculatorChars, Rate(kept.refinancedRate)), "Rate");
    Numbered(AddEdit("112 No. of Years", kCalculatorChars, Whole(kept.refinancedYears)),
             "No. of Years");
    Numbered(AddLabel("113 Monthly Payment"), "Monthly Payment");
    Numbered(AddEdit("114 Closing Costs", kCalculatorChars, Amount(kept.closingCosts)),
             "Closing Costs").startsColumn = true;
    Numbered(AddCheck("115 Include closing costs in mortgage", kept.closingCostsInMortgage),
             "Include closing costs in mortgage");
    Numbered(AddEdit("116 Mortgage Points", kCalculatorChars, Rate(kept.points)), "Mortgage Points");
    Numbered(AddCheck("117 Include points in mortgage", kept.pointsInMortgage),
             "Include points in mortgage");
    Numbered(AddEdit("122 Effective Tax Rate", kCalculatorChars, Rate(kept.taxRate)),
             "Effective Tax Rate");
    Numbered(AddEdit("123 Savings Rate", kCalculatorChars, Rate(kept.savingsRate)), "Savings Rate");
    Numbered(AddLabel("125 Refinanced Amount"), "Refinanced Amount");
    Numbered(AddLabel("126 Total Mortgage Costs"), "Total Mortgage Costs");
    Numbered(AddLabel("127 Months to Break Even"), "Months to Break Even");
    AddButtons({"OK", "Cancel", "Do Analysis", "Show Details", "Graph",
                "Create This Refinance Event", "Help"});
  }

 private:
  static std::string Amount(float value) { return Printed("%-.2f", value); }
  static std::string Rate(float value) { return Printed("%-.3f", value); }
  static std::string Whole(int value) { return core::Format("%d", value); }

  calc::RefinanceInputs Inputs() const {
    calc::RefinanceInputs in;
    in.startAge = Whole(Text("104 Start Age of Mortgage"));
    in.amount = Number(Text("105 Amount"));
    in.rate = Number(Text("106 Rate"));
    in.years = Whole(Text("107 No. of Years"));
    in.refinanceAge = Number(Text("109 Age at Refinancing"));
    in.refinancedAmount = calc::ReadNumber(Text("110 Amount"), kCalculatorChars + 2);
    in.cashOut = Number(Text("128 Cash Out"));
    in.cashOutAsSavings = On("129 Use Cash Out as savings");
    in.refinancedRate = Number(Text("111 Rate"));
    in.refinancedYears = Whole(Text("112 No. of Years"));
    in.closingCosts = Number(Text("114 Closing Costs"));
    in.closingCostsInMortgage = On("115 Include closing costs in mortgage");
    in.points = Number(Text("116 Mortgage Points"));
    in.pointsInMortgage = On("117 Include points in mortgage");
    in.taxRate = Number(Text("122 Effective Tax Rate"));
    in.savingsRate = Number(Text("123 Savings Rate"));
    return in;
  }
  static int Whole(const std::string& text) { return calc::ReadWhole(text, kCalculatorChars); }

  std::optional<calc::RefinanceOutcome> Analyse() {
    const calc::RefinanceInputs in = Inputs();
    auto out = calc::AnalyseRefinance(in, planner_.services().prompter);
    if (!out) return std::nullopt;
    planner_.calculators().refinance = in;
    if (in.refinancedAmount == 0.0f) SetText("110 Amount", Printed("%-12.2f", out->refinancedAmount));
    SetText("108 Monthly Payment", Printed("%-9.2f", out->payment));
    SetText("113 Monthly Payment", Printed("%-9.2f", out->refinancedPayment));
    SetText("125 Refinanced Amount", Money(planner_, out->refinancedAmount));
    SetText("126 Total Mortgage Costs", Money(planner_, out->mortgageCosts));
    SetText("127 Months to Break Even", core::Format("%-3d", out->breakEvenMonth));
    return out;
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    if (button == "OK") {
      planner_.calculators().refinance = Inputs();
      return Outcome::Stored;
    }
    if (button == "Graph") return planner_.GraphRefinance(Inputs()) ? Outcome::Done : Outcome::Kept;
    const auto out = Analyse();
    if (!out) return Outcome::Kept;
    if (button == "Do Analysis") {
      calc::WriteRefinancePrintFile(planner_.workDir(), *out, planner_.services().prompter);
      return OpenChild(std::make_unique<RefinanceScheduleForm>(planner_, *out));
    }
    if (button == "Show Details") return OpenChild(std::make_unique<RefinanceDetailsForm>(planner_, *out));
    if (button == "Create This Refinance Event") return CreateEvent(*out);
    return Outcome::Unknown;
  }

  // A copy of the analysed mortgage, marked, with the refinanced values from the refinancing on.
  Outcome CreateEvent(const calc::RefinanceOutcome& out) {
    const calc::RefinanceInputs in = Inputs();
    if (in.closingCosts < 0.0f) {
      Show("Closing Costs Error!", "The closing costs must be greater or equal to zero.");
      return Outcome::Kept;
    }
    if (in.points < 0.0f) {
      Show("Mortgage points Error!", "The mortgage points must be greater or equal to zero.");
      return Outcome::Kept;
    }
    if (!IsMortgage(planner_, mortgage_)) {
      Show("Refinance Analysis", "Open the refinance analysis from a mortgage of the scenario to "
                                 "create its refinance event.");
      return Outcome::Kept;
    }
    core::Scenario& s = planner_.document().scenario;
    const core::FinancialEvent original = s.events[static_cast<size_t>(mortgage_)];
    const int index = core::AppendEvent(s);
    if (index < 0) {
      Show("Event Error", "The scenario holds as many events as it can.");
      return Outcome::Kept;
    }
    core::FinancialEvent& copy = s.events[static_cast<size_t>(index)];
    copy = original;
    core::CopyText(copy.description, kRefinanceMark + core::TextOf(original.description));
    copy.startAge = static_cast<float>(static_cast<int>(in.refinanceAge));
    copy.amount = out.refinancedAmount;
    copy.downPayment = 0.0f;
    copy.downPaymentToEquity = 1;  // the equity is the original's
    copy.loanRate = in.refinancedRate;
    copy.years = static_cast<uint16_t>(in.refinancedYears);
    copy.closingCosts = in.closingCostsInMortgage ? 0.0f : in.closingCosts;
    copy.monthlyPayment = out.refinancedPayment;
    planner_.calculators().refinance = in;
    planner_.ScenarioEdited();
    return Outcome::Stored;
  }

  int mortgage_;
};

// --- MOSCHEDULE

class PaymentScheduleForm final : public TableWindowForm {
 public:
  PaymentScheduleForm(Planner& planner, const core::FinancialEvent& mortgage)
      : TableWindowForm(planner, "MOSCHEDULE", "Mortgage Schedule", kMortgageHelp,
                        "payment-schedule") {
    const auto rows = calc::MortgageSchedule(mortgage, planner_.lastRun().currentAge);
    const bool written =
        calc::WriteScheduleFile(planner_.workDir(), rows, planner_.services().prompter);
    std::vector<std::string> columns;
    for (const std::string& column : calc::ScheduleColumns()) columns.push_back(column);
    std::vector<std::string> lines;
    if (written) {
      for (const calc::ScheduleRow& row : rows) {
        std::string line;
        for (const std::string& cell : calc::ScheduleCells(row)) {
          line += (line.empty() ? "" : "\t") + cell;
        }
        lines.push_back(line);
      }
    }
    AddTable("Schedule", std::move(columns), std::move(lines));
  }
};

}  // namespace

std::unique_ptr<Form> MakePaymentScheduleForm(Planner& planner,
                                              const core::FinancialEvent& mortgage) {
  return std::make_unique<PaymentScheduleForm>(planner, mortgage);
}

std::unique_ptr<Form> MakeMortgageCalculatorForm(Planner& planner) {
  return std::make_unique<MortgageCalculatorForm>(planner);
}
std::unique_ptr<Form> MakeAcceleratedForm(Planner& planner, int mortgage) {
  return std::make_unique<AcceleratedForm>(planner, mortgage);
}
std::unique_ptr<Form> MakeInflationForm(Planner& planner) {
  return std::make_unique<InflationForm>(planner);
}
std::unique_ptr<Form> MakeEffectiveRateForm(Planner& planner, bool fromDialog) {
  return std::make_unique<EffectiveRateForm>(planner, fromDialog);
}
std::unique_ptr<Form> MakeInvestmentForm(Planner& planner) {
  return std::make_unique<InvestmentForm>(planner);
}
std::unique_ptr<Form> MakeTradeOffForm(Planner& planner) {
  return std::make_unique<TradeOffForm>(planner);
}

std::unique_ptr<Form> MakeRefinanceForm(Planner& planner, int mortgage) {
  return std::make_unique<RefinanceForm>(planner, mortgage);
}

std::string EffectiveRateHandedBack(const Form& form) {
  const auto* effective = dynamic_cast<const EffectiveRateForm*>(&form);
  return effective != nullptr ? effective->handedBack() : std::string();
}

}  // namespace planner::forms
