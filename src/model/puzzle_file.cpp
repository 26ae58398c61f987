#include "model/puzzle_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "model/line_reader.h"
#include "model/posix_file.h"

namespace kalvero {

std::string ReadFailureText(const ReadResult& result) {
  switch (result.status) {
    case ReadStatus::Ok: return "ok";
    case ReadStatus::NoPuzzles: return "no puzzles in the file";
    case ReadStatus::BeyondEnd: return "line number beyond the end of the file";
    case ReadStatus::LineTooShort: return "line shorter than 81 characters";
    case ReadStatus::BadCharacter:
      return "character other than 1-9 and A-I at position " + std::to_string(result.position);
  }
  return "unknown";
}

bool FileExists(const std::string& fileName) {
  struct stat info {};
  return ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
         ::access(fileName.c_str(), R_OK) == 0;
}

std::int32_t CountPuzzles(const std::string& fileName) {
  if (fileName.empty()) return 0;
  LineReader reader(fileName);
  if (!reader.IsOpen()) return 0;
  std::int32_t count = 0;
  while (reader.Skip()) ++count;
  return count;
}

ReadResult LoadPuzzleLine(PuzzleState& state, const std::string& line) {
  if (line.size() < kCellCount) return {ReadStatus::LineTooShort, 0};
  std::string solutionText(kCellCount, '0');
  Grid<int> fixedFlag{};
  for (int k = 1; k <= kCellCount; ++k) {
    // An open cell holds its solution digit, a given cell its letter.
    const char code = line[k - 1];
    const bool open = code >= '1' && code <= '9';
    if (!open && (code < 'A' || code > 'I')) return {ReadStatus::BadCharacter, k};
    char ch = code;
    const int r = (k - 1) / 9 + 1;
    const int c = (k - 1) % 9 + 1;
    if (!open) {
      fixedFlag[r][c] = 1;
      ch = static_cast<char>('0' + (code - 64));
    }
    solutionText[k - 1] = ch;
  }
  state.SolutionText = std::move(solutionText);
  state.FixedFlag = fixedFlag;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const char ch = state.SolutionText[(r - 1) * 9 + c - 1];
      state.Solution[r][c] = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
    }
  state.PuzzleLine = line;
  PreparePuzzleState(state);
  ComputeClueSums(state);
  return {};
}

ReadResult ReadPuzzle(PuzzleState& state, const std::string& fileName, std::int32_t n, std::size_t keep) {
  if (state.PuzzleCount == 0) return {ReadStatus::NoPuzzles, 0};
  LineReader reader(fileName);
  if (!reader.IsOpen() || n < 1) return {reader.IsOpen() ? ReadStatus::BeyondEnd : ReadStatus::NoPuzzles, 0};
  for (std::int32_t i = 1; i < n; ++i)
    if (!reader.Skip()) return {ReadStatus::BeyondEnd, 0};
  std::string line;
  if (!reader.NextHead(line, keep)) return {ReadStatus::BeyondEnd, 0};
  const ReadResult result = LoadPuzzleLine(state, line);
  if (!result.ok()) return result;
  state.PuzzleNumber = n;
  state.PuzzleFileName = fileName;
  return result;
}

std::int32_t NearestReadablePuzzle(const std::string& fileName, std::int32_t n) {
  LineReader reader(fileName);
  std::string line;
  std::int32_t before = 0;
  for (std::int32_t number = 1; reader.NextHead(line, kCellCount); ++number) {
    PuzzleState scratch;
    if (!LoadPuzzleLine(scratch, line).ok()) continue;
    if (number >= n) return number;
    before = number;
  }
  return before;
}

std::string PuzzleLineOf(const PuzzleState& state) {
  std::string line(kCellCount, '0');
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int k = (r - 1) * 9 + c - 1;
      if (static_cast<std::size_t>(k) < state.SolutionText.size()) line[k] = state.SolutionText[k];
      const std::string& fixed = state.FixedValue[r][c];
      if (!fixed.empty()) line[k] = static_cast<char>(64 + (fixed[0] - '0'));
    }
  return line;
}

int AppendLineTo(int fd, const std::string& line, bool readable) {
  const FileLock lock(fd);
  struct stat before {};
  if (::fstat(fd, &before) != 0) return errno;
  // A file removed by another writer meanwhile would take the line with it.
  if (before.st_nlink == 0) return ENOENT;
  char last = '\n';
  const bool endLastLine =
      readable && before.st_size > 0 && ::pread(fd, &last, 1, before.st_size - 1) == 1 && last != '\r' && last != '\n';
  const std::string text = (endLastLine ? "\r\n" : "") + line + "\r\n";
  if (WriteAll(fd, text)) return 0;
  const int error = errno;
  [[maybe_unused]] const int cut = ::ftruncate(fd, before.st_size);
  return error ? error : EIO;
}

bool AppendLine(const std::string& fileName, const std::string& line) {
  int error = 0;
  const bool existed = ::access(fileName.c_str(), F_OK) == 0;
  FileDescriptor fd = OpenRegularFile(fileName, O_RDWR | O_APPEND | O_CREAT, error);
  if (!fd.IsOpen()) return false;
  // The window's appends are single lines a person asked for: each is made
  // durable at once.
  if (AppendLineTo(fd.get(), line, true) == 0 && ::fsync(fd.get()) == 0) return fd.Close();
  // A file this call created and could not write to is removed again.
  struct stat after {};
  if (!existed && ::fstat(fd.get(), &after) == 0 && after.st_size == 0) ::unlink(fileName.c_str());
  return false;
}

bool WritePuzzle(const PuzzleState& state, const std::string& fileName, WriteMode mode) {
  const std::string line = PuzzleLineOf(state);
  if (mode == WriteMode::Append) return AppendLine(fileName, line);
  return WriteFileAtomically(fileName, line + "\r\n");
}

}  // namespace kalvero
