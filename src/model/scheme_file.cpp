#include "model/scheme_file.h"

#include <algorithm>
#include <cctype>

#include "model/line_reader.h"
#include "model/text.h"

namespace kalvero {

namespace {

// Far longer than any line of a scheme file; only this much of a line is
// kept, so a file of one huge line costs no memory.
constexpr std::size_t kSchemeLineMax = 4096;

// Splits a colour line at ";" and takes the first three parts rounded to
// whole numbers; false when it has fewer than three parts.
bool ParseColourLine(const std::string& line, std::array<int, 3>& channels) {
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t semi = line.find(';', start);
    if (semi == std::string::npos && i < 2) return false;
    const std::string_view part(line.data() + start, (semi == std::string::npos ? line.size() : semi) - start);
    channels[i] = static_cast<int>(std::clamp<long long>(RoundHalfEven(NumericValue(part)), -100000, 100000));
    start = semi == std::string::npos ? line.size() : semi + 1;
  }
  return true;
}

// Positions the reader just after the line equal to `name`.
bool FindScheme(LineReader& reader, const std::string& name) {
  std::string line;
  while (reader.NextHead(line, kSchemeLineMax))
    if (line == name) return true;
  return false;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::tolower(ch); });
  return text;
}

}  // namespace

std::vector<std::string> SchemeNames(const std::string& allColPath) {
  std::vector<std::string> names;
  LineReader reader(allColPath);
  std::string line;
  while (reader.NextHead(line, kSchemeLineMax)) {
    const auto at = line.find(".col");
    if (at != std::string::npos) names.push_back(line.substr(0, at));
  }
  return names;
}

bool LoadScheme(const std::string& allColPath, const std::string& name, SchemeColours& table) {
  LineReader reader(allColPath);
  if (!reader.IsOpen() || !FindScheme(reader, name)) return false;
  int red = 0, green = 0, blue = 0;
  std::string line;
  for (int i = 0; i <= 12; ++i) {
    if (!reader.NextHead(line, kSchemeLineMax)) return false;
    if (i == 3) {
      const auto lighten = [](int v) { return v + 32 > 256 ? 254 : v + 32; };
      red = lighten(red), green = lighten(green), blue = lighten(blue);
    } else if (i == 5) {
      const auto darken = [](int v) { return v - 28 < 1 ? 8 : v - 28; };
      red = darken(red), green = darken(green), blue = darken(blue);
    } else {
      std::array<int, 3> channels{};
      if (!ParseColourLine(line, channels)) return false;
      red = channels[0], green = channels[1], blue = channels[2];
    }
    table[i] = Rgb(red, green, blue);
  }
  return true;
}

bool PreviewScheme(const std::string& allColPath, const std::string& name, Colour defaultBackground,
                   SchemeColours& table) {
  if (Lower(name) == "default.col") {
    table[kBackgroundEntry] = table[kControlEntry] = defaultBackground;
    table[kMenuBarEntry] = 0;
    return true;
  }
  LineReader reader(allColPath);
  if (!reader.IsOpen() || !FindScheme(reader, name)) return false;
  std::string line;
  for (int i = 0; i <= 12; ++i) {
    std::array<int, 3> channels{};
    if (!reader.NextHead(line, kSchemeLineMax) || !ParseColourLine(line, channels)) return false;
    table[i] = Rgb(channels[0], channels[1], channels[2]);
  }
  return true;
}

bool PaintsMenuBar(const std::string& schemeFile) {
  std::string upper = schemeFile;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char ch) { return std::toupper(ch); });
  return upper.find("DEFAULT") == std::string::npos;
}

}  // namespace kalvero
