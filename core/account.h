// An account of the scenario and the account table that holds up to 50 of them, with the
// trailer of asset-allocation and RMD method settings. 4124 bytes as stored.
#pragma once

#include "core/layout.h"

namespace core {

inline constexpr int kMaxAccounts = 50;
inline constexpr uint16_t kNoAccountId = 65535;  // "no account" in 16-bit fields
inline constexpr int32_t kNoAccountId32 = -1;    // "no account" in 32-bit fields

enum AccountKind : uint16_t {
  kAsset = 0,
  kEquity = 1,
  kInvestmentSavings = 2,
  kRetirementSavings = 3,
  kTaxFreeSavings = 4,
};
inline constexpr int kAccountKindCount = 5;

// The "Select Account Type" texts, padded to 18 characters.
inline constexpr const char* kAccountKindNames[kAccountKindCount] = {
    "Asset             ", "Equity            ", "Investment Savings",
    "Retirement Savings", "Tax Free Savings  "};

#pragma pack(push, 1)
struct Account {
  char name[30];
  char accessOrder[4];
  float balance;
  float currentRate;
  float initialAmount;
  float rate;
  uint16_t kind;
  float randomMinRate;
  float randomMaxRate;
  uint16_t accountId;
  uint16_t penaltyApplies;
  float lowestRandomRate;
  float highestRandomRate;
  float sumRandomRates;
  uint8_t unused76[2];
  uint16_t groupIndex;
  uint16_t slot;
};

struct AccountTrailer {
  int32_t nextAccountId;
  float aaMinimumWithdrawal;
  float aaStartAge;
  uint8_t unused12[4];
  uint16_t rmdMethod;
  uint16_t aaMethod;
  uint8_t unused20[2];
};

struct AccountTable {
  int16_t count;
  Account accounts[kMaxAccounts];
  AccountTrailer trailer;
};
#pragma pack(pop)

static_assert(sizeof(Account) == 82);
KX_OFFSET(Account, name, 0);
KX_OFFSET(Account, accessOrder, 30);
KX_OFFSET(Account, balance, 34);
KX_OFFSET(Account, currentRate, 38);
KX_OFFSET(Account, initialAmount, 42);
KX_OFFSET(Account, rate, 46);
KX_OFFSET(Account, kind, 50);
KX_OFFSET(Account, randomMinRate, 52);
KX_OFFSET(Account, randomMaxRate, 56);
KX_OFFSET(Account, accountId, 60);
KX_OFFSET(Account, penaltyApplies, 62);
KX_OFFSET(Account, lowestRandomRate, 64);
KX_OFFSET(Account, highestRandomRate, 68);
KX_OFFSET(Account, sumRandomRates, 72);
KX_OFFSET(Account, unused76, 76);
KX_OFFSET(Account, groupIndex, 78);
KX_OFFSET(Account, slot, 80);

static_assert(sizeof(AccountTrailer) == 22);
KX_OFFSET(AccountTrailer, nextAccountId, 0);
KX_OFFSET(AccountTrailer, aaMinimumWithdrawal, 4);
KX_OFFSET(AccountTrailer, aaStartAge, 8);
KX_OFFSET(AccountTrailer, unused12, 12);
KX_OFFSET(AccountTrailer, rmdMethod, 16);
KX_OFFSET(AccountTrailer, aaMethod, 18);
KX_OFFSET(AccountTrailer, unused20, 20);

static_assert(sizeof(AccountTable) == 4124);
KX_OFFSET(AccountTable, accounts, 2);
KX_OFFSET(AccountTable, trailer, 4102);

}  // namespace core
