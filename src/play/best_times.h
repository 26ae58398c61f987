#pragma once
// Best solving times per kind of puzzle ("Tough Hard"), kept in a small text
// file in the per-user data folder: one "KIND=MILLISECONDS" line each,
// written whole and atomically, so a crash never leaves half a file.
#include <map>
#include <optional>
#include <string>

#include "play/play_clock.h"

namespace kalvero {

class BestTimes {
 public:
  // Reads the file; a missing or unreadable file holds no times, and lines
  // that are not "KIND=MILLISECONDS" are skipped.
  static BestTimes Read(const std::string& path);

  std::optional<PlayClock::Millis> Best(const std::string& kind) const;
  // Records a solve; true when it is the first or a new best for its kind.
  bool Record(const std::string& kind, PlayClock::Millis time);
  // False when the file could not be written.
  bool Write(const std::string& path) const;

 private:
  std::map<std::string, PlayClock::Millis> best_;
};

}  // namespace kalvero
