// Fuzz target for kalvero-tool's argument parsers: numbers, --fixed cell
// lists, boards and pencil entries. The first byte picks the parser, the rest
// is the argument's text. A parser either accepts and fills a result that
// holds only what it may hold, or refuses and says why; an accepted cell
// list written back out parses to the same pattern.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tool/arguments.h"
#include "tool/tool_support.h"

namespace {

using namespace kalvero;
using namespace kalvero::tool;

void Check(bool condition) {
  if (!condition) std::abort();
}

void Numbers(const std::string& text, std::uint8_t pick) {
  static constexpr unsigned long long kBounds[][2] = {
      {1, 9}, {0, 1000000000}, {1, 256}, {1, 1000000}, {0, UINT64_MAX}, {1, INT32_MAX}};
  const auto& [lo, hi] = kBounds[pick % std::size(kBounds)];
  unsigned long long value = 0;
  std::string why;
  if (ParseNumberArgument("--n", text, lo, hi, value, why)) {
    Check(value >= lo && value <= hi && why.empty());
    const auto digits = text.find_first_not_of('0');
    Check(std::to_string(value) == (digits == std::string::npos ? "0" : text.substr(digits)));
  } else {
    Check(why == "--n must be " + std::to_string(lo) + " to " + std::to_string(hi));
  }
}

void FixedCells(const std::string& text) {
  Grid<int> pattern{};
  std::string why;
  const bool ok = ParseFixedCells(text, pattern, why);
  Check(ok || !why.empty());
  if (!ok) return;
  std::string again;
  for (int r = 0; r < static_cast<int>(pattern.size()); ++r)
    for (int c = 0; c < static_cast<int>(pattern[r].size()); ++c) {
      if (!pattern[r][c]) continue;
      Check(r >= 1 && r <= 9 && c >= 1 && c <= 9 && pattern[r][c] == 1);
      again += std::to_string(r) + ',' + std::to_string(c) + ' ';
    }
  Check(!again.empty());
  Grid<int> back{};
  Check(ParseFixedCells(again, back, why) && back == pattern);
}

void Cells(const std::string& text, bool board) {
  CellDigits digits{};
  std::string why;
  const bool ok = board ? ParseBoard(text, digits, why) : ParseEntries(text, digits, why);
  Check(ok || !why.empty());
  if (!ok) return;
  Check(text.size() == kCellCount);
  for (int cell = 1; cell <= kCellCount; ++cell) Check(digits[cell] >= 0 && digits[cell] <= 9);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 4) {
    case 0: Numbers(text, static_cast<std::uint8_t>(data[0] / 4)); break;
    case 1: FixedCells(text); break;
    case 2: Cells(text, true); break;
    default: Cells(text, false); break;
  }
  return 0;
}
