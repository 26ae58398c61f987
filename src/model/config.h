#pragma once
// The configuration file "kalvero.cfg": eleven CR LF lines written field by
// field.
//
//   1      PlacementLimit                       a number
//   2, 3   SpareText1, SpareText2               whole lines
//   4      SpareNumber, SchemeColour13, PuzzleNumber, GridColour,
//          NumbersColour, PencilTooltip, PrinterLineSize, SumAreaTooltip,
//          PencilColour                         nine numbers
//   5      SchemeFile                           a text field
//   6      PuzzleFileName                       a text field
//   7..11  recent files, newest first           whole lines
//
// A number is written as a blank, its digits and a trailing blank (" 200 ");
// on reading, numbers are fields separated by blanks, commas or line ends. A
// text field is read up to its first comma with leading blanks dropped.
#include <array>
#include <cstdint>
#include <string>

#include "model/posix_file.h"

#include "model/colour.h"

namespace kalvero {

inline constexpr int kRecentFileCount = 5;

struct RecentFiles {
  std::array<std::string, kRecentFileCount> caption{};  // newest first
  std::array<bool, kRecentFileCount> visible{};
  bool separatorVisible = false;
};

struct Settings {
  std::int32_t PlacementLimit = 200;
  std::string SpareText1;
  std::string SpareText2;
  std::int32_t SpareNumber = 0;
  Colour SchemeColour13 = 0;
  std::int32_t PuzzleNumber = 1;
  Colour GridColour = kBlack;
  Colour NumbersColour = kBlack;
  std::int32_t PencilTooltip = 0;
  std::int32_t PrinterLineSize = 12;
  std::int32_t SumAreaTooltip = 0;
  Colour PencilColour = kBlack;
  std::string SchemeFile;
  std::string PuzzleFileName;
  std::string RuleOrder = "23456789";
  RecentFiles recent;
};

// The values a newly created configuration file holds.
Settings DefaultSettings();

enum class ConfigStatus {
  Loaded,
  Missing,     // no file at the path
  Unreadable,  // a folder, a device, a FIFO, no permission or a read error
  Malformed,   // a regular file whose text is not a configuration
};

// Reads the file into `settings`. On any status but Loaded, fields read
// before the error keep their new values (the caller then replaces
// everything with the defaults). A recent-file line that is blank hides its
// entry and keeps its caption; the separator is visible when at least one
// entry is. `error` receives the errno value (or kNotRegularFile) of an
// unreadable file.
ConfigStatus ReadConfig(const std::string& path, Settings& settings, int& error);

// ReadConfig that only tells whether the file was loaded.
bool LoadConfig(const std::string& path, Settings& settings);

// Keeps a malformed configuration file as path + ".bad", or ".bad.1",
// ".bad.2" ... when earlier ones are there (they are never replaced), before
// defaults are written over it, so its recent files and settings can be
// recovered by hand. Returns the copy's path; "" when there is no regular
// file at `path` or the copy failed.
std::string KeepBadConfig(const std::string& path);

// The text SaveConfig writes for these settings.
std::string ConfigText(const Settings& settings);

// The first-run file: the default settings with five recent-file lines each
// holding a single blank.
std::string DefaultConfigText();

// Writes every setting and the recent-file captions, replacing the file.
inline bool SaveConfig(const std::string& path, const Settings& settings) {
  return WriteFileAtomically(path, ConfigText(settings));
}

}  // namespace kalvero
