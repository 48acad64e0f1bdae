#include "core/scenario_file.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace core {

namespace {

constexpr size_t kEventRecordSize = sizeof(FinancialEvent);
constexpr size_t kBudgetTableSize = sizeof(Budget) * kBudgetCount;

// The longest file worth reading: every block with a full user event table. Bytes after the
// last block are never used.
constexpr size_t kLongestScenarioFile =
    sizeof(InitialValues) + kMaxEvents * kEventRecordSize + sizeof(AccountTable) +
    sizeof(GroupsAndMonteCarlo) + sizeof(ReportTitles) + sizeof(SlotData) +
    kFontCount * sizeof(FontDescription) + sizeof(PageSettings) + kBudgetTableSize +
    sizeof(DividendSettings) + kReservedArea1Size + kReservedArea2Size;

template <typename Record>
void AppendBytes(std::string& out, const Record* records, size_t count) {
  out.append(reinterpret_cast<const char*>(records), count * sizeof(Record));
}

// The events the block holds: the live count, never more than the table has.
size_t StoredEventCount(const Scenario& scenario) {
  return static_cast<size_t>(std::clamp<int>(scenario.eventCount(), 0, kEventTableCapacity));
}

// Blocks 1-3, all that a new scenario's file holds.
void AppendRequiredBlocks(std::string& out, const Scenario& scenario) {
  AppendBytes(out, &scenario.initial, 1);
  AppendBytes(out, scenario.events.data(), StoredEventCount(scenario));
  AppendBytes(out, &scenario.accountTable, 1);
}

// Hands out the file's bytes block by block; a block that runs past the end gets what is left.
class BlockCursor {
 public:
  explicit BlockCursor(std::string_view bytes) : bytes_(bytes) {}

  // Copies up to `size` bytes over `destination`; returns how many arrived.
  size_t ReadInto(void* destination, size_t size) {
    const size_t arrived = std::min(size, bytes_.size() - offset_);
    if (arrived > 0) std::memcpy(destination, bytes_.data() + offset_, arrived);
    offset_ += arrived;
    return arrived;
  }

  // True when the whole record arrived.
  template <typename Record>
  bool ReadWhole(Record& record) {
    return ReadInto(&record, sizeof record) == sizeof record;
  }

 private:
  std::string_view bytes_;
  size_t offset_ = 0;
};

// Blocks 1-3 must be whole; counts that would index past their tables reject the file too.
bool ReadRequiredBlocks(BlockCursor& cursor, Scenario& scenario) {
  if (!cursor.ReadWhole(scenario.initial)) return false;
  const int events = scenario.eventCount();
  if (events < 0 || events > kMaxEvents) return false;
  const size_t eventBytes = static_cast<size_t>(events) * kEventRecordSize;
  if (cursor.ReadInto(scenario.events.data(), eventBytes) != eventBytes) return false;
  if (!cursor.ReadWhole(scenario.accountTable)) return false;
  const int accounts = scenario.accountCount();
  return accounts >= 0 && accounts <= kMaxAccounts;
}

// A budget counts only when its whole record arrived: a budget cut short would name an account
// it never stored. The others keep their new-scenario state ("Budget n", no account).
void ReadBudgets(BlockCursor& cursor, Scenario& scenario) {
  auto stored = std::make_unique<std::array<Budget, kBudgetCount>>();
  const size_t arrived = cursor.ReadInto(stored->data(), kBudgetTableSize);
  const size_t whole = arrived / sizeof(Budget);
  std::copy_n(stored->begin(), whole, scenario.budgets.begin());
}

void ReadReservedArea(BlockCursor& cursor, std::array<uint8_t, kReservedArea1Size>& area) {
  if (cursor.ReadInto(area.data(), area.size()) != area.size()) area.fill(0);
}

void ReadReservedArea(BlockCursor& cursor, std::array<uint8_t, kReservedArea2Size>& area) {
  if (cursor.ReadInto(area.data(), area.size()) != area.size()) area.fill(0);
}

// Blocks 4-14, each of which earlier releases may lack; a short block falls back to defaults.
void ReadOptionalBlocks(BlockCursor& cursor, Scenario& scenario) {
  cursor.ReadWhole(scenario.groups);  // whatever arrived is used
  RepairMonteCarloSettings(scenario.groups);
  if (!cursor.ReadWhole(scenario.titles)) {
    std::memset(&scenario.titles, 0, sizeof scenario.titles);
    ApplySlotDefaults(scenario);
  }
  if (!cursor.ReadWhole(scenario.slots)) ApplySlotDefaults(scenario);
  MakeSlotNumbersUnique(scenario);
  for (FontDescription& font : scenario.fonts) cursor.ReadWhole(font);
  if (!cursor.ReadWhole(scenario.page)) {
    scenario.page.marginLeft = kDefaultMarginLeft;
    scenario.page.marginTop = kDefaultMarginTop;
    scenario.page.marginRight = kDefaultMarginRight;
    scenario.page.marginBottom = kDefaultMarginBottom;
    scenario.page.printOption = kDefaultPrintOption;
  }
  ReadBudgets(cursor, scenario);
  if (!cursor.ReadWhole(scenario.dividends)) ApplyDividendDefaults(scenario);
  ReadReservedArea(cursor, scenario.reserved1);
  ReadReservedArea(cursor, scenario.reserved2);
}

// Window placement, margins and fonts are the program's display settings, kept in the scenario
// only so that they travel with it: a scenario that does not bring its own keeps these.
void KeepDisplaySettings(Scenario& scenario, const Scenario& current) {
  scenario.page = current.page;
  scenario.fonts = current.fonts;
}

// Where a read starts: nothing of the current scenario but its display settings.
std::unique_ptr<Scenario> StartOfRead(const Scenario& current) {
  auto scenario = std::make_unique<Scenario>();
  KeepDisplaySettings(*scenario, current);
  ResetScenario(*scenario);
  return scenario;
}

}  // namespace

std::string ScenarioFileBytes(const Scenario& scenario) {
  std::string out;
  out.reserve(kLongestScenarioFile + kPseudoEventRoom * kEventRecordSize);
  AppendRequiredBlocks(out, scenario);
  AppendBytes(out, &scenario.groups, 1);
  AppendBytes(out, &scenario.titles, 1);
  AppendBytes(out, &scenario.slots, 1);
  AppendBytes(out, scenario.fonts.data(), scenario.fonts.size());
  AppendBytes(out, &scenario.page, 1);
  AppendBytes(out, scenario.budgets.data(), scenario.budgets.size());
  AppendBytes(out, &scenario.dividends, 1);
  AppendBytes(out, scenario.reserved1.data(), scenario.reserved1.size());
  AppendBytes(out, scenario.reserved2.data(), scenario.reserved2.size());
  return out;
}

std::string NewScenarioFileBytes(const Scenario& scenario) {
  std::string out;
  AppendRequiredBlocks(out, scenario);
  return out;
}

Scenario NewScenarioKeepingDisplay(const Scenario& current) {
  Scenario scenario = MakeNewScenario();
  KeepDisplaySettings(scenario, current);
  ResetScenario(scenario);  // its font switches: back to the default fonts
  return scenario;
}

bool ReadScenarioFile(Document& document, const std::filesystem::path& workDir,
                      std::string_view path, platform::Prompter& prompter) {
  const std::optional<std::string> bytes =
      ReadWholeFile(ResolvePath(workDir, path), kLongestScenarioFile);
  if (!bytes) return false;

  std::unique_ptr<Scenario> scenario = StartOfRead(document.scenario);
  BlockCursor cursor(*bytes);
  if (!ReadRequiredBlocks(cursor, *scenario)) {
    prompter.ShowMessage(
        "FILE WARNING",
        std::string(path) + " doesn't seem to be a valid Kestrune Dudavovez Odoredo file.",
        platform::Icon::Warning);
    document.scenario = NewScenarioKeepingDisplay(document.scenario);
    document.path = kUntitledScenario;
    document.modified = false;
    document.outOfDate = true;
    return false;
  }
  ReadOptionalBlocks(cursor, *scenario);
  RepairGroupRanges(scenario->groups);
  RepairTableIndexes(*scenario);

  document.scenario = *scenario;
  document.path = std::string(path);
  document.modified = false;
  document.outOfDate = true;
  return true;
}

}  // namespace core
