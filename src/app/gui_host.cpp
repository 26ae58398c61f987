#include "app/gui_host.h"

#include <QCoreApplication>

#include "ui/msg_form.h"
#include "ui/translate.h"

namespace kalvero {

namespace {
constexpr qint64 kYieldIntervalMs = 15;
}

GuiHost::GuiHost(QWidget* owner) : owner_(owner) { sinceYield_.start(); }

void GuiHost::Yield() {
  if (sinceYield_.elapsed() < kYieldIntervalMs) return;
  YieldNow();
}

void GuiHost::YieldNow() {
  QCoreApplication::processEvents();
  sinceYield_.restart();
}

MsgResult ShowMessage(QWidget* owner, const QString& text, const QString& style) {
  // The message box answers with the classic numeric codes, which MsgResult names.
  return static_cast<MsgResult>(MsgboxA(owner, text, style));
}

std::string GuiHost::Text(const char* english) const { return Translated(english).toStdString(); }

MsgResult GuiHost::Message(const std::string& text, const std::string& style) {
  return ShowMessage(owner_, QString::fromStdString(text), QString::fromStdString(style));
}

std::string GuiHost::Input(const std::string& prompt, const std::string& defaultText, bool digitsOnly) {
  return Inputbox(owner_, QString::fromStdString(prompt), QString::fromStdString(defaultText), digitsOnly)
      .toStdString();
}

}  // namespace kalvero
