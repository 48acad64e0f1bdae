#include "planner/forms/option_forms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/events.h"
#include "core/groups.h"
#include "core/text.h"
#include "planner/forms/cash_event_forms.h"
#include "planner/forms/debt_forms.h"
#include "planner/forms/form_support.h"
#include "planner/forms/fundamentals_form.h"
#include "planner/planner.h"

namespace planner::forms {

namespace {

// --- GROUPS

constexpr int kGroupsHelpTopic = 1541;
constexpr size_t kGroupNameChars = 19;
constexpr float kGroupRateBound = 200.0f;

std::string Numbered(const char* name, int row) { return core::Format("%s %d", name, row + 1); }

class GroupsForm final : public Form {
 public:
  explicit GroupsForm(Planner& planner) : Form(planner, "GROUPS", "Group Names", kGroupsHelpTopic) {
    const core::GroupsAndMonteCarlo& g = planner_.document().scenario.groups;
    const char* columns[] = {"Group Name", "Random Minimum Rate", "Random Maximum Rate"};
    for (int c = 0; c < 3; ++c) {
      for (int row = 0; row < core::kMaxGroups; ++row) {
        Field& f = c == 0 ? AddEdit(Numbered(columns[c], row), kGroupNameChars,
                                    core::TextOf(g.groupName[row]))
                          : AddEdit(Numbered(columns[c], row), kRateChars,
                                    RateText(c == 1 ? g.groupRandomMinRate[row]
                                                    : g.groupRandomMaxRate[row]));
        f.startsColumn = row == 0;
      }
    }
    AddButtons({"OK", "Cancel", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    float minimum[core::kMaxGroups] = {};
    float maximum[core::kMaxGroups] = {};
    for (int row = 0; row < core::kMaxGroups; ++row) {
      if (Text(Numbered("Group Name", row)).empty()) continue;
      if (!ReadRow(row, minimum[row], maximum[row])) return Outcome::Kept;
    }
    core::GroupsAndMonteCarlo& g = planner_.document().scenario.groups;
    for (int row = 0; row < core::kMaxGroups; ++row) {
      core::CopyText(g.groupName[row], Text(Numbered("Group Name", row)));
      if (Text(Numbered("Group Name", row)).empty()) continue;
      g.groupRandomMinRate[row] = minimum[row];
      g.groupRandomMaxRate[row] = maximum[row];
    }
    planner_.ScenarioEdited();
    return Outcome::Stored;
  }

  // A named row's rates: each within 200 % either way; a minimum that is not below the
  // maximum is reported, and the row then has no random range (both 0).
  bool ReadRow(int row, float& minimum, float& maximum) {
    minimum = std::strtof(Text(Numbered("Random Minimum Rate", row)).c_str(), nullptr);
    maximum = std::strtof(Text(Numbered("Random Maximum Rate", row)).c_str(), nullptr);
    for (float rate : {minimum, maximum}) {
      if (rate < -kGroupRateBound || rate > kGroupRateBound) {
        Show("Rate Error", "The rate must be between -200.00% and 200.00%.");
        return false;
      }
    }
    if (minimum < maximum) return true;
    Show("Rate Error", "The minimum rate must be less than the maximum rate.");
    minimum = maximum = 0.0f;
    SetText(Numbered("Random Minimum Rate", row), RateText(0.0f));
    SetText(Numbered("Random Maximum Rate", row), RateText(0.0f));
    return true;
  }
};

// --- AA

constexpr int kAllocationHelpTopic = 1571;
constexpr const char* kProportional = "Proportional asset allocation withdrawal";
constexpr const char* kEqual = "Equal asset allocation withdrawal";
constexpr const char* kAllocationAge = "Age to start withdrawals";
constexpr const char* kMinimumWithdrawal = "Minimum withdrawal amount";

const std::vector<Check> kAllocationChecks = {
    {kAllocationAge, NumberKind::Real, 1.0f, 120.0f, 7, "START AGE ERROR"},
    {kAllocationAge, NumberKind::Real, 0.0f, 120.0f, kRateBounds, "AGE ERROR"},
    {kMinimumWithdrawal, NumberKind::Real, -100000000.0f, 100000000.0f, kAmountBounds,
     "AMOUNT ERROR"},
};

class AssetAllocationForm final : public Form {
 public:
  explicit AssetAllocationForm(Planner& planner)
      : Form(planner, "AA", "Asset Allocation Withdrawal Options", kAllocationHelpTopic) {
    const core::AccountTrailer& t = planner_.document().scenario.trailer();
    AddCheck(kProportional, t.aaMethod == 1);
    AddCheck(kEqual, t.aaMethod == 2);
    AddEdit(kAllocationAge, kAgeChars, WholeText(static_cast<int>(t.aaStartAge)));
    AddEdit(kMinimumWithdrawal, kAmountChars, AmountText(t.aaMinimumWithdrawal));
    AddButtons({"OK", "Cancel", "Help"});
  }

 private:
  void OnChanged(const std::string& name) override {
    if (name == kProportional && On(name)) SetOn(kEqual, false);
    if (name == kEqual && On(name)) SetOn(kProportional, false);
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    const auto values = RunChecks(kAllocationChecks);
    if (!values) return Outcome::Kept;
    core::Scenario& scenario = planner_.document().scenario;
    core::AccountTrailer& t = scenario.trailer();
    t.aaMethod = On(kProportional) ? 1 : On(kEqual) ? 2 : 0;
    t.aaStartAge = std::trunc(values->at(kAllocationAge));
    t.aaMinimumWithdrawal = values->at(kMinimumWithdrawal);
    core::StoreAssetAllocationEvent(scenario);
    planner_.ScenarioEdited();
    return Outcome::Stored;
  }
};

// --- MONTE1

constexpr const char* kTrials = "Enter Number of Trials";
constexpr const char* kMinInflation = "Minimum Inflation Rate";
constexpr const char* kMaxInflation = "Maximum Inflation Rate";
constexpr const char* kGoal = "Set Goal Amount";
constexpr const char* kAccountRates = "Use Random Account Rates";
constexpr const char* kGroupRates = "Use Random Group Rates";
constexpr const char* kRateTypes[] = {"Use Gaussian Distributed Range Rates",
                                      "Use Uniformly Distributed Random Rates",
                                      "Use Gaussian Standard Deviation Rates"};
constexpr const char* kFactor = "Select Distribution Factor";
constexpr const char* kLegend = "Show Legend On Monte Carlo Folder";
constexpr const char* kPurchasingPower = "Calculate in Today's Purchasing Power";
constexpr int kMostFactor = 10;
constexpr int kMostTrials = 1000;
constexpr int kTrialsForNegative = 10;
constexpr float kLowestInflation = -10.0f;
constexpr float kHighestInflation = 50.0f;
constexpr int kRangeType = 0;
constexpr int kStdDevType = 2;

class MonteCarloForm final : public Form {
 public:
  explicit MonteCarloForm(Planner& planner)
      : Form(planner, "MONTE1", "Monte Carlo Analysis", 0) {
    const core::GroupsAndMonteCarlo& g = planner_.document().scenario.groups;
    AddEdit(kTrials, kAgeChars, WholeText(g.mcTrials));
    AddEdit(kMinInflation, kRateChars, RateText(g.mcMinInflation));
    AddEdit(kMaxInflation, kRateChars, RateText(g.mcMaxInflation));
    AddEdit(kGoal, kAmountChars, core::Format("%8.2f", static_cast<double>(g.mcGoalAmount)));
    AddCheck(kLegend, g.mcShowLegend == 1);
    AddCheck(kPurchasingPower, g.mcTodaysPurchasingPower == 1);
    AddRadio(kAccountRates, "source", g.mcRateSource != 1).startsColumn = true;
    AddRadio(kGroupRates, "source", g.mcRateSource == 1);
    const int type = g.mcRateType >= 0 && g.mcRateType <= 2 ? g.mcRateType : 0;
    AddRadio(kRateTypes[1], "type", type == 1);
    AddRadio(kRateTypes[0], "type", type == 0);
    AddRadio(kRateTypes[2], "type", type == 2);
    rangeFactor_ = std::clamp<int>(g.mcRangeFactor, 0, kMostFactor);
    stdDevFactor_ = std::clamp<int>(g.mcStdDevFactor, 0, kMostFactor);
    AddEdit(kFactor, 2, WholeText(type == kStdDevType ? stdDevFactor_ : rangeFactor_));
    AddButtons({"OK", "Cancel"});
    FollowType();
    shownType_ = Type();
  }

 private:
  int Type() const {
    for (int t = 0; t < 3; ++t) {
      if (On(kRateTypes[t])) return t;
    }
    return 0;
  }

  // The factor belongs to the Gaussian types; the standard-deviation type draws account rates.
  void FollowType() {
    const int type = Type();
    Enable(kFactor, type != 1);
    Enable(kGroupRates, type != kStdDevType);
    if (type == kStdDevType) {
      SetOn(kAccountRates, true);
      SetOn(kGroupRates, false);
    }
  }

  void OnChanged(const std::string& name) override {
    const int before = shownType_;
    if (name == kFactor) return;
    FollowType();
    shownType_ = Type();
    if (before == shownType_) return;
    // The factor field shows the factor of the type now chosen.
    const int typed = std::clamp(std::atoi(Text(kFactor).c_str()), 0, kMostFactor);
    if (before == kStdDevType) stdDevFactor_ = typed;
    if (before == kRangeType) rangeFactor_ = typed;
    SetText(kFactor, WholeText(shownType_ == kStdDevType ? stdDevFactor_ : rangeFactor_));
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    core::GroupsAndMonteCarlo& g = planner_.document().scenario.groups;
    int trials = std::atoi(Text(kTrials).c_str());
    if (trials < 0) trials = kTrialsForNegative;
    if (trials > kMostTrials) trials = kMostTrials;
    g.mcTrials = static_cast<int16_t>(trials);
    g.mcMinInflation = std::max(kLowestInflation,
                                std::trunc(std::strtof(Text(kMinInflation).c_str(), nullptr)));
    g.mcMaxInflation = std::min(kHighestInflation,
                                std::trunc(std::strtof(Text(kMaxInflation).c_str(), nullptr)));
    g.mcGoalAmount = std::strtof(Text(kGoal).c_str(), nullptr);
    g.mcRateSource = On(kGroupRates) ? 1 : 0;
    g.mcRateType = static_cast<int16_t>(Type());
    g.mcShowLegend = On(kLegend) ? 1 : 0;
    g.mcTodaysPurchasingPower = On(kPurchasingPower) ? 1 : 0;
    const auto factor =
        static_cast<int16_t>(std::clamp(std::atoi(Text(kFactor).c_str()), 0, kMostFactor));
    if (Type() == kRangeType) g.mcRangeFactor = factor;
    if (Type() == kStdDevType) g.mcStdDevFactor = factor;
    planner_.ScenarioEdited();
    return Outcome::Stored;
  }

  int rangeFactor_ = 0;
  int stdDevFactor_ = 0;
  int shownType_ = -1;
};

// --- EVENTS

struct PaletteEntry {
  const char* button;
  std::unique_ptr<Form> (*make)(Planner&);
};

const PaletteEntry kPalette[] = {
    {"Withdrawal", [](Planner& p) { return MakeWithdrawalForm(p, -1); }},
    {"Deposit", [](Planner& p) { return MakeDepositForm(p, -1); }},
    {"Loan", [](Planner& p) { return MakeLoanForm(p, -1); }},
    {"Credit Card Debt", [](Planner& p) { return MakeCreditCardForm(p, -1, false); }},
    {"Mortgage", [](Planner& p) { return MakeMortgageForm(p, -1); }},
    {"Transfer", [](Planner& p) { return MakeTransferForm(p, -1); }},
    {"Fundamentals", [](Planner& p) { return MakeFundamentalsForm(p, -1); }},
};

class AddEventForm final : public Form {
 public:
  explicit AddEventForm(Planner& planner) : Form(planner, "EVENTS", "Add Event", 0) {
    std::vector<std::string> buttons;
    for (const PaletteEntry& entry : kPalette) buttons.emplace_back(entry.button);
    buttons.emplace_back("Cancel");
    AddButtons(buttons);
  }

 private:
  Outcome OnPress(const std::string& button) override {
    for (const PaletteEntry& entry : kPalette) {
      if (button == entry.button) return OpenChild(entry.make(planner_));
    }
    return Outcome::Cancelled;
  }
  // The palette closes with the event dialog it opened.
  Outcome OnChildClosed(Form& /*child*/, Outcome outcome) override { return outcome; }
};

}  // namespace

std::unique_ptr<Form> MakeGroupsForm(Planner& planner) {
  return std::make_unique<GroupsForm>(planner);
}
std::unique_ptr<Form> MakeAssetAllocationForm(Planner& planner) {
  return std::make_unique<AssetAllocationForm>(planner);
}
std::unique_ptr<Form> MakeMonteCarloForm(Planner& planner) {
  auto form = std::make_unique<MonteCarloForm>(planner);
  return form;
}
std::unique_ptr<Form> MakeAddEventForm(Planner& planner) {
  return std::make_unique<AddEventForm>(planner);
}

}  // namespace planner::forms
