// What the Accounts and Scenario folders show and do, without their widgets: the account list
// view's columns in name or withdrawal order with the count and the total, and the folders'
// buttons (Add refused at 50 accounts, Delete with the deletion rule, Copy with its exceptions).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/scenario.h"

namespace planner {

class Planner;

inline constexpr int kAccountColumnCount = 17;
extern const std::array<const char*, kAccountColumnCount> kAccountColumns;

struct AccountListView {
  std::vector<int> accounts;  // the account index of each row when the view was made
  // The identifier of each row's account: the table may be sorted again (every account list
  // sorts it by name) while the view is shown, so a row's account is found by it.
  std::vector<uint16_t> ids;
  std::vector<std::array<std::string, kAccountColumnCount>> rows;
  std::string count;  // beside "Number of Accounts:"
  std::string total;  // beside "Total:"
};

// The rows in name order (the table's order), or in withdrawal order when `byWithdrawalOrder`.
AccountListView AccountList(const core::Scenario& scenario, char mark, bool byWithdrawalOrder);

// "Add": false, with "Maximum number of accounts reached!", when 50 accounts exist; otherwise
// the Account Information dialog opens for a new account.
bool AddAccountFromList(Planner& planner);
// "Delete": the account at `index` unless an event needs it (each such event named).
bool DeleteAccountFromList(Planner& planner, int index);
// "Copy": a copy of event `index` after the last event; budget withdrawals, Rule 72T
// transfers and the option events are not copied.
bool CopyEventFromList(Planner& planner, int index);
// "Delete" of the event list.
bool DeleteEventFromList(Planner& planner, int index);

}  // namespace planner
