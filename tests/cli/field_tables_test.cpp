// The field tables carry every stored byte exactly once: a byte no field covers would be lost
// between dump and build, a byte two fields cover would be written twice with two meanings.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cli/event_layouts.h"
#include "cli/record_fields.h"
#include "core/event.h"

namespace {

// How many fields cover each byte of a record.
std::vector<int> CoverCounts(size_t size,
                             const std::vector<std::pair<cli::FieldTable, size_t>>& parts,
                             const std::vector<cli::Field>& extra) {
  std::vector<int> covers(size, 0);
  auto mark = [&](const cli::Field& field, size_t row) {
    for (size_t e = 0; e < field.count; ++e) {
      for (size_t b = 0; b < field.width; ++b) {
        const size_t at = field.ElementOffset(row, e) + b;
        if (at < size)
          ++covers[at];
        else
          ADD_FAILURE() << field.key << " reaches byte " << at << " of " << size;
      }
    }
  };
  for (const auto& [table, rows] : parts) {
    for (size_t row = 0; row < rows; ++row) {
      for (const cli::Field& field : table) mark(field, row);
    }
  }
  for (const cli::Field& field : extra) mark(field, 0);
  return covers;
}

void ExpectEachByteOnce(const std::string& record, const std::vector<int>& covers) {
  for (size_t at = 0; at < covers.size(); ++at) {
    EXPECT_EQ(covers[at], 1) << record << " byte " << at;
  }
}

TEST(FieldTables, EveryRecordByteBelongsToOneField) {
  for (const cli::RecordCover& cover : cli::RecordCovers()) {
    std::vector<std::pair<cli::FieldTable, size_t>> parts;
    for (const auto& part : cover.parts) parts.emplace_back(part.table, part.rows);
    ExpectEachByteOnce(cover.name, CoverCounts(cover.size, parts, cover.extra));
  }
}

TEST(FieldTables, EveryEventLayoutCoversTheRecordOnce) {
  const cli::Field kind = cli::U16("kind", cli::kEventKindOffset);
  std::vector<const cli::EventLayout*> layouts;
  for (const cli::EventLayout& layout : cli::EventLayouts()) layouts.push_back(&layout);
  layouts.push_back(&cli::UnknownKindLayout());
  for (const cli::EventLayout* layout : layouts) {
    ExpectEachByteOnce(std::string("event layout ") + layout->word,
                       CoverCounts(sizeof(core::FinancialEvent), {{layout->fields, 1}}, {kind}));
  }
}

TEST(FieldTables, KeysAreUniqueWithinWhatOneJsonObjectHolds) {
  // `handled`: the keys the JSON form reads by hand in that object.
  auto expectUnique = [](const std::string& object, std::set<std::string> handled,
                         std::vector<cli::FieldTable> tables) {
    for (const cli::FieldTable& table : tables) {
      for (const cli::Field& field : table) {
        EXPECT_TRUE(handled.insert(field.key).second) << object << ": " << field.key;
      }
    }
  };
  expectUnique("account", {}, {cli::kAccountFields, cli::kSlotRowFields, cli::kDividendRowFields});
  expectUnique("budget", {"items", "storedItems"}, {cli::kBudgetFields});
  for (const cli::EventLayout& layout : cli::EventLayouts()) {
    expectUnique(layout.word, {"kind"}, {layout.fields});
  }
}

TEST(FieldTables, EachVariantHasItsMarkAndEachKindOnePlainLayout) {
  for (const cli::EventLayout& layout : cli::EventLayouts()) {
    SCOPED_TRACE(layout.word);
    if (layout.markerKey != nullptr) {
      EXPECT_NE(cli::FindField(layout.fields, layout.markerKey), nullptr);
    }
    EXPECT_NE(cli::LayoutOfKind(layout.kind), nullptr);
    EXPECT_EQ(cli::LayoutNamed(layout.word), &layout);
  }
}

}  // namespace
