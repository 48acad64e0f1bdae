#include "planner/forms/budget_form.h"

#include <cstdlib>

#include "core/budget.h"
#include "core/budget_files.h"
#include "core/text.h"
#include "graph/format_money.h"
#include "planner/forms/form_support.h"
#include "planner/forms/table_window_form.h"
#include "planner/planner.h"
#include "reports/budget_report.h"

namespace planner::forms {

namespace {

constexpr int kBudgetHelpTopic = 1585;
constexpr const char* kItems = "Items";
constexpr const char* kAccount = "Withdraw from account:";
constexpr const char* kActive = "Activate this budget";
constexpr const char* kTodaysDollars = "Amounts are in today's dollars";
constexpr const char* kMonthly = "Monthly";
constexpr const char* kTrack = "Track";
constexpr const char* kInflation = "Apply inflation rate to withdrawal";

std::string RowText(const core::BudgetItemRow& row) {
  return core::Format("%-19s  %s  %1s  %-12s  %s  %1s", row.name.c_str(), row.amount.c_str(),
                      row.monthly.c_str(), row.rate.c_str(), row.yearlyAmount.c_str(),
                      row.track.c_str());
}

// The budget report window: the budget "pbudout.tmp" holds, year by year, with OK and Print.
class BudgetReportForm final : public TableWindowForm {
 public:
  BudgetReportForm(Planner& planner, const core::Budget& budget)
      : TableWindowForm(planner, "BUDGETREPORT", "Budget Report", kBudgetHelpTopic,
                        "budget-report") {
    const reports::BudgetReport report = reports::MakeBudgetReport(budget);
    std::vector<std::string> table = reports::BudgetReportTable(report);
    table.erase(table.begin());  // the column titles head the table
    AddLabel("Report", report.title).heading = true;
    AddLabel("Ages", report.ages).heading = true;
    AddTable("Years", report.columns, std::move(table));
  }
};

class BudgetForm final : public Form {
 public:
  BudgetForm(Planner& planner, int budget)
      : Form(planner, "BUDGET", "Budget", kBudgetHelpTopic),
        budget_(budget >= 0 && budget < core::kBudgetCount ? budget : 0) {
    core::Scenario& scenario = planner_.document().scenario;
    core::Budget& b = scenario.budgets[budget_];
    core::SortBudgetItems(b);
    core::RefreshBudgetTotals(b);
    const core::BudgetHeading heading = core::HeadingOf(b);
    AddEdit("Budget Name", core::kBudgetNameLength, heading.name);
    AddEdit("Start Age", kAgeChars, WholeText(heading.startAge));
    AddEdit("End Age", kAgeChars, WholeText(heading.endAge));
    AddCheck(kActive, heading.active);
    const bool pounds = planner_.CurrencyMark() != '$';
    AddCheck(kTodaysDollars, heading.inTodaysDollars).label = core::TodaysDollarsLabel(
        scenario.initial.startAge,
        graph::CurrencyWord(pounds ? graph::Currency::Pounds : graph::Currency::Dollars));
    AddList(kAccount, AccountEntries(scenario, true),
            ChoiceOfAccount(scenario,
                            heading.accountId < 0 ? core::kNoAccountId
                                                  : static_cast<uint16_t>(heading.accountId),
                            true));
    Field& items = AddList(kItems, {}, -1);
    items.startsColumn = true;
    items.listView = true;
    AddLabel("Yearly Total");
    AddEdit("Name", core::kBudgetItemNameLength);
    AddEdit("Amount", kAmountChars);
    AddEdit("Apply Rate", kRateChars);
    AddCheck(kMonthly, false);
    AddCheck(kTrack, false);
    AddCheck(kInflation, false);
    AddButtons({"Enter", "Clear", "Delete", "Copy All", "Paste All", "Clear All", "Print",
                "Print Report", "OK", "Cancel", "Help"});
    ShowItems();
  }

 private:
  core::Budget& budget() { return planner_.document().scenario.budgets[budget_]; }

  void ShowItems() {
    Field& list = field(kItems);
    list.entries.clear();
    for (int i = 0; i < core::ItemCount(budget()); ++i) {
      list.entries.push_back(RowText(core::ItemRow(budget(), i)));
    }
    SetChoice(kItems, -1);
    SetText("Yearly Total", core::YearlyTotalText(budget()));
  }

  void ShowHeading() {
    const core::BudgetHeading heading = core::HeadingOf(budget());
    SetText("Budget Name", heading.name);
    SetText("Start Age", WholeText(heading.startAge));
    SetText("End Age", WholeText(heading.endAge));
  }

  // A chosen row loads its item into the edit fields.
  void OnChanged(const std::string& name) override {
    if (name != kItems || Choice(kItems) < 0) return;
    const core::BudgetItemFields item = core::ItemFields(budget(), Choice(kItems));
    SetText("Name", item.name);
    SetText("Amount", item.amount);
    SetText("Apply Rate", item.rate);
    SetOn(kMonthly, item.monthly);
    SetOn(kTrack, item.track);
    SetOn(kInflation, item.inflation);
  }

  core::BudgetItemFields ItemTyped() const {
    core::BudgetItemFields item;
    item.name = Text("Name");
    item.amount = Text("Amount");
    item.rate = Text("Apply Rate");
    item.monthly = On(kMonthly);
    item.track = On(kTrack);
    item.inflation = On(kInflation);
    return item;
  }

  core::BudgetHeading HeadingTyped() const {
    core::BudgetHeading heading;
    heading.name = Text("Budget Name");
    heading.startAge = std::atoi(Text("Start Age").c_str());
    heading.endAge = std::atoi(Text("End Age").c_str());
    heading.active = On(kActive);
    heading.inTodaysDollars = On(kTodaysDollars);
    const uint16_t account =
        AccountOfChoice(planner_.document().scenario, Choice(kAccount), true);
    heading.accountId = account == core::kNoAccountId ? core::kNoAccountId32 : account;
    return heading;
  }

  Outcome OnPress(const std::string& button) override {
    core::Document& document = planner_.document();
    platform::Prompter& prompter = planner_.services().prompter;
    const std::filesystem::path& dir = planner_.workDir();
    if (button == "Cancel") return Outcome::Cancelled;
    if (button == "OK") return Store();
    if (button == "Enter") {
      core::EnterBudgetItem(document, budget_, ItemTyped(), prompter);
    } else if (button == "Clear") {
      SetText("Name", "");
      SetText("Amount", "");
      SetText("Apply Rate", "");
    } else if (button == "Delete") {
      core::DeleteBudgetItem(document, budget_, Text("Name"));
    } else if (button == "Copy All") {
      core::CopyBudgetItems(budget(), dir, prompter);
    } else if (button == "Paste All") {
      if (core::PasteBudgetItems(document, budget_, dir, prompter)) ShowHeading();
    } else if (button == "Clear All") {
      core::ClearBudgetItems(document, budget_);
    } else if (button == "Print") {
      // The page of the budget as the dialog holds it: its items are the live record's.
      Place page{PlaceKind::PrintJob, "budget"};
      page.budget = budget_;
      planner_.OpenPlace(page, 0);
    } else if (button == "Print Report") {
      if (core::WriteBudgetReportFile(document, budget_, HeadingTyped(), dir, prompter)) {
        if (const auto written = core::ReadBudgetReportFile(dir, budget(), prompter)) {
          ShowItems();
          return OpenChild(std::make_unique<BudgetReportForm>(planner_, *written));
        }
      }
    }
    ShowItems();
    return Outcome::Done;
  }

  Outcome Store() {
    if (!core::ApplyBudget(planner_.document(), budget_, HeadingTyped(),
                           planner_.services().prompter)) {
      return Outcome::Kept;
    }
    planner_.ScenarioEdited();
    planner_.BudgetsRenamed();
    return Outcome::Stored;
  }

  int budget_;
};

}  // namespace

std::unique_ptr<Form> MakeBudgetForm(Planner& planner, int budget) {
  return std::make_unique<BudgetForm>(planner, budget);
}

}  // namespace planner::forms
