#include "planner/forms/rmd_forms.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "core/accounts.h"
#include "core/text.h"
#include "planner/forms/form_support.h"
#include "planner/planner.h"
#include "platform/data_directory.h"

namespace planner::forms {

namespace {

constexpr int kOptionsHelpTopic = 1572;
constexpr int kTableHelpTopic = 1573;
constexpr const char* kMethods[] = {"Proportional asset allocation withdrawal",
                                    "Equal asset allocation withdrawal",
                                    "Account order withdrawal"};
constexpr const char* kPenaltyRate = "Penalty rate";
constexpr const char* kReceiving = "Transfer funds to this account:";
constexpr const char* kTableButtons[] = {"Edit Table 1 Life Expectancy Values ",
                                         "Edit Table 2 Life Expectancy Values",
                                         "Edit Table 3 Life Expectancy Values"};
constexpr const char* kUniformButton = "Use IRS Uniform Lifetime Table (2022)";

const Check kPenaltyCheck{kPenaltyRate, NumberKind::Real, 0.0f, 100.0f, kRateBounds, "RATE ERROR"};

std::string ValueField(int i) { return core::Format("Value %d", i + 1); }

class LifeTableForm final : public Form {
 public:
  LifeTableForm(Planner& planner, int table)
      : Form(planner, "RMDTABLE", "Life Expectancy Values From IRS Tables", kTableHelpTopic),
        table_(core::IsRmdTableNumber(table) ? table : 1) {
    AddLabel("Table");
    AddEdit("Description", core::kRmdDescriptionLength);
    AddEdit("Start Age", 3);
    for (int i = 0; i < core::kRmdTableLength; ++i) {
      AddEdit(ValueField(i), 5).startsColumn = i % 10 == 0;
    }
    AddButtons({"OK", kUniformButton, "Cancel", "Help"});
    Show(core::OpenLifeTableForm(planner_.document().scenario.slots, table_));
  }

 private:
  void Show(const core::LifeTableForm& shown) {
    SetText("Table", shown.heading);
    SetText("Description", shown.description);
    SetText("Start Age", shown.startAge);
    for (int i = 0; i < core::kRmdTableLength; ++i) {
      Field& f = field(ValueField(i));
      f.label = "Age " + shown.ageLabels[static_cast<size_t>(i)];
      f.text = shown.values[static_cast<size_t>(i)];
    }
  }

  core::LifeTableForm Entered() const {
    core::LifeTableForm entered;
    entered.description = Text("Description");
    entered.startAge = Text("Start Age");
    for (int i = 0; i < core::kRmdTableLength; ++i) {
      entered.values[static_cast<size_t>(i)] = Text(ValueField(i));
    }
    return entered;
  }

  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    if (button == kUniformButton) return FillUniformTable();
    core::SlotData& slots = planner_.document().scenario.slots;
    const core::LifeTableOutcome outcome =
        core::StoreLifeTableForm(slots, table_, Entered(), planner_.services().prompter);
    if (outcome == core::LifeTableOutcome::StayOpen) return Outcome::Kept;
    planner_.ScenarioEdited();
    if (outcome == core::LifeTableOutcome::Closed) return Outcome::Stored;
    // A divisor of 0: the table was stored, and the dialog shows it again for correction.
    Show(core::OpenLifeTableForm(slots, table_));
    return Outcome::Done;
  }

  // The current published table in the fields; stored by OK as any typed table.
  Outcome FillUniformTable() {
    const std::filesystem::path file =
        platform::FindDataFile(planner_.workDir(), kUniformTableFile);
    const std::optional<core::LifeTable> table = ReadUniformTable(file, kUniformTableStartAge);
    if (!table) {
      Form::Show("FILE OPEN ERROR", "Cannot open " + file.string() + ".");
      return Outcome::Done;
    }
    SetText("Start Age", core::Format("%-3d", table->startAge));
    for (int i = 0; i < core::kRmdTableLength; ++i) {
      Field& f = field(ValueField(i));
      const int age = table->startAge + i;
      f.label = "Age " + core::Format(age < 10 ? "%1d" : age > 99 ? "%3d" : "%2d", age);
      f.text = core::Format("%-4.1f", static_cast<double>(table->divisors[static_cast<size_t>(i)]));
    }
    return Outcome::Done;
  }

  int table_;
};

class RmdOptionsForm final : public Form {
 public:
  explicit RmdOptionsForm(Planner& planner)
      : Form(planner, "MRW", "Required Minimum Distribution Options", kOptionsHelpTopic) {
    core::Scenario& scenario = planner_.document().scenario;
    const int method = scenario.trailer().rmdMethod;
    for (int m = 0; m < 3; ++m) {
      AddRadio(kMethods[m], "method", m + 1 == method || (m == 2 && method != 1 && method != 2));
    }
    AddEdit(kPenaltyRate, kRateChars,
            core::Format("%-6.2f", static_cast<double>(scenario.slots.rmdPenaltyRate)));
    AddList(kReceiving, AccountEntries(scenario, true),
            ChoiceOfAccount(scenario, static_cast<uint16_t>(scenario.slots.rmdTransferAccountId),
                            true));
    AddButtons({"OK", kTableButtons[0], kTableButtons[1], kTableButtons[2], "Cancel", "Help"});
  }

 private:
  Outcome OnPress(const std::string& button) override {
    if (button == "Cancel") return Outcome::Cancelled;
    for (int t = 0; t < 3; ++t) {
      if (button == kTableButtons[t]) return OpenChild(MakeLifeTableForm(planner_, t + 1));
    }
    const std::optional<float> penalty = RunCheck(kPenaltyCheck);
    if (!penalty) return Outcome::Kept;
    core::Scenario& scenario = planner_.document().scenario;
    uint16_t method = 3;
    for (int m = 0; m < 3; ++m) {
      if (On(kMethods[m])) method = static_cast<uint16_t>(m + 1);
    }
    scenario.trailer().rmdMethod = method;
    scenario.slots.rmdPenaltyRate = *penalty;
    const uint16_t receiving = AccountOfChoice(scenario, Choice(kReceiving), true);
    scenario.slots.rmdTransferAccountId = static_cast<int16_t>(receiving);
    planner_.ScenarioEdited();
    core::WarnAboutRmdReceivingAccount(scenario, receiving, planner_.services().prompter);
    return Outcome::Stored;
  }
};

}  // namespace

std::optional<core::LifeTable> ReadUniformTable(const std::filesystem::path& file, int startAge) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  std::map<int, float> byAge;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    int age = 0;
    float divisor = 0.0f;
    if (fields >> age >> divisor) byAge[age] = divisor;
  }
  core::LifeTable table;
  table.description = "IRA";
  table.startAge = startAge;
  for (int i = 0; i < core::kRmdTableLength; ++i) {
    const auto found = byAge.find(startAge + i);
    if (found == byAge.end()) return std::nullopt;
    table.divisors[static_cast<size_t>(i)] = found->second;
  }
  return table;
}

std::unique_ptr<Form> MakeRmdOptionsForm(Planner& planner) {
  return std::make_unique<RmdOptionsForm>(planner);
}
std::unique_ptr<Form> MakeLifeTableForm(Planner& planner, int table) {
  return std::make_unique<LifeTableForm>(planner, table);
}

}  // namespace planner::forms
