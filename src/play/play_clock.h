#pragma once
// Play time on the current puzzle. The clock reads no time of its own: the
// caller passes "now" in milliseconds from a monotonic clock (the window's)
// or a fake one (tests), so pausing and stopping are plain arithmetic.
#include <cstdint>
#include <optional>
#include <string>

namespace kalvero {

class PlayClock {
 public:
  using Millis = std::int64_t;

  // A new puzzle or a reset: running from `elapsed` (0, or the time kept
  // from an earlier run on the same puzzle).
  void Restart(Millis now, Millis elapsed = 0);
  // The window minimised or a creation running; Resume goes on from there.
  void Pause(Millis now);
  void Resume(Millis now);
  // Solved: the time stands until the next Restart.
  void Stop(Millis now);

  Millis Elapsed(Millis now) const;
  bool Stopped() const { return stopped_; }

 private:
  Millis banked_ = 0;               // time counted before the current run
  std::optional<Millis> runningSince_;
  bool stopped_ = false;
};

// "0:05", "7:32", "1:02:03".
std::string ClockText(PlayClock::Millis elapsed);

}  // namespace kalvero
