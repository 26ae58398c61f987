#pragma once
// The colour picker's arithmetic, free of Qt: the 16-colour console palette,
// where its boxes lie (in twips), and the darkening and lightening functions.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "model/colour.h"

namespace kalvero {

inline constexpr std::array<Colour, 16> kConsolePalette = {
    Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),
    Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0),   Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
    Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255),
};

// A palette box in twips, edges included. Palette column i and row j (1..4)
// hold colour index 4 * (i - 1) + (j - 1), so the palette reads down the
// columns.
struct TwipBox {
  int left, top, right, bottom;
};

constexpr TwipBox PaletteBox(int column, int row) {
  return {225 * (column - 1) + 30, 65 * (row - 1) + 10, 225 * (column - 1) + 230, 65 * (row - 1) + 65};
}

constexpr int PaletteIndex(int column, int row) { return 4 * (column - 1) + (row - 1); }

// Points this far from the top of the picker or lower belong to the sliders.
inline constexpr int kColPikSliderTop = 900;

// The palette index whose box holds the point, or nothing for a point in a
// gap, beside the palette or in the slider area.
constexpr std::optional<int> PaletteIndexAt(int x, int y) {
  if (y >= kColPikSliderTop) return std::nullopt;
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) {
      const TwipBox box = PaletteBox(column, row);
      if (x >= box.left && x <= box.right && y >= box.top && y <= box.bottom) return PaletteIndex(column, row);
    }
  }
  return std::nullopt;
}

namespace detail {
// n / 256 rounded to the nearest integer, halves to even (floor-based, so
// negative n round correctly too).
constexpr std::int64_t DivRound256(std::int64_t n) {
  std::int64_t q = n / 256;
  std::int64_t r = n % 256;
  if (r < 0) {
    r += 256;
    --q;
  }
  if (r > 128 || (r == 128 && (q & 1) != 0)) ++q;
  return q;
}

// Applies f to each channel; results outside 0..255 are capped.
template <typename F>
constexpr Colour MapChannels(Colour colour, F f) {
  const auto channel = [&f](int c) { return static_cast<int>(std::clamp<std::int64_t>(f(c), 0, 255)); };
  return Rgb(channel(RedOf(colour)), channel(GreenOf(colour)), channel(BlueOf(colour)));
}
}  // namespace detail

// Darkens: each channel c becomes c * amount / 256, rounded (halves to even).
// 256 keeps the colour, 0 gives black.
constexpr Colour clrBlackness(Colour colour, int amount) {
  return detail::MapChannels(colour, [amount](std::int64_t c) { return detail::DivRound256(c * amount); });
}

// Lightens: each channel c becomes c + (255 - c) * (256 - amount) / 256,
// rounded as a whole (halves to even). 256 keeps the colour, 0 gives white.
constexpr Colour clrWhiteness(Colour colour, int amount) {
  return detail::MapChannels(colour, [amount](std::int64_t c) {
    return detail::DivRound256(c * 256 + (255 - c) * (256 - std::int64_t{amount}));
  });
}

}  // namespace kalvero
