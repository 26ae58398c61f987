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

  // Reads the next line into `line` without its line end; false at the end of the file.
  bool Next(std::string& line);

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
  bool pendingLf_ = false;  // a CR ended the last line; a following LF belongs to it
};

}  // namespace kalvero
