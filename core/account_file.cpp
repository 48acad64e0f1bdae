#include "core/account_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <system_error>

#include "core/scenario_repairs.h"
#include "core/text.h"

namespace core {

namespace {

// Hands out the blocks of an account file in order, never past the bytes that arrived.
class BlockReader {
 public:
  explicit BlockReader(std::string_view bytes) : bytes_(bytes) {}

  // Copies what there is of the next block (up to `size` bytes); returns the count copied.
  size_t ReadSome(void* target, size_t size) {
    const size_t count = std::min(size, bytes_.size() - used_);
    std::memcpy(target, bytes_.data() + used_, count);
    used_ += count;
    return count;
  }

  // Copies the next block only when all of it arrived: a block cut short is damaged or
  // belongs to a file of an earlier release, and is replaced by defaults instead.
  bool ReadWhole(void* target, size_t size) {
    if (bytes_.size() - used_ < size) {
      used_ = bytes_.size();
      return false;
    }
    return ReadSome(target, size) == size;
  }

 private:
  std::string_view bytes_;
  size_t used_ = 0;
};

template <typename Block>
void AppendBlock(std::string& bytes, const Block& block) {
  bytes.append(reinterpret_cast<const char*>(&block), sizeof block);
}

// Block 1 is taken as far as it arrived; the rest of the table stays as in a new scenario. The
// count never exceeds the table or the records that arrived whole.
void ReadAccountTable(BlockReader& reader, Scenario& scenario) {
  scenario.accountTable = MakeNewScenario().accountTable;
  const size_t arrived = reader.ReadSome(&scenario.accountTable, sizeof(AccountTable));
  const size_t wholeRecords =
      arrived < sizeof(int16_t) ? 0 : (arrived - sizeof(int16_t)) / sizeof(Account);
  const int limit = static_cast<int>(std::min<size_t>(wholeRecords, kMaxAccounts));
  scenario.accountTable.count =
      static_cast<int16_t>(std::clamp<int>(scenario.accountTable.count, 0, limit));
}

// Without stored slot data the slot numbers restart at the record index, so whatever the
// previous scenario kept per slot (RMD assignment, deviation, working values) belonged to other
// accounts and is cleared; the scenario's RMD tables themselves are kept.
void ApplyAccountFileSlotDefaults(Scenario& scenario) {
  SlotData& slots = scenario.slots;
  for (int s = 0; s < kSlotCount; ++s) {
    slots.randomRateCount[s] = 0.0f;
    slots.penaltyStartAge[s] = 0;
    slots.rmdTable[s] = 0;
    slots.stdDeviation[s] = 0.0f;
    slots.reservedSlot[s] = 0;
  }
  ApplySlotDefaults(scenario);
}

}  // namespace

std::string AccountFileBytes(const Scenario& scenario) {
  std::string bytes;
  bytes.reserve(kAccountFileSize);
  AppendBlock(bytes, scenario.accountTable);
  AppendBlock(bytes, scenario.slots);
  AppendBlock(bytes, scenario.dividends);
  AppendBlock(bytes, scenario.reserved1);
  AppendBlock(bytes, scenario.reserved2);
  return bytes;
}

bool WriteAccountFile(const Scenario& scenario, const std::filesystem::path& path,
                      platform::Prompter& prompter, const WriteFault* fault) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    const platform::Answer answer =
        prompter.Ask("FILE WARNING", path.string() + " exists - Overwrite anyway?",
                     platform::Buttons::YesNo, platform::Icon::Warning);
    if (answer != platform::Answer::Yes) return false;
  }
  if (!WriteFileReplacing(path, AccountFileBytes(scenario), fault)) {
    prompter.ShowMessage("Write Error",
                         Format("Cannot write %s accounts file!", path.string().c_str()),
                         platform::Icon::Error);
    return false;
  }
  return true;
}

bool ReadAccountFile(Document& document, const std::filesystem::path& path,
                     platform::Prompter& prompter) {
  const std::optional<std::string> bytes = ReadWholeFile(path, kAccountFileSize);
  if (!bytes) {
    prompter.ShowMessage("Read Error",
                         Format("Cannot read %s accounts file!", path.string().c_str()),
                         platform::Icon::Error);
    return false;
  }
  Scenario& scenario = document.scenario;
  BlockReader reader(*bytes);
  ReadAccountTable(reader, scenario);
  if (!reader.ReadWhole(&scenario.slots, sizeof scenario.slots)) {
    ApplyAccountFileSlotDefaults(scenario);
  }
  if (!reader.ReadWhole(&scenario.dividends, sizeof scenario.dividends)) {
    std::memset(&scenario.dividends, 0, sizeof scenario.dividends);
    ApplyDividendDefaults(scenario);
  }
  if (!reader.ReadWhole(scenario.reserved1.data(), scenario.reserved1.size())) {
    scenario.reserved1.fill(0);
  }
  if (!reader.ReadWhole(scenario.reserved2.data(), scenario.reserved2.size())) {
    scenario.reserved2.fill(0);
  }
  // Later readers index the per-slot and group tables with the stored numbers.
  MakeSlotNumbersUnique(scenario);
  RepairTableIndexes(scenario);
  document.MarkEdited();
  return true;
}

}  // namespace core
