#pragma once
// Small POSIX file helpers for the writers that must never leave a puzzle
// file half-written: an owning descriptor and a write that retries short
// writes and interrupted calls.
#include <string_view>

namespace kalvero {

// An open file descriptor that closes itself unless released.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor();

  int get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes now; false when the close reported an error (a late write failure).
  bool Close();

 private:
  int fd_;
};

// Writes all of `bytes`; false on any failure (disk full, file too large).
bool WriteAll(int fd, std::string_view bytes);

}  // namespace kalvero
