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
      return "character above \"I\" at position " + std::to_string(result.position);
  }
  return "unknown";
}

bool FileExists(const std::string& fileName) {
  FilePtr f(std::fopen(fileName.c_str(), "rb"));
  return f && std::fseek(f.get(), 0, SEEK_END) == 0 && std::ftell(f.get()) > 0;
}

bool LacksFinalLineEnd(const std::string& fileName) {
  FilePtr f(std::fopen(fileName.c_str(), "rb"));
  if (!f || std::fseek(f.get(), -1, SEEK_END) != 0) return false;
  const int last = std::fgetc(f.get());
  return last != EOF && last != '\r' && last != '\n';
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
    const auto code = static_cast<unsigned char>(line[k - 1]);
    if (code > 'I') return {ReadStatus::BadCharacter, k};
    char ch = static_cast<char>(code);
    const int r = (k - 1) / 9 + 1;
    const int c = (k - 1) % 9 + 1;
    if (code > 64) {
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

bool AppendLine(const std::string& fileName, const std::string& line) {
  const bool existed = ::access(fileName.c_str(), F_OK) == 0;
  const bool needLineEnd = LacksFinalLineEnd(fileName);
  FileDescriptor fd(::open(fileName.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  struct stat before {};
  if (!fd.IsOpen() || ::fstat(fd.get(), &before) != 0) return false;
  std::string text = needLineEnd ? "\r\n" : "";
  text += line;
  text += "\r\n";
  if (WriteAll(fd.get(), text) && fd.Close()) return true;
  // A failed write (disk full, size limit) must not leave part of a line
  // behind: cut the file back to what it held, or remove it when it is new.
  if (existed) {
    [[maybe_unused]] const int cut = ::truncate(fileName.c_str(), before.st_size);
  } else {
    ::unlink(fileName.c_str());
  }
  return false;
}

bool WritePuzzle(const PuzzleState& state, const std::string& fileName, WriteMode mode) {
  const std::string line = PuzzleLineOf(state);
  if (mode == WriteMode::Append) return AppendLine(fileName, line);
  FilePtr f(std::fopen(fileName.c_str(), "wb"));
  if (!f) return false;
  std::fwrite(line.data(), 1, line.size(), f.get());
  std::fputs("\r\n", f.get());
  return std::fflush(f.get()) == 0 && !std::ferror(f.get());
}

}  // namespace kalvero
