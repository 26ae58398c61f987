#pragma once
// The window's side of the engine's Host: yields run pending window events
// (at most every 15 ms, so a fast engine is not slowed by event processing)
// and messages go through the program's own message box.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "model/host.h"

namespace kalvero {

// Shows a message in the program's own message box on owner's window and
// returns the button chosen.
MsgResult ShowMessage(QWidget* owner, const QString& text, const QString& style);

class GuiHost : public Host {
 public:
  explicit GuiHost(QWidget* owner);

  void Yield() override;
  // Runs pending events now, whatever the time since the last yield.
  void YieldNow();
  MsgResult Message(const std::string& text, const std::string& style) override;
  MsgResult Message(const QString& text, const QString& style) { return ShowMessage(owner_, text, style); }
  std::string Input(const std::string& prompt, const std::string& defaultText, bool digitsOnly) override;
  // The engine's texts in the user's language, through Qt's translator.
  std::string Text(const char* english) const override;

 private:
  QPointer<QWidget> owner_;
  QElapsedTimer sinceYield_;
};

}  // namespace kalvero
