// A report as a table before it is cut into page files: the heading's lead, the column
// titles and the rows, each row a lead (the age) and one cell per column. The writer cuts the
// columns into blocks of seven for print pages and the rows into pages of 56 counted lines.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace reports {

// The fields of a page file's line between its tabs; a line ending in a tab ends in an empty
// field.
std::vector<std::string> SplitTabs(const std::string& line);

struct TableRow {
  std::string lead;                // "%5.1f\t"
  std::vector<std::string> cells;  // each with its own separator
  std::string end;                 // "\n", or what ends the row after the last cell
};

struct PageTable {
  std::string headingLead;          // " Age\t"
  std::vector<std::string> titles;  // each with its own separator
  std::string headingEnd;           // "\n"
  std::vector<TableRow> rows;
  bool splitColumns = false;  // print pages carry seven columns each
  int firstCounter = 7;       // where the line counter of the first page starts
  int laterCounter = 7;       // ... and of every later page
  std::string endMark = "Dooooone";
};

// Writes the table into "spage1" or "rpage1" ...; returns the number of pages, 0 on failure
// (a page that cannot be created is named under "FILE OPEN ERROR"; earlier pages stay).
int WritePageTable(const PageTable& table, const std::filesystem::path& workDir, bool screen,
                   platform::Prompter* prompter);

}  // namespace reports
