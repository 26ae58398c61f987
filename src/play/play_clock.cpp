#include "play/play_clock.h"

#include <cstdio>

namespace kalvero {

void PlayClock::Restart(Millis now, Millis elapsed) {
  banked_ = elapsed;
  runningSince_ = now;
  stopped_ = false;
}

void PlayClock::Pause(Millis now) {
  if (!runningSince_) return;
  banked_ += now - *runningSince_;
  runningSince_.reset();
}

void PlayClock::Resume(Millis now) {
  if (!stopped_ && !runningSince_) runningSince_ = now;
}

void PlayClock::Stop(Millis now) {
  Pause(now);
  stopped_ = true;
}

PlayClock::Millis PlayClock::Elapsed(Millis now) const {
  return banked_ + (runningSince_ ? now - *runningSince_ : 0);
}

std::string ClockText(PlayClock::Millis elapsed) {
  const long long seconds = elapsed / 1000;
  char text[32];
  if (seconds >= 3600)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  else
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
  return text;
}

}  // namespace kalvero
