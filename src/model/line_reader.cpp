#include "model/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>

#include "model/posix_file.h"

namespace kalvero {

namespace {
constexpr std::size_t kBlockSize = 1 << 16;
}

LineReader::LineReader(const std::string& path) : buffer_(kBlockSize) {
  // Only a regular file is read: a folder, a device or a FIFO is refused
  // before any read could block or never end.
  FileDescriptor fd = OpenRegularFile(path, O_RDONLY, error_);
  if (!fd.IsOpen()) return;
  errno = 0;
  file_.reset(::fdopen(fd.get(), "rb"));
  if (file_)
    fd.Release();
  else
    error_ = errno ? errno : EIO;
}

bool LineReader::Fill() {
  if (!file_ || error_) return false;
  errno = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
  pos_ = 0;
  if (end_ == 0 && std::ferror(file_.get())) error_ = errno ? errno : EIO;
  return end_ > 0;
}

template <typename Sink>
bool LineReader::ReadLine(Sink&& sink) {
  bool any = false;  // saw at least one character of this line (or its line end)
  for (;;) {
    if (pos_ == end_ && !Fill()) return any;
    if (pendingLf_) {
      pendingLf_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    const char* start = buffer_.data() + pos_;
    const std::size_t avail = end_ - pos_;
    // Find the first CR or LF in the block.
    const void* cr = std::memchr(start, '\r', avail);
    const void* lf = std::memchr(start, '\n', cr ? static_cast<const char*>(cr) - start : avail);
    const char* stop = lf ? static_cast<const char*>(lf) : static_cast<const char*>(cr);
    if (!stop) {
      sink(start, avail);
      pos_ = end_;
      any = true;
      continue;
    }
    sink(start, static_cast<std::size_t>(stop - start));
    pos_ += static_cast<std::size_t>(stop - start) + 1;
    pendingLf_ = *stop == '\r';
    return true;
  }
}

bool LineReader::Next(std::string& line) {
  line.clear();
  return ReadLine([&line](const char* p, std::size_t n) { line.append(p, n); });
}

bool LineReader::NextHead(std::string& line, std::size_t keep) {
  line.clear();
  return ReadLine([&line, keep](const char* p, std::size_t n) {
    if (line.size() < keep) line.append(p, std::min(n, keep - line.size()));
  });
}

bool LineReader::Skip() {
  return ReadLine([](const char*, std::size_t) {});
}

}  // namespace kalvero
