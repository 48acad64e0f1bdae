#include "engine/debt_events.h"

namespace engine {

void StartDebtEvent(RunContext&, int) {}

void ProcessDebtEvent(RunContext&, int) {}

}  // namespace engine
