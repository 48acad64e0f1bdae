// The field tables of the stored records: every byte of the scenario file belongs to exactly one
// field of one table (the tests hold the tables to that), so that the JSON form carries the
// whole file.
#pragma once

#include <cstddef>
#include <vector>

#include "cli/field.h"

namespace cli {

// Records with one row.
extern const FieldTable kInitialValuesFields;   // InitialValues, eventCount left to the events
extern const FieldTable kAccountFields;         // Account
extern const FieldTable kAccountTrailerFields;  // AccountTrailer
extern const FieldTable kRmdFields;             // the RMD settings of SlotData
extern const FieldTable kMonteCarloFields;      // GroupsAndMonteCarlo after the group arrays
extern const FieldTable kReportTitleFields;     // ReportTitles
extern const FieldTable kFontFields;            // FontDescription
extern const FieldTable kPageFields;            // PageSettings
extern const FieldTable kBudgetFields;          // Budget, without itemCount and the items
extern const FieldTable kScenarioAreaFields;    // the reserved areas, relative to Scenario

// Rows of parallel arrays: the row index picks the slot, group or budget item.
extern const FieldTable kSlotRowFields;        // SlotData per slot
extern const FieldTable kDividendRowFields;    // DividendSettings per slot
extern const FieldTable kGroupRowFields;       // GroupsAndMonteCarlo per group
extern const FieldTable kBudgetItemRowFields;  // Budget per item

// A record and the tables that together cover it, with the number of rows of each; for the
// tests that prove every byte is carried once.
struct RecordCover {
  const char* name;
  size_t size;
  struct Part {
    FieldTable table;
    size_t rows;
  };
  std::vector<Part> parts;
  std::vector<Field> extra;  // fields the JSON form handles by hand (counts)
};
std::vector<RecordCover> RecordCovers();

}  // namespace cli
