#pragma once
// Candidate digit sets as 9-bit masks: bit (d - 1) set means digit d is
// possible. A set written as text lists its digits in ascending order, which
// is exactly the candidate text the rules reason about ("1359"), so equality
// of two sets is equality of their texts.
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvero {

using DigitSet = std::uint16_t;

inline constexpr DigitSet kAllDigits = 0x1FF;

constexpr DigitSet DigitBit(int d) { return static_cast<DigitSet>(1u << (d - 1)); }
constexpr bool HasDigit(DigitSet s, int d) { return (s & DigitBit(d)) != 0; }
constexpr int DigitCount(DigitSet s) { return std::popcount(static_cast<unsigned>(s)); }
// Lowest digit of a non-empty set.
constexpr int LowestDigit(DigitSet s) { return std::countr_zero(static_cast<unsigned>(s)) + 1; }
// Removes the lowest digit, for iterating: for (s; s; s = DropLowest(s)).
constexpr DigitSet DropLowest(DigitSet s) { return static_cast<DigitSet>(s & (s - 1)); }

// Ascending digit text of a set ("" for the empty set).
inline std::string DigitText(DigitSet s) {
  std::string text;
  for (; s; s = DropLowest(s)) text.push_back(static_cast<char>('0' + LowestDigit(s)));
  return text;
}

// Set of the digits "1".."9" occurring in a text; other characters are ignored.
constexpr DigitSet DigitsOf(std::string_view text) {
  DigitSet s = 0;
  for (char ch : text)
    if (ch >= '1' && ch <= '9') s |= DigitBit(ch - '0');
  return s;
}

}  // namespace kalvero
