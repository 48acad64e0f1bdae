// The Withdrawal, Deposit and Transfer dialogs (WITHDRAWAL, INCOME, TRANSFER): description,
// ages, amount and applied rate with their checks, the one-time and inflation switches, and
// the accounts each kind names.
#pragma once

#include <memory>

#include "planner/forms/form.h"

namespace planner::forms {

std::unique_ptr<Form> MakeWithdrawalForm(Planner& planner, int index);
std::unique_ptr<Form> MakeDepositForm(Planner& planner, int index);
std::unique_ptr<Form> MakeTransferForm(Planner& planner, int index);

}  // namespace planner::forms
