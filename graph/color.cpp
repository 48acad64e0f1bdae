#include "graph/color.h"

#include <algorithm>

namespace graph {

SeriesPalette::SeriesPalette(Program program)
    : entries_{0xFF0000, 0x0000FF, program == Program::Planner ? 0x15D0D5u : 0x00FFFFu,
               0xFF00AA, 0x00FF00, 0x480088, 0x55550A, 0x00AAFF, 0xFF44FF, 0xFFFF34,
               0x646464, 0xC8C8C8} {}

Color SeriesPalette::operator[](int index) const {
  int wrapped = ((index % kSize) + kSize) % kSize;
  return entries_[static_cast<size_t>(wrapped)];
}

Color LightenColor(Color color) {
  int red = RedOf(color);
  int green = GreenOf(color);
  int blue = BlueOf(color);
  int room = std::min({256 - red, 256 - green, 256 - blue}) % 256;
  if (room == 0) return color;
  int added = (room - 1) / 3;
  return MakeColor(red + added, green + added, blue + added);
}

}  // namespace graph
