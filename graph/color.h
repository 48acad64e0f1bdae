// Colours of the graphs: 0x00BBGGRR values as the stored palettes give them, the twelve-entry
// series palette, and the lightening used for Monte Carlo trial lines.
#pragma once

#include <array>
#include <cstdint>

namespace graph {

using Color = uint32_t;  // 0x00BBGGRR

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kPieShadow = 0x777777;
// The button-face colour on which label boxes and legend rows are blanked on screen.
constexpr Color kButtonFace = 0xF0F0F0;

constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Color MakeColor(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// Which program draws: the planner shows dark yellow where the companion programs show yellow,
// and uses wider printer pens.
enum class Program { Planner, Companion };

class SeriesPalette {
 public:
  static constexpr int kSize = 12;
  static constexpr int kPurchasingPower = 6;
  static constexpr int kGrey = 10;       // frame shadows and the trial lines' base
  static constexpr int kLightGrey = 11;  // grid lines and the graph text background

  explicit SeriesPalette(Program program);
  // Entry `index`; series beyond the table wrap around so that no index reads past it.
  Color operator[](int index) const;

 private:
  std::array<Color, kSize> entries_;
};

// Lightens a colour by a third of the room left in its fullest channel; black and colours with
// a channel at 255 come back unchanged.
Color LightenColor(Color color);

}  // namespace graph
