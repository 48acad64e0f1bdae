#include "calc/refinance.h"

#include <algorithm>

#include "calc/checks.h"
#include "core/file_io.h"
#include "core/text.h"
#include "engine/debt_payments.h"

namespace calc {

namespace {

constexpr const char* kAgeMessage = "This age must be between 1.0 and 120.0.";
constexpr const char* kAmountMessage =
    "This amount must be greater than 0.00 and less than 99999999.00.";
constexpr const char* kRateMessage =
    "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.";
constexpr int kPointEvery = 4;

bool ChecksPass(const RefinanceInputs& in, platform::Prompter& prompter) {
  const std::string taxMessage =
      core::Format("The Tax Rate must be between %-7.2f%% and %-7.2f%%.", 0.0, 100.0);
  const std::string savingsMessage =
      core::Format("The Savings Rate must be between %-7.2f%% and %-7.2f%%.", -200.0, 200.0);
  const auto years = [](int value) { return static_cast<float>(value); };
  return PassesChecks(
      {{years(in.startAge), 1.0f, 120.0f, kAgeMessage, "AGE ERROR"},
       {in.amount, 0.0f, 100000000.0f, kAmountMessage, "AMOUNT ERROR"},
       {in.rate, 0.0f, 1000.0f, kRateMessage, "RATE ERROR"},
       {years(in.years), 1.0f, 1e9f, "The number of years be greater than 0.",
        "Number of Years Error!"},
       {years(in.years), -1e9f, 50.0f, "The number of years be less than 50.",
        "Number of Years Error!"},
       {in.refinanceAge, 1.0f, 120.0f, kAgeMessage, "AGE ERROR"},
       {in.refinanceAge, years(in.startAge), 120.0f,
        "The age at refinancing must be greater the the age of the orginal mortgage.",
        "Age Error!"},
       {in.refinancedRate, 0.0f, 1000.0f, kRateMessage, "RATE ERROR"},
       {years(in.refinancedYears), 1.0f, 1e9f, "The number of years be greater than 0.",
        "Number of Years Error!"},
       {years(in.refinancedYears), -1e9f, 50.0f, "The number of years be less than 50.",
        "Number of Years Error!"},
       {in.taxRate, 0.0f, 100.0f, taxMessage.c_str(), "RATE ERROR"},
       {in.savingsRate, -200.0f, 200.0f, savingsMessage.c_str(), "RATE ERROR"},
       {in.cashOut, 0.0f, 100000000.0f, kAmountMessage, "AMOUNT ERROR"}},
      prompter);
}

// One side of the comparison: its mortgage paid month by month out of its savings.
struct Side {
  float balance = 0.0f;
  float payment = 0.0f;
  float monthlyRate = 0.0f;
  int monthsLeft = 0;
  float savings = 0.0f;
  float equity = 0.0f;
  RefinanceYear year;
  bool paidThisYear = false;

  Side(float principal, float rate, int months)
      : balance(principal),
        payment(engine::MonthlyPayment(principal, rate * 0.01f / 12.0f, months)),
        monthlyRate(rate * 0.01f / 12.0f),
        monthsLeft(months) {}

  // One month of the schedule; returns what was paid. `book` keeps the money in the totals.
  float PayMonth(bool book) {
    if (monthsLeft <= 0) return 0.0f;
    --monthsLeft;
    const float interest = balance * monthlyRate;
    float principal = payment - interest;
    if (principal > balance || monthsLeft == 0) principal = balance;
    balance -= principal;
    const float paid = principal + interest;
    if (!book) return paid;
    equity += principal;
    savings -= paid;
    year.principal += principal;
    year.interest += interest;
    paidThisYear = true;
    return paid;
  }

  void EarnSavingsInterest(float savingsRate) {
    const float interest = savings * savingsRate * 0.01f / 12.0f;
    savings += interest;
    year.savingsInterest += interest;
  }

  // The year's taxes; returns the row and starts the next year.
  RefinanceYear CloseYear(float taxRate, float kept) {
    year.taxSavings = year.interest * taxRate * 0.01f;
    year.taxOnInterest = year.savingsInterest * taxRate * 0.01f;
    savings -= year.taxOnInterest;
    if (paidThisYear) savings += year.taxSavings;
    year.savings = savings;
    year.equity = equity;
    year.netWorth = savings + equity - kept;
    RefinanceYear row = year;
    year = RefinanceYear{};
    paidThisYear = false;
    return row;
  }
};

// The months the graph shows: the existing mortgage's years after the refinancing when they end
// within the refinanced term, else the refinanced term.
int PlottedMonths(const RefinanceInputs& in, int refinanceAge) {
  const int remaining = in.startAge + in.years - refinanceAge;
  return (remaining <= in.refinancedYears ? std::max(remaining, 0) : in.refinancedYears) * 12;
}

}  // namespace

std::optional<RefinanceOutcome> AnalyseRefinance(const RefinanceInputs& in,
                                                 platform::Prompter& prompter) {
  if (!ChecksPass(in, prompter)) return std::nullopt;
  const int refinanceAge = static_cast<int>(in.refinanceAge);
  RefinanceOutcome out;
  Side existing(in.amount, in.rate, in.years * 12);
  out.payment = existing.payment;
  // The existing mortgage up to the refinancing: what is still owed then.
  for (int m = 0; m < (refinanceAge - in.startAge) * 12; ++m) existing.PayMonth(false);
  float amount = in.refinancedAmount;
  if (amount == 0.0f) amount = existing.balance + in.cashOut;
  if (in.closingCostsInMortgage) amount += in.closingCosts;
  const float pointsCost = amount * in.points * 0.01f;
  if (in.pointsInMortgage) amount += pointsCost;
  out.refinancedAmount = amount;
  out.mortgageCosts = in.closingCosts + pointsCost;

  Side refinanced(amount, in.refinancedRate, in.refinancedYears * 12);
  out.refinancedPayment = refinanced.payment;
  const float kept = in.cashOutAsSavings ? in.cashOut : 0.0f;
  refinanced.savings = kept - (in.closingCostsInMortgage ? 0.0f : in.closingCosts) -
                       (in.pointsInMortgage ? 0.0f : pointsCost);
  // The costs rolled into the new mortgage are owed without having bought anything.
  refinanced.equity = -((in.closingCostsInMortgage ? in.closingCosts : 0.0f) +
                        (in.pointsInMortgage ? pointsCost : 0.0f));

  out.plottedMonths = PlottedMonths(in, refinanceAge);
  const auto existingValue = [&] { return existing.savings + existing.equity; };
  const auto refinancedValue = [&] { return refinanced.savings + refinanced.equity - kept; };
  out.points.push_back({0, existingValue(), refinancedValue()});
  const int lastAge = std::max(in.startAge + in.years, refinanceAge + in.refinancedYears);
  int monthsSince = 0;
  for (int age = refinanceAge; age < lastAge; ++age) {
    for (int month = 0; month < 12; ++month) {
      const float existingPaid = existing.PayMonth(true);
      const float refinancedPaid = refinanced.PayMonth(true);
      refinanced.year.paymentDifference += existingPaid - refinancedPaid;
      existing.EarnSavingsInterest(in.savingsRate);
      refinanced.EarnSavingsInterest(in.savingsRate);
      if (out.breakEvenMonth == 0 && !(existingValue() > refinancedValue())) {
        out.breakEvenMonth = monthsSince + 1;
      }
      ++monthsSince;
      if (monthsSince % kPointEvery == 0 && monthsSince <= out.plottedMonths) {
        out.points.push_back({monthsSince, existingValue(), refinancedValue()});
      }
    }
    out.rows.push_back({age, existing.CloseYear(in.taxRate, 0.0f),
                        refinanced.CloseYear(in.taxRate, kept)});
  }
  return out;
}

namespace {

std::string RowText(const char* label, int age, const RefinanceYear& y, bool existingSide) {
  std::string text = core::Format(label, age);
  for (float value : {y.netWorth, y.savings, y.equity, existingSide ? 0.0f : y.paymentDifference,
                      y.principal, y.interest, y.taxSavings, y.savingsInterest, y.taxOnInterest}) {
    text += core::Format("\t%16.2f", static_cast<double>(value));
  }
  return text + "\n";
}

bool WriteReporting(const std::filesystem::path& workDir, const char* name,
                    const std::string& text, platform::Prompter& prompter) {
  if (core::WriteFileReplacing(core::ResolvePath(workDir, name), text)) return true;
  prompter.ShowMessage("FILE ERROR", core::Format("Cannot open %s for writing!", name),
                       platform::Icon::Error);
  return false;
}

}  // namespace

std::string RefinancePrintText(const RefinanceOutcome& outcome) {
  std::string text =
      "Age\tNet Worth\tSavings\tEquity\t+Diff. in Mon. Pay.\t+Principal\t-Interest\t+Tax "
      "Savings\t-Savings Interest\t-Tax on Interest\n";
  for (const RefinanceRow& row : outcome.rows) {
    text += RowText("%3d O", row.age, row.existing, true);
    text += RowText("%3d R", row.age, row.refinanced, false);
  }
  return text;
}

std::string RefinanceGraphText(const RefinanceOutcome& outcome) {
  std::string text = "1\nDummy\nDummy\nDummy\n";
  text += core::Format("%f\n", static_cast<double>(outcome.plottedMonths));
  text += "2\nExisting Mortgage\nRefinanced Mortgage\n";
  for (const RefinancePoint& point : outcome.points) {
    text += "0.0\n0.0\n";
    text += core::Format("%f %f %f\n", static_cast<double>(point.month),
                         static_cast<double>(point.existing), static_cast<double>(point.refinanced));
  }
  return text + "Done\n";
}

bool WriteRefinancePrintFile(const std::filesystem::path& workDir, const RefinanceOutcome& outcome,
                             platform::Prompter& prompter) {
  return WriteReporting(workDir, kRefinancePrintFile, RefinancePrintText(outcome), prompter);
}

bool WriteRefinanceGraphFile(const std::filesystem::path& workDir, const RefinanceOutcome& outcome,
                             platform::Prompter& prompter) {
  return WriteReporting(workDir, kRefinanceGraphFile, RefinanceGraphText(outcome), prompter);
}

}  // namespace calc
