// `kalvero-tool bench files`: counting a very large puzzle file, reading its
// last line and deleting a puzzle from it, which must stay fast without
// holding the file in memory.

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "model/delete_puzzle.h"
#include "model/line_reader.h"
#include "model/puzzle_file.h"
#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Writes `lines` puzzle lines (one valid grid, shifted per line so lines
// differ) to a file of its own, created with a unique name in `folder` (never
// an existing file or a link someone left there). Returns the file's path,
// or "" after reporting why it could not be written.
std::string WriteBigFile(const std::filesystem::path& folder, long lines, std::ostream& err) {
  std::string path = (folder / "kalvero-bench-files-XXXXXX").string();
  const int fd = mkstemp(path.data());
  if (fd < 0) {
    WriteFailure(path, errno, err);
    return "";
  }
  FilePtr f(fdopen(fd, "wb"));
  if (!f) {
    WriteFailure(path, errno, err);
    close(fd);
    std::remove(path.c_str());
    return "";
  }
  const std::string base =
      "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
  std::string line;
  bool ok = true;
  for (long i = 0; i < lines && ok; ++i) {
    line = base;
    line[i % 81] = static_cast<char>(line[i % 81] - '0' + 64);  // one given cell, moving along
    line += "\r\n";
    ok = std::fwrite(line.data(), 1, line.size(), f.get()) == line.size();
  }
  ok = std::fflush(f.get()) == 0 && ok;
  if (!ok) {
    WriteFailure(path, errno, err);
    f.reset();
    std::remove(path.c_str());
    return "";
  }
  return path;
}

int BenchFiles(const Args& args, std::ostream& out, std::ostream& err) {
  unsigned long long wanted = 1000000;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    std::string why = "unknown option \"" + args[i] + "\"";
    if (args[i] == "--count" && i + 1 >= args.size()) why = "--count needs a value";
    if (args[i] != "--count" || i + 1 >= args.size() || !ParseNumberArgument("--count", args[i + 1], 1, INT32_MAX, wanted, why))
      return ArgumentError("bench", why, err);
  }
  const long lines = static_cast<long>(wanted);
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) {
    err << "error: no usable temporary folder (TMPDIR names one): " << ec.message() << '\n';
    return kExitInput;
  }
  const auto writeStart = Clock::now();
  const std::string path = WriteBigFile(folder, lines, err);
  if (path.empty()) return kExitInput;
  const double writeMs = MillisecondsSince(writeStart);

  constexpr int kRuns = 5;
  std::vector<double> countMs, readMs, deleteMs;
  std::int32_t count = 0;
  bool readOk = true;
  bool deleteOk = true;
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
  // Each run removes the first puzzle; a small file runs out of puzzles first.
  const int deleteRuns = std::min<std::int32_t>(kRuns, count);
  for (int run = 0; run < deleteRuns; ++run) {
    const auto start = Clock::now();
    deleteOk = DeletePuzzleLine(path, 1) == DeleteStatus::Ok && deleteOk;
    deleteMs.push_back(MillisecondsSince(start));
  }
  deleteOk = deleteOk && CountPuzzles(path) == count - deleteRuns;
  std::filesystem::remove(path);

  out << "file benchmark: " << lines << " lines (" << (lines * 83) / 1000000 << " MB), written in "
      << static_cast<long>(writeMs) << " ms\n";
  out << "  CountPuzzles          median " << Median(countMs) << " ms  (counted " << count << ")\n";
  out << "  ReadPuzzle last line  median " << Median(readMs) << " ms  (" << (readOk ? "ok" : "FAILED") << ")\n";
  out << "  DeletePuzzleLine      median " << Median(deleteMs) << " ms  (" << (deleteOk ? "ok" : "FAILED") << ")\n";
  return readOk && deleteOk && count == lines ? kExitOk : kExitInput;
}

}  // namespace

std::vector<BenchCommand> FileBenches() { return {{"files", "[--count N]", BenchFiles}}; }

}  // namespace kalvero::tool
