#include "model/text.h"

#include <cmath>

namespace kalvero {

double NumericValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  double value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10)
      value += (text[i] - '0') * scale;
  }
  return negative ? -value : value;
}

long long RoundHalfEven(double value) { return std::llrint(std::nearbyint(value)); }

int WholeNumber(std::string_view text, Rounding rounding) {
  constexpr double kLargest = 1e9;
  const double value = NumericValue(text);
  if (std::abs(value) > kLargest) return 0;
  return static_cast<int>(rounding == Rounding::HalfEven ? RoundHalfEven(value) : static_cast<long long>(value));
}

std::string NumberText(long long value) {
  std::string text = value < 0 ? "" : " ";
  text += std::to_string(value);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string_view BaseName(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace kalvero
