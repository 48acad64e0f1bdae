#include "core/events.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/text.h"

namespace core {

namespace {

// Appends into the room kept for pseudo-events as well; returns -1 when even that is full.
int AppendRecord(Scenario& scenario, int capacity) {
  const int index = scenario.eventCount();
  if (index >= capacity) return -1;
  ClearEvent(scenario, index);
  ++scenario.initial.eventCount;
  return index;
}

template <typename Predicate>
void RemoveEventsWhere(Scenario& scenario, Predicate remove) {
  for (int e = scenario.eventCount() - 1; e >= 0; --e) {
    if (remove(scenario.events[e])) DeleteEvent(scenario, e);
  }
}

bool IsRmdOptionFor(const FinancialEvent& event, int table) {
  return event.kind == kRmdOption && event.rmdTableNumber == table;
}

}  // namespace

int AppendEvent(Scenario& scenario) { return AppendRecord(scenario, kMaxEvents); }

void DeleteEvent(Scenario& scenario, int index) {
  const int count = scenario.eventCount();
  if (index < 0 || index >= count) return;
  FinancialEvent* events = scenario.events.data();
  std::memmove(&events[index], &events[index + 1],
               sizeof(FinancialEvent) * static_cast<size_t>(count - index - 1));
  ClearEvent(scenario, count - 1);
  --scenario.initial.eventCount;
}

void SortEvents(Scenario& scenario) {
  FinancialEvent* first = scenario.events.data();
  FinancialEvent* last = first + scenario.eventCount();
  std::stable_sort(first, last, [](const FinancialEvent& a, const FinancialEvent& b) {
    if (a.startAge != b.startAge) return a.startAge < b.startAge;
    return static_cast<int16_t>(a.kind) < static_cast<int16_t>(b.kind);
  });
  auto key = [](const FinancialEvent& e) {
    return Format("%3d", static_cast<int>(e.startAge)) + TextOf(e.description);
  };
  std::stable_sort(first, last, [&](const FinancialEvent& a, const FinancialEvent& b) {
    return key(a) < key(b);  // std::string compares bytes as unsigned
  });
}

void AddRmdOptionEvents(Scenario& scenario) {
  const SlotData& slots = scenario.slots;
  const int32_t startAges[3] = {slots.rmdTable1StartAge, slots.rmdTable2StartAge,
                                slots.rmdTable3StartAge};
  const std::string descriptions[3] = {TextOf(slots.rmdTable1Description),
                                       TextOf(slots.rmdTable2Description),
                                       TextOf(slots.rmdTable3Description)};
  static const char* const kFormats[3] = {
      "%s -- RMD withdrawal option in effect using Table 1.",
      "%s -- RMD withdrawal option in effect using Table 2.",
      "%s -- RMD withdrawal option in effect using Table 3."};
  for (int table = 1; table <= 3; ++table) {
    bool used = false;
    for (int i = 0; i < scenario.accountCount(); ++i) {
      const int slot = scenario.account(i).slot;
      if (slot < kSlotCount && slots.rmdTable[slot] == 10 * table) used = true;
    }
    if (!used) continue;
    const FinancialEvent* begin = scenario.events.data();
    const FinancialEvent* end = begin + scenario.eventCount();
    if (std::any_of(begin, end, [&](const auto& e) { return IsRmdOptionFor(e, table); })) {
      continue;
    }
    const int index = AppendRecord(scenario, kEventTableCapacity);
    if (index < 0) return;
    FinancialEvent& event = scenario.events[index];
    event.kind = kRmdOption;
    event.startAge = static_cast<float>(startAges[table - 1]);
    event.endAge = 120.0f;
    event.rmdTableNumber = static_cast<uint16_t>(table);
    CopyText(event.description, Format(kFormats[table - 1], descriptions[table - 1].c_str()));
  }
  if (scenario.trailer().aaMethod == 0) {
    RemoveEventsWhere(scenario, [](const auto& e) { return e.kind == kAssetAllocationOption; });
  }
}

void RemovePseudoEvents(Scenario& scenario) {
  const bool allocationOff = scenario.trailer().aaMethod == 0;
  RemoveEventsWhere(scenario, [&](const FinancialEvent& e) {
    return e.kind == 0 || e.kind == kRmdOption ||
           (allocationOff && e.kind == kAssetAllocationOption);
  });
}

void StoreAssetAllocationEvent(Scenario& scenario) {
  int index = -1;
  for (int e = 0; e < scenario.eventCount(); ++e) {
    if (scenario.events[e].kind == kAssetAllocationOption) index = e;
  }
  if (index < 0) index = AppendRecord(scenario, kEventTableCapacity);
  if (index < 0) return;
  ClearEvent(scenario, index);
  FinancialEvent& event = scenario.events[index];
  event.kind = kAssetAllocationOption;
  event.startAge = scenario.trailer().aaStartAge;
  event.endAge = 120.0f;
  event.amount = scenario.trailer().aaMinimumWithdrawal;
  CopyText(event.description, "Asset allocation withdrawal option in effect.");
}

}  // namespace core
