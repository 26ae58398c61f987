#include "model/line_reader.h"

#include <cstring>

namespace kalvero {

namespace {
constexpr std::size_t kBlockSize = 1 << 16;
}

LineReader::LineReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")), buffer_(kBlockSize) {}

bool LineReader::Fill() {
  if (!file_) return false;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
  pos_ = 0;
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

bool LineReader::Skip() {
  return ReadLine([](const char*, std::size_t) {});
}

}  // namespace kalvero
