// The core's texts are single-byte Latin-1 (the pound sign is byte 163); Qt holds Unicode.
// Texts cross between the two here and nowhere else.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kxqt {

QString ToQString(std::string_view latin1);
// Characters beyond Latin-1 become '?'.
std::string ToLatin1(const QString& text);

// File names are bytes of the file system's own encoding, not Latin-1 texts.
QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);

}  // namespace kxqt
