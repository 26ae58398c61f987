#pragma once
// Removing one puzzle (one line) from a puzzle file without ever leaving the
// file half-written.
//
// Every line but the removed one is streamed into a new, uniquely named file
// in the same folder as the puzzle file, each ending in CR LF. The new file
// gets the old file's permissions, is flushed to disk and is then renamed over
// the old one, which the file system does in one step. A crash, a full disk
// or a kill at any moment therefore leaves either the old file or the new
// one, whole (at worst a stray scratch file beside it). When the name is a
// symbolic link, the file it points to is replaced and the link kept.
//
// Because the scratch file is never the temporary puzzle file, removing a
// puzzle from the temporary puzzle file itself works like any other file.
#include <cstdint>
#include <string>

namespace kalvero {

enum class DeleteStatus {
  Ok,
  CannotRead,   // the file is missing or cannot be read
  NoSuchLine,   // the file has fewer lines than the number given
  CannotWrite,  // the file or its folder cannot be written; the file is unchanged
};

// Removes line n (1-based) of the file. Every other line keeps its text;
// lines that ended in LF or a lone CR are written with CR LF.
DeleteStatus DeletePuzzleLine(const std::string& fileName, std::int32_t n);

}  // namespace kalvero
