// The "Rule 72T Distribution" dialog's work without its window: the checks of the fields and of
// a calculation with their messages, the event they make, and "Calculate", which finds the
// account's balance at the start age by a run and computes the payments from it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/scenario.h"
#include "engine/rule72t.h"
#include "platform/clock.h"
#include "platform/prompter.h"

namespace engine {

// The dialog's fields as numbers (the window reads its texts into these).
struct Rule72tFields {
  std::string description;
  float startAge = 0;
  float endAge = 0;
  float beneficiaryAge = 0;
  float ratePercent = 0;
  int table = kSingleLife;
  int method = kAnnuityMethod;
  uint16_t fromAccountId = core::kNoAccountId;
  uint16_t toAccountId = core::kNoAccountId;
};

inline constexpr size_t kRule72tDescriptionChars = 49;

// The checks before a payment is calculated, in the dialog's order; the first that fails is
// shown and false returned.
bool CheckRule72tCalculation(platform::Prompter& prompter, float ownerAge, float beneficiaryAge,
                             float endAge, float ratePercent, int table);

// "Calculate" and "OK" first: checks the fields in the dialog's order and stores them into
// `event` as a Rule 72T transfer (ages in whole years). The penalty warning does not stop it.
// False, with the message shown, when a field is refused; `event` may then hold the fields
// stored before the refused one, as the dialog's record does.
bool StoreRule72tFields(platform::Prompter& prompter, const core::Scenario& scenario,
                        const Rule72tFields& fields, core::FinancialEvent& event);

// What "Calculate" shows.
struct Rule72tCalculation {
  float balance = 0;  // "Account Balance at Start Age"
  Rule72tPayments payments;
  std::string balanceText;  // "%-13.2f"
  std::string annuityText, amortizationText, minimumText;  // empty when not computed
  std::string annualWithdrawalText;
};

// Where the probe run and the life tables find their files.
struct Rule72tDialogEnvironment {
  platform::Prompter& prompter;
  std::filesystem::path workDir;
  platform::DateTime today;  // the probe run's birthday fraction
  char mark = '$';
};

// The payments of the fields from a known balance, with the texts the dialog shows; nothing
// when a check of the calculation fails.
std::optional<Rule72tCalculation> CalculateRule72tFromBalance(const Rule72tDialogEnvironment& env,
                                                              const Rule72tFields& fields,
                                                              float balance);

// "Calculate": stores and checks the fields, runs a copy of `scenario` (the scenario without the
// event being edited) to find the from-account's balance at the whole start age, and calculates
// from it. Nothing when a check fails.
std::optional<Rule72tCalculation> CalculateRule72t(const Rule72tDialogEnvironment& env,
                                                   const core::Scenario& scenario,
                                                   const Rule72tFields& fields);

// The balance of `accountId` at the start of the results year of whole age `age`, by a run of a
// copy of `scenario`; 0 when the run never reaches that year or the account does not exist.
float ProbeBalanceAtAge(const Rule72tDialogEnvironment& env, const core::Scenario& scenario,
                        uint16_t accountId, int age);

}  // namespace engine
