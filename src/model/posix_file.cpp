#include "model/posix_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kalvero {

FileDescriptor::~FileDescriptor() { Close(); }

bool FileDescriptor::Close() {
  if (fd_ < 0) return true;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0;
}

FileLock::FileLock(int fd) : fd_(fd) {
  while (::flock(fd_, LOCK_EX) != 0)
    if (errno != EINTR) break;
}

FileLock::~FileLock() { ::flock(fd_, LOCK_UN); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string FileErrorText(int error, const Words& words) {
  if (error == kNotRegularFile) return words.Text(QT_TRANSLATE_NOOP("Kalvero", "Not a regular file"));
  return error ? std::strerror(error) : words.Text(QT_TRANSLATE_NOOP("Kalvero", "unknown error"));
}

FileDescriptor OpenRegularFile(const std::string& path, int flags, int& error) {
  error = 0;
  FileDescriptor fd(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666));
  if (!fd.IsOpen()) {
    // A FIFO opened for writing without a reader fails with ENXIO: it is no
    // regular file either way.
    error = errno == ENXIO ? kNotRegularFile : errno;
    return fd;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    error = errno;
    return FileDescriptor();
  }
  if (!S_ISREG(info.st_mode)) {
    error = S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile;
    return FileDescriptor();
  }
  // Regular files never block; later reads and writes wait as usual.
  ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool ReadRegularFile(const std::string& path, std::string& bytes, int& error, std::size_t limit) {
  bytes.clear();
  FileDescriptor fd = OpenRegularFile(path, O_RDONLY, error);
  if (!fd.IsOpen()) return false;
  char block[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd.get(), block, sizeof block);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    if (got == 0) return true;
    if (bytes.size() + static_cast<std::size_t>(got) > limit) {
      error = EFBIG;
      return false;
    }
    bytes.append(block, static_cast<std::size_t>(got));
  }
}

bool MayWriteFileAt(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode);
}

namespace {

// The file a path finally names: the path itself unless it is a symbolic
// link, whose target (relative to the link's folder) is followed in turn.
std::string ResolveLinks(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path resolved(path);
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(resolved, ec); ++hops) {
    const fs::path link = fs::read_symlink(resolved, ec);
    if (ec) break;
    resolved = link.is_absolute() ? link : resolved.parent_path() / link;
  }
  return resolved.string();
}

}  // namespace

ReplacementFile::ReplacementFile(const std::string& target) : target_(ResolveLinks(target)) {
  const std::filesystem::path path(target_);
  folder_ = path.has_parent_path() ? path.parent_path().string() : std::string(".");
  std::string pattern = folder_ + "/." + path.filename().string() + ".XXXXXX";
  FileDescriptor fd(::mkstemp(pattern.data()));
  if (!fd.IsOpen()) return;
  name_ = pattern;
  fd_ = std::move(fd);
}

ReplacementFile::~ReplacementFile() {
  if (committed_ || name_.empty()) return;
  fd_.Close();
  ::unlink(name_.c_str());
}

bool ReplacementFile::Commit(unsigned mode) {
  if (!IsOpen()) return false;
  if (::fchmod(fd_.get(), static_cast<mode_t>(mode)) != 0 || ::fsync(fd_.get()) != 0 || !fd_.Close() ||
      ::rename(name_.c_str(), target_.c_str()) != 0)
    return false;
  committed_ = true;
  // A folder that cannot be synced is no reason to report failure: the
  // rename has happened.
  FileDescriptor dir(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.IsOpen()) ::fsync(dir.get());
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& text) {
  if (!MayWriteFileAt(path)) return false;
  // A file replaced keeps its permissions; a new one is readable by all and
  // writable by its owner, as the usual umask leaves it.
  constexpr unsigned kNewFileMode = 0644;
  struct stat old {};
  const unsigned mode = ::stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : kNewFileMode;
  ReplacementFile out(path);
  return out.IsOpen() && WriteAll(out.get(), text) && out.Commit(mode);
}

}  // namespace kalvero
