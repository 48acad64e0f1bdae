#include "cli/event_layouts.h"

#include <array>
#include <deque>
#include <string>

namespace cli {

namespace {

using core::FinancialEvent;

// Every kind shows these around its own fields, the working values of a run only when set.
const std::vector<Field>& CommonHead() {
  static const std::vector<Field> fields = {
      Text("description", 70, 64).Always(),
      F32("startAge", 2).Always(),
      F32("endAge", 6).Always(),
  };
  return fields;
}

const std::vector<Field>& CommonTail() {
  static const std::vector<Field> fields = {
      U16("inTodaysDollars", 150),         U16("listRow", 0).Quiet(),
      F32("runAmount", 28).Quiet(),        F32("runScratch", 46).Quiet(),
      F32("runPrincipalPaid", 50).Quiet(), F32("runInterestPaid", 54).Quiet(),
      U16("runState", 68).Quiet(),         U16("runPropertySold", 154).Quiet(),
  };
  return fields;
}

// The bytes the named fields leave, as runs keyed by their first offset. The key strings live
// as long as the program.
std::vector<Field> RawRuns(const std::vector<Field>& named) {
  std::array<bool, sizeof(FinancialEvent)> covered{};
  covered[kEventKindOffset] = covered[kEventKindOffset + 1] = true;
  for (const Field& field : named) {
    for (size_t i = 0; i < field.width; ++i) covered[field.offset + i] = true;
  }
  static std::deque<std::string> keys;  // a deque keeps its strings in place as it grows
  std::vector<Field> runs;
  for (size_t start = 0; start < covered.size();) {
    if (covered[start]) {
      ++start;
      continue;
    }
    size_t end = start;
    while (end < covered.size() && !covered[end]) ++end;
    keys.push_back("raw" + std::to_string(start));
    runs.push_back(Raw(keys.back().c_str(), start, end - start));
    start = end;
  }
  return runs;
}

EventLayout MakeLayout(const char* word, uint16_t kind, std::vector<Field> own,
                       const char* markerKey = nullptr, uint16_t markerValue = 0) {
  std::vector<Field> fields = CommonHead();
  fields.insert(fields.end(), own.begin(), own.end());
  fields.insert(fields.end(), CommonTail().begin(), CommonTail().end());
  std::vector<Field> raw = RawRuns(fields);
  fields.insert(fields.end(), raw.begin(), raw.end());
  return EventLayout{word, kind, markerKey, markerValue, std::move(fields)};
}

std::vector<EventLayout> BuildLayouts() {
  std::vector<EventLayout> layouts;
  layouts.push_back(MakeLayout("fundamentals", core::kFundamentals,
                               {F32("newTaxRate", 18), F32("newInflationRate", 32),
                                U16("rateAccountId", 24).Always(), F32("newAccountRate", 40)}));
  layouts.push_back(
      MakeLayout("deposit", core::kDeposit,
                 {F32("amount", 18).Always(), U16("accountId", 24).Always(), F32("appliedRate", 10),
                  U16("applyInflation", 26), U16("oneTimeOnly", 14), U16("taxDeposit", 22)}));
  layouts.push_back(MakeLayout(
      "loan", core::kLoan,
      {F32("amount", 18).Always(), F32("downPayment", 32), F32("loanRate", 40), U16("years", 44),
       F32("monthlyPayment", 36), U16("accountId", 24).Always(), F32("depositAccountRate", 60),
       U16("paymentAccountId", 158).Always(), U16("paymentAccountChosen", 58), F32("sellAge", 10),
       U16("runPaidOff", 14).Quiet(), U16("runMonthsPaid", 66).Quiet()}));
  layouts.push_back(MakeLayout(
      "creditCard", core::kLoan,
      {U16("cardMarker", 26), F32("amount", 18).Always(), F32("loanRate", 40),
       F32("monthlyPayment", 36), F32("monthlyPurchases", 134), U16("accountId", 24).Always(),
       U16("accountChosen", 44), F32("payoffMonths", 10), F32("payoffYears", 60),
       F32("totalInterest", 32), U16("runPaidOff", 14).Quiet(), U16("runMonthsPaid", 66).Quiet()},
      "cardMarker", core::kCardMarker));
  layouts.push_back(MakeLayout(
      "mortgage", core::kMortgage,
      {F32("amount", 18).Always(), F32("downPayment", 32), U16("downPaymentToEquity", 24),
       F32("loanRate", 40), U16("years", 44), F32("monthlyPayment", 36),
       U16("paymentAccountId", 158).Always(), U16("paymentAccountChosen", 58),
       F32("propertyTaxes", 134), U16("inflateTaxes", 26), F32("closingCosts", 138),
       F32("appreciationRate", 60), F32("sellAge", 10), F32("sellingCostPercent", 142),
       F32("extraMonthlyPayment", 146), U16("extraPaymentStart", 156),
       U16("runPaidOff", 14).Quiet(), U16("runMortgagePaidOff", 22).Quiet(),
       U16("runMonthsPaid", 66).Quiet()}));
  layouts.push_back(MakeLayout(
      "transfer", core::kTransfer,
      {U16("transferVariant", 156), F32("amount", 18).Always(), U16("fromAccountId", 22).Always(),
       U16("accountId", 24).Always(), F32("appliedRate", 10), U16("applyInflation", 26),
       U16("oneTimeOnly", 14), U16("transferAll", 66)}));
  layouts.push_back(MakeLayout("rule72tTransfer", core::kTransfer,
                               {U16("transferVariant", 156), U16("fromAccountId", 22).Always(),
                                U16("accountId", 24).Always(), F32("beneficiaryAge", 10),
                                U16("lifeTable", 14), U16("rule72tMethod", 26), F32("loanRate", 40),
                                F32("amount", 18).Always(), U16("runBeneficiaryAge", 158).Quiet()},
                               "transferVariant", core::kRule72tTransfer));
  layouts.push_back(
      MakeLayout("withdrawal", core::kWithdrawal,
                 {U16("withdrawalVariant", 156), F32("amount", 18).Always(),
                  U16("accountId", 24).Always(), U16("accountChosen", 44), F32("appliedRate", 10),
                  U16("applyInflation", 26), U16("oneTimeOnly", 14), I16("budgetNumber", 64)}));
  layouts.push_back(MakeLayout(
      "budgetWithdrawal", core::kWithdrawal,
      {U16("withdrawalVariant", 156), I16("budgetNumber", 64).Always(), F32("amount", 18).Always(),
       U16("accountId", 24).Always(), U16("accountChosen", 44), F32("appliedRate", 10),
       U16("applyInflation", 26), U16("oneTimeOnly", 14)},
      "withdrawalVariant", core::kBudgetWithdrawal));
  layouts.push_back(MakeLayout("assetAllocationOption", core::kAssetAllocationOption,
                               {F32("amount", 18).Always()}));
  layouts.push_back(MakeLayout("rmdOption", core::kRmdOption, {U16("rmdTableNumber", 22)}));
  layouts.push_back(MakeLayout("empty", core::kEmptyEvent, {}));
  return layouts;
}

}  // namespace

const std::vector<EventLayout>& EventLayouts() {
  static const std::vector<EventLayout> layouts = BuildLayouts();
  return layouts;
}

const EventLayout& UnknownKindLayout() {
  static const EventLayout layout = MakeLayout("", 0, {});
  return layout;
}

const EventLayout* LayoutNamed(std::string_view word) {
  for (const EventLayout& layout : EventLayouts()) {
    if (word == layout.word) return &layout;
  }
  return nullptr;
}

const EventLayout* LayoutOfKind(uint16_t kind) {
  for (const EventLayout& layout : EventLayouts()) {
    if (layout.kind == kind && layout.markerKey == nullptr) return &layout;
  }
  return nullptr;
}

const EventLayout* LayoutOfEvent(const FinancialEvent& event) {
  const char* word = core::IsCreditCard(event)         ? "creditCard"
                     : core::IsRule72tTransfer(event)  ? "rule72tTransfer"
                     : core::IsBudgetWithdrawal(event) ? "budgetWithdrawal"
                                                       : nullptr;
  if (word != nullptr) return LayoutNamed(word);
  return LayoutOfKind(event.kind);
}

}  // namespace cli
