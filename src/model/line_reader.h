#pragma once
// Reads a text file line by line in large blocks, so very large puzzle files
// are counted and searched without holding them in memory.
//
// A line ends at a carriage return, a carriage return + line feed pair, or a
// lone line feed (files written on Linux read line by line too). Text after
// the last line end counts as one more line; an empty file has no lines.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace kalvero {

// An open C file that closes itself.
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class LineReader {
 public:
  explicit LineReader(const std::string& path);

  bool IsOpen() const { return file_ != nullptr; }

  // The errno of a failed open or read, or kNotRegularFile for a path that
  // names a folder, a device or a FIFO; 0 while all is well. A failed read ends the lines as the end of the file
  // does, so callers that must tell the two apart test this afterwards.
  int Error() const { return error_; }

  // Reads the next line into `line` without its line end; false at the end of the file.
  bool Next(std::string& line);

  // As Next, but keeps only the first `keep` characters of the line and
  // skips the rest, so memory stays the same however long the line is.
  bool NextHead(std::string& line, std::size_t keep);

  // Skips the next line; false at the end of the file. Cheaper than Next.
  bool Skip();

 private:
  bool Fill();
  template <typename Sink>
  bool ReadLine(Sink&& sink);

  FilePtr file_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool pendingLf_ = false;
  int error_ = 0;  // a CR ended the last line; a following LF belongs to it
};

}  // namespace kalvero
