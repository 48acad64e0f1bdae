#include "core/accounts.h"

#include <algorithm>
#include <cstring>

#include "core/text.h"

namespace core {

int FindAccountIndex(const Scenario& scenario, uint16_t accountId) {
  for (int i = 0; i < scenario.accountCount(); ++i) {
    if (scenario.account(i).accountId == accountId) return i;
  }
  return -1;
}

uint16_t AllocateAccountId(Scenario& scenario) {
  AccountTrailer& trailer = scenario.trailer();
  if (trailer.nextAccountId == 30000) trailer.nextAccountId = 10;
  int32_t candidate = trailer.nextAccountId;
  for (bool clash = true; clash;) {
    clash = false;
    for (int i = 0; i < scenario.accountCount(); ++i) {
      if (scenario.account(i).accountId == static_cast<uint16_t>(candidate)) {
        ++candidate;
        clash = true;
      }
    }
  }
  const uint16_t id = static_cast<uint16_t>(candidate);
  if (scenario.accountCount() < kMaxAccounts) {
    scenario.account(scenario.accountCount()).accountId = id;
    ++scenario.accountTable.count;
  }
  trailer.nextAccountId = candidate + 1;
  return id;
}

uint16_t TakeSlotForNewAccount(Scenario& scenario, int index) {
  for (int s = kSlotCount - 1; s >= 0; --s) {
    if (scenario.slots.aaMember[s] == kFreeSlot) {
      scenario.slots.aaMember[s] = 0;
      return static_cast<uint16_t>(s);
    }
  }
  return static_cast<uint16_t>(index);
}

void FreeSlot(Scenario& scenario, int slot) {
  if (slot < 0 || slot >= kSlotCount) return;
  SlotData& slots = scenario.slots;
  slots.aaMember[slot] = kFreeSlot;
  slots.penaltyRate[slot] = kDefaultPenaltyRate;
  slots.penaltyAge[slot] = kDefaultPenaltyAge;
  slots.randomRateCount[slot] = 0.0f;
  slots.penaltyStartAge[slot] = 0;
  slots.rmdTable[slot] = 0;
  slots.stdDeviation[slot] = 0.0f;
  slots.reservedSlot[slot] = 0;
  scenario.dividends.dividendRate[slot] = 0.0f;
  scenario.dividends.dividendTaxablePercent[slot] = 0.0f;
  scenario.dividends.dividendAccountId[slot] = 0;
  // The second reserved area is ten f32 rows of one entry per slot.
  constexpr size_t kRowBytes = sizeof(float) * kSlotCount;
  for (size_t row = 0; row < 10; ++row) {
    std::memset(scenario.reserved2.data() + row * kRowBytes + static_cast<size_t>(slot) * 4, 0, 4);
  }
}

namespace {

// The account an event cannot do without: the account of a rate change, deposit or loan, and
// the source of a transfer.
bool EventNeedsAccount(const FinancialEvent& event, uint16_t accountId) {
  switch (event.kind) {
    case kFundamentals:
    case kDeposit:
    case kLoan:
      return event.accountId == accountId;
    case kTransfer:
      return event.fromAccountId == accountId;
    default:
      return false;
  }
}

}  // namespace

void RemoveAccountRecord(Scenario& scenario, int index) {
  const int count = scenario.accountCount();
  if (index < 0 || index >= count) return;
  Account* accounts = scenario.accountTable.accounts;
  std::memmove(&accounts[index], &accounts[index + 1],
               sizeof(Account) * static_cast<size_t>(count - index - 1));
  --scenario.accountTable.count;
}

bool DeleteAccount(Scenario& scenario, int index, platform::Prompter& prompter) {
  if (index < 0 || index >= scenario.accountCount()) return false;
  const uint16_t accountId = scenario.account(index).accountId;
  bool refused = false;
  for (int e = 0; e < scenario.eventCount(); ++e) {
    const FinancialEvent& event = scenario.events[e];
    if (!EventNeedsAccount(event, accountId)) continue;
    prompter.ShowMessage("Account Deletion Problem!",
                         Format("This account is required by the %s event.",
                                TextOf(event.description).c_str()),
                         platform::Icon::Warning);
    refused = true;
  }
  if (refused) return false;
  FreeSlot(scenario, scenario.account(index).slot);
  RemoveAccountRecord(scenario, index);
  return true;
}

void RecomputeInitialTotals(Scenario& scenario) {
  float sums[kAccountKindCount] = {};
  float rateSums[kAccountKindCount] = {};
  int counts[kAccountKindCount] = {};
  for (int i = 0; i < scenario.accountCount(); ++i) {
    Account& account = scenario.account(i);
    account.balance = account.initialAmount;
    account.currentRate = account.rate;
    if (account.kind >= kAccountKindCount) continue;
    sums[account.kind] += account.initialAmount;
    rateSums[account.kind] += account.rate;
    ++counts[account.kind];
  }
  auto mean = [&](int kind) {
    return counts[kind] == 0 ? 0.0f : rateSums[kind] / static_cast<float>(counts[kind]);
  };
  InitialValues& initial = scenario.initial;
  initial.initialInvestmentSavings = sums[kInvestmentSavings];
  initial.initialTaxFreeSavings = sums[kTaxFreeSavings];
  initial.initialRetirementSavings = sums[kRetirementSavings];
  initial.initialEquity = sums[kEquity];
  initial.initialAssets = sums[kAsset];
  initial.avgInvestmentRate = mean(kInvestmentSavings);
  initial.avgTaxFreeRate = mean(kTaxFreeSavings);
  initial.avgRetirementRate = mean(kRetirementSavings);
  initial.avgEquityRate = mean(kEquity);
  initial.avgAssetRate = mean(kAsset);
  initial.reservedTotal = 0.0f;
  initial.reservedRate = 0.0f;
}

namespace {

template <typename Key>
void StableSortAccounts(Scenario& scenario, Key key) {
  Account* first = scenario.accountTable.accounts;
  Account* last = first + scenario.accountCount();
  const auto before = [&](const Account& a, const Account& b) {
    return CompareNoCase(key(a), key(b)) < 0;
  };
  // Every run sorts the table again; one already in order is left as the stable sort would
  // leave it, with a tenth of the comparisons.
  if (std::is_sorted(first, last, before)) return;
  std::stable_sort(first, last, before);
}

}  // namespace

void SortAccountsByName(Scenario& scenario) {
  StableSortAccounts(scenario, [](const Account& a) { return TextOf(a.name); });
}

void SortAccountsByAccessOrder(Scenario& scenario) {
  StableSortAccounts(scenario, [](const Account& a) { return TextOf(a.accessOrder); });
}

}  // namespace core
