// Life tables made for the calculator's tests, so that every payment can be worked out by
// hand: nobody dies (q = 0), Es(x) = 112 - x, Eu(x) = 120 - x, and the joint entry of an older
// age r and a younger age c is 250 - r - c.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace kxrule_testing {

inline void WriteFile(const QTemporaryDir& dir, const QString& name, const std::string& text) {
  QFile file(dir.filePath(name));
  if (file.open(QIODevice::WriteOnly)) file.write(text.data(), static_cast<qint64>(text.size()));
}

inline std::string MortalityText() {
  std::string text;
  for (int x = 0; x <= 115; ++x) text += "0.0\n";
  for (int x = 0; x <= 111; ++x) text += std::to_string(112 - x) + "\n";
  for (int x = 10; x <= 115; ++x) text += std::to_string(120 - x) + "\n";
  return text;
}

inline std::string JointText() {
  std::string text;
  for (int r = 0; r <= 115; ++r) {
    for (int c = 0; c <= r; ++c) text += std::to_string(250 - r - c) + "\n";
  }
  return text;
}

inline void WriteLifeTables(const QTemporaryDir& dir) {
  WriteFile(dir, "mort.dat", MortalityText());
  WriteFile(dir, "jointtab.dat", JointText());
}

}  // namespace kxrule_testing
