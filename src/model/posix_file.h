#pragma once
// Small POSIX file helpers for the writers that must never leave a puzzle
// file half-written: an owning descriptor and a write that retries short
// writes and interrupted calls.
#include <string>
#include <string_view>
#include <utility>

namespace kalvero {

// An open file descriptor that closes itself unless released.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
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

// A new file that takes the place of `target` in one rename, so a crash, a
// full disk or a kill at any moment leaves either the old file or the new
// one, whole. It is created under a unique hidden name in the target's
// folder (never following a link there); until Commit succeeds, destroying
// it removes it again.
class ReplacementFile {
 public:
  explicit ReplacementFile(const std::string& target);
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  ~ReplacementFile();

  bool IsOpen() const { return fd_.IsOpen(); }
  int get() const { return fd_.get(); }

  // Gives the file `mode`, flushes it to disk, renames it over the target
  // and makes the rename durable; false when any of that failed.
  bool Commit(unsigned mode);

 private:
  std::string target_;
  std::string folder_;
  std::string name_;
  FileDescriptor fd_;
  bool committed_ = false;
};

}  // namespace kalvero
