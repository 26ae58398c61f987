#include "model/delete_puzzle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "model/line_reader.h"
#include "model/posix_file.h"

namespace kalvero {

namespace {

constexpr std::size_t kWriteBlock = 1 << 20;

// The lines of the source with line n left out, written in large blocks.
class LineCopier {
 public:
  explicit LineCopier(int fd) : fd_(fd) { block_.reserve(kWriteBlock + 256); }

  bool Add(const std::string& line) {
    block_ += line;
    block_ += "\r\n";
    return block_.size() < kWriteBlock || Flush();
  }
  bool Flush() {
    const bool ok = WriteAll(fd_, block_);
    block_.clear();
    return ok;
  }

 private:
  int fd_;
  std::string block_;
};

}  // namespace

DeleteStatus DeletePuzzleLine(const std::string& fileName, std::int32_t n) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target = fs::canonical(fileName, ec);
  struct stat old {};
  if (ec || ::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return DeleteStatus::CannotRead;
  if (::access(target.c_str(), W_OK) != 0) return DeleteStatus::CannotWrite;
  if (n < 1) return DeleteStatus::NoSuchLine;
  LineReader reader(target.string());
  if (!reader.IsOpen()) return DeleteStatus::CannotRead;

  ReplacementFile out(target.string());
  if (!out.IsOpen()) return DeleteStatus::CannotWrite;

  DeleteStatus status = DeleteStatus::Ok;
  {
    LineCopier copier(out.get());
    std::string line;
    std::int32_t lineNumber = 0;
    bool wrote = true;
    while (wrote && reader.Next(line))
      if (++lineNumber != n) wrote = copier.Add(line);
    wrote = wrote && copier.Flush();
    if (reader.Error() != 0)
      status = DeleteStatus::CannotRead;
    else if (!wrote)
      status = DeleteStatus::CannotWrite;
    else if (lineNumber < n)
      status = DeleteStatus::NoSuchLine;
  }
  if (status == DeleteStatus::Ok && !out.Commit(old.st_mode & 07777)) status = DeleteStatus::CannotWrite;
  return status;
}

}  // namespace kalvero
