#include "engine/debt_money.h"

#include "core/accounts.h"
#include "engine/withdrawals.h"

namespace engine {

core::Account* LoanAccount(RunContext& ctx, const core::FinancialEvent& event) {
  const int index = ctx.AccountIndex(event.accountId);
  return index < 0 ? nullptr : &ctx.s().account(index);
}

LoanHolding HoldingOf(RunContext& ctx, const core::FinancialEvent& event) {
  const core::Account* account = LoanAccount(ctx, event);
  if (account == nullptr) return LoanHolding::Missing;
  if (account->kind == core::kAsset) return LoanHolding::Asset;
  if (account->kind == core::kEquity) return LoanHolding::Equity;
  return LoanHolding::Savings;
}

void PayDebtMoney(RunContext& ctx, int eventIndex, float amount) {
  // A negative amount (a float residue of a repaid balance) would put money into the accounts.
  if (amount < 0.0f) return;
  const core::FinancialEvent& event = ctx.s().events[eventIndex];
  uint16_t chosen = core::kNoAccountId;
  if (core::IsCreditCard(event)) {
    if (event.accountChosen == core::kAccountChosen) chosen = event.accountId;
  } else if (event.paymentAccountChosen == core::kAccountChosen) {
    chosen = event.paymentAccountId;
  }
  const int purpose = ctx.PaymentPurpose();
  if (chosen != core::kNoAccountId) {
    amount = WithdrawFromChosenAccount(ctx, amount, purpose, eventIndex, chosen);
  }
  if (amount > 0.0f) WithdrawFromAccounts(ctx, amount, purpose, eventIndex);
}

void DepositSaleProceeds(RunContext& ctx, int eventIndex, float amount) {
  core::Scenario& scenario = ctx.s();
  ctx.totals.investment += amount;
  for (int i = 0; i < scenario.accountCount(); ++i) {
    core::Account& account = scenario.account(i);
    if (account.kind != core::kInvestmentSavings) continue;
    account.balance += amount;
    if (ctx.InResults()) RecordFiles::TransferAmount(ctx.records.in, ctx.age, account.name, amount);
    ctx.sink.Emit(eventIndex, "      Deposited %s to %s", Money{amount}, Name{account.name});
    return;
  }
  ctx.sink.Emit(eventIndex, "      Deposited %s to Investment Savings", Money{amount});
}

}  // namespace engine
