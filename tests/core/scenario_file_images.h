// Scenario file images for the scenario-file tests: a rich scenario that uses every table, the
// block offsets of a stored file, and byte patches that break a good image in one place.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "core/scenario.h"
#include "core/scenario_file.h"
#include "tests/core/test_scenarios.h"

// The tests compare fields of the packed records as copies, written "+field": GoogleTest's
// assertions take references, which a misaligned packed field cannot give.

namespace core::testing {

// Where each block starts in a file with `events` event records. The sizes are those of the
// stored layout (80, N x 160, 4124, 740, 246, 1938, 3 x 60, 152, 6990, 1100, 786, 5060), written
// out here rather than taken from the records, so that a record that changes size is caught.
struct BlockOffsets {
  explicit BlockOffsets(int events)
      : accounts(80 + static_cast<size_t>(events) * 160),
        groups(accounts + 4124),
        titles(groups + 740),
        slots(titles + 246),
        fonts(slots + 1938),
        page(fonts + 180),
        budgets(page + 152),
        dividends(budgets + 6990),
        reserved1(dividends + 1100),
        reserved2(reserved1 + 786),
        end(reserved2 + 5060) {}
  size_t accounts, groups, titles, slots, fonts, page, budgets, dividends, reserved1, reserved2,
      end;
};

template <typename Value>
void Patch(std::string& image, size_t offset, Value value) {
  std::memcpy(image.data() + offset, &value, sizeof value);
}

template <typename Value>
Value Peek(const std::string& image, size_t offset) {
  Value value;
  std::memcpy(&value, image.data() + offset, sizeof value);
  return value;
}

// A scenario that fills every block with something other than its defaults: accounts with
// working values, events of several kinds with working values and bytes after the NUL of their
// descriptions, budgets, groups, Monte Carlo settings, fonts, margins and reserved bytes.
inline Scenario RichScenario() {
  Scenario s = MakeNewScenario();
  s.initial.startAge = 45.5f;
  s.initial.endAge = 95.0f;
  s.initial.birthMonth = 7;
  s.initial.birthDay = 14;
  s.initial.unused70[3] = 0x5a;

  const int savings = AddAccount(s, "Brokerage", kInvestmentSavings, 125000.50f, 6.5f, "1");
  const int ira = AddAccount(s, "IRA", kRetirementSavings, 310000.25f, 7.0f, "2");
  AddAccount(s, "House", kAsset, 450000.0f, 3.0f, "9");
  s.account(savings).lowestRandomRate = -3.25f;  // working values of the last run
  s.account(savings).sumRandomRates = 81.5f;
  s.account(ira).penaltyApplies = 1;
  s.account(ira).groupIndex = 2;
  s.account(ira).unused76[1] = 0x11;
  s.trailer().aaMethod = 1;
  s.trailer().unused12[0] = 0x22;

  FinancialEvent& deposit = AddEvent(s, kDeposit, "Salary", 46.0f);
  deposit.endAge = 65.0f;
  deposit.amount = 52000.0f;
  deposit.accountId = s.account(savings).accountId;
  deposit.runAmount = 61234.5f;  // working value left by a run
  deposit.description[40] = 'x';  // after the NUL: kept as stored
  FinancialEvent& mortgage = AddEvent(s, kMortgage, "Lake house", 50.0f);
  mortgage.amount = 300000.0f;
  mortgage.loanRate = 6.25f;
  mortgage.years = 30;
  mortgage.extraMonthlyPayment = 150.0f;
  mortgage.runMonthsPaid = 17;
  FinancialEvent& card = AddEvent(s, kLoan, "Card", 46.0f);
  card.cardMarker = kCardMarker;
  card.monthlyPurchases = 400.0f;
  FinancialEvent& fundamentals = AddEvent(s, kFundamentals, "Rates", 60.0f);
  fundamentals.newTaxRate = 22.0f;
  fundamentals.runPrincipalPaid = 9.0f;
  fundamentals.unused152 = 0x3344;

  CopyText(s.groups.groupName[2], "Stocks");
  s.groups.groupRandomMinRate[2] = -10.0f;
  s.groups.groupRandomMaxRate[2] = 25.0f;
  s.groups.mcTrials = 500;
  s.groups.mcRateType = 2;
  s.groups.mcStdDevFactor = 3;
  s.groups.mcGoalAmount = 1000000.0f;
  s.groups.unused464[7] = 0x66;
  CopyText(s.titles.title[1], "Retirement plan");
  s.titles.printTitle[1] = 1;
  s.slots.stdDeviation[1] = 15.5f;
  s.slots.rmdTable[1] = 10;
  s.slots.rmdTable1Values[0] = 27.4f;
  s.slots.unused1834[0] = 0x77;
  CopyText(s.fonts[0].faceName, "Lucida");
  s.fonts[0].height = -13;
  s.page.windowWidth = 800;
  s.page.marginLeft = 750;
  s.page.printOption = 2;
  CopyText(s.budgets[1].budgetName, "Travel");
  s.budgets[1].itemCount = 2;
  CopyText(s.budgets[1].itemName[0], "Flights");
  s.budgets[1].itemAmount[0] = 3000.0f;
  s.budgets[1].itemCurrentAmount[1] = 12.5f;
  s.budgets[1].budgetAccountId = s.account(savings).accountId;
  s.dividends.dividendRate[0] = 2.5f;
  s.dividends.dividendAccountId[0] = s.account(savings).accountId;
  s.dividends.reserved500[2][49] = 0x1234;
  s.reserved1[0] = 1;
  s.reserved1[785] = 2;
  s.reserved2[0] = 3;
  s.reserved2[5059] = 4;
  return s;
}

}  // namespace core::testing
