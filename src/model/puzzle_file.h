#pragma once
// Puzzle files: plain text, one puzzle per line, addressed by 1-based line
// number. Character k (1..81) of a line is cell k: "1".."9" an open cell with
// its solution digit, "A".."I" a given cell with digit code - 64. Characters
// after the 81st are ignored. Lines are written with CR LF.
#include <cstdint>
#include <string>

#include "model/puzzle_state.h"

namespace kalvero {

enum class ReadStatus {
  Ok,
  NoPuzzles,     // PuzzleCount is 0: the file is missing, unreadable or empty
  BeyondEnd,     // the file has fewer lines than the number asked for
  LineTooShort,  // the line holds fewer than 81 characters
  BadCharacter,  // a character other than "1".."9" and "A".."I" among the first 81
};

struct ReadResult {
  ReadStatus status = ReadStatus::Ok;
  int position = 0;  // for BadCharacter: the 1-based position of the character
  bool ok() const { return status == ReadStatus::Ok; }
};

// Text for a failed read, for messages and the command-line tool.
std::string ReadFailureText(const ReadResult& result);

// True for a readable regular file that is not empty: a missing, an
// unreadable and an empty file, a folder, a device and a FIFO all give false.
bool FileExists(const std::string& fileName);

// Number of lines of a file (blank ones included); 0 when the name is empty
// or the file cannot be opened.
std::int32_t CountPuzzles(const std::string& fileName);

// Checks one puzzle line and, when it is acceptable, loads it into the state:
// Solution, SolutionText, PuzzleLine, the given cells, PreparePuzzleState and
// ComputeClueSums. On failure the state is left untouched.
ReadResult LoadPuzzleLine(PuzzleState& state, const std::string& line);

// Reads line n of the file into the state (LoadPuzzleLine) and sets
// PuzzleNumber and PuzzleFileName. Callers set PuzzleCount first; with a
// count of 0 nothing is read. On failure the state is left untouched.
// `keep` bounds the characters of the line that are held (and so
// PuzzleLine): the window keeps the whole line, which Save writes back; the
// command-line tool keeps only the cells, so a huge line costs no memory.
ReadResult ReadPuzzle(PuzzleState& state, const std::string& fileName, std::int32_t n,
                      std::size_t keep = std::string::npos);

// The readable puzzle nearest to line n of a file: line n itself, else the
// first readable line after it, else the last readable line before it; 0
// when no line of the file can be read. Reads the file once, keeping only
// each line's cells.
std::int32_t NearestReadablePuzzle(const std::string& fileName, std::int32_t n);

enum class WriteMode { Overwrite, Append };

// The current puzzle as a line: the digits of SolutionText with every given
// cell written as its letter.
std::string PuzzleLineOf(const PuzzleState& state);

// Writes the current puzzle as one CR LF line, replacing the file whole
// (Overwrite, through WriteFileAtomically) or appending (AppendLine); false
// when the file cannot be written.
bool WritePuzzle(const PuzzleState& state, const std::string& fileName, WriteMode mode);

// Appends one line plus CR LF to an open regular file (opened with O_APPEND)
// under a FileLock, so appends from several programs never mix: the file's
// end is read afresh under the lock, a last line without its line end is
// ended first (when `readable`: the descriptor may be read), and a write that
// fails is cut back to that end, so only what this call added goes and the
// file keeps only whole lines. Returns 0, or the errno value of the failure
// (ENOENT when the file has been removed meanwhile).
int AppendLineTo(int fd, const std::string& line, bool readable);

// Appends one line plus CR LF to a regular file, creating it when missing,
// and first ends a last line that has no line end. The file is locked
// (flock) for the append, so appends from several programs never mix. False
// when the file cannot be written; a write that fails part-way is cut back,
// so the file holds what it held before (a file the call created is removed
// again).
bool AppendLine(const std::string& fileName, const std::string& line);

}  // namespace kalvero
