#pragma once
// Colours are 24-bit RGB values packed as red + 256 * green + 65536 * blue.
#include <algorithm>
#include <cstdint>

namespace kalvero {

using Colour = std::uint32_t;

// Packs three channels, each capped to 0..255 (so a channel of 256 gives 255).
constexpr Colour Rgb(int red, int green, int blue) {
  const auto cap = [](int v) { return static_cast<Colour>(std::clamp(v, 0, 255)); };
  return cap(red) + 256 * cap(green) + 65536 * cap(blue);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// The colour `share` (0..1) of the way from `from` to `to`, channel by channel.
constexpr Colour Blend(Colour from, Colour to, double share) {
  const auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
  return Rgb(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)), mix(BlueOf(from), BlueOf(to)));
}

// Relative luminance (0 black .. 1 white) and the contrast ratio of two
// colours (1 .. 21), as the web's accessibility guidelines define them;
// 4.5 is the least a text should have against its background.
double RelativeLuminance(Colour c);
double ContrastRatio(Colour a, Colour b);
inline constexpr double kLeastTextContrast = 4.5;

inline constexpr Colour kBlack = 0;
inline constexpr Colour kLightColour = Rgb(250, 250, 250);
inline constexpr Colour kDarkColour = Rgb(10, 10, 10);
inline constexpr Colour kRedColour = Rgb(200, 10, 10);
inline constexpr Colour kGreenColour = Rgb(10, 200, 10);

// The text colour for a background: near-black, or near-white on a dark one.
Colour TextColourOn(Colour background);
// A background on which near-black text would be too faint.
bool IsDarkBackground(Colour background);
// The warning colour of a mistaken digit: red, lighter on a dark board.
Colour MistakeColourOn(Colour background);

// Grid, numbers and pencil-mark colours that read well on a dark board,
// proposed when the player chooses a dark scheme.
inline constexpr Colour kNightGridColour = Rgb(190, 190, 200);
inline constexpr Colour kNightNumbersColour = Rgb(240, 240, 240);
inline constexpr Colour kNightPencilColour = Rgb(150, 190, 255);

}  // namespace kalvero
