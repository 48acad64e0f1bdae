#include "engine/scenario_description.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "core/accounts.h"
#include "core/text.h"
#include "engine/ages.h"
#include "engine/money_text.h"

namespace engine {

namespace {

using core::FinancialEvent;

constexpr const char* kDetail = "        ";
constexpr uint16_t kNotListed = 1000;  // listRow of an event without a heading line

// Writes the lines of one scenario; keeps the rates of the last rate change for comparison.
class DescriptionWriter {
 public:
  DescriptionWriter(const core::Scenario& scenario, float startAge, bool pound,
                    const std::function<void(std::string_view, int)>& emit)
      : scenario_(scenario),
        startAge_(startAge),
        pound_(pound),
        emit_(emit),
        lastTax_(scenario.initial.taxRate),
        lastInflation_(scenario.initial.inflationRate) {}

  void Write() {
    const core::InitialValues& initial = scenario_.initial;
    Line(-1, core::Format("%5.1f Initial Rates %s%s", static_cast<double>(initial.startAge),
                          (" Tax=" + Rate(initial.taxRate)).c_str(),
                          (" Inflation=" + Rate(initial.inflationRate)).c_str()));
    std::vector<int> order(static_cast<size_t>(std::max(scenario_.eventCount(), 0)));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      const FinancialEvent& ea = scenario_.events[static_cast<size_t>(a)];
      const FinancialEvent& eb = scenario_.events[static_cast<size_t>(b)];
      if (ea.startAge != eb.startAge) return ea.startAge < eb.startAge;
      return static_cast<int16_t>(ea.kind) < static_cast<int16_t>(eb.kind);
    });
    for (int index : order) Event(index, scenario_.events[static_cast<size_t>(index)]);
  }

 private:
  void Line(int tag, const std::string& text) { emit_(text, tag); }

  std::string Money(float amount) const {
    return std::string(MoneyText(amount, pound_ ? kPoundMark : kDollarMark).view());
  }
  static std::string Rate(float rate) { return std::string(RateText(rate, "%6.3f").view()); }
  static std::string Age(float age) {
    std::string text = core::Format("%5.2f", static_cast<double>(age));
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
  }
  std::string AccountName(uint16_t accountId) const {
    const int index = core::FindAccountIndex(scenario_, accountId);
    return index < 0 ? std::string() : core::TextOf(scenario_.account(index).name);
  }
  static std::string Description(const FinancialEvent& e) { return core::TextOf(e.description); }
  static bool OneTime(const FinancialEvent& e) { return e.oneTimeOnly == 1; }
  static double At(const FinancialEvent& e) { return static_cast<double>(e.startAge); }
  std::string Until(const FinancialEvent& e) const {
    return OneTime(e) ? "." : " until age " + Age(e.endAge) + ".";
  }
  std::string PerYear(const FinancialEvent& e) const { return OneTime(e) ? "" : "/yr."; }

  // The three lines on how an amount changes, for "deposit", "transfer" or "withdrawal".
  void AmountLines(int tag, const FinancialEvent& e, const char* noun) {
    if (e.inTodaysDollars == 1) {
      Line(tag, core::Format("        This %s amount will be calculated using age %3.1f %s.", noun,
                             static_cast<double>(startAge_), pound_ ? "Pounds" : "Dollars"));
    }
    if (e.appliedRate != 0.0f && !OneTime(e)) {
      Line(tag, std::string(kDetail) + "This " + noun + " will be adjusted each year by " +
                    Rate(e.appliedRate));
    }
    if (e.applyInflation == 1 && !OneTime(e)) {
      Line(tag, std::string(kDetail) + "This " + noun +
                    " will be adjusted each year by the current inflation rate.");
    }
  }

  void ChosenAccountLine(int tag, bool chosen, uint16_t accountId, const char* format) {
    if (!chosen || accountId == core::kNoAccountId) return;
    Line(tag, core::Format(format, AccountName(accountId).c_str()));
  }

  void RateChange(int tag, const FinancialEvent& e) {
    std::string tax, inflation, account;
    if (e.newTaxRate != lastTax_) tax = " Tax=" + Rate(e.newTaxRate);
    if (e.newInflationRate != lastInflation_) inflation = " Inf.=" + Rate(e.newInflationRate) + " ";
    if (e.rateAccountId != core::kNoAccountId) {
      account = AccountName(e.rateAccountId) + "=" + Rate(e.newAccountRate);
    }
    lastTax_ = e.newTaxRate;
    lastInflation_ = e.newInflationRate;
    Line(tag, core::Format("%5.1f %s - Rate Change: %s %s %s", At(e), Description(e).c_str(),
                           tax.c_str(), inflation.c_str(), account.c_str()));
  }

  void Deposit(int tag, const FinancialEvent& e) {
    const std::string to = std::string(OneTime(e) ? " " : "/yr. ") +
                           (e.taxDeposit == 1 ? "before taxes to " : "after taxes to ") +
                           AccountName(e.accountId);
    Line(tag, core::Format("%5.1f %s - Deposit %s%s%s", At(e), Description(e).c_str(),
                           Money(e.amount).c_str(), to.c_str(), Until(e).c_str()));
    AmountLines(tag, e, "deposit");
  }

  void CreditCard(int tag, const FinancialEvent& e) {
    Line(tag, core::Format("%5.1f %s - Paying off %s credit card debt with %s/month.", At(e),
                           Description(e).c_str(), Money(e.amount).c_str(),
                           Money(e.monthlyPayment).c_str()));
    if (e.monthlyPurchases > 0.0f) {
      Line(tag, core::Format("        Additional purchases of %s/month added to debt.",
                             Money(e.monthlyPurchases).c_str()));
    }
    ChosenAccountLine(tag, e.accountChosen == core::kAccountChosen, e.accountId,
                      "        The payments will be withdrawn from the %s account.");
    if (e.endAge <= e.startAge + e.payoffYears) {
      Line(tag, core::Format("        Paying off %s at age %5.2f.", Description(e).c_str(),
                             static_cast<double>(e.endAge)));
    }
  }

  void Loan(int tag, const FinancialEvent& e) {
    Line(tag, core::Format("%5.1f %s - %s %s down at %s for %s yrs. %s/Month.", At(e),
                           Description(e).c_str(), Money(e.amount).c_str(),
                           Money(e.downPayment).c_str(), Rate(e.loanRate).c_str(),
                           core::Format("%2d", e.years).c_str(), Money(e.monthlyPayment).c_str()));
    Line(tag, core::Format("        %s",
                           ("Loan amount deposited to " + AccountName(e.accountId)).c_str()));
    ChosenAccountLine(tag, e.paymentAccountChosen == core::kAccountChosen, e.paymentAccountId,
                      "        The payments will be withdrawn from the %s account.");
    if (e.startAge < e.endAge) {
      Line(tag,
           core::Format("        Paying loan off at age %5.2f.", static_cast<double>(e.endAge)));
    }
    const int index = core::FindAccountIndex(scenario_, e.accountId);
    const bool intoAsset = index >= 0 && scenario_.account(index).kind == core::kAsset;
    if (intoAsset && e.startAge < e.sellAge && e.sellAge <= scenario_.initial.endAge &&
        e.sellAge > 0.0f) {
      Line(tag,
           core::Format("        Selling asset at age %5.2f.", static_cast<double>(e.sellAge)));
    }
  }

  void Mortgage(int tag, const FinancialEvent& e) {
    const std::string years = core::Format("%2d", e.years);
    if (e.downPaymentToEquity != 1) {
      Line(tag, core::Format("%5.1f %s - %s %s down at %s for %s yrs. %s/Month.", At(e),
                             Description(e).c_str(), Money(e.amount).c_str(),
                             Money(e.downPayment).c_str(), Rate(e.loanRate).c_str(), years.c_str(),
                             Money(e.monthlyPayment).c_str()));
    } else {
      Line(tag,
           core::Format("%5.1f %s - %s at %s for %s yrs. %s/Month.", At(e), Description(e).c_str(),
                        Money(e.amount - e.downPayment).c_str(), Rate(e.loanRate).c_str(),
                        years.c_str(), Money(e.monthlyPayment).c_str()));
      Line(tag,
           core::Format("        %s to equity -- no withdrawal.", Money(e.downPayment).c_str()));
    }
    if (e.extraPaymentStart == 3) {
      Line(tag, core::Format("        An additional %s/Month will be applied to the principal "
                             "starting at age %3d.",
                             Money(e.extraMonthlyPayment).c_str(), WholeAge(e.startAge)));
    } else if (e.extraPaymentStart == 2) {
      Line(tag, core::Format("        An Additional %s/Month is applied to the principal.",
                             Money(e.extraMonthlyPayment).c_str()));
    }
    Line(tag, std::string(kDetail) + "Appreciation rate = " + Rate(e.appreciationRate) + ".");
    if (e.propertyTaxes > 0.0f) {
      Line(tag,
           core::Format("        Property Taxes = %-11.2f", static_cast<double>(e.propertyTaxes)));
    }
    if (e.closingCosts > 0.0f) {
      Line(tag,
           core::Format("        Closing Costs = %-11.2f", static_cast<double>(e.closingCosts)));
    }
    if (e.startAge < e.endAge && e.endAge <= e.startAge + static_cast<float>(e.years) &&
        e.endAge <= e.sellAge) {
      Line(tag, core::Format("        Paying off property at age %5.2f.",
                             static_cast<double>(e.endAge)));
    }
    ChosenAccountLine(tag, e.paymentAccountChosen == core::kAccountChosen, e.paymentAccountId,
                      "        The payments will be withdrawn from the %s account.");
    if (e.startAge < e.sellAge && e.sellAge <= scenario_.initial.endAge && e.sellAge > 0.0f) {
      Line(tag,
           core::Format("        Selling property at age %5.2f.", static_cast<double>(e.sellAge)));
      Line(tag, std::string(kDetail) + "Selling expenses will be " + Rate(e.sellingCostPercent) +
                    " of the selling price.");
    }
  }

  void Transfer(int tag, const FinancialEvent& e) {
    const std::string from = AccountName(e.fromAccountId);
    const std::string to = AccountName(e.accountId);
    if (core::IsRule72tTransfer(e)) {
      Line(tag, core::Format("%5.1f Rule 72T - %s - Transfer distribution from %s to %s%s", At(e),
                             Description(e).c_str(), from.c_str(), to.c_str(),
                             (" until age " + Age(e.endAge) + ".").c_str()));
      return;
    }
    if (e.transferAll == 1) {
      Line(tag, core::Format("%5.1f %s - All of the funds from %s will be transferred to %s.",
                             At(e), Description(e).c_str(), from.c_str(), to.c_str()));
      return;
    }
    Line(tag, core::Format("%5.1f %s - Transfer %s from %s to %s%s", At(e), Description(e).c_str(),
                           (Money(e.amount) + PerYear(e)).c_str(), from.c_str(), to.c_str(),
                           Until(e).c_str()));
    AmountLines(tag, e, "transfer");
  }

  void Budget(int tag, const FinancialEvent& e) {
    Line(tag, core::Format("%5.1f Budget - %s - %s will be withdrawn until age %s.", At(e),
                           Description(e).c_str(), Money(e.amount).c_str(), Age(e.endAge).c_str()));
    if (e.inTodaysDollars == 1) {
      Line(tag,
           core::Format("        This withdrawal amount will be calculated using age %3.1f %s.",
                        static_cast<double>(startAge_), pound_ ? "Pounds" : "Dollars"));
    }
    Line(tag, std::string(kDetail) +
                  "This withdrawal will be adjusted each year by the individual budget item's "
                  "inflation rate.");
  }

  void Withdrawal(int tag, const FinancialEvent& e) {
    if (core::IsBudgetWithdrawal(e)) {
      Budget(tag, e);
    } else {
      Line(tag, core::Format("%5.1f %s - Withdraw %s%s%s", At(e), Description(e).c_str(),
                             Money(e.amount).c_str(), PerYear(e).c_str(), Until(e).c_str()));
      AmountLines(tag, e, "withdrawal");
    }
    ChosenAccountLine(tag, e.accountChosen == core::kAccountChosen, e.accountId,
                      "        The funds will be withdrawn from the %s account.");
  }

  void AllocationOption(int tag, const FinancialEvent& e) {
    const uint16_t method = scenario_.trailer().aaMethod;
    if (method != 1 && method != 2) return;
    Line(tag, core::Format("%5.1f %s", At(e), Description(e).c_str()));
    Line(tag,
         core::Format(
             "        Withdrawals over %s will be withdrawn each year from the selected accounts ",
             Money(e.amount).c_str()) +
             (method == 1 ? "in proportional amounts." : "in equal amounts."));
  }

  void RmdOption(int tag, const FinancialEvent& e) {
    const uint16_t method = scenario_.trailer().rmdMethod;
    Line(tag, core::Format("%5.1f %s", At(e), Description(e).c_str()));
    Line(tag, std::string(kDetail) + "The funds will be transferred from the selected accounts " +
                  (method == 1   ? "in proportional amounts."
                   : method == 2 ? "in equal amounts."
                                 : "in account order."));
    const auto target = static_cast<uint16_t>(scenario_.slots.rmdTransferAccountId);
    if (core::FindAccountIndex(scenario_, target) >= 0) {
      Line(tag, core::Format("        The funds will be transferred each year to the %s account. ",
                             AccountName(target).c_str()));
    }
  }

  void Event(int tag, const FinancialEvent& e) {
    switch (e.kind) {
      case core::kFundamentals:
        RateChange(tag, e);
        break;
      case core::kDeposit:
        Deposit(tag, e);
        break;
      case core::kLoan:
        core::IsCreditCard(e) ? CreditCard(tag, e) : Loan(tag, e);
        break;
      case core::kMortgage:
        Mortgage(tag, e);
        break;
      case core::kTransfer:
        Transfer(tag, e);
        break;
      case core::kWithdrawal:
        Withdrawal(tag, e);
        break;
      case core::kAssetAllocationOption:
        AllocationOption(tag, e);
        break;
      case core::kRmdOption:
        RmdOption(tag, e);
        break;
      default:
        break;
    }
  }

  const core::Scenario& scenario_;
  float startAge_;
  bool pound_;
  const std::function<void(std::string_view, int)>& emit_;
  float lastTax_;
  float lastInflation_;
};

}  // namespace

void WriteScenarioDescription(const core::Scenario& scenario, float startAge, bool pound,
                              const std::function<void(std::string_view, int)>& emit) {
  DescriptionWriter(scenario, startAge, pound, emit).Write();
}

void EventListing::Clear() {
  lines_.clear();
  eventOfLine_.clear();
}

void EventListing::Add(std::string_view text, int event) {
  lines_.emplace_back(text);
  eventOfLine_.push_back(event);
}

int EventListing::EventAtLine(int line) const {
  if (line < 0 || line >= static_cast<int>(eventOfLine_.size())) return -1;
  return eventOfLine_[static_cast<size_t>(line)];
}

void WriteScenarioDescription(core::Scenario& scenario, float startAge, bool pound,
                              EventListing& listing) {
  listing.Clear();
  for (int e = 0; e < scenario.eventCount(); ++e) {
    scenario.events[static_cast<size_t>(e)].listRow = kNotListed;
  }
  // The first line an event writes is its heading.
  int lastEvent = -1;
  WriteScenarioDescription(scenario, startAge, pound, [&](std::string_view line, int event) {
    const int row = static_cast<int>(listing.lines().size());
    if (event >= 0 && event != lastEvent) {
      scenario.events[static_cast<size_t>(event)].listRow = static_cast<uint16_t>(row);
    }
    lastEvent = event;
    listing.Add(line, event);
  });
}

}  // namespace engine
