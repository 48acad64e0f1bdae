// The names an event's kind gives to the places of its 160-byte record. Each layout lists the
// common fields and its kind's fields; the bytes no name covers are carried as "raw<offset>".
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "cli/field.h"
#include "core/event.h"

namespace cli {

struct EventLayout {
  const char* word;  // the "kind" of the JSON form: "deposit", "creditCard", ...
  uint16_t kind;
  // Variants of a kind carry a mark in a place of their own (the credit card's cardMarker, ...).
  const char* markerKey;  // nothing for a kind's plain layout
  uint16_t markerValue;
  std::vector<Field> fields;  // named fields, then the raw runs, covering every byte but `kind`
};

// The layout of a stored event; nothing for a kind the planner does not know.
const EventLayout* LayoutOfEvent(const core::FinancialEvent& event);
const EventLayout* LayoutNamed(std::string_view word);
// The layout a known kind has without a variant mark (a loan, a plain transfer, ...).
const EventLayout* LayoutOfKind(uint16_t kind);
// For events of unknown kind: the common fields and raw bytes.
const EventLayout& UnknownKindLayout();
const std::vector<EventLayout>& EventLayouts();

inline constexpr size_t kEventKindOffset = 16;

}  // namespace cli
