// The message and input window driven as a user would: mouse releases,
// Enter and other keys on buttons, Escape, typing into the field.
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QScreen>
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
  // Actions: "click N" / "right N" release button N with that mouse button;
  // "keys N" presses Y, Space and then Enter on button N, and only Enter
  // answers; "escape" presses Escape on the focused first button, which
  // passes it on to the window.
  void answers_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("result");
    const QStringList yesNo{"Yes", "No"};
    QTest::newRow("no") << "vbYesNo+vbquestion" << "click 1" << yesNo << 7;
    QTest::newRow("normal ok answers 0") << "vbnormal" << "click 0" << QStringList{"Ok"} << 0;
    QTest::newRow("third button") << "vbabortretryignore" << "click 2" << QStringList{"Abort", "Retry", "Ignore"} << 5;
    QTest::newRow("continue") << "vbcontinuecancel" << "click 0" << QStringList{"Continue", "Cancel"} << 6;
    QTest::newRow("right button releases too") << "vbokcancel" << "right 1" << QStringList{"Ok", "Cancel"} << 2;
    QTest::newRow("Enter on the focused button") << "vbYesNo+vbquestion" << "keys 1" << yesNo << 7;
    QTest::newRow("escape: cancel when offered") << "vbyesnocancel" << "escape" << QStringList{"Yes", "No", "Cancel"} << 2;
    QTest::newRow("escape: cancel first") << "vbcancel+vbok" << "escape" << QStringList{"Cancel", "Ok"} << 2;
    QTest::newRow("escape: else the last button") << "vbyesno" << "escape" << yesNo << 7;
    QTest::newRow("escape: single ok") << "vbok+vbexclamation" << "escape" << QStringList{"Ok"} << 1;
  }

  void answers() {
    QFETCH(QString, style);
    QFETCH(QString, action);
    QFETCH(QStringList, captions);
    QFETCH(int, result);
    MsgForm form;
    QStringList shown;
    bool leftOpen = true;
    bool openAfterOtherKeys = true;
    WhenShown(
        form,
        [&] {
          shown = VisibleCaptions(form);
          BoxControl* button = Button(form, action.section(QLatin1Char(' '), 1).toInt());
          if (action == QLatin1String("escape")) {
            QTest::keyClick(button, Qt::Key_Escape);
          } else if (action.startsWith(QLatin1String("keys"))) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Y);
            QTest::keyClick(button, Qt::Key_Space);
            openAfterOtherKeys = form.isVisible();
            QTest::keyClick(button, Qt::Key_Return);
          } else {
            QTest::mouseClick(button, action.startsWith(QLatin1String("right")) ? Qt::RightButton : Qt::LeftButton);
          }
        },
        &leftOpen);
    QCOMPARE(form.MsgboxA(QStringLiteral("Question?"), style), result);
    QVERIFY(!leftOpen);
    QVERIFY(openAfterOtherKeys);
    QCOMPARE(shown, captions);
  }

  // A window reused after an input box hides the field and the buttons it
  // no longer needs, and centres the row under the message.
  void layoutFollowsTheCall() {
    MsgForm form;
    WhenShown(form, [&] { QTest::mouseClick(Button(form, 2), Qt::LeftButton); });
    form.Inputbox(QStringLiteral("Name?"), QString(), false);

    QStringList shown;
    int leftGap = -1;
    int rightGap = -1;
    bool belowLabel = false;
    bool fieldVisible = true;
    QString labelText;
    WhenShown(form, [&] {
      shown = VisibleCaptions(form);
      fieldVisible = Field(form)->isVisible();
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
    QVERIFY(!fieldVisible);
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
    QStringList shown;
    bool fieldVisible = false;
    WhenShown(
        form,
        [&] {
          QLineEdit* field = Field(form);
          shown = VisibleCaptions(form);
          fieldVisible = field->isVisible();
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
    QCOMPARE(shown, (QStringList{"Enter", "Default", "Cancel"}));
    QVERIFY(fieldVisible);
    if (steps.contains(QStringLiteral("default"))) QCOMPARE(afterDefault, (QStringList{"5", "1", "1"}));
  }

  // A long text wraps at word boundaries, so the box is no wider than its
  // window or two thirds of the screen, whichever is wider; a short one
  // keeps its line after it.
  void longTextWraps() {
    QWidget top;
    top.resize(300, 200);
    top.show();
    MsgForm& form = kalvero::MessageForm(top);
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
    const auto shownWidth = [&](const QString& text, bool& wrapped) {
      int width = 0;
      WhenShown(form, [&] {
        width = form.width();
        wrapped = label->wordWrap();
      });
      form.MsgboxA(text, QStringLiteral("vbok"));
      return width;
    };
    bool wrapped = false;
    const int widest = std::max(300, top.screen()->availableGeometry().width() * 2 / 3);
    QVERIFY(shownWidth(QStringLiteral("word ").repeated(150).trimmed(), wrapped) <= widest);
    QVERIFY(wrapped);
    shownWidth(QStringLiteral("Short"), wrapped);
    QVERIFY(!wrapped);
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
