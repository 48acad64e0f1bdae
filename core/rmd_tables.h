// The three life-expectancy tables of the required minimum distributions: reading and writing
// a table by its number, the default "IRA" table, and the checks of the table dialog.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/scenario.h"
#include "platform/prompter.h"

namespace core {

inline constexpr int kRmdTableCount = 3;
inline constexpr int kRmdDescriptionLength = 29;  // characters kept of a typed description
inline constexpr int kRmdLowestStartAge = 1;
inline constexpr int kRmdHighestStartAge = 120;
inline constexpr float kRmdHighestPlausibleDivisor = 50.0f;

inline bool IsRmdTableNumber(int table) { return table >= 1 && table <= kRmdTableCount; }

// The table an account slot is assigned to: 1..3, or 0 for none (also for a slot out of range).
// Inline: a distribution asks it of every account several times a year.
inline int RmdTableOfSlot(const SlotData& slots, int slot) {
  if (slot < 0 || slot >= kSlotCount) return 0;
  const int table = slots.rmdTable[slot] / 10;
  return IsRmdTableNumber(table) ? table : 0;
}

// The fields of table `table` (1..3). An unknown table number reads as start age 0, divisors 0
// and an empty description, and writes nothing.
int32_t RmdStartAge(const SlotData& slots, int table);
void SetRmdStartAge(SlotData& slots, int table, int32_t startAge);
// Divisor `index` (0..29, for the age start + index); 0 outside the table.
float RmdDivisor(const SlotData& slots, int table, int index);
void SetRmdDivisor(SlotData& slots, int table, int index, float divisor);
std::string RmdDescription(const SlotData& slots, int table);
// Keeps at most kRmdDescriptionLength characters.
void SetRmdDescription(SlotData& slots, int table, std::string_view description);

// A table as a value.
struct LifeTable {
  std::string description;
  int32_t startAge = 0;
  std::array<float, kRmdTableLength> divisors{};
};

// The table the dialog offers for a table that holds no values: the published uniform divisors
// for ages 70 to 99.
const LifeTable& DefaultLifeTable();

// The texts of the "Life Expectancy Values From IRS Tables" dialog, as shown and as entered.
struct LifeTableForm {
  std::string heading;  // "Table %2d"
  std::string description;
  std::string startAge;
  std::array<std::string, kRmdTableLength> ageLabels;
  std::array<std::string, kRmdTableLength> values;
};

// What the dialog shows when it opens for table `table`. Values that are 0 keep the default
// table's, and an empty description shows the default one.
LifeTableForm OpenLifeTableForm(const SlotData& slots, int table);

enum class LifeTableOutcome {
  StayOpen,  // the start age was refused; nothing was stored
  Closed,    // stored; the dialog closes
  Reopen,    // stored, but a divisor is 0: the dialog closes and opens once more
};

// "OK" of the dialog: checks the entered texts, shows each problem through `prompter` and
// stores the table unless the start age is refused. The caller marks the scenario modified
// when the outcome is not StayOpen.
LifeTableOutcome StoreLifeTableForm(SlotData& slots, int table, const LifeTableForm& entered,
                                    platform::Prompter& prompter);

// The plausibility check alone (the divisors must fall strictly from age to age and none may
// be 0); returns true when a 0 divisor was reported.
bool CheckLifeTablePlausible(const LifeTable& table, platform::Prompter& prompter);

// The options dialog warns, and keeps the choice, when the distributions would go into another
// Retirement or Tax Free Savings account. Returns true when it warned.
bool WarnAboutRmdReceivingAccount(const Scenario& scenario, uint16_t accountId,
                                  platform::Prompter& prompter);

}  // namespace core
