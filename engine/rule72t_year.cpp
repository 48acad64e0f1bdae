#include "engine/rule72t_year.h"

namespace engine {

void SetUpRule72tYear(RunContext&) {}

}  // namespace engine
