// kxplan-cli report and paginate: the report page files of a scenario's run, and the page
// files of its print file or of its scenario listing, written in the working directory.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// "report SCENARIO.RET KIND [--print] [--detail AGE I|O]": prints the number of pages.
int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
bool IsReportCommandLine(const std::vector<std::string>& args);

// "paginate SCENARIO.RET [--scenario]": prints the number of pages.
int PaginateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
bool IsPaginateCommandLine(const std::vector<std::string>& args);

struct Invocation;
struct Io;
// The command table's entries.
int RunReportCommand(const Invocation& invocation, Io& io);
int RunPaginateCommand(const Invocation& invocation, Io& io);

}  // namespace cli
