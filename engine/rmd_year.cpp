#include "engine/rmd_year.h"

namespace engine {

void RunRmdYear(RunContext&, int, int) {}

}  // namespace engine
