#include "engine/rule72t_dialog.h"

#include <memory>

#include "core/accounts.h"
#include "core/text.h"
#include "engine/ages.h"
#include "engine/money_text.h"
#include "engine/run_context.h"
#include "engine/simulation.h"

namespace engine {
namespace {

constexpr const char* kAgeRangeText = "This age must be between 1.0 and 120.0.";
constexpr const char* kAppliedRateText = "The Applied Rate must be between -20.0% and 20.0%";
constexpr const char* kPenaltyText =
    "To avoid a penalty, the End Age should be 5 years greater than the Start Age or 60.\n"
    "Whichever is longer.";
constexpr const char* kAllocationText =
    "You cannot select an account that is part of an Asset Allocation!";

bool Refuse(platform::Prompter& prompter, const char* caption, const char* text) {
  prompter.ShowMessage(caption, text, platform::Icon::Error);
  return false;
}

bool InRange(float value, float low, float high) { return value >= low && value <= high; }

bool InAssetAllocation(const core::Scenario& scenario, uint16_t accountId) {
  const int index = core::FindAccountIndex(scenario, accountId);
  if (index < 0) return false;
  const int slot = scenario.account(index).slot;
  return slot < core::kSlotCount && scenario.slots.aaMember[slot] == 1;
}

// A payment as the dialog's result fields show it.
std::string PaymentText(float payment, char mark) {
  return FormatMoneyString(core::Format("%-12.0f", static_cast<double>(payment)), mark);
}

}  // namespace

bool CheckRule72tCalculation(platform::Prompter& prompter, float ownerAge, float beneficiaryAge,
                             float endAge, float ratePercent, int table) {
  if (table == kUniformLife && !(ownerAge >= 10.0f && beneficiaryAge >= 10.0f)) {
    return Refuse(prompter, "Age Error",
                  "Ages cannot be less than 10 when using the Uniform Life Table.");
  }
  if (!(ownerAge <= 115.0f && beneficiaryAge <= 115.0f)) {
    return Refuse(prompter, "Age Error", "Ages cannot be more than 115.");
  }
  if (!(ratePercent > 0.0f && ratePercent <= 100.0f)) {
    return Refuse(prompter, "Rate Error", "Rates must be between 0.0% and 100.0%");
  }
  if (!(ownerAge > 0.0f && beneficiaryAge > 0.0f)) {
    return Refuse(prompter, "Age Error", "Ages must be greater than 0.0");
  }
  if (!(endAge >= ownerAge)) {
    return Refuse(prompter, "Age Error", "The End Age must be greater than the Age.");
  }
  return true;
}

bool StoreRule72tFields(platform::Prompter& prompter, const core::Scenario& scenario,
                        const Rule72tFields& fields, core::FinancialEvent& event) {
  core::CopyText(event.description, fields.description.substr(
                                        0, std::min(fields.description.size(),
                                                    kRule72tDescriptionChars)));
  if (!InRange(fields.startAge, 1.0f, 120.0f)) return Refuse(prompter, "AGE ERROR", kAgeRangeText);
  event.startAge = static_cast<float>(WholeAge(fields.startAge));
  if (!InRange(fields.endAge, 1.0f, 120.0f)) {
    return Refuse(prompter, "END AGE ERROR", kAgeRangeText);
  }
  event.endAge = static_cast<float>(WholeAge(fields.endAge));
  if (event.endAge < event.startAge + 5.0f || event.endAge < 60.0f) {
    prompter.ShowMessage("Penalty Warning", kPenaltyText, platform::Icon::Warning);
  }
  if (!InRange(fields.beneficiaryAge, 1.0f, 120.0f)) {
    return Refuse(prompter, "BENEFICIARY AGE ERROR", kAgeRangeText);
  }
  event.beneficiaryAge = static_cast<float>(WholeAge(fields.beneficiaryAge));
  if (!InRange(fields.ratePercent, -20.0f, 20.0f)) {
    return Refuse(prompter, "APPLY RATE ERROR", kAppliedRateText);
  }
  event.loanRate = fields.ratePercent;
  if (InAssetAllocation(scenario, fields.fromAccountId)) {
    return Refuse(prompter, "Account Warning", kAllocationText);
  }
  event.lifeTable = static_cast<uint16_t>(fields.table);
  event.rule72tMethod = static_cast<uint16_t>(fields.method);
  event.fromAccountId = fields.fromAccountId;
  event.accountId = fields.toAccountId;
  event.kind = core::kTransfer;
  event.transferVariant = core::kRule72tTransfer;
  return true;
}

std::optional<Rule72tCalculation> CalculateRule72tFromBalance(const Rule72tDialogEnvironment& env,
                                                              const Rule72tFields& fields,
                                                              float balance) {
  if (!CheckRule72tCalculation(env.prompter, fields.startAge, fields.beneficiaryAge, fields.endAge,
                               fields.ratePercent, fields.table)) {
    return std::nullopt;
  }
  Rule72tCalculation result;
  result.balance = balance;
  result.balanceText = core::Format("%-13.2f", static_cast<double>(balance));
  result.payments = Rule72tPayment(env.prompter, env.workDir, fields.startAge,
                                   fields.beneficiaryAge, balance, fields.ratePercent,
                                   fields.table, fields.method);
  const Rule72tPayments& p = result.payments;
  if (p.hasAnnuity) result.annuityText = PaymentText(p.annuity, env.mark);
  result.amortizationText = PaymentText(p.amortization, env.mark);
  if (p.hasMinimum) result.minimumText = PaymentText(p.minimum, env.mark);
  result.annualWithdrawalText = PaymentText(p.payment, env.mark);
  return result;
}

float ProbeBalanceAtAge(const Rule72tDialogEnvironment& env, const core::Scenario& scenario,
                        uint16_t accountId, int age) {
  // A copy: the run sorts the events and accounts and overwrites their working values.
  auto copy = std::make_unique<core::Scenario>(scenario);
  auto ctx = std::make_unique<RunContext>();
  ctx->env.workDir = env.workDir;
  ctx->env.prompter = &env.prompter;
  ctx->env.today = env.today;
  ctx->options.writeRecordFiles = false;
  ctx->options.trackFlows = false;
  ctx->options.probeAccountId = accountId;
  ctx->options.probeAge = age;
  if (!RunSimulation(*ctx, *copy, ScheduleMode::List)) return 0.0f;
  return ctx->results.probeFound ? ctx->results.probeBalance : 0.0f;
}

std::optional<Rule72tCalculation> CalculateRule72t(const Rule72tDialogEnvironment& env,
                                                   const core::Scenario& scenario,
                                                   const Rule72tFields& fields) {
  core::FinancialEvent event{};
  if (!StoreRule72tFields(env.prompter, scenario, fields, event)) return std::nullopt;
  const float balance =
      ProbeBalanceAtAge(env, scenario, fields.fromAccountId, WholeAge(fields.startAge));
  return CalculateRule72tFromBalance(env, fields, balance);
}

}  // namespace engine
