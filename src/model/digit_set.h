#pragma once
// Candidate digit sets as 9-bit masks: bit (d - 1) set means digit d is
// possible. A set written as text lists its digits in ascending order, which
// is exactly the candidate text the rules reason about ("1359"), so equality
// of two sets is equality of their texts. Sets of cells (CellMask) live here
// too, with the other bit helpers.
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kalvero {

using DigitSet = std::uint16_t;

inline constexpr DigitSet kAllDigits = 0x1FF;

constexpr DigitSet DigitBit(int d) { return static_cast<DigitSet>(1u << (d - 1)); }
constexpr bool HasDigit(DigitSet s, int d) { return (s & DigitBit(d)) != 0; }
// Number of digits in a set. A table rather than std::popcount: without a
// hardware pop-count instruction (the x86-64 baseline has none) that is a
// library call, and set sizes are taken in every rule's inner loop.
namespace detail {
constexpr std::array<std::uint8_t, 512> BuildDigitCounts() {
  std::array<std::uint8_t, 512> t{};
  for (unsigned s = 1; s < 512; ++s) t[s] = static_cast<std::uint8_t>(t[s >> 1] + (s & 1));
  return t;
}
inline constexpr std::array<std::uint8_t, 512> kDigitCounts = BuildDigitCounts();
}  // namespace detail
constexpr int DigitCount(DigitSet s) { return detail::kDigitCounts[s & 0x1FF]; }
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
  // Counts the sets another counter has seen as if they were added here.
  constexpr void Merge(const OnceCounter& other) {
    twice = static_cast<DigitSet>(twice | other.twice | (once & other.once));
    once |= other.once;
  }
};

// Four consecutive sets as the 16-bit lanes of one word, the first in the
// low lane (one load where the machine stores the low half of a word first).
// Sets use 9 bits of their lane, so shifting by whole lanes or subtracting
// one from every lane never carries a set's bits into another lane.
inline std::uint64_t LaneWord(const DigitSet* s) {
  if constexpr (std::endian::native == std::endian::little) {
    std::uint64_t word;
    std::memcpy(&word, s, sizeof word);
    return word;
  }
  return s[0] | std::uint64_t{s[1]} << 16 | std::uint64_t{s[2]} << 32 | std::uint64_t{s[3]} << 48;
}

// Four OnceCounters side by side, one per lane of a LaneWord.
struct LaneOnceCounter {
  std::uint64_t once = 0;
  std::uint64_t twice = 0;
  constexpr void Add(std::uint64_t lanes) {
    twice |= once & lanes;
    once |= lanes;
  }
  constexpr void Merge(const LaneOnceCounter& other) {
    twice |= other.twice | (once & other.once);
    once |= other.once;
  }
  // The counter moved down by `lanes` lanes, keeping `keep` lanes.
  constexpr LaneOnceCounter Shifted(int lanes, int keep) const {
    const std::uint64_t mask = keep == 4 ? ~std::uint64_t{0} : (std::uint64_t{1} << (16 * keep)) - 1;
    return {(once >> (16 * lanes)) & mask, (twice >> (16 * lanes)) & mask};
  }
  // One lane's counter.
  constexpr OnceCounter Lane(int k) const {
    return {static_cast<DigitSet>(once >> (16 * k)), static_cast<DigitSet>(twice >> (16 * k))};
  }
  // All four lanes merged into one counter.
  constexpr OnceCounter Folded() const {
    std::uint64_t o = once;
    std::uint64_t t = twice;
    t |= (t >> 32) | (o & (o >> 32));
    o |= o >> 32;
    t |= (t >> 16) | (o & (o >> 16));
    o |= o >> 16;
    return {static_cast<DigitSet>(o), static_cast<DigitSet>(t)};
  }
};

// Digits present in exactly one of three sets.
constexpr DigitSet InExactlyOne(DigitSet a, DigitSet b, DigitSet c) {
  return static_cast<DigitSet>((a ^ b ^ c) & ~(a & b & c));
}

// Transposes up to nine sets, set j given for position j = 0..8, into the
// positions listing each digit: Where(d) has bit j when set j holds d. Each
// digit owns a 10-bit field, digits 1..5 in one word and 6..9 in another, so
// adding a set is one table look-up of both words' spread bits; the field's
// top bit stays clear, which lets DigitsInTwo work on all fields at once
// without borrows between them.
namespace detail {
struct SpreadBits {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
};
constexpr std::array<SpreadBits, 512> BuildSpread() {
  std::array<SpreadBits, 512> t{};
  for (unsigned s = 0; s < 512; ++s)
    for (int i = 0; i < 9; ++i)
      if (s & (1u << i)) {
        if (i < 5)
          t[s].low |= std::uint64_t{1} << (10 * i);
        else
          t[s].high |= std::uint64_t{1} << (10 * (i - 5));
      }
  return t;
}
inline constexpr std::array<SpreadBits, 512> kSpread = BuildSpread();
}  // namespace detail

class DigitTranspose {
 public:
  constexpr void Add(DigitSet s, int j) { Add(detail::kSpread[s & kAllDigits], j); }
  // The same with the set's spread bits looked up already.
  constexpr void Add(const detail::SpreadBits& bits, int j) {
    low_ |= bits.low << j;
    high_ |= bits.high << j;
  }
  constexpr std::uint16_t Where(int d) const {
    return static_cast<std::uint16_t>((d <= 5 ? low_ >> (10 * (d - 1)) : high_ >> (10 * (d - 6))) & 0x1FF);
  }
  // The digits listed at exactly two positions.
  constexpr DigitSet DigitsInTwo() const { return static_cast<DigitSet>(InTwo(low_) | InTwo(high_) << 5); }

 private:
  static constexpr std::uint64_t kLow = 0x0000010040100401;  // bit 0 of fields 0..4
  static constexpr std::uint64_t kTop = kLow << 9;           // bit 9 of fields 0..4
  // Bit i set when field i holds exactly two bits: each field loses its
  // lowest bit twice (the top bit absorbs the borrow of an empty field), and
  // "not zero" shows in the top bit after adding 0x1FF.
  static constexpr unsigned InTwo(std::uint64_t x) {
    const std::uint64_t once = ((x | kTop) - kLow) & x;
    const std::uint64_t twice = ((once | kTop) - kLow) & once;
    const std::uint64_t nonZeroOnce = (once + (kTop - kLow)) & kTop;
    const std::uint64_t nonZeroTwice = (twice + (kTop - kLow)) & kTop;
    // Bits 10i + 9 gathered to bits i: every partial product of the multiply
    // lands on its own bit, so no carries disturb bits 36..40.
    constexpr std::uint64_t kGather = (std::uint64_t{1} << 27) | (std::uint64_t{1} << 18) | (std::uint64_t{1} << 9) |
                                      (std::uint64_t{1} << 0) | (std::uint64_t{1} << 36);
    return static_cast<unsigned>(((((nonZeroOnce & ~nonZeroTwice) >> 9) * kGather) >> 36) & 31);
  }
  std::uint64_t low_ = 0;
  std::uint64_t high_ = 0;
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

// A set of the board's cells 1..81, cell c as bit c - 1 of two words, taken
// lowest first.
class CellMask {
 public:
  void Add(int cell) { words_[Word(cell)] |= Bit(cell); }
  // Removes and returns the lowest cell, 0 when the set is empty.
  int TakeLowest() { return TakeFrom(1); }
  // Removes and returns the lowest cell from `from` (1..82) on, 0 when there
  // is none.
  int TakeFrom(int from) {
    std::size_t w = Word(from);
    std::uint64_t bits = words_[w] & ~(Bit(from) - 1);
    if (bits == 0 && w == 0) bits = words_[++w];
    if (bits == 0) return 0;
    words_[w] ^= bits & (~bits + 1);  // the lowest of them
    return 64 * static_cast<int>(w) + std::countr_zero(bits) + 1;
  }

 private:
  static constexpr std::size_t Word(int cell) { return static_cast<std::size_t>((cell - 1) >> 6); }
  static constexpr std::uint64_t Bit(int cell) { return std::uint64_t{1} << ((cell - 1) & 63); }
  std::array<std::uint64_t, 2> words_{};
};

}  // namespace kalvero
