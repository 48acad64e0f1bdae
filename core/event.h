// A dated financial event of the scenario: 160 bytes with fixed places whose meaning depends on
// the kind. Places shared by several kinds carry each kind's name as an alternative name of the
// same bytes, so that code reads in the words of the event it handles.
#pragma once

#include "core/layout.h"

namespace core {

inline constexpr int kMaxEvents = 150;    // events the user can have
inline constexpr int kPseudoEventRoom = 4;  // RMD options 1..3 and the asset-allocation option
inline constexpr int kEventTableCapacity = kMaxEvents + kPseudoEventRoom;

enum EventKind : uint16_t {
  kFundamentals = 1,
  kDeposit = 2,
  kLoan = 3,  // also credit-card debt, told apart by cardMarker
  kMortgage = 4,
  kTransfer = 5,  // also a Rule 72T transfer (transferVariant)
  kWithdrawal = 6,  // also a budget withdrawal (withdrawalVariant)
  kAssetAllocationOption = 7,
  kEmptyEvent = 99,
  kRmdOption = 65535,
};

inline constexpr uint16_t kCardMarker = 64536;       // -1000 as 16 bits: a Loan is a credit card
inline constexpr uint16_t kAccountChosen = 438;      // the companion account field holds a choice
inline constexpr uint16_t kRule72tTransfer = 72;     // transferVariant of a Rule 72T transfer
inline constexpr uint16_t kBudgetWithdrawal = 1;     // withdrawalVariant of a budget's withdrawal

#pragma pack(push, 1)
struct FinancialEvent {
  uint16_t listRow;  // row in the last event listing; 1000 = not listed
  float startAge;
  float endAge;  // also "Payoff Age" of debts
  union {
    float appliedRate;     // Deposit, Transfer, Withdrawal
    float sellAge;         // Loan, Mortgage
    float payoffMonths;    // credit card
    float beneficiaryAge;  // Rule 72T transfer
  };
  union {
    uint16_t oneTimeOnly;  // Deposit, Transfer, Withdrawal
    uint16_t runPaidOff;   // Loan, Mortgage during a run
    uint16_t lifeTable;    // Rule 72T: 0 single, 1 uniform, 2 joint life
  };
  uint16_t kind;
  union {
    float amount;
    float newTaxRate;  // Fundamentals
  };
  union {
    uint16_t taxDeposit;          // Deposit
    uint16_t fromAccountId;       // Transfer
    uint16_t runMortgagePaidOff;  // Mortgage during a run
    uint16_t rmdTableNumber;      // RMD option: 1..3
  };
  union {
    uint16_t accountId;  // deposit to, withdraw from, transfer to, loan deposited to, card payer
    uint16_t rateAccountId;        // Fundamentals
    uint16_t downPaymentToEquity;  // Mortgage
  };
  union {
    uint16_t applyInflation;  // Deposit, Transfer, Withdrawal
    uint16_t cardMarker;      // credit card: kCardMarker
    uint16_t inflateTaxes;    // Mortgage
    uint16_t rule72tMethod;   // Rule 72T: 0 annuity, 1 amortization, 2 minimum
  };
  float runAmount;  // working value of a run
  union {
    float newInflationRate;  // Fundamentals
    float downPayment;       // Loan, Mortgage
    float totalInterest;     // credit card
  };
  float monthlyPayment;
  union {
    float newAccountRate;  // Fundamentals
    float loanRate;        // Loan, credit card, Mortgage; the discount rate of a Rule 72T transfer
  };
  union {
    uint16_t years;          // Loan, Mortgage
    uint16_t accountChosen;  // credit card, Withdrawal: kAccountChosen
  };
  float runScratch;        // working value of a run, cleared before each run
  float runPrincipalPaid;  // working value; Fundamentals keep it between runs
  float runInterestPaid;   // working value; Fundamentals keep it between runs
  uint16_t paymentAccountChosen;
  union {
    float depositAccountRate;  // Loan
    float payoffYears;         // credit card
    float appreciationRate;    // Mortgage
  };
  int16_t budgetNumber;  // budget withdrawal: 1..5
  union {
    uint16_t transferAll;    // Transfer
    uint16_t runMonthsPaid;  // Loan, Mortgage during a run
  };
  uint16_t runState;  // 0 pending, 1 active, 2 finished
  char description[64];
  union {
    float monthlyPurchases;  // credit card
    float propertyTaxes;     // Mortgage (yearly)
  };
  float closingCosts;
  float sellingCostPercent;
  float extraMonthlyPayment;
  uint16_t inTodaysDollars;
  uint16_t unused152;
  uint16_t runPropertySold;
  union {
    uint16_t extraPaymentStart;  // Mortgage: 0 none, 2 initial start age, 3 mortgage start age
    uint16_t transferVariant;    // Transfer: kRule72tTransfer
    uint16_t withdrawalVariant;  // Withdrawal: kBudgetWithdrawal
  };
  union {
    uint16_t paymentAccountId;   // Loan, Mortgage
    uint16_t runBeneficiaryAge;  // Rule 72T during a run
  };
};
#pragma pack(pop)

static_assert(sizeof(FinancialEvent) == 160);
KX_OFFSET(FinancialEvent, listRow, 0);
KX_OFFSET(FinancialEvent, startAge, 2);
KX_OFFSET(FinancialEvent, endAge, 6);
KX_OFFSET(FinancialEvent, appliedRate, 10);
KX_OFFSET(FinancialEvent, sellAge, 10);
KX_OFFSET(FinancialEvent, payoffMonths, 10);
KX_OFFSET(FinancialEvent, oneTimeOnly, 14);
KX_OFFSET(FinancialEvent, kind, 16);
KX_OFFSET(FinancialEvent, amount, 18);
KX_OFFSET(FinancialEvent, fromAccountId, 22);
KX_OFFSET(FinancialEvent, accountId, 24);
KX_OFFSET(FinancialEvent, cardMarker, 26);
KX_OFFSET(FinancialEvent, runAmount, 28);
KX_OFFSET(FinancialEvent, downPayment, 32);
KX_OFFSET(FinancialEvent, monthlyPayment, 36);
KX_OFFSET(FinancialEvent, loanRate, 40);
KX_OFFSET(FinancialEvent, years, 44);
KX_OFFSET(FinancialEvent, runScratch, 46);
KX_OFFSET(FinancialEvent, runPrincipalPaid, 50);
KX_OFFSET(FinancialEvent, runInterestPaid, 54);
KX_OFFSET(FinancialEvent, paymentAccountChosen, 58);
KX_OFFSET(FinancialEvent, depositAccountRate, 60);
KX_OFFSET(FinancialEvent, budgetNumber, 64);
KX_OFFSET(FinancialEvent, transferAll, 66);
KX_OFFSET(FinancialEvent, runState, 68);
KX_OFFSET(FinancialEvent, description, 70);
KX_OFFSET(FinancialEvent, monthlyPurchases, 134);
KX_OFFSET(FinancialEvent, closingCosts, 138);
KX_OFFSET(FinancialEvent, sellingCostPercent, 142);
KX_OFFSET(FinancialEvent, extraMonthlyPayment, 146);
KX_OFFSET(FinancialEvent, inTodaysDollars, 150);
KX_OFFSET(FinancialEvent, unused152, 152);
KX_OFFSET(FinancialEvent, runPropertySold, 154);
KX_OFFSET(FinancialEvent, transferVariant, 156);
KX_OFFSET(FinancialEvent, paymentAccountId, 158);

inline bool IsCreditCard(const FinancialEvent& e) {
  return e.kind == kLoan && e.cardMarker == kCardMarker;
}
inline bool IsRule72tTransfer(const FinancialEvent& e) {
  return e.kind == kTransfer && e.transferVariant == kRule72tTransfer;
}
inline bool IsBudgetWithdrawal(const FinancialEvent& e) {
  return e.kind == kWithdrawal && e.withdrawalVariant == kBudgetWithdrawal;
}

}  // namespace core
