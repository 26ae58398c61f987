#include "app/command_line.h"

#include "program_info.h"

namespace kalvero {

namespace {

constexpr const char* kUsage =
    "usage: kalvero [--lang LANG] [FILE]\n"
    "Opens the Kalvero window; a puzzle FILE is opened at its first puzzle.\n"
    "  --lang LANG  show the window in language LANG (de, fr, en) instead of the desktop's\n"
    "  --help       show this text\n"
    "  --version    show the program's version\n";

}  // namespace

StartRequest ReadCommandLine(const std::vector<std::string>& args) {
  StartRequest request;
  for (const std::string& arg : args) {
    if (arg == "--version") return {StartAction::PrintText, {}, "kalvero " + std::string(kProgramVersion) + "\n", {}};
    if (arg == "--help" || arg == "-h") return {StartAction::PrintText, {}, kUsage, {}};
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--lang" || arg.starts_with("--lang=")) {
      request.language = arg == "--lang" ? (i + 1 < args.size() ? args[++i] : "") : arg.substr(7);
      if (request.language.empty())
        return {StartAction::UsageError, {}, "kalvero: --lang needs a language\n" + std::string(kUsage), {}};
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') return {StartAction::UsageError, {}, "kalvero: unknown option " + arg + "\n" + kUsage, {}};
    if (!request.file.empty())
      return {StartAction::UsageError, {}, "kalvero: one puzzle file at most\n" + std::string(kUsage), {}};
    request.file = arg;
  }
  return request;
}

}  // namespace kalvero
