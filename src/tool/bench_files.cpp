// `kalvero-tool bench files`: counting a very large puzzle file, reading its
// last line and deleting a puzzle from it, which must stay fast without
// holding the file in memory.

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
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

// The scratch folder of a running benchmark, for the signal handler: its
// path, and whether it exists. The big file (about 83 MB per million lines)
// and the scratch copies a deletion makes next to it live there, so an
// interrupted run can remove them all without knowing their names.
char gScratchPath[PATH_MAX];
volatile sig_atomic_t gScratchExists = 0;
constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Empties and removes the scratch folder with async-signal-safe calls only:
// open, getdents64, unlinkat, close, rmdir. The folder holds a few files, so
// one read of its entries lists them all.
void RemoveScratchFolderNow() {
  const int dir = ::open(gScratchPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    alignas(dirent64) char entries[4096];
    const ssize_t size = ::getdents64(dir, entries, sizeof entries);
    for (ssize_t at = 0; at < size;) {
      const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
      at += entry->d_reclen;
      const char* name = entry->d_name;
      if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) ::unlinkat(dir, name, 0);
    }
    ::close(dir);
  }
  ::rmdir(gScratchPath);
}

// Installed with SA_RESETHAND: after the clean-up the signal is raised again
// and, once the handler returns, ends the process as it would have.
extern "C" void RemoveScratchAndDie(int signal) {
  if (gScratchExists) RemoveScratchFolderNow();
  ::raise(signal);
}

// A private folder (mkdtemp, mode 0700) in `parent` for the benchmark's
// files, removed with everything in it when the benchmark ends or is ended
// by SIGINT, SIGTERM or SIGHUP.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::filesystem::path& parent) {
    std::string pattern = (parent / "kalvero-bench-files-XXXXXX").string();
    path_ = pattern;
    if (pattern.size() >= sizeof gScratchPath) {
      error_ = ENAMETOOLONG;
      return;
    }
    // No signal may come between making the folder and recording it.
    BlockSignals block;
    if (!::mkdtemp(pattern.data())) {
      error_ = errno;
      return;
    }
    path_ = pattern;
    std::memcpy(gScratchPath, pattern.c_str(), pattern.size() + 1);
    gScratchExists = 1;
    struct sigaction action {};
    action.sa_handler = RemoveScratchAndDie;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : kCleanupSignals) sigaddset(&action.sa_mask, signal);
    for (std::size_t i = 0; i < std::size(kCleanupSignals); ++i)
      ::sigaction(kCleanupSignals[i], &action, &previous_[i]);
  }
  ~ScratchFolder() {
    if (!gScratchExists) return;
    BlockSignals block;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
    gScratchExists = 0;
    for (std::size_t i = 0; i < std::size(kCleanupSignals); ++i) ::sigaction(kCleanupSignals[i], &previous_[i], nullptr);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder, or (when it could not be made) the pattern tried.
  const std::string& Path() const { return path_; }
  int Error() const { return error_; }

 private:
  struct BlockSignals {
    BlockSignals() {
      sigset_t set;
      sigemptyset(&set);
      for (const int signal : kCleanupSignals) sigaddset(&set, signal);
      ::sigprocmask(SIG_BLOCK, &set, &old);
    }
    ~BlockSignals() { ::sigprocmask(SIG_SETMASK, &old, nullptr); }
    sigset_t old;
  };

  std::string path_;
  int error_ = 0;
  struct sigaction previous_[std::size(kCleanupSignals)] {};
};

// Writes `lines` puzzle lines (one valid grid, shifted per line so lines
// differ) to a new file in the benchmark's own folder. Returns false after
// reporting why it could not be written.
bool WriteBigFile(const std::string& path, long lines, std::ostream& err) {
  FilePtr f(std::fopen(path.c_str(), "wbx"));
  if (!f) {
    WriteFailure(path, errno, err);
    return false;
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
  if (!ok) WriteFailure(path, errno, err);
  return ok;
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
  const ScratchFolder scratch(folder);
  if (scratch.Error()) return WriteFailure(scratch.Path(), scratch.Error(), err);
  const std::string path = scratch.Path() + "/puzzles.txt";
  const auto writeStart = Clock::now();
  if (!WriteBigFile(path, lines, err)) return kExitInput;
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
