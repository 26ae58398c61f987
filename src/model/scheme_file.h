#pragma once
// Colour schemes from the scheme list "all.col". Each scheme is a name line
// ("xp.col") followed by thirteen colour lines "red;green;blue" for entries
// 0..12 of the colour table; entry 13 is the user's adjusted control colour
// from the configuration.
#include <array>
#include <string>
#include <vector>

#include "model/colour.h"

namespace kalvero {

inline constexpr int kSchemeEntryCount = 14;
inline constexpr int kBackgroundEntry = 2;
inline constexpr int kMenuBarEntry = 3;
inline constexpr int kControlEntry = 4;
inline constexpr int kAboutEntry = 5;
inline constexpr int kUserControlEntry = 13;

using SchemeColours = std::array<Colour, kSchemeEntryCount>;

// The scheme names offered to the user: of every line containing ".col",
// the text before its first ".col". An unreadable file gives an empty list.
std::vector<std::string> SchemeNames(const std::string& allColPath);

// Fills entries 0..12 from the scheme whose name line equals `name`
// exactly. Entry 3 is entry 2 lightened by 32 per channel (a channel above
// 256 becomes 254) and entry 5 is entry 4 darkened by 28 (below 1 becomes 8);
// their own lines are skipped. Returns false when the scheme is missing or
// the file cannot be read; entries filled before an error keep their values.
bool LoadScheme(const std::string& allColPath, const std::string& name, SchemeColours& table);

// The colours of "xp.col" as LoadScheme fills them (entries 3 and 5
// derived, entry 13 empty). A program whose "all.col" is missing or broken
// from the start takes these, so its windows stay readable.
inline constexpr SchemeColours kBuiltInScheme = {
    Rgb(0, 84, 227),    Rgb(61, 149, 255),  Rgb(236, 233, 216), Rgb(254, 254, 248), Rgb(214, 223, 247),
    Rgb(186, 195, 219), Rgb(255, 255, 255), Rgb(172, 168, 153), Rgb(113, 111, 100), Rgb(0, 0, 128),
    Rgb(49, 106, 197),  Rgb(255, 255, 225), Rgb(0, 0, 0),       0};

// The options window's preview loader: "default.col" (any case) gives the
// fixed light background `defaultBackground` for entries 2 and 4 and 0 for
// entry 3; any other scheme takes all thirteen lines as they stand. Returns
// false when the scheme is missing or unreadable.
bool PreviewScheme(const std::string& allColPath, const std::string& name, Colour defaultBackground,
                   SchemeColours& table);

// True when the scheme's menu bar is painted: its upper-cased name does not
// contain "DEFAULT".
bool PaintsMenuBar(const std::string& schemeFile);

}  // namespace kalvero
