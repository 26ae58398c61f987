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

// True when the set holds two digits or more (a candidate text of two or more
// characters).
constexpr bool HasSeveral(DigitSet s) { return (s & (s - 1)) != 0; }
// The set holding exactly one digit: the set itself when it is a single digit.
constexpr bool IsSingle(DigitSet s) { return s != 0 && !HasSeveral(s); }

// Numeric value of the set's ascending digit text ("" -> 0, "7" -> 7,
// "59" -> 59), as the program reads a candidate text or a working value.
constexpr int DigitNumber(DigitSet s) {
  int value = 0;
  for (; s; s = DropLowest(s)) value = value * 10 + LowestDigit(s);
  return value;
}

// Digits that occur in exactly one of the sets, in one pass.
struct OnceCounter {
  DigitSet once = 0;
  DigitSet twice = 0;
  constexpr void Add(DigitSet s) {
    twice |= once & s;
    once |= s;
  }
  constexpr DigitSet ExactlyOnce() const { return static_cast<DigitSet>(once & ~twice); }
};

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
