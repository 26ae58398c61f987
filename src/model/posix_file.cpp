#include "model/posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace kalvero {

FileDescriptor::~FileDescriptor() { Close(); }

bool FileDescriptor::Close() {
  if (fd_ < 0) return true;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0;
}

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

ReplacementFile::ReplacementFile(const std::string& target) : target_(target) {
  const std::filesystem::path path(target);
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

}  // namespace kalvero
