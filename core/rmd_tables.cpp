#include "core/rmd_tables.h"

#include "core/accounts.h"
#include "core/text.h"
#include "core/text_reading.h"

namespace core {

namespace {

using platform::Icon;

constexpr const char* kValueCaption = "Probable RMD Value Error";

// The stored fields are packed, so they are read and written by value, never by address.
char* DescriptionField(SlotData& slots, int table) {
  switch (table) {
    case 1:
      return slots.rmdTable1Description;
    case 2:
      return slots.rmdTable2Description;
    case 3:
      return slots.rmdTable3Description;
    default:
      return nullptr;
  }
}

const char* DescriptionField(const SlotData& slots, int table) {
  return DescriptionField(const_cast<SlotData&>(slots), table);
}

// The age of divisor `index`. A stored start age may be anything; it is held to a range in which
// the sum cannot overflow.
int AgeOfIndex(int32_t startAge, int index) {
  const int32_t held = startAge < -1000000 ? -1000000 : (startAge > 1000000 ? 1000000 : startAge);
  return static_cast<int>(held) + index;
}

std::string AgeLabel(int age) {
  if (age < 10) return Format("%1d", age);
  if (age > 99) return Format("%3d", age);
  return Format("%2d", age);
}

LifeTable ReadEnteredTable(const LifeTableForm& entered, int32_t startAge) {
  LifeTable table;
  table.description = entered.description.substr(0, kRmdDescriptionLength);
  table.startAge = startAge;
  for (int i = 0; i < kRmdTableLength; ++i) {
    table.divisors[static_cast<size_t>(i)] = LeadingFloat(entered.values[static_cast<size_t>(i)]);
  }
  return table;
}

// A start age that is no whole number from 1 to 120 keeps the dialog open.
bool StartAgeAccepted(int32_t startAge, platform::Prompter& prompter) {
  if (startAge >= kRmdLowestStartAge && startAge <= kRmdHighestStartAge) return true;
  prompter.ShowMessage("AGE ERROR",
                       Format("This rate must be greater than %s and less than %s.",
                              Format("%9.3f", static_cast<double>(kRmdLowestStartAge)).c_str(),
                              Format("%9.3f", static_cast<double>(kRmdHighestStartAge)).c_str()),
                       Icon::Error);
  return false;
}

// Out-of-range divisors are reported one by one and stored all the same.
void ReportOutOfRange(const LifeTable& table, platform::Prompter& prompter) {
  for (int i = 0; i < kRmdTableLength; ++i) {
    const float value = table.divisors[static_cast<size_t>(i)];
    if (value >= 0.0f && value <= kRmdHighestPlausibleDivisor) continue;
    prompter.ShowMessage(kValueCaption,
                         Format("The value %s for age %2d seems out of range. Please check your "
                                "Life Expectancy Tables.",
                                Format("%4.1f", static_cast<double>(value)).c_str(),
                                AgeOfIndex(table.startAge, i)),
                         Icon::Warning);
  }
}

void ReportImplausible(float value, int age, platform::Prompter& prompter) {
  prompter.ShowMessage(kValueCaption,
                       Format("Possible incorrect value %s at age %2d.\nPlease check the IRS RMD "
                              "Life Expectancy Tables.",
                              Format("%4.1f", static_cast<double>(value)).c_str(), age),
                       Icon::Warning);
}

void StoreTable(SlotData& slots, int table, const LifeTable& values) {
  SetRmdDescription(slots, table, values.description);
  SetRmdStartAge(slots, table, values.startAge);
  for (int i = 0; i < kRmdTableLength; ++i) {
    SetRmdDivisor(slots, table, i, values.divisors[static_cast<size_t>(i)]);
  }
}

}  // namespace

int32_t RmdStartAge(const SlotData& slots, int table) {
  switch (table) {
    case 1:
      return slots.rmdTable1StartAge;
    case 2:
      return slots.rmdTable2StartAge;
    case 3:
      return slots.rmdTable3StartAge;
    default:
      return 0;
  }
}

void SetRmdStartAge(SlotData& slots, int table, int32_t startAge) {
  if (table == 1) slots.rmdTable1StartAge = startAge;
  if (table == 2) slots.rmdTable2StartAge = startAge;
  if (table == 3) slots.rmdTable3StartAge = startAge;
}

float RmdDivisor(const SlotData& slots, int table, int index) {
  if (index < 0 || index >= kRmdTableLength) return 0.0f;
  switch (table) {
    case 1:
      return slots.rmdTable1Values[index];
    case 2:
      return slots.rmdTable2Values[index];
    case 3:
      return slots.rmdTable3Values[index];
    default:
      return 0.0f;
  }
}

void SetRmdDivisor(SlotData& slots, int table, int index, float divisor) {
  if (index < 0 || index >= kRmdTableLength) return;
  if (table == 1) slots.rmdTable1Values[index] = divisor;
  if (table == 2) slots.rmdTable2Values[index] = divisor;
  if (table == 3) slots.rmdTable3Values[index] = divisor;
}

std::string RmdDescription(const SlotData& slots, int table) {
  const char* field = DescriptionField(slots, table);
  if (field == nullptr) return {};
  size_t length = 0;
  while (length < sizeof slots.rmdTable1Description && field[length] != '\0') ++length;
  return std::string(field, length);
}

void SetRmdDescription(SlotData& slots, int table, std::string_view description) {
  char* field = DescriptionField(slots, table);
  if (field == nullptr) return;
  CopyTextInto(field, sizeof slots.rmdTable1Description,
               description.substr(0, kRmdDescriptionLength));
}

const LifeTable& DefaultLifeTable() {
  static const LifeTable table{
      "IRA",
      70,
      {27.4f, 26.5f, 25.6f, 24.7f, 23.8f, 22.9f, 22.0f, 21.2f, 20.3f, 19.5f,
       18.7f, 17.9f, 17.1f, 16.3f, 15.5f, 14.8f, 14.1f, 13.4f, 12.7f, 12.0f,
       11.4f, 10.8f, 10.2f, 9.6f,  9.1f,  8.6f,  8.1f,  7.6f,  7.1f,  6.7f}};
  return table;
}

LifeTableForm OpenLifeTableForm(const SlotData& slots, int table) {
  const LifeTable& fallback = DefaultLifeTable();
  LifeTableForm form;
  form.heading = Format("Table %2d", table);
  form.description = RmdDescription(slots, table);
  if (form.description.empty()) form.description = fallback.description;
  const int32_t startAge = RmdStartAge(slots, table);
  form.startAge = Format("%-3d", startAge);
  for (int i = 0; i < kRmdTableLength; ++i) {
    const size_t at = static_cast<size_t>(i);
    form.ageLabels[at] = AgeLabel(AgeOfIndex(startAge, i));
    const float value = RmdDivisor(slots, table, i);
    form.values[at] = value != 0.0f ? Format("%-4.1f", static_cast<double>(value))
                                    : Format("%.1f", static_cast<double>(fallback.divisors[at]));
  }
  return form;
}

LifeTableOutcome StoreLifeTableForm(SlotData& slots, int table, const LifeTableForm& entered,
                                    platform::Prompter& prompter) {
  // Checked before anything is stored: a refused age keeps the dialog open, and a Cancel
  // after it must find the table as it was.
  const int32_t startAge = LeadingInt(entered.startAge, -1000000, 1000000);
  if (!StartAgeAccepted(startAge, prompter)) return LifeTableOutcome::StayOpen;
  const LifeTable values = ReadEnteredTable(entered, startAge);
  ReportOutOfRange(values, prompter);
  StoreTable(slots, table, values);
  return CheckLifeTablePlausible(values, prompter) ? LifeTableOutcome::Reopen
                                                   : LifeTableOutcome::Closed;
}

bool CheckLifeTablePlausible(const LifeTable& table, platform::Prompter& prompter) {
  for (int i = 0; i + 1 < kRmdTableLength; ++i) {
    const float earlier = table.divisors[static_cast<size_t>(i)];
    const float later = table.divisors[static_cast<size_t>(i + 1)];
    const bool zero = earlier == 0.0f || later == 0.0f;
    if (!zero && earlier > later) continue;
    const int age = AgeOfIndex(table.startAge, i);
    if (later == 0.0f) {
      ReportImplausible(later, age + 1, prompter);
    } else {
      ReportImplausible(earlier, age, prompter);
    }
    if (zero) return true;
  }
  return false;
}

bool WarnAboutRmdReceivingAccount(const Scenario& scenario, uint16_t accountId,
                                  platform::Prompter& prompter) {
  const int index = FindAccountIndex(scenario, accountId);
  if (index < 0) return false;
  const uint16_t kind = scenario.account(index).kind;
  if (kind != kRetirementSavings && kind != kTaxFreeSavings) return false;
  prompter.ShowMessage("Probable RMD Account Error",
                       "You probably cannot transfer RMD funds to another Tax Free or Retirement "
                       "account.\nPlease check the RMD regulations.",
                       Icon::Warning);
  return true;
}

}  // namespace core
