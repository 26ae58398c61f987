#pragma once
// Small text helpers shared by the file formats.
#include <string>
#include <string_view>

namespace kalvero {

// Numeric value of a text as the program's number conversion reads it:
// leading blanks skipped, then an optional sign, digits and a decimal part;
// reading stops at the first other character ("" and "abc" read as 0).
double NumericValue(std::string_view text);

// Rounds to the nearest whole number, halves to even (2.5 -> 2, 7.5 -> 8).
long long RoundHalfEven(double value);

// How a typed number with a fraction becomes whole.
enum class Rounding { HalfEven, TowardZero };

// A whole number typed by a person: the text's NumericValue made whole; 0
// for a text that is no number or whose value lies beyond a billion either
// way.
int WholeNumber(std::string_view text, Rounding rounding);

// A number as shown to the user: one leading blank before a non-negative
// number, a minus sign instead for a negative one (12 -> " 12", -3 -> "-3").
std::string NumberText(long long value);

// Blanks trimmed from both ends.
std::string_view TrimBlanks(std::string_view text);

// The part of a path after its last "/" (the whole path when it has none).
std::string_view BaseName(std::string_view path);

}  // namespace kalvero
