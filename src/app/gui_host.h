#pragma once
// The window's side of the engine's Host: yields run pending window events
// (at most every 15 ms, so a fast engine is not slowed by event processing)
// and messages go through the program's own message box.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "model/host.h"

namespace kalvero {

class GuiHost : public Host {
 public:
  explicit GuiHost(QWidget* owner);

  void Yield() override;
  // Runs pending events now, whatever the time since the last yield.
  void YieldNow();
  MsgResult Message(const std::string& text, const std::string& style) override;
  std::string Input(const std::string& prompt, const std::string& defaultText, bool digitsOnly) override;

 private:
  QPointer<QWidget> owner_;
  QElapsedTimer sinceYield_;
};

}  // namespace kalvero
