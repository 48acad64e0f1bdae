// The tables a run fills and leaves for its readers: the ResultsYear rows with their companion
// series, the per-kind totals, the year's flows and the red flags.
#pragma once

#include <array>

#include "core/account.h"

namespace engine {

inline constexpr int kMaxResultsYears = 100;
inline constexpr int kAgeTableSize = 121;  // whole ages 0..120

// One results year: fields 0..6 at the start of the year, 7..19 the flows of the year.
struct ResultsYear {
  float age;
  float investment;
  float taxFree;
  float retirement;
  float assetAccounts;
  float equity;
  float netWorth;
  float totalIncoming;
  float deposits;
  float taxableIncome;
  float nonTaxableIncome;
  float totalOutgoing;
  float withdrawals;
  float taxes;
  float interestPaid;
  float penalties;
  float loans;
  float equityGain;
  float assetGain;
  float lossesAndCosts;
};
static_assert(sizeof(ResultsYear) == 20 * sizeof(float));

// Money held in each kind of account (with booked property values) and money owed.
struct KindTotals {
  float investment = 0.0f;
  float taxFree = 0.0f;
  float retirement = 0.0f;
  float equity = 0.0f;
  float asset = 0.0f;
  float liabilities = 0.0f;
  float otherKind = 0.0f;  // accounts of a stored kind outside 0..4 count nowhere

  float NetWorth() const {
    return investment + taxFree + retirement + equity + asset - liabilities;
  }
  // The total of an account kind; an unknown kind has a scratch total of its own. Inline:
  // every movement of money asks for it.
  float& OfKind(uint16_t kind) {
    switch (kind) {
      case core::kAsset:
        return asset;
      case core::kEquity:
        return equity;
      case core::kInvestmentSavings:
        return investment;
      case core::kRetirementSavings:
        return retirement;
      case core::kTaxFreeSavings:
        return taxFree;
      default:
        otherKind = 0.0f;
        return otherKind;
    }
  }
};

// The year's accumulators. The first group is cleared at the start of every year; the
// second by the steps that own them.
struct YearFlows {
  float incoming = 0.0f;
  float deposits = 0.0f;
  float taxableIncome = 0.0f;
  float nonTaxableIncome = 0.0f;
  float interest = 0.0f;
  float taxFreeInterest = 0.0f;
  float retirementInterest = 0.0f;
  float loanProceeds = 0.0f;
  float withdrawals = 0.0f;
  float interestPaid = 0.0f;
  float penalties = 0.0f;
  float taxes = 0.0f;
  float assetAppreciation = 0.0f;
  float equityAppreciation = 0.0f;
  float depreciation = 0.0f;  // a negative number

  void ClearYear() { *this = YearFlows{}; }
};

// Cleared by the steps that own them, once a year.
struct OwnedAccumulators {
  float depositTaxes = 0.0f;
  float withdrawalTaxes = 0.0f;
  float propertyTaxes = 0.0f;
  float closingCosts = 0.0f;
  // The year-end's own, cleared at its start.
  float savingsInterestTax = 0.0f;
  float dividendTax = 0.0f;
  float dividendsTotal = 0.0f;
  float taxableDividends = 0.0f;
  float deferredDividends = 0.0f;
};

// A flag set once per run with the whole age of its first occurrence.
struct RedFlag {
  bool set = false;
  int age = 0;
  void Raise(int wholeAge) {
    if (set) return;
    set = true;
    age = wholeAge;
  }
};

struct RedFlags {
  RedFlag penalty;
  RedFlag retirementMinimumAge;  // money left in retirement accounts that no RMD table draws
  RedFlag liquidDepleted;
  RedFlag withdrawalAccountDepleted;
  RedFlag rmdDepleted;
  RedFlag unfinishedTransfers;
  int unfinishedTransferCount = 0;
  RedFlag negativeNetWorth;

  bool Any() const {
    return penalty.set || retirementMinimumAge.set || liquidDepleted.set ||
           withdrawalAccountDepleted.set || rmdDepleted.set || unfinishedTransfers.set ||
           negativeNetWorth.set;
  }
};

// The six series by whole age, in heading order.
enum KindSeries {
  kSeriesInvestment,
  kSeriesTaxFree,
  kSeriesRetirement,
  kSeriesAsset,
  kSeriesEquity,
  kSeriesLiabilities,
  kKindSeriesCount
};

// Everything a run leaves for graphs, reports and the export.
struct RunResults {
  std::array<ResultsYear, kMaxResultsYears> years{};
  int yearIndex = -1;  // last row written
  std::array<float, kMaxResultsYears> purchasingPowerByYear{};
  std::array<std::array<float, core::kMaxAccounts>, kMaxResultsYears> accountBalances{};
  std::array<float, kAgeTableSize> inflationByAge{};
  std::array<std::array<float, kAgeTableSize>, kKindSeriesCount> kindByAge{};
  RedFlags redFlags;
  float probeBalance = 0.0f;
  bool probeFound = false;

  int RowCount() const {
    return yearIndex + 1 < kMaxResultsYears ? yearIndex + 1 : kMaxResultsYears;
  }
};

}  // namespace engine
