// Credit-card debt in the run: the monthly purchases, interest and payments of a year, and
// the payoff of what is left at the payoff age.
#pragma once

#include "engine/run_context.h"

namespace engine {

// The start of a card. The driver books a card's balance as owed in the results year of its
// whole start age; a card that starts before the first results year is booked here instead.
void StartCreditCard(RunContext& ctx, int eventIndex);

// The year of an active card: its months below the payoff age, then the payoff.
void ProcessCreditCardYear(RunContext& ctx, int eventIndex);

}  // namespace engine
