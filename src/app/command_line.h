#pragma once
// The program's own command line: `kalvero [--lang LANG] [FILE]`, `--version`
// and `--help`. Both options are answered on standard output without opening a
// window (they need no display); anything else starting with "-" that Qt
// has not taken as one of its own options is refused with the usage.
#include <string>
#include <vector>

namespace kalvero {

enum class StartAction {
  OpenWindow,   // open the window, with `file` when one was named
  PrintText,    // print `text` to standard output and exit 0
  UsageError,   // print `text` to standard error and exit 2
};

struct StartRequest {
  StartAction action = StartAction::OpenWindow;
  std::string file;  // the puzzle file named, "" for none
  std::string text;
  std::string language;  // --lang LANG: the window's language, "" for the desktop's
};

// Reads the arguments after the program's name.
StartRequest ReadCommandLine(const std::vector<std::string>& args);

}  // namespace kalvero
