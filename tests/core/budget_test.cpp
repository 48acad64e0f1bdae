// Budget items in the dialog: entering, replacing, deleting, sorting, the totals and the texts
// of the item list.
#include "core/budget.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text.h"
#include "platform/scripted.h"
#include "tests/core/packed_field.h"

namespace core {
namespace {

using testing::Copied;

constexpr float kCent = 0.005f;

BudgetItemFields Item(std::string name, std::string amount, std::string rate = "0",
                      bool monthly = false, bool inflation = false, bool track = false) {
  BudgetItemFields fields;
  fields.name = std::move(name);
  fields.amount = std::move(amount);
  fields.rate = std::move(rate);
  fields.monthly = monthly;
  fields.inflation = inflation;
  fields.track = track;
  return fields;
}

class BudgetItems : public ::testing::Test {
 protected:
  Budget& budget() { return document.scenario.budgets[0]; }
  EnterOutcome Enter(const BudgetItemFields& fields) {
    return EnterBudgetItem(document, 0, fields, prompter);
  }

  Document document;
  platform::ScriptedPrompter prompter;
};

TEST_F(BudgetItems, MonthlyAmountCountsTwelveTimesInTheYearlyTotal) {
  // Worked by hand: 100.00 a month is 1200.00 a year; with 50.00 a year the total is 1250.00.
  EXPECT_EQ(Enter(Item("Phone", "100.00", "0", /*monthly=*/true)), EnterOutcome::Appended);
  EXPECT_EQ(Enter(Item("Club", "50")), EnterOutcome::Appended);
  EXPECT_NEAR(budget().itemYearlyAmount[0], 1200.00f, kCent);
  EXPECT_NEAR(budget().itemCurrentAmount[0], 1200.00f, kCent);
  EXPECT_NEAR(budget().yearlyTotal, 1250.00f, kCent);
  const BudgetItemRow row = ItemRow(budget(), 0);
  EXPECT_EQ(row.amount, "       100.00");
  EXPECT_EQ(row.yearlyAmount, "      1200.00");
  EXPECT_EQ(row.monthly, "X");
  EXPECT_EQ(YearlyTotalText(budget()), "1250.00      ");
  EXPECT_TRUE(document.modified);
}

TEST_F(BudgetItems, SameFirstNineteenCharactersReplaceInsteadOfAddingA31st) {
  for (int i = 0; i < kMaxBudgetItems; ++i) {
    ASSERT_EQ(Enter(Item(Format("Household item %02d..", i), "10")), EnterOutcome::Appended);
  }
  // The stored names have exactly 19 characters; this one goes on after them.
  EXPECT_EQ(Enter(Item("Household item 07..and more", "99")), EnterOutcome::Replaced);
  EXPECT_EQ(Copied(budget().itemCount), kMaxBudgetItems);
  EXPECT_NEAR(budget().itemAmount[7], 99.0f, kCent);
  EXPECT_TRUE(prompter.shown().empty());

  EXPECT_EQ(Enter(Item("Something new", "1")), EnterOutcome::Full);
  EXPECT_EQ(Copied(budget().itemCount), kMaxBudgetItems);
  ASSERT_EQ(prompter.Lines().size(), 1u);
  EXPECT_EQ(prompter.Lines()[0],
            "Budget Warning: You have reached the maximum number of items for this budget");
}

TEST_F(BudgetItems, NamesAreCutToNineteenCharacters) {
  Enter(Item("A very long item name indeed", "1"));
  EXPECT_EQ(TextOf(budget().itemName[0]), "A very long item na");
}

TEST_F(BudgetItems, EmptyNameDoesNothing) {
  EXPECT_EQ(Enter(Item("", "100")), EnterOutcome::Ignored);
  EXPECT_EQ(Copied(budget().itemCount), 0);
  EXPECT_FALSE(document.modified);
}

TEST_F(BudgetItems, AmountAndRateAreReadAsNumbers) {
  Enter(Item("Rent", "12.5abc", "not a rate"));
  EXPECT_NEAR(budget().itemAmount[0], 12.5f, kCent);
  EXPECT_EQ(Copied(budget().itemRate[0]), 0.0f);
}

TEST_F(BudgetItems, DeletingTheSecondOfThreeMovesTheThirdWithAllItsFields) {
  Enter(Item("First", "1"));
  Enter(Item("Second", "2", "1.5", true, false, true));
  Enter(Item("Third", "3", "2.25", false, /*inflation=*/true, /*track=*/true));
  EXPECT_TRUE(DeleteBudgetItem(document, 0, "Second"));
  ASSERT_EQ(Copied(budget().itemCount), 2);
  EXPECT_EQ(TextOf(budget().itemName[1]), "Third");
  EXPECT_EQ(Copied(budget().itemInflation[1]), 1);
  EXPECT_EQ(Copied(budget().itemTrack[1]), 1);
  EXPECT_EQ(Copied(budget().itemMonthly[1]), 0);
  EXPECT_NEAR(budget().itemAmount[1], 3.0f, kCent);
  EXPECT_NEAR(budget().itemRate[1], 2.25f, 1e-6f);
  EXPECT_NEAR(budget().yearlyTotal, 4.0f, kCent);  // 1 + 3
  EXPECT_EQ(TextOf(budget().itemName[2]), "");     // the freed place holds nothing
}

TEST_F(BudgetItems, DeletingAnUnknownNameChangesNothing) {
  Enter(Item("Food", "1"));
  document.modified = false;
  EXPECT_FALSE(DeleteBudgetItem(document, 0, "Fuel"));
  EXPECT_EQ(Copied(budget().itemCount), 1);
  EXPECT_FALSE(document.modified);
}

TEST_F(BudgetItems, ClearAllRemovesEveryItem) {
  Enter(Item("Food", "100"));
  Enter(Item("Fuel", "50"));
  ClearBudgetItems(document, 0);
  EXPECT_EQ(Copied(budget().itemCount), 0);
  EXPECT_EQ(Copied(budget().yearlyTotal), 0.0f);
}

TEST_F(BudgetItems, SortIgnoresCaseAndMovesEveryField) {
  Enter(Item("beta", "2", "2"));
  Enter(Item("Alpha", "1", "1", /*monthly=*/true));
  Enter(Item("gamma", "3", "3", false, true));
  SortBudgetItems(budget());
  EXPECT_EQ(TextOf(budget().itemName[0]), "Alpha");
  EXPECT_EQ(TextOf(budget().itemName[1]), "beta");
  EXPECT_EQ(TextOf(budget().itemName[2]), "gamma");
  EXPECT_EQ(Copied(budget().itemMonthly[0]), 1);
  EXPECT_NEAR(budget().itemYearlyAmount[0], 12.0f, kCent);
  EXPECT_NEAR(budget().itemRate[1], 2.0f, kCent);
  EXPECT_EQ(Copied(budget().itemInflation[2]), 1);
}

TEST_F(BudgetItems, RateColumnAndEditFields) {
  Enter(Item("Grown", "100", "2.5", false, /*inflation=*/true, /*track=*/true));
  Enter(Item("Inflated", "100", "0", false, /*inflation=*/true));
  Enter(Item("Plain", "100", "3"));
  EXPECT_EQ(ItemRow(budget(), 0).rate, "Inf.+  2.500");
  EXPECT_EQ(ItemRow(budget(), 0).track, "X");
  EXPECT_EQ(ItemRow(budget(), 1).rate, "Inflation");
  EXPECT_EQ(ItemRow(budget(), 2).rate, "  3.000");
  EXPECT_EQ(ItemRow(budget(), 2).monthly, " ");

  const BudgetItemFields fields = ItemFields(budget(), 0);
  EXPECT_EQ(fields.name, "Grown");
  EXPECT_EQ(fields.amount, "100.00       ");
  EXPECT_EQ(fields.rate, "2.500  ");
  EXPECT_TRUE(fields.inflation);
  EXPECT_TRUE(fields.track);
  EXPECT_FALSE(fields.monthly);
}

TEST(BudgetTexts, TodaysDollarsLabelNamesTheStartAgeAndCurrency) {
  EXPECT_EQ(TodaysDollarsLabel(30.0f, "Dollars"), "Use amounts in age 30.0 Dollars");
  EXPECT_EQ(TodaysDollarsLabel(45.25f, "Pounds"), "Use amounts in age 45.2 Pounds");
}

TEST_F(BudgetItems, ImpossibleStoredCountsStayInsideTheTable) {
  budget().itemCount = 500;
  RefreshBudgetTotals(budget());
  EXPECT_EQ(ItemCount(budget()), kMaxBudgetItems);
  budget().itemCount = -3;
  EXPECT_EQ(ItemCount(budget()), 0);
  EXPECT_EQ(ItemRow(budget(), 0).name, "");
  EXPECT_EQ(Enter(Item("Food", "1")), EnterOutcome::Appended);
  EXPECT_EQ(Copied(budget().itemCount), 1);
}

TEST_F(BudgetItems, BudgetNumbersOutsideTheFiveAreIgnored) {
  EXPECT_EQ(EnterBudgetItem(document, 5, Item("Food", "1"), prompter), EnterOutcome::Ignored);
  EXPECT_EQ(EnterBudgetItem(document, -1, Item("Food", "1"), prompter), EnterOutcome::Ignored);
  EXPECT_FALSE(DeleteBudgetItem(document, 7, "Food"));
}

}  // namespace
}  // namespace core
