// `kalvero-tool bench files`: counting a very large puzzle file and reading
// its last line, which must stay fast without holding the file in memory.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "model/puzzle_file.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Writes `lines` puzzle lines (one valid grid, shifted per line so lines differ).
bool WriteBigFile(const std::string& path, long lines) {
  const std::string base =
      "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::string line;
  for (long i = 0; i < lines; ++i) {
    line = base;
    line[i % 81] = static_cast<char>(line[i % 81] - '0' + 64);  // one given cell, moving along
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), f);
  }
  return std::fclose(f) == 0;
}

int BenchFiles(const Args& args, std::ostream& out, std::ostream& err) {
  unsigned long long wanted = 1000000;
  for (std::size_t i = 1; i < args.size(); i += 2)
    if (args[i] != "--count" || i + 1 >= args.size() || !ParseNumber(args[i + 1], 1, INT32_MAX, wanted))
      return UsageError("bench", err);
  const long lines = static_cast<long>(wanted);
  const auto path = (std::filesystem::temp_directory_path() / "kalvero-bench-files.txt").string();
  const auto writeStart = Clock::now();
  if (!WriteBigFile(path, lines)) {
    err << "kalvero-tool: cannot write " << path << '\n';
    return kExitInput;
  }
  const double writeMs = MillisecondsSince(writeStart);

  constexpr int kRuns = 5;
  std::vector<double> countMs, readMs;
  std::int32_t count = 0;
  bool readOk = true;
  for (int run = 0; run < kRuns; ++run) {
    auto start = Clock::now();
    count = CountPuzzles(path);
    countMs.push_back(MillisecondsSince(start));
    PuzzleState state;
    state.PuzzleCount = count;
    start = Clock::now();
    readOk = ReadPuzzle(state, path, count).ok() && readOk;
    readMs.push_back(MillisecondsSince(start));
  }
  std::filesystem::remove(path);

  out << "file benchmark: " << lines << " lines (" << (lines * 83) / 1000000 << " MB), written in "
      << static_cast<long>(writeMs) << " ms\n";
  out << "  CountPuzzles          median " << Median(countMs) << " ms  (counted " << count << ")\n";
  out << "  ReadPuzzle last line  median " << Median(readMs) << " ms  (" << (readOk ? "ok" : "FAILED") << ")\n";
  return readOk && count == lines ? kExitOk : kExitInput;
}

}  // namespace

std::vector<BenchCommand> FileBenches() { return {{"files", "[--count N]", BenchFiles}}; }

}  // namespace kalvero::tool
