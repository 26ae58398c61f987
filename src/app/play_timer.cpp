#include "app/play_timer.h"

#include <QLabel>

namespace kalvero {

namespace {
// Often enough that a second never shows late by more than a fraction.
constexpr int kTickMs = 250;
}  // namespace

PlayTimer::PlayTimer(QLabel& label, std::function<bool()> paused, QObject* parent)
    : QObject(parent), label_(label), paused_(std::move(paused)) {
  monotonic_.start();
  tick_.setInterval(kTickMs);
  connect(&tick_, &QTimer::timeout, this, &PlayTimer::Tick);
  tick_.start();
  clock_.Restart(Now());
  Tick();
}

void PlayTimer::Restart(PlayClock::Millis elapsed) {
  clock_.Restart(Now(), elapsed);
  running_ = true;
  Tick();
}

void PlayTimer::Stop() {
  clock_.Stop(Now());
  Tick();
}

void PlayTimer::SetShown(bool shown) { label_.setVisible(shown); }

void PlayTimer::Tick() {
  const bool run = !paused_();
  if (run != running_) {
    if (run)
      clock_.Resume(Now());
    else
      clock_.Pause(Now());
    running_ = run;
  }
  label_.setText(QString::fromStdString(ClockText(clock_.Elapsed(Now()))));
}

}  // namespace kalvero
