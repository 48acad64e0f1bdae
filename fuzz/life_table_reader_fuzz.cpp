// Any bytes as "mort.dat" and as "jointtab.dat": reading them and computing payments for any
// ages, tables and methods must neither crash nor read outside the tables.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/life_tables.h"
#include "engine/rule72t.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  int lines = 0;
  const engine::MortalityTable mortality = engine::ParseMortalityTable(text, &lines);
  const engine::JointTable joint = engine::ParseJointTable(text);
  // Ages and choices picked from the input's size, from well below to well above the tables.
  const float owner = static_cast<float>(size % 260) - 70.0f;
  const float beneficiary = static_cast<float>((size / 3) % 260) - 70.0f;
  const float rate = static_cast<float>(size % 250) - 120.0f;
  for (int table = -1; table <= 3; ++table) {
    engine::ComputeRule72tPayments(
        mortality, &joint,
        engine::Rule72tRequest{owner, beneficiary, 100000.0f, rate, table,
                               static_cast<int>(size % 4)});
  }
  return 0;
}
