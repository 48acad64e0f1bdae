#include "engine/rule72t_year.h"

#include <algorithm>

#include "core/accounts.h"
#include "engine/ages.h"
#include "engine/rule72t.h"

namespace engine {
namespace {

// Runs without a prompter (benchmarks, some tests) drop the life-table messages.
class SilentPrompter final : public platform::Prompter {
 public:
  void ShowMessage(const std::string&, const std::string&, platform::Icon) override {}
  platform::Answer Ask(const std::string&, const std::string&, platform::Buttons,
                       platform::Icon) override {
    return platform::Answer::Cancel;
  }
};

uint16_t StoredAge(int age) { return static_cast<uint16_t>(std::clamp(age, 0, 65535)); }

// An account that is overdrawn has nothing to pay out; a negative payment would move money
// back into the retirement account.
float PayableBalance(const core::Account& account) { return std::max(account.balance, 0.0f); }

void SetUpTransfer(RunContext& ctx, platform::Prompter& prompter, core::FinancialEvent& event) {
  const int start = WholeAge(event.startAge);
  const int age = ctx.wholeAge;
  if (age < start || static_cast<float>(age) > event.endAge) return;
  if (age == start) {
    event.runBeneficiaryAge = StoredAge(WholeAge(event.beneficiaryAge));
  } else if (age == ctx.resultsStartAge) {
    // Started before the results: the beneficiary's age of this year, not a value left over
    // from an earlier run.
    event.runBeneficiaryAge = StoredAge(WholeAge(event.beneficiaryAge) + (age - start));
  }
  const int index = ctx.AccountIndex(event.fromAccountId);
  if (index >= 0) {
    const float balance = PayableBalance(ctx.s().account(index));
    const int table = event.lifeTable;
    const int method = event.rule72tMethod;
    if (method == kMinimumMethod) {
      event.amount = ctx.lifeTables
                         .Payment(prompter, {ctx.age, static_cast<float>(event.runBeneficiaryAge),
                                             balance, event.loanRate, table, method})
                         .payment;
    } else if (age == start) {
      event.amount = ctx.lifeTables
                         .Payment(prompter, {event.startAge, event.beneficiaryAge, balance,
                                             event.loanRate, table, method})
                         .payment;
    }
  }
  event.runBeneficiaryAge = StoredAge(event.runBeneficiaryAge + 1);
}

}  // namespace

void SetUpRule72tYear(RunContext& ctx) {
  // Each run reads the tables anew, in its first results year.
  if (ctx.wholeAge == ctx.resultsStartAge) {
    ctx.lifeTables.Renew(ctx.env.workDir);
  }
  SilentPrompter silent;
  platform::Prompter& prompter = ctx.env.prompter != nullptr ? *ctx.env.prompter : silent;
  core::Scenario& scenario = ctx.s();
  for (const int i : ctx.index.rule72t) {
    SetUpTransfer(ctx, prompter, scenario.events[static_cast<size_t>(i)]);
  }
}

}  // namespace engine
