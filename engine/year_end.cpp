#include "engine/year_end.h"

#include <array>
#include <cmath>
#include <span>

#include "core/accounts.h"
#include "engine/ages.h"
#include "engine/random_rates.h"
#include "engine/withdrawals.h"

namespace engine {

namespace {

using core::Account;

bool IsRetirementKind(uint16_t kind) {
  return kind == core::kRetirementSavings || kind == core::kTaxFreeSavings;
}

// The dividend of a savings account with a positive balance, credited to its receiving
// account. A dividend without an existing receiving account is not paid at all.
void PayDividend(RunContext& ctx, const Account& payer) {
  core::Scenario& scenario = ctx.s();
  const int slot = payer.slot;
  if (slot >= core::kSlotCount) return;
  const float rate = scenario.dividends.dividendRate[slot];
  if (rate <= 0.0f) return;
  const int receiverIndex = ctx.AccountIndex(scenario.dividends.dividendAccountId[slot]);
  if (receiverIndex < 0) return;
  Account& receiver = scenario.account(receiverIndex);
  OwnedAccumulators& owned = ctx.owned;
  const float dividend = rate * 0.01f * payer.balance * ctx.yearFraction;
  owned.dividendsTotal += dividend;
  if (dividend >= 1.0f) {
    ctx.sink.Emit(kTagNone, "  Dividend received = %s", Money{dividend});
    ctx.sink.Emit(kTagNone, "      %s from %s deposited to %s ", Money{dividend}, Name{payer.name},
                  Name{receiver.name});
  }
  if (IsRetirementKind(payer.kind)) {
    ctx.flows.nonTaxableIncome += dividend;
    owned.deferredDividends += dividend;
  } else {
    ctx.flows.taxableIncome += dividend;
    owned.taxableDividends += dividend;
  }
  if (dividend >= 0.1f) RecordFiles::Amount(ctx.records.in, ctx.age, receiver.name, dividend);
  ctx.totals.OfKind(receiver.kind) += dividend;
  receiver.balance += dividend;
  if (!(IsRetirementKind(payer.kind) && IsRetirementKind(receiver.kind))) {
    owned.dividendTax += dividend * scenario.dividends.dividendTaxablePercent[slot] * 0.01f *
                         ctx.workingTaxRate * 0.01f;
  }
}

// Interest of a savings account: investment interest is taxed, the other two are not.
void EarnInterest(RunContext& ctx, Account& account, float rate) {
  const float interest = account.balance * rate * 0.01f * ctx.yearFraction;
  YearFlows& flows = ctx.flows;
  if (account.kind == core::kInvestmentSavings && interest > 0.0f) {
    ctx.owned.savingsInterestTax += interest * ctx.workingTaxRate * 0.01f;
  }
  ctx.totals.OfKind(account.kind) += interest;
  PayDividend(ctx, account);
  account.balance += interest;
  // A loss is no income.
  if (interest <= 0.0f) return;
  if (ctx.options.trackFlows) {
    flows.incoming += interest;
    if (account.kind == core::kInvestmentSavings) {
      flows.taxableIncome += interest;
      flows.interest += interest;
    } else {
      flows.nonTaxableIncome += interest;
      (account.kind == core::kTaxFreeSavings ? flows.taxFreeInterest : flows.retirementInterest) +=
          interest;
    }
  }
  RecordFiles::Amount(ctx.records.in, ctx.age, account.name, interest);
}

// Appreciation (or depreciation) of an asset or equity account.
void Appreciate(RunContext& ctx, Account& account, float rate) {
  const float growth = account.balance * rate * 0.01f * ctx.yearFraction;
  const bool equity = account.kind == core::kEquity;
  if (rate > 0.0f) {
    (equity ? ctx.flows.equityAppreciation : ctx.flows.assetAppreciation) += growth;
    ctx.flows.incoming += growth;
    if (!equity) RecordFiles::Amount(ctx.records.in, ctx.age, account.name, growth);
  } else if (rate < 0.0f) {
    ctx.flows.depreciation += growth;
    if (!equity) RecordFiles::Amount(ctx.records.out, ctx.age, account.name, growth);
  }
  ctx.totals.OfKind(account.kind) += growth;
  account.balance = account.balance * (1.0f + rate * 0.01f * ctx.yearFraction);
  if (equity) RecordFiles::Amount(ctx.records.in, ctx.age, account.name, growth);
}

void GrowAccounts(RunContext& ctx) {
  if (ctx.options.showDetails && ctx.RandomRates()) EmitRandomRateNotice(ctx);
  core::Scenario& scenario = ctx.s();
  // Every account draws its random rate, so that the draws of a seed do not depend on which
  // accounts are empty. The draws come first, all together; each is counted when its account's
  // turn comes, with the balance the account has then.
  const bool random = ctx.RandomRates();
  std::array<float, core::kMaxAccounts> rates;
  if (random) {
    DrawAccountRatesForYear(ctx, std::span(rates.data(), static_cast<size_t>(scenario.accountCount())));
  }
  for (int i = 0; i < scenario.accountCount(); ++i) {
    Account& account = scenario.account(i);
    float rate = account.currentRate;
    if (random) {
      rate = rates[static_cast<size_t>(i)];
      CountRateForYear(ctx, i, rate);
    }
    if (account.balance <= 0.0f) continue;
    if (account.kind == core::kAsset || account.kind == core::kEquity) {
      Appreciate(ctx, account, rate);
    } else if (account.kind <= core::kTaxFreeSavings) {
      EarnInterest(ctx, account, rate);
    }
  }
}

// Property bought with a loan grows with its account's rate; mortgaged property by its
// appreciation rate.
void AppreciateProperty(RunContext& ctx) {
  core::Scenario& scenario = ctx.s();
  for (const int e : ctx.index.property) {
    core::FinancialEvent& event = scenario.events[e];
    if (event.startAge > ctx.age) continue;
    if (event.kind == core::kLoan) {
      const int index = ctx.AccountIndex(event.accountId);
      if (index < 0) continue;
      const Account& account = scenario.account(index);
      if (account.kind != core::kAsset && account.kind != core::kEquity) continue;
      event.runAmount = event.runAmount * (1.0f + account.currentRate * 0.01f);
    } else if (event.kind == core::kMortgage) {
      const float growth = event.appreciationRate * 0.01f * event.runAmount * ctx.yearFraction;
      ctx.totals.equity += growth;
      if (event.appreciationRate > 0.0f) {
        ctx.flows.equityAppreciation += growth;
        ctx.flows.incoming += growth;
      } else if (event.appreciationRate < 0.0f) {
        ctx.flows.depreciation += growth;
      }
      event.runAmount += growth;
      event.runScratch =
          event.runMortgagePaidOff == 1
              ? event.runAmount
              : event.runAmount - event.amount + event.downPayment + event.runPrincipalPaid;
    }
  }
}

void PayTaxesAndPenalties(RunContext& ctx) {
  OwnedAccumulators& owned = ctx.owned;
  ScheduleSink& sink = ctx.sink;
  ctx.flows.incoming += owned.dividendsTotal;
  if (owned.dividendTax > 0.0f) {
    sink.Emit(kTagNone, "  Taxes on Dividends = %s", Money{owned.dividendTax});
    WithdrawFromAccounts(ctx, owned.dividendTax, kPurposeTaxes, kTagNone);
  }
  if (owned.savingsInterestTax > 0.0f) {
    sink.Emit(kTagNone, "  Pay %s Tax On Savings Interest", Money{owned.savingsInterestTax});
    WithdrawFromAccounts(ctx, owned.savingsInterestTax, kPurposeTaxes, kTagNone);
  }
  if (owned.withdrawalTaxes > 0.0f) {
    sink.Emit(kTagNone, "  Withdrawal Taxes = %s", Money{owned.withdrawalTaxes});
    WithdrawFromAccounts(ctx, owned.withdrawalTaxes, kPurposeTaxes, kTagNone);
  }
  if (ctx.flows.penalties > 0.0f) {
    sink.Emit(kTagNone, "  Penalties Paid = %s", Money{ctx.flows.penalties});
    ctx.results.redFlags.penalty.Raise(ctx.wholeAge);
    WithdrawFromAccounts(ctx, ctx.flows.penalties, kPurposePenalties, kTagNone);
  }
  if (owned.depositTaxes > 0.0f) {
    sink.Emit(kTagNone, "  Deposit Taxes = %s", Money{owned.depositTaxes});
  }
}

void EmitIf(RunContext& ctx, bool shown, const char* format, float value) {
  if (shown) ctx.sink.Emit(kTagNone, format, Money{value});
}

void EmitSummary(RunContext& ctx) {
  if (!ctx.sink.Wants()) return;
  const YearFlows& f = ctx.flows;
  const OwnedAccumulators& o = ctx.owned;
  const float appreciation = f.assetAppreciation + f.equityAppreciation;
  const float depreciation = std::fabs(f.depreciation);
  const float outgoing = o.depositTaxes + f.withdrawals + o.savingsInterestTax + f.interestPaid +
                         f.penalties + o.propertyTaxes + o.withdrawalTaxes + o.closingCosts +
                         depreciation + o.dividendTax;
  ctx.sink.EmitText(kTagNone, "Summary:");
  EmitIf(ctx, true, "    Total Incoming=%s", f.incoming);
  EmitIf(ctx, f.deposits > 0.0f, "       Deposits=%s", f.deposits);
  EmitIf(ctx, f.taxableIncome > 0.0f, "       Taxable Income=%s", f.taxableIncome);
  EmitIf(ctx, o.taxableDividends > 1.0f, "           Dividends=%s", o.taxableDividends);
  EmitIf(ctx, f.interest > 1.0f, "           Interest=%s", f.interest);
  EmitIf(ctx, f.nonTaxableIncome > 0.0f, "       Non Taxable Income=%s", f.nonTaxableIncome);
  EmitIf(ctx, o.deferredDividends > 1.0f, "           Dividends=%s", o.deferredDividends);
  EmitIf(ctx, f.taxFreeInterest > 1.0f, "           Tax Free Interest=%s", f.taxFreeInterest);
  EmitIf(ctx, f.retirementInterest > 1.0f, "           Retirement Account Interest=%s",
         f.retirementInterest);
  EmitIf(ctx, f.loanProceeds > 0.0f, "       Loans=%s", f.loanProceeds);
  // No step books sale proceeds yet, so "Selling Assets/Property" stays hidden.
  EmitIf(ctx, appreciation > 0.0f, "       Appreciation=%s", appreciation);
  EmitIf(ctx, true, "    Total Outgoing=%s", outgoing);
  EmitIf(ctx, f.withdrawals > 0.0f, "       Withdrawals=%s", f.withdrawals);
  EmitIf(ctx, f.interestPaid > 0.0f, "       Interest Paid=%s", f.interestPaid);
  EmitIf(ctx, o.depositTaxes > 0.0f, "       Taxes on deposits=%s", o.depositTaxes);
  EmitIf(ctx, o.withdrawalTaxes > 0.0f, "       Taxes on withdrawals=%s", o.withdrawalTaxes);
  EmitIf(ctx, o.savingsInterestTax > 0.0f, "       Taxes on savings interest=%s",
         o.savingsInterestTax);
  EmitIf(ctx, o.dividendTax > 0.0f, "       Taxes on dividends=%s", o.dividendTax);
  EmitIf(ctx, o.propertyTaxes > 0.0f, "       Property taxes=%s", o.propertyTaxes);
  EmitIf(ctx, o.closingCosts > 0.0f, "       Closing costs=%s", o.closingCosts);
  EmitIf(ctx, f.penalties > 0.0f, "       Penalties Paid=%s", f.penalties);
  EmitIf(ctx, depreciation > 0.0f, "       Depreciation=%s", depreciation);
}

void EmitAccountSummary(RunContext& ctx) {
  if (!ctx.sink.Wants()) return;
  ctx.sink.EmitText(kTagNone, "End Of Year Account Summary:");
  for (int i = 0; i < ctx.s().accountCount(); ++i) {
    const Account& account = ctx.s().account(i);
    ctx.sink.Emit(kTagNone, "  %s=%-20s", Name{account.name}, Money{account.balance});
  }
}

}  // namespace

void WriteYearFlows(RunContext& ctx) {
  if (!ctx.InResults()) return;
  const YearFlows& f = ctx.flows;
  const OwnedAccumulators& o = ctx.owned;
  const float taxes =
      o.depositTaxes + o.withdrawalTaxes + o.savingsInterestTax + o.propertyTaxes + o.dividendTax;
  const float depreciation = std::fabs(f.depreciation);
  const float values[13] = {
      f.incoming + o.depositTaxes,
      f.deposits + o.depositTaxes,
      f.taxableIncome,
      f.nonTaxableIncome,
      f.withdrawals + taxes + f.interestPaid + f.penalties + depreciation + o.closingCosts,
      f.withdrawals,
      taxes,
      f.interestPaid,
      f.penalties,
      f.loanProceeds,
      f.equityAppreciation,
      f.assetAppreciation,
      depreciation + o.closingCosts,
  };
  // The graph's age window limits the plot file only; the rows and the records stay whole.
  if (ctx.plot.IsOpen() && ctx.options.graphWindow.Shows(WholeAge(ctx.age))) {
    ctx.plot.WritePointFlows(values);
  }
  const int row = ctx.results.yearIndex;
  if (row >= 0 && row < kMaxResultsYears) {
    float* fields = &ctx.results.years[static_cast<size_t>(row)].totalIncoming;
    for (int i = 0; i < 13; ++i) fields[i] = values[i];
  }
  RecordFiles& records = ctx.records;
  if (!records.big.IsOpen()) return;
  records.Item(ctx.age, "Interest/Dividends Earned", 2, f.taxableIncome + f.nonTaxableIncome);
  records.Item(ctx.age, "Equity", 2, f.equityAppreciation);
  records.Item(ctx.age, "Appreciation", 2, f.assetAppreciation);
  records.Item(ctx.age, "Depreciation", 6, depreciation);
  records.Item(ctx.age, "Closing", 6, o.closingCosts);
  records.Item(ctx.age, "Taxes", 6, taxes);
  records.Item(ctx.age, "Interest Paid", 6, f.interestPaid);
  records.Item(ctx.age, "Penalties", 6, f.penalties);
}

void ApplyYearEnd(RunContext& ctx) {
  OwnedAccumulators& owned = ctx.owned;
  owned.savingsInterestTax = 0.0f;
  owned.dividendTax = 0.0f;
  owned.dividendsTotal = 0.0f;
  owned.taxableDividends = 0.0f;
  owned.deferredDividends = 0.0f;
  if (ctx.options.randomGroupRates) DrawGroupRates(ctx);
  if (ctx.InResults()) GrowAccounts(ctx);
  AppreciateProperty(ctx);
  PayTaxesAndPenalties(ctx);
  if (ctx.options.showSummary || ctx.options.summaryStartup) EmitSummary(ctx);
  if (ctx.options.showAccounts) EmitAccountSummary(ctx);
  WriteYearFlows(ctx);
  owned.withdrawalTaxes = 0.0f;
  owned.propertyTaxes = 0.0f;
  owned.savingsInterestTax = 0.0f;
  owned.closingCosts = 0.0f;
  ctx.flows.taxes = 0.0f;
}

}  // namespace engine
