// Required minimum distributions in the run: each year, per life-expectancy table, the balance
// of the table's accounts divided by the divisor of the age, moved to the receiving account and
// taxed as a withdrawal.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The year's required minimum distribution of RMD table `table` (1..3) at the whole loop age.
// Problems with the table become schedule lines; the run goes on.
void RunRmdYear(RunContext& ctx, int eventIndex, int table);

// The sum of the positive balances of the accounts of `table`; fills ctx.allocationWeights for
// those accounts by the RMD method (by balance or equal parts; 0 for account order).
float RmdBalanceAndWeights(RunContext& ctx, int table);

}  // namespace engine
