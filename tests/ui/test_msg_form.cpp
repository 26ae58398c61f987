// The message and input window driven as a user would: mouse releases,
// Enter and other keys on buttons, Escape, typing into the field.
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/box_control.h"
#include "ui/msg_form.h"

using kalvero::BoxControl;
using kalvero::MsgForm;

namespace {

BoxControl* Button(QWidget& form, int index) { return form.findChild<BoxControl*>(QStringLiteral("cmd%1").arg(index)); }
QLineEdit* Field(QWidget& form) { return form.findChild<QLineEdit*>(QStringLiteral("Text1")); }

// Runs the steps once the form's modal loop is running. A form the steps
// leave open is closed, so a failing test cannot hang; leftOpen tells.
void WhenShown(MsgForm& form, std::function<void()> steps, bool* leftOpen = nullptr) {
  QTimer::singleShot(0, &form, [&form, steps = std::move(steps), leftOpen] {
    steps();
    if (leftOpen != nullptr) *leftOpen = form.isVisible();
    if (form.isVisible()) form.done(0);
  });
}

QStringList VisibleCaptions(MsgForm& form) {
  QStringList captions;
  for (int i = 0; i < 3; ++i) {
    if (!Button(form, i)->isHidden()) captions << Button(form, i)->Caption();
  }
  return captions;
}

}  // namespace

class TestMsgForm : public QObject {
  Q_OBJECT

 private slots:
  void clickAnswers_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<int>("result");
    const QStringList yesNo{"Yes", "No"};
    QTest::newRow("yes") << "vbYesNo+vbquestion" << yesNo << 0 << Qt::LeftButton << 6;
    QTest::newRow("no") << "vbYesNo+vbquestion" << yesNo << 1 << Qt::LeftButton << 7;
    QTest::newRow("ok") << "vbok+vbcritical" << QStringList{"Ok"} << 0 << Qt::LeftButton << 1;
    QTest::newRow("normal ok answers 0") << "vbnormal" << QStringList{"Ok"} << 0 << Qt::LeftButton << 0;
    QTest::newRow("no button keyword") << "vbinformation" << QStringList{"Ok"} << 0 << Qt::LeftButton << 1;
    QTest::newRow("third button") << "vbabortretryignore" << QStringList{"Abort", "Retry", "Ignore"} << 2
                                  << Qt::LeftButton << 5;
    QTest::newRow("continue") << "vbcontinuecancel" << QStringList{"Continue", "Cancel"} << 0 << Qt::LeftButton
                              << 6;
    QTest::newRow("right button releases too") << "vbokcancel" << QStringList{"Ok", "Cancel"} << 1
                                               << Qt::RightButton << 2;
  }

  void clickAnswers() {
    QFETCH(QString, style);
    QFETCH(QStringList, captions);
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(int, result);
    MsgForm form;
    QStringList shown;
    bool leftOpen = true;
    WhenShown(
        form,
        [&] {
          shown = VisibleCaptions(form);
          QTest::mouseClick(Button(form, index), mouse);
        },
        &leftOpen);
    QCOMPARE(form.MsgboxA(QStringLiteral("Question?"), style), result);
    QVERIFY(!leftOpen);
    QCOMPARE(shown, captions);
    QVERIFY(!form.isVisible());
  }

  // Enter on the focused button answers; other keys are discarded.
  void enterOnFocusedButton() {
    MsgForm form;
    bool leftOpen = true;
    bool openAfterOtherKeys = false;
    WhenShown(
        form,
        [&] {
          BoxControl* no = Button(form, 1);
          no->setFocus();
          QTest::keyClick(no, Qt::Key_Y);
          QTest::keyClick(no, Qt::Key_Space);
          openAfterOtherKeys = form.isVisible();
          QTest::keyClick(no, Qt::Key_Return);
        },
        &leftOpen);
    QCOMPARE(form.MsgboxA(QStringLiteral("Exit?"), QStringLiteral("vbYesNo+vbquestion")), 7);
    QVERIFY(openAfterOtherKeys);
    QVERIFY(!leftOpen);
  }

  void escapeAnswers_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("result");
    QTest::newRow("cancel when offered") << "vbyesnocancel" << 2;
    QTest::newRow("cancel first") << "vbcancel+vbok" << 2;
    QTest::newRow("else the last button") << "vbyesno" << 7;
    QTest::newRow("single ok") << "vbok+vbexclamation" << 1;
  }

  void escapeAnswers() {
    QFETCH(QString, style);
    QFETCH(int, result);
    MsgForm form;
    // Sent to the focused button, which passes Escape on to the window.
    WhenShown(form, [&] { QTest::keyClick(Button(form, 0), Qt::Key_Escape); });
    QCOMPARE(form.MsgboxA(QStringLiteral("Sure?"), style), result);
  }

  // A window reused for a shorter style hides the buttons it no longer needs,
  // and centres the row under the message.
  void layoutFollowsTheCall() {
    MsgForm form;
    WhenShown(form, [&] { QTest::mouseClick(Button(form, 0), Qt::LeftButton); });
    form.MsgboxA(QStringLiteral("one"), QStringLiteral("vbyesnocancel"));

    QStringList shown;
    int leftGap = -1;
    int rightGap = -1;
    bool belowLabel = false;
    QString labelText;
    WhenShown(form, [&] {
      shown = VisibleCaptions(form);
      const QRect first = Button(form, 0)->geometry();
      const QRect last = Button(form, 1)->geometry();
      leftGap = first.left();
      rightGap = form.width() - 1 - last.right();
      auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
      belowLabel = first.top() > label->geometry().bottom();
      labelText = label->text();
      QTest::mouseClick(Button(form, 0), Qt::LeftButton);
    });
    form.MsgboxA(QStringLiteral("A much longer first line of the message\r\nand a second line"),
                 QStringLiteral("vbokcancel"));
    QCOMPARE(shown, (QStringList{"Ok", "Cancel"}));
    QVERIFY(belowLabel);
    QVERIFY2(std::abs(leftGap - rightGap) <= 1, qPrintable(QStringLiteral("%1 vs %2").arg(leftGap).arg(rightGap)));
    QCOMPARE(labelText, QStringLiteral("A much longer first line of the message\nand a second line"));
  }

  void appearance() {
    MsgForm form;
    QFont font(QStringLiteral("Ariel"));
    font.setPointSize(12);
    font.setBold(true);
    const QColor control(200, 30, 30);
    form.SetAppearance(Qt::black, control, font, QColor(10, 10, 10));
    QColor window;
    QColor button;
    QFont buttonFont;
    WhenShown(form, [&] {
      window = form.palette().color(QPalette::Window);
      button = Button(form, 0)->BackColor();
      buttonFont = Button(form, 0)->font();
      QTest::mouseClick(Button(form, 0), Qt::LeftButton);
    });
    form.MsgboxA(QStringLiteral("Styled"), QStringLiteral("vbok"));
    QCOMPARE(window, control);  // a black background gives way to the control colour
    QCOMPARE(button, control);
    QCOMPARE(buttonFont.pointSize(), 11);
    QVERIFY(buttonFont.bold());
  }

  // Input mode. Steps: "type:TEXT" types into the field, "default", "enter"
  // and "cancel" release that button, "return" presses Enter in the field,
  // "escape" presses Escape. Right after "Default" the field must hold the
  // default text again, with the window open and the focus in the field.
  void input_data() {
    QTest::addColumn<bool>("digitsOnly");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("result");
    QTest::newRow("default text kept") << true << QStringList{"enter"} << "5";
    QTest::newRow("typing replaces the selected default") << false << QStringList{"type:12", "enter"} << "12";
    QTest::newRow("digits only drops letters") << true << QStringList{"type:1a2b3", "enter"} << "123";
    QTest::newRow("letters allowed otherwise") << false << QStringList{"type:ab7", "enter"} << "ab7";
    QTest::newRow("default restores and keeps asking")
        << true << QStringList{"type:77", "default", "type:9", "enter"} << "59";
    QTest::newRow("cancel gives empty") << true << QStringList{"type:42", "cancel"} << "";
    QTest::newRow("escape gives empty") << false << QStringList{"type:42", "escape"} << "";
    QTest::newRow("enter in the field") << true << QStringList{"type:8", "return"} << "8";
  }

  void input() {
    QFETCH(bool, digitsOnly);
    QFETCH(QStringList, steps);
    QFETCH(QString, result);
    MsgForm form;
    bool leftOpen = true;
    QStringList afterDefault;
    WhenShown(
        form,
        [&] {
          QLineEdit* field = Field(form);
          for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("type:"))) {
              QTest::keyClicks(field, step.mid(5));
            } else if (step == QLatin1String("default")) {
              QTest::mouseClick(Button(form, 1), Qt::LeftButton);
              afterDefault << field->text() << QString::number(form.isVisible())
                           << QString::number(form.focusWidget() == field);
              field->end(false);
            } else if (step == QLatin1String("enter")) {
              QTest::mouseClick(Button(form, 0), Qt::LeftButton);
            } else if (step == QLatin1String("cancel")) {
              QTest::mouseClick(Button(form, 2), Qt::LeftButton);
            } else if (step == QLatin1String("return")) {
              QTest::keyClick(field, Qt::Key_Return);
            } else if (step == QLatin1String("escape")) {
              QTest::keyClick(&form, Qt::Key_Escape);
            }
          }
        },
        &leftOpen);
    QCOMPARE(form.Inputbox(QStringLiteral("Puzzle number?"), QStringLiteral("5"), digitsOnly), result);
    QVERIFY(!leftOpen);
    if (steps.contains(QStringLiteral("default"))) QCOMPARE(afterDefault, (QStringList{"5", "1", "1"}));
  }

  void inputButtonsAndField() {
    MsgForm form;
    QStringList shown;
    bool fieldVisible = false;
    WhenShown(form, [&] {
      shown = VisibleCaptions(form);
      fieldVisible = Field(form)->isVisible();
      QTest::mouseClick(Button(form, 2), Qt::LeftButton);
    });
    form.Inputbox(QStringLiteral("Name?"), QString(), false);
    QCOMPARE(shown, (QStringList{"Enter", "Default", "Cancel"}));
    QVERIFY(fieldVisible);

    // The next message hides the field again.
    WhenShown(form, [&] {
      fieldVisible = Field(form)->isVisible();
      QTest::mouseClick(Button(form, 0), Qt::LeftButton);
    });
    form.MsgboxA(QStringLiteral("Done"), QStringLiteral("vbok"));
    QVERIFY(!fieldVisible);
  }

  // The free functions find the one form of the top-level window, whichever
  // of its widgets asks, and keep it for later calls.
  void oneFormPerWindow() {
    QWidget top;
    QWidget child(&top);
    top.show();
    for (int call = 0; call < 2; ++call) {
      QTimer::singleShot(0, &top, [&top] {
        auto* form = top.findChild<MsgForm*>();
        QVERIFY(form != nullptr);
        QTest::mouseClick(Button(*form, 1), Qt::LeftButton);
      });
      QCOMPARE(kalvero::MsgboxA(call == 0 ? &child : &top, QStringLiteral("Again?"), QStringLiteral("vbyesno")), 7);
    }
    QCOMPARE(top.findChildren<MsgForm*>().size(), 1);
    QCOMPARE(&kalvero::MessageForm(child), top.findChild<MsgForm*>());
    QCOMPARE(kalvero::MessageForm(child).windowTitle(), QStringLiteral("Kalvero"));
  }
};

QTEST_MAIN(TestMsgForm)
#include "test_msg_form.moc"
