#include "cli/commands.h"
#include "cli/dialog_command.h"
#include "cli/graph_command.h"
#include "cli/montecarlo_command.h"
#include "cli/report_command.h"
#include "cli/rule72t_command.h"
#include "cli/run_command.h"

namespace cli {

namespace {

constexpr Command kCommands[] = {
    {"dump", "FILE.RET [--changed]", 1, false, true, RunDump},
    {"build", "FILE.json -o OUT.RET", 1, true, false, RunBuild},
    {"accounts-from", "FILE.CSV|FILE.KXI|FILE.TXT -o OUT.RET", 1, true, false, RunAccountsFrom},
    {"accounts-update", "SCENARIO.RET FILE.CSV|FILE.KXI|FILE.TXT", 2, false, false,
     RunAccountsUpdate},
    {"run", "FILE.RET [--today D] [--schedule OUT|-] [--export OUT] ...", 1, false, false,
     RunScenarioCommand},
    {"graph", "PLOTFILE --kind K [--style S] [--point N] [--size WxH] ... -o OUT.svg", 1, true,
     false, RunGraphCommand},
    {"montecarlo", "FILE.RET [--seed N] [--trials N] [--today D]", 1, false, false,
     RunMonteCarloCommand},
    {"report", "SCENARIO.RET KIND [--print] [--detail AGE I|O] [--today D]", 2, false, false,
     RunReportCommand},
    {"paginate", "SCENARIO.RET [--scenario] [--today D]", 1, false, false, RunPaginateCommand},
    {"rule72t",
     "--age A --beneficiary B --balance X --rate R --table single|uniform|joint "
     "--method annuity|amortization|minimum",
     0, false, false, RunRule72tCommand},
    {"dialog",
     "NAME [SCENARIO.RET] [--event N|--account N|--budget N|--table N] "
     "[--set \"FIELD=TEXT\"|--press \"BUTTON\"]... [-o OUT.RET] | NAME --fields",
     0, false, false, RunDialogCommand},
};

}  // namespace

std::span<const Command> CommandTable() { return kCommands; }

void ReportUnreadable(Io& io, const std::string& path) {
  io.prompter.ShowMessage("FILE OPEN ERROR", "Cannot open " + path + ".", platform::Icon::Error);
}

}  // namespace cli
