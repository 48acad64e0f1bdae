// Pieces every editing form uses: the account lists with their optional "No Selection"
// entry, the texts of ages, amounts and rates as the dialogs show them, and the refusal of an
// account that belongs to the asset allocation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/scenario.h"
#include "platform/prompter.h"

namespace planner::forms {

inline constexpr const char* kNoSelection = "No Selection";
inline constexpr size_t kAgeChars = 9;
inline constexpr size_t kRateChars = 9;
inline constexpr size_t kAmountChars = 11;
inline constexpr size_t kDescriptionChars = 49;

// The accounts in name order (the table is sorted by name first, as every list is filled),
// after "No Selection" when `noSelection`.
std::vector<std::string> AccountEntries(core::Scenario& scenario, bool noSelection);
// The list position of the account with `accountId`; "No Selection" (0) or -1 when none.
int ChoiceOfAccount(const core::Scenario& scenario, uint16_t accountId, bool noSelection);
// The identifier of the account at list position `choice`; kNoAccountId for none.
uint16_t AccountOfChoice(const core::Scenario& scenario, int choice, bool noSelection);

bool InAssetAllocation(const core::Scenario& scenario, uint16_t accountId);
// Shows "You cannot select an account that is part of an Asset Allocation!" and returns true
// for such an account.
bool RefuseAssetAllocationAccount(const core::Scenario& scenario, uint16_t accountId,
                                  platform::Prompter& prompter);

std::string AgeText(float age);        // "%-6.2f"
std::string RateText(float rate);      // "%-7.3f"
std::string AmountText(float amount);  // "%-13.2f"
std::string WholeText(int value);      // "%d"

}  // namespace planner::forms
