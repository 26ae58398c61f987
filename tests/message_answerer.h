#pragma once
// Answers the program's own message boxes as they appear in a GUI test:
// each message is recorded and answered by clicking the button with the
// next caption of the list ("Ok" when the list runs out). An answer "=text"
// types text into an input box's field and chooses "Enter".
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/box_control.h"
#include "ui/msg_form.h"

namespace kalvero::test {

class MessageAnswerer : public QObject {
 public:
  explicit MessageAnswerer(QStringList answers = {}) : answers_(std::move(answers)) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &MessageAnswerer::Poll);
    timer_.start();
  }
  QStringList seen;
  // Runs as each message is seen, before it is answered.
  std::function<void()> onMessage;

 private:
  void Poll() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      QList<MsgForm*> forms = top->findChildren<MsgForm*>();
      forms << qobject_cast<MsgForm*>(top);
      for (MsgForm* form : forms) {
        if (!form || !form->isVisible()) continue;
        seen << form->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        if (onMessage) onMessage();
        QString caption = answers_.isEmpty() ? QStringLiteral("Ok") : answers_.takeFirst();
        if (caption.startsWith(QLatin1Char('='))) {
          form->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(caption.mid(1));
          caption = QStringLiteral("Enter");
        }
        // Captions are given in English and found in the window's language.
        const QString shown = QCoreApplication::translate("Kalvero", caption.toUtf8().constData());
        for (BoxControl* button : form->findChildren<BoxControl*>())
          if (button->isVisible() && button->Caption() == shown) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
          }
      }
    }
  }
  QStringList answers_;
  QTimer timer_;
};

}  // namespace kalvero::test
