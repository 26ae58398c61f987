#pragma once
// The play-time label under the board ("Time"): counts while the player can
// play, pauses while the window is minimised or a creation runs, stops at
// "All done!", and starts from zero when a puzzle is read or reset.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "play/play_clock.h"

class QLabel;

namespace kalvero {

class PlayTimer : public QObject {
  Q_OBJECT
 public:
  // `paused` says whether the clock should stand still just now.
  PlayTimer(QLabel& label, std::function<bool()> paused, QObject* parent);

  void Restart(PlayClock::Millis elapsed = 0);
  void Stop();
  PlayClock::Millis Elapsed() const { return clock_.Elapsed(Now()); }
  void SetShown(bool shown);

 private:
  PlayClock::Millis Now() const { return monotonic_.elapsed(); }
  void Tick();

  QLabel& label_;
  std::function<bool()> paused_;
  QElapsedTimer monotonic_;
  QTimer tick_;
  PlayClock clock_;
  bool running_ = true;  // not paused at the last tick
};

}  // namespace kalvero
