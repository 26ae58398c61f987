#pragma once
// Small POSIX file helpers for the writers that must never leave a puzzle
// file half-written: an owning descriptor and a write that retries short
// writes and interrupted calls.
#include <string>
#include <string_view>
#include <utility>

#include "model/words.h"

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
  // Gives up ownership: the descriptor stays open.
  int Release() { return std::exchange(fd_, -1); }
  // Closes now; false when the close reported an error (a late write failure).
  bool Close();

 private:
  int fd_;
};

// An exclusive advisory lock (flock) on an open file, held while it lives,
// so writers in other processes wait for each other. A file system without
// locks is used without one, as a single writer would use it.
class FileLock {
 public:
  explicit FileLock(int fd);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

// Writes all of `bytes`; false on any failure (disk full, file too large).
bool WriteAll(int fd, std::string_view bytes);

// The error reported, in place of an errno value, for a path that names
// something other than a regular file: a folder, a device or a FIFO. Such
// paths are never read or written as files, since a FIFO or a device can
// block for ever or never end.
inline constexpr int kNotRegularFile = -1;

// A one-line reason for an errno value or kNotRegularFile, as "Is a
// directory" or "Not a regular file".
std::string FileErrorText(int error, const Words& words = EnglishWords());

// Opens a path with `flags` (O_RDONLY, O_WRONLY | O_APPEND | O_CREAT, ...)
// only when it is (or, with O_CREAT, becomes) a regular file. The open itself
// does not wait for a FIFO's other end, and the check is made on the opened
// file, so nothing can swap the file in between. On failure the descriptor is
// closed and `error` holds the errno value or kNotRegularFile.
FileDescriptor OpenRegularFile(const std::string& path, int flags, int& error);

// Reads a whole regular file of at most `limit` bytes; false with `error`
// set (EFBIG for a longer file) otherwise.
bool ReadRegularFile(const std::string& path, std::string& bytes, int& error, std::size_t limit);

// True when the path names nothing, or a regular file (through links): the
// only places a writer may create or replace.
bool MayWriteFileAt(const std::string& path);

// Writes `text` as the whole new content of `path` through a ReplacementFile,
// so a crash never leaves a half-written file and a link keeps pointing at
// the new content. A replaced file keeps its permissions. False when it could
// not be written, or when the path names something other than a regular file.
bool WriteFileAtomically(const std::string& path, const std::string& text);

// A new file that takes the place of `target` in one rename, so a crash, a
// full disk or a kill at any moment leaves either the old file or the new
// one, whole. It is created under a unique hidden name in the target's
// folder (never following a link there); until Commit succeeds, destroying
// it removes it again.
class ReplacementFile {
 public:
  // A target that is a symbolic link keeps its link: the link's final
  // target is the file replaced.
  explicit ReplacementFile(const std::string& target);
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  ~ReplacementFile();

  bool IsOpen() const { return fd_.IsOpen(); }
  int get() const { return fd_.get(); }

  // Gives the file `mode`, flushes it to disk, renames it over the target
  // and makes the rename durable; false when any of that failed.
  bool Commit(unsigned mode);

  // The file the rename replaces: the target with its links resolved.
  const std::string& Target() const { return target_; }

 private:
  std::string target_;
  std::string folder_;
  std::string name_;
  FileDescriptor fd_;
  bool committed_ = false;
};

}  // namespace kalvero
