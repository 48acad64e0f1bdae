// The stored font records of a scenario as Qt fonts and back.
#pragma once

#include <QFont>

#include "core/page_settings.h"

namespace kxui {

// The font of a record; `fallback` when the record names no face.
QFont FontOf(const core::FontDescription& record, const QFont& fallback);
core::FontDescription FontRecordOf(const QFont& font);

}  // namespace kxui
