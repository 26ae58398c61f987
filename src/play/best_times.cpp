#include "play/best_times.h"

#include <charconv>

#include "model/line_reader.h"
#include "model/posix_file.h"

namespace kalvero {

BestTimes BestTimes::Read(const std::string& path) {
  BestTimes times;
  LineReader reader(path);
  for (std::string line; reader.Next(line);) {
    const std::size_t equals = line.rfind('=');
    if (equals == std::string::npos || equals == 0) continue;
    PlayClock::Millis ms = 0;
    const char* first = line.data() + equals + 1;
    const char* last = line.data() + line.size();
    const auto [end, error] = std::from_chars(first, last, ms);
    if (error != std::errc() || end != last || ms <= 0) continue;
    times.best_[line.substr(0, equals)] = ms;
  }
  return times;
}

std::optional<PlayClock::Millis> BestTimes::Best(const std::string& kind) const {
  const auto at = best_.find(kind);
  if (at == best_.end()) return std::nullopt;
  return at->second;
}

bool BestTimes::Record(const std::string& kind, PlayClock::Millis time) {
  const auto at = best_.find(kind);
  if (at != best_.end() && at->second <= time) return false;
  best_[kind] = time;
  return true;
}

bool BestTimes::Write(const std::string& path) const {
  std::string text;
  for (const auto& [kind, ms] : best_) text += kind + "=" + std::to_string(ms) + "\n";
  return WriteFileAtomically(path, text);
}

}  // namespace kalvero
