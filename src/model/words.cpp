#include "model/words.h"

#include <vector>

namespace kalvero {

const Words& EnglishWords() {
  static const Words english;
  return english;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> list(args);
  std::string out;
  out.reserve(pattern.size() + 16);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < list.size()) {
      out += list[index];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace kalvero
