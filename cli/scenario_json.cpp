#include "cli/scenario_json.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string_view>

#include "cli/event_layouts.h"
#include "cli/record_fields.h"

namespace cli {

namespace {

using core::Scenario;

std::string Indexed(const char* list, size_t index) {
  return std::string(list) + "[" + std::to_string(index) + "]";
}

bool IsSlotKey(std::string_view key) {
  return NamesField(kSlotRowFields, key) || NamesField(kDividendRowFields, key);
}
bool IsAccountKey(std::string_view key) { return NamesField(kAccountFields, key); }

// ---- Scenario to JSON -------------------------------------------------------------------

void AddObject(Json& json, const char* key, std::initializer_list<RecordView> views,
               Detail detail) {
  Json object = Json::object();
  for (const RecordView& view : views) DumpFields(object, view, detail);
  if (!object.empty() || detail == Detail::Full) json[key] = std::move(object);
}

void AddList(Json& json, const char* key, Json list) {
  if (!list.empty()) json[key] = std::move(list);
}

// Rows of a fixed table up to the last one that differs from the new scenario (all of them in
// full detail): rows are positional, so earlier default rows stay as placeholders.
template <typename DumpRow, typename RowDiffers>
Json DumpRows(size_t rows, Detail detail, DumpRow dumpRow, RowDiffers rowDiffers) {
  size_t shown = detail == Detail::Full ? rows : 0;
  for (size_t row = 0; row < rows; ++row) {
    if (rowDiffers(row)) shown = std::max(shown, row + 1);
  }
  Json list = Json::array();
  for (size_t row = 0; row < shown; ++row) list.push_back(dumpRow(row));
  return list;
}

std::array<RecordView, 2> SlotViews(const Scenario& scenario, const Scenario& fresh, size_t slot) {
  return {RecordView{kSlotRowFields, &scenario.slots, &fresh.slots, slot},
          RecordView{kDividendRowFields, &scenario.dividends, &fresh.dividends, slot}};
}

void DumpAccounts(Json& json, const Scenario& scenario, const Scenario& fresh, Detail detail) {
  const int count = std::clamp<int>(scenario.accountCount(), 0, core::kMaxAccounts);
  std::array<bool, core::kSlotCount> liveSlot{};
  Json accounts = Json::array();
  for (int i = 0; i < count; ++i) {
    Json account = Json::object();
    DumpFields(account, {kAccountFields, &scenario.account(i), &fresh.account(i)}, detail);
    const size_t slot = scenario.account(i).slot;
    if (slot < core::kSlotCount) {
      liveSlot[slot] = true;
      for (const RecordView& view : SlotViews(scenario, fresh, slot)) {
        DumpFields(account, view, detail);
      }
    }
    accounts.push_back(std::move(account));
  }
  if (!accounts.empty() || detail == Detail::Full) json["accounts"] = std::move(accounts);

  Json stored = Json::array();
  for (int i = count; i < core::kMaxAccounts; ++i) {
    const RecordView view{kAccountFields, &scenario.account(i), &fresh.account(i)};
    if (!DiffersFromFresh(view)) continue;
    Json record = {{"index", i}};
    DumpFields(record, view, Detail::Changed);
    stored.push_back(std::move(record));
  }
  AddList(json, "storedAccounts", std::move(stored));

  AddObject(json, "accountTable",
            {{kAccountTrailerFields, &scenario.accountTable.trailer, &fresh.accountTable.trailer}},
            detail);

  Json otherSlots = Json::array();
  for (size_t slot = 0; slot < core::kSlotCount; ++slot) {
    const auto views = SlotViews(scenario, fresh, slot);
    if (liveSlot[slot] || (!DiffersFromFresh(views[0]) && !DiffersFromFresh(views[1]))) continue;
    Json entry = {{"slot", slot}};
    for (const RecordView& view : views) DumpFields(entry, view, Detail::Changed);
    otherSlots.push_back(std::move(entry));
  }
  AddList(json, "otherSlots", std::move(otherSlots));
}

Json DumpBudget(const core::Budget& budget, const core::Budget& fresh, Detail detail) {
  Json object = Json::object();
  DumpFields(object, {kBudgetFields, &budget, &fresh}, detail);
  const size_t count =
      static_cast<size_t>(std::clamp<int>(budget.itemCount, 0, core::kMaxBudgetItems));
  Json items = Json::array();
  Json stored = Json::array();
  for (size_t row = 0; row < core::kMaxBudgetItems; ++row) {
    const RecordView view{kBudgetItemRowFields, &budget, &fresh, row};
    if (row < count) {
      Json item = Json::object();
      DumpFields(item, view, detail);
      items.push_back(std::move(item));
    } else if (DiffersFromFresh(view)) {
      Json item = {{"index", row}};
      DumpFields(item, view, Detail::Changed);
      stored.push_back(std::move(item));
    }
  }
  AddList(object, "items", std::move(items));
  AddList(object, "storedItems", std::move(stored));
  return object;
}

Json DumpEvent(const core::FinancialEvent& event, const core::FinancialEvent& fresh,
               Detail detail) {
  const EventLayout* layout = LayoutOfEvent(event);
  Json object = Json::object();
  if (layout != nullptr) {
    object["kind"] = layout->word;
  } else {
    object["kind"] = event.kind;
    layout = &UnknownKindLayout();
  }
  DumpFields(object, {layout->fields, &event, &fresh}, detail);
  return object;
}

}  // namespace

Json ScenarioToJson(const Scenario& scenario, Detail detail) {
  const auto fresh = std::make_unique<Scenario>(core::MakeNewScenario());
  Json json = Json::object();
  AddObject(json, "initialValues", {{kInitialValuesFields, &scenario.initial, &fresh->initial}},
            detail);
  DumpAccounts(json, scenario, *fresh, detail);
  AddObject(json, "rmdSettings", {{kRmdFields, &scenario.slots, &fresh->slots}}, detail);
  AddList(json, "groups",
          DumpRows(
              core::kMaxGroups, detail,
              [&](size_t row) {
                Json group = Json::object();
                DumpFields(group, {kGroupRowFields, &scenario.groups, &fresh->groups, row}, detail);
                return group;
              },
              [&](size_t row) {
                return DiffersFromFresh({kGroupRowFields, &scenario.groups, &fresh->groups, row});
              }));
  AddObject(json, "monteCarlo", {{kMonteCarloFields, &scenario.groups, &fresh->groups}}, detail);
  AddList(json, "budgets",
          DumpRows(
              core::kBudgetCount, detail,
              [&](size_t b) { return DumpBudget(scenario.budgets[b], fresh->budgets[b], detail); },
              [&](size_t b) {
                return std::memcmp(&scenario.budgets[b], &fresh->budgets[b],
                                   sizeof(core::Budget)) != 0;
              }));
  Json events = Json::array();
  const int eventCount = std::clamp<int>(scenario.eventCount(), 0, core::kMaxEvents);
  for (int i = 0; i < eventCount; ++i) {
    events.push_back(DumpEvent(scenario.events[i], fresh->events[i], detail));
  }
  if (!events.empty() || detail == Detail::Full) json["events"] = std::move(events);
  AddObject(json, "reportTitles", {{kReportTitleFields, &scenario.titles, &fresh->titles}}, detail);
  AddList(json, "fonts",
          DumpRows(
              core::kFontCount, detail,
              [&](size_t f) {
                Json font = Json::object();
                DumpFields(font, {kFontFields, &scenario.fonts[f], &fresh->fonts[f]}, detail);
                return font;
              },
              [&](size_t f) {
                return DiffersFromFresh({kFontFields, &scenario.fonts[f], &fresh->fonts[f]});
              }));
  AddObject(json, "pageSettings", {{kPageFields, &scenario.page, &fresh->page}}, detail);
  DumpFields(json, {kScenarioAreaFields, &scenario, fresh.get()}, detail);
  return json;
}

// ---- JSON to scenario -------------------------------------------------------------------

namespace {

bool ApplyObject(const Json& object, std::initializer_list<RecordTarget> targets,
                 const std::string& where, std::string& problem) {
  return ApplyFields(object, targets, {}, where, problem);
}

bool CheckList(const Json& list, size_t capacity, const char* where, const char* what,
               std::string& problem) {
  if (!list.is_array()) {
    problem = std::string(where) + ": expects a list [...]";
    return false;
  }
  if (list.size() > capacity) {
    problem = std::string(where) + ": " + std::to_string(list.size()) + " " + what +
              "; a scenario holds at most " + std::to_string(capacity);
    return false;
  }
  return true;
}

// The whole-number key (an "index" or "slot") that places an entry in its table.
bool ReadPlace(const Json& entry, const char* key, int64_t minimum, int64_t maximum,
               const std::string& where, int64_t& place, std::string& problem) {
  const auto found = entry.is_object() ? entry.find(key) : entry.end();
  if (found == entry.end() || !ReadWholeNumber(*found, minimum, maximum, place)) {
    problem = where + ": needs \"" + key + "\" from " + std::to_string(minimum) + " to " +
              std::to_string(maximum);
    return false;
  }
  return true;
}

std::array<RecordTarget, 2> SlotTargets(Scenario& scenario, size_t slot) {
  return {RecordTarget{kSlotRowFields, &scenario.slots, slot},
          RecordTarget{kDividendRowFields, &scenario.dividends, slot}};
}

bool ApplyAccounts(const Json& list, Scenario& scenario, std::array<int, core::kSlotCount>& owner,
                   std::string& problem) {
  if (!CheckList(list, core::kMaxAccounts, "accounts", "accounts", problem)) return false;
  scenario.accountTable.count = static_cast<int16_t>(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string where = Indexed("accounts", i);
    core::Account& account = scenario.account(static_cast<int>(i));
    const RecordTarget record{kAccountFields, &account};
    if (!ApplyFields(list[i], std::span(&record, 1), IsSlotKey, where, problem)) return false;
    const size_t slot = account.slot;
    if (slot >= core::kSlotCount) {
      problem = where + ".slot: " + std::to_string(slot) + " is outside 0..49";
      return false;
    }
    if (owner[slot] >= 0) {
      problem = where + ".slot: slot " + std::to_string(slot) + " is also the slot of " +
                Indexed("accounts", static_cast<size_t>(owner[slot]));
      return false;
    }
    owner[slot] = static_cast<int>(i);
    if (!ApplyFields(list[i], SlotTargets(scenario, slot), IsAccountKey, where, problem)) {
      return false;
    }
  }
  return true;
}

bool ApplyStoredAccounts(const Json& list, Scenario& scenario, std::string& problem) {
  if (!CheckList(list, core::kMaxAccounts, "storedAccounts", "records", problem)) return false;
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string where = Indexed("storedAccounts", i);
    int64_t index = 0;
    if (!ReadPlace(list[i], "index", scenario.accountCount(), core::kMaxAccounts - 1, where, index,
                   problem)) {
      return false;
    }
    const RecordTarget record{kAccountFields, &scenario.account(static_cast<int>(index))};
    auto isIndex = [](std::string_view key) { return key == "index"; };
    if (!ApplyFields(list[i], std::span(&record, 1), isIndex, where, problem)) return false;
  }
  return true;
}

bool ApplyOtherSlots(const Json& list, Scenario& scenario,
                     const std::array<int, core::kSlotCount>& owner, std::string& problem) {
  if (!CheckList(list, core::kSlotCount, "otherSlots", "slots", problem)) return false;
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string where = Indexed("otherSlots", i);
    int64_t slot = 0;
    if (!ReadPlace(list[i], "slot", 0, core::kSlotCount - 1, where, slot, problem)) return false;
    if (owner[static_cast<size_t>(slot)] >= 0) {
      problem = where + ": slot " + std::to_string(slot) + " belongs to " +
                Indexed("accounts", static_cast<size_t>(owner[static_cast<size_t>(slot)])) +
                "; give its values there";
      return false;
    }
    auto isSlot = [](std::string_view key) { return key == "slot"; };
    if (!ApplyFields(list[i], SlotTargets(scenario, static_cast<size_t>(slot)), isSlot, where,
                     problem)) {
      return false;
    }
  }
  return true;
}

bool ApplyGroups(const Json& list, Scenario& scenario, std::string& problem) {
  if (!CheckList(list, core::kMaxGroups, "groups", "groups", problem)) return false;
  for (size_t row = 0; row < list.size(); ++row) {
    if (!ApplyObject(list[row], {{kGroupRowFields, &scenario.groups, row}}, Indexed("groups", row),
                     problem)) {
      return false;
    }
  }
  return true;
}

bool ApplyBudgetItems(const Json& budgetJson, core::Budget& budget, const std::string& where,
                      std::string& problem) {
  const auto items = budgetJson.find("items");
  if (items != budgetJson.end()) {
    const std::string listWhere = where + ".items";
    if (!CheckList(*items, core::kMaxBudgetItems, listWhere.c_str(), "items", problem)) {
      return false;
    }
    budget.itemCount = static_cast<int16_t>(items->size());
    for (size_t row = 0; row < items->size(); ++row) {
      if (!ApplyObject((*items)[row], {{kBudgetItemRowFields, &budget, row}},
                       Indexed(listWhere.c_str(), row), problem)) {
        return false;
      }
    }
  }
  const auto stored = budgetJson.find("storedItems");
  if (stored == budgetJson.end()) return true;
  const std::string listWhere = where + ".storedItems";
  if (!CheckList(*stored, core::kMaxBudgetItems, listWhere.c_str(), "items", problem)) return false;
  for (size_t i = 0; i < stored->size(); ++i) {
    const std::string itemWhere = Indexed(listWhere.c_str(), i);
    int64_t row = 0;
    if (!ReadPlace((*stored)[i], "index", budget.itemCount, core::kMaxBudgetItems - 1, itemWhere,
                   row, problem)) {
      return false;
    }
    const RecordTarget target{kBudgetItemRowFields, &budget, static_cast<size_t>(row)};
    auto isIndex = [](std::string_view key) { return key == "index"; };
    if (!ApplyFields((*stored)[i], std::span(&target, 1), isIndex, itemWhere, problem)) {
      return false;
    }
  }
  return true;
}

bool ApplyBudgets(const Json& list, Scenario& scenario, std::string& problem) {
  if (!CheckList(list, core::kBudgetCount, "budgets", "budgets", problem)) return false;
  for (size_t b = 0; b < list.size(); ++b) {
    const std::string where = Indexed("budgets", b);
    core::Budget& budget = scenario.budgets[b];
    const RecordTarget target{kBudgetFields, &budget};
    auto isItems = [](std::string_view key) { return key == "items" || key == "storedItems"; };
    if (!ApplyFields(list[b], std::span(&target, 1), isItems, where, problem)) return false;
    if (!ApplyBudgetItems(list[b], budget, where, problem)) return false;
  }
  return true;
}

// The layout a "kind" names: a word, or a stored number with the variant marks the entry gives.
const EventLayout* ChooseLayout(const Json& entry, const std::string& where, std::string& problem) {
  const auto kind = entry.find("kind");
  if (kind == entry.end()) {
    problem = where + ": needs a \"kind\"";
    return nullptr;
  }
  if (kind->is_string()) {
    const EventLayout* layout = LayoutNamed(kind->get<std::string>());
    if (layout == nullptr) problem = where + ".kind: unknown event kind " + kind->dump();
    return layout;
  }
  int64_t number = 0;
  if (!ReadWholeNumber(*kind, 0, 65535, number)) {
    problem = where + ".kind: " + kind->dump() + " is no event kind";
    return nullptr;
  }
  core::FinancialEvent probe{};
  probe.kind = static_cast<uint16_t>(number);
  for (const EventLayout& layout : EventLayouts()) {
    if (layout.kind != probe.kind || layout.markerKey == nullptr) continue;
    const auto mark = entry.find(layout.markerKey);
    int64_t value = 0;
    if (mark != entry.end() && ReadWholeNumber(*mark, 0, 65535, value)) {
      const Field* field = FindField(layout.fields, layout.markerKey);
      const auto stored = static_cast<uint16_t>(value);
      std::memcpy(reinterpret_cast<uint8_t*>(&probe) + field->offset, &stored, sizeof stored);
    }
  }
  const EventLayout* layout = LayoutOfEvent(probe);
  if (layout == nullptr) problem = where + ".kind: unknown event kind " + kind->dump();
  return layout;
}

bool ApplyEvent(const Json& entry, core::FinancialEvent& event, const std::string& where,
                std::string& problem) {
  if (!entry.is_object()) {
    problem = where + ": expects an object {...}";
    return false;
  }
  const EventLayout* layout = ChooseLayout(entry, where, problem);
  if (layout == nullptr) return false;
  event.kind = layout->kind;
  if (layout->markerKey != nullptr) {
    const Field* field = FindField(layout->fields, layout->markerKey);
    std::memcpy(reinterpret_cast<uint8_t*>(&event) + field->offset, &layout->markerValue,
                sizeof layout->markerValue);
  }
  const RecordTarget target{layout->fields, &event};
  auto isKind = [](std::string_view key) { return key == "kind"; };
  if (!ApplyFields(entry, std::span(&target, 1), isKind, where, problem)) return false;
  const EventLayout* result = LayoutOfEvent(event);
  if (result != layout) {
    problem = where + ": its fields make it a \"" + std::string(result->word) + "\", not a \"" +
              layout->word + "\"";
    return false;
  }
  return true;
}

bool ApplyEvents(const Json& list, Scenario& scenario, std::string& problem) {
  if (!CheckList(list, core::kMaxEvents, "events", "events", problem)) return false;
  scenario.initial.eventCount = static_cast<int16_t>(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    if (!ApplyEvent(list[i], scenario.events[i], Indexed("events", i), problem)) return false;
  }
  return true;
}

bool ApplyFonts(const Json& list, Scenario& scenario, std::string& problem) {
  if (!CheckList(list, core::kFontCount, "fonts", "fonts", problem)) return false;
  for (size_t f = 0; f < list.size(); ++f) {
    if (!ApplyObject(list[f], {{kFontFields, &scenario.fonts[f]}}, Indexed("fonts", f), problem)) {
      return false;
    }
  }
  return true;
}

constexpr const char* kBlockKeys[] = {
    "initialValues", "accounts", "storedAccounts", "accountTable", "otherSlots",
    "rmdSettings",   "groups",   "monteCarlo",     "budgets",      "events",
    "reportTitles",  "fonts",    "pageSettings"};

bool IsBlockKey(std::string_view key) {
  return std::find(std::begin(kBlockKeys), std::end(kBlockKeys), key) != std::end(kBlockKeys);
}

const Json& Member(const Json& json, const char* key, const Json& absent) {
  const auto found = json.find(key);
  return found == json.end() ? absent : *found;
}

}  // namespace

bool ScenarioFromJson(const Json& json, Scenario& scenario, std::string& problem) {
  scenario = core::MakeNewScenario();
  if (!json.is_object()) {
    problem = "the scenario must be a JSON object {...}";
    return false;
  }
  const RecordTarget areas{kScenarioAreaFields, &scenario};
  if (!ApplyFields(json, std::span(&areas, 1), IsBlockKey, "scenario", problem)) return false;

  const Json emptyObject = Json::object();
  const Json emptyList = Json::array();
  auto object = [&](const char* key) -> const Json& { return Member(json, key, emptyObject); };
  auto list = [&](const char* key) -> const Json& { return Member(json, key, emptyList); };
  std::array<int, core::kSlotCount> owner;
  owner.fill(-1);

  return ApplyObject(object("initialValues"), {{kInitialValuesFields, &scenario.initial}},
                     "initialValues", problem) &&
         ApplyAccounts(list("accounts"), scenario, owner, problem) &&
         ApplyStoredAccounts(list("storedAccounts"), scenario, problem) &&
         ApplyObject(object("accountTable"),
                     {{kAccountTrailerFields, &scenario.accountTable.trailer}}, "accountTable",
                     problem) &&
         ApplyOtherSlots(list("otherSlots"), scenario, owner, problem) &&
         ApplyObject(object("rmdSettings"), {{kRmdFields, &scenario.slots}}, "rmdSettings",
                     problem) &&
         ApplyGroups(list("groups"), scenario, problem) &&
         ApplyObject(object("monteCarlo"), {{kMonteCarloFields, &scenario.groups}}, "monteCarlo",
                     problem) &&
         ApplyBudgets(list("budgets"), scenario, problem) &&
         ApplyEvents(list("events"), scenario, problem) &&
         ApplyObject(object("reportTitles"), {{kReportTitleFields, &scenario.titles}},
                     "reportTitles", problem) &&
         ApplyFonts(list("fonts"), scenario, problem) &&
         ApplyObject(object("pageSettings"), {{kPageFields, &scenario.page}}, "pageSettings",
                     problem);
}

}  // namespace cli
