// Account identifiers resolved once per run: the position a search in table order would find,
// for every identifier, duplicates and missing ones included, and a search again for a
// scenario that was not built, has another number of accounts, or whose run is over.
#include "engine/account_lookup.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/accounts.h"
#include "core/text.h"

namespace {

using engine::AccountLookup;

// Accounts with the given identifiers, in this table order.
core::Scenario WithIds(std::initializer_list<uint16_t> ids) {
  core::Scenario scenario = core::MakeNewScenario();
  for (const uint16_t id : ids) {
    (void)core::AllocateAccountId(scenario);
    core::Account& account = scenario.account(scenario.accountCount() - 1);
    account.accountId = id;
    core::CopyText(account.name, core::Format("Id %u", static_cast<unsigned>(id)));
  }
  return scenario;
}

void ExpectAsSearched(const AccountLookup& lookup, const core::Scenario& scenario) {
  for (const int id : {0, 1, 2, 7, 12, 49, 300, 29999, 65534, 65535}) {
    const auto stored = static_cast<uint16_t>(id);
    EXPECT_EQ(lookup.IndexOf(scenario, stored), core::FindAccountIndex(scenario, stored))
        << "id " << id;
  }
}

TEST(AccountLookup, FindsWhatASearchInTableOrderFinds) {
  const core::Scenario scenario = WithIds({7, 0, 12, 300, 65534, 2});
  auto lookup = std::make_unique<AccountLookup>();
  lookup->Build(scenario);
  EXPECT_EQ(lookup->IndexOf(scenario, 300), 3);
  EXPECT_EQ(lookup->IndexOf(scenario, 1), -1);
  EXPECT_EQ(lookup->IndexOf(scenario, core::kNoAccountId), -1);
  ExpectAsSearched(*lookup, scenario);
  // A damaged file with one identifier twice: the first in table order.
  const core::Scenario twice = WithIds({5, 7, 7, 12});
  lookup->Build(twice);
  EXPECT_EQ(lookup->IndexOf(twice, 7), 1);
  ExpectAsSearched(*lookup, twice);
}

TEST(AccountLookup, ARebuildForgetsTheAccountsBefore) {
  const core::Scenario first = WithIds({7, 12, 300});
  const core::Scenario second = WithIds({12, 49});
  auto lookup = std::make_unique<AccountLookup>();
  lookup->Build(first);
  lookup->Build(second);
  EXPECT_EQ(lookup->IndexOf(second, 7), -1);
  EXPECT_EQ(lookup->IndexOf(second, 300), -1);
  EXPECT_EQ(lookup->IndexOf(second, 12), 0);
  ExpectAsSearched(*lookup, second);
}

TEST(AccountLookup, SearchesAScenarioNotBuiltOrChangedSince) {
  core::Scenario scenario = WithIds({7, 12, 300});
  auto lookup = std::make_unique<AccountLookup>();
  // Never built.
  ExpectAsSearched(*lookup, scenario);
  lookup->Build(scenario);
  // An account added, the run over and an identifier changed.
  (void)core::AllocateAccountId(scenario);
  scenario.account(3).accountId = 2;
  ExpectAsSearched(*lookup, scenario);
  lookup->Build(scenario);
  lookup->Forget();
  scenario.account(0).accountId = 1;
  ExpectAsSearched(*lookup, scenario);
  // Another scenario with the same accounts.
  const core::Scenario copy = WithIds({7, 12, 300});
  lookup->Build(scenario);
  ExpectAsSearched(*lookup, copy);
}

}  // namespace
