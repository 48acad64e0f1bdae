#include "ui/font_records.h"

#include <cstdlib>
#include <cstring>

#include "core/text.h"
#include "qt/latin1_text.h"

namespace kxui {

QFont FontOf(const core::FontDescription& record, const QFont& fallback) {
  const std::string face = core::TextOf(record.faceName);
  if (face.empty()) return fallback;
  QFont font(kxqt::ToQString(face));
  // The record's height is in pixels, negative for the character height.
  const int32_t height = record.height;
  if (height != 0) font.setPixelSize(std::abs(height));
  font.setBold(record.weight >= 600);
  font.setItalic(record.italic != 0);
  return font;
}

core::FontDescription FontRecordOf(const QFont& font) {
  core::FontDescription record;
  std::memset(&record, 0, sizeof record);
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSize() * 4 / 3;
  record.height = -pixels;
  record.weight = font.bold() ? 700 : 400;
  record.italic = font.italic() ? 1 : 0;
  core::CopyText(record.faceName, kxqt::ToLatin1(font.family()));
  return record;
}

}  // namespace kxui
