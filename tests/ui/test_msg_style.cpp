// The message box's style grammar: keywords, order, case, blanks, unknown
// pieces and the default button.
#include <QtTest>

#include "ui/msg_style.h"

using kalvero::MsgStyle;
using kalvero::ParseMsgStyle;

namespace {

// "Ok=1,Cancel=2"
QString ButtonsText(const MsgStyle& style) {
  QStringList parts;
  for (const auto& button : style.buttons) {
    parts << QStringLiteral("%1=%2").arg(QString::fromStdString(button.caption)).arg(static_cast<int>(button.result));
  }
  return parts.join(QLatin1Char(','));
}

// "0,5": the shown icon slots in order.
QString IconsText(const MsgStyle& style) {
  QStringList parts;
  for (int slot = 0; slot < kalvero::kMsgIconSlots; ++slot) {
    if (style.icons[slot]) parts << QString::number(slot);
  }
  return parts.join(QLatin1Char(','));
}

}  // namespace

class TestMsgStyle : public QObject {
  Q_OBJECT

 private slots:
  void parses_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("icons");
    QTest::addColumn<QString>("buttons");

    // Every icon keyword in one style: each lights its own slot ("vbcustom"
    // slot 10), and icons alone still get the default "Ok".
    QTest::newRow("every icon keyword")
        << "vbquestion+vbexclamation+vbinformation+vberror+vbcritical+vbhappy+vbtrash+vbprint+vblighton+vbcustom"
        << "0,1,2,3,4,5,6,7,8,10" << "Ok=1";

    // Button keywords; single buttons such as "vbyes", "vbno", "vbcancel"
    // and "vbretry" are read in the combination rows below.
    QTest::newRow("ok only") << "vbokonly" << "" << "Ok=1";
    QTest::newRow("normal answers 0") << "vbnormal" << "" << "Ok=0";
    QTest::newRow("ok cancel") << "vbokcancel" << "" << "Ok=1,Cancel=2";
    QTest::newRow("cancel ok keeps Ok first") << "vbcancelok" << "" << "Ok=1,Cancel=2";
    QTest::newRow("yes no") << "vbyesno" << "" << "Yes=6,No=7";
    QTest::newRow("yes no cancel") << "vbyesnocancel" << "" << "Yes=6,No=7,Cancel=2";
    QTest::newRow("retry cancel") << "vbretrycancel" << "" << "Retry=4,Cancel=2";
    QTest::newRow("abort and ignore alone") << "vbabort+vbignore" << "" << "Abort=3,Ignore=5";
    QTest::newRow("abort retry ignore") << "vbabortretryignore" << "" << "Abort=3,Retry=4,Ignore=5";
    QTest::newRow("continue cancel shows information") << "vbcontinuecancel" << "2" << "Continue=6,Cancel=2";

    // Combinations, order, case and blanks.
    QTest::newRow("ok + critical") << "vbok+vbcritical" << "4" << "Ok=1";
    QTest::newRow("mixed case yes no") << "vbYesNo+vbquestion" << "0" << "Yes=6,No=7";
    QTest::newRow("question first") << "vbquestion+vbyesno" << "0" << "Yes=6,No=7";
    QTest::newRow("ok + cancel as two pieces") << "vbok+vbcancel" << "" << "Ok=1,Cancel=2";
    QTest::newRow("pieces keep their order") << "vbcancel+vbok" << "" << "Cancel=2,Ok=1";
    QTest::newRow("blanks around pieces") << "  VBOK +  VbExclamation " << "1" << "Ok=1";
    QTest::newRow("several icons stay shown") << "vbhappy+vbquestion+vbok" << "0,5" << "Ok=1";
    QTest::newRow("same keyword twice") << "vbok+vbok" << "" << "Ok=1,Ok=1";

    // Unknown pieces and the default button.
    QTest::newRow("empty style") << "" << "" << "Ok=1";
    QTest::newRow("unknown only") << "vbmaybe" << "" << "Ok=1";
    QTest::newRow("unknown piece skipped") << "vbyes+vbfoo+vbno" << "" << "Yes=6,No=7";
    QTest::newRow("inner blank is not trimmed") << "vb ok+vbinformation" << "2" << "Ok=1";
    QTest::newRow("empty pieces") << "+vbretry++" << "" << "Retry=4";
    QTest::newRow("no plus inside keywords") << "vbyes no" << "" << "Ok=1";

    // Three button positions: later buttons are dropped.
    QTest::newRow("fourth button dropped") << "vbyesnocancel+vbok" << "" << "Yes=6,No=7,Cancel=2";
    QTest::newRow("overflow inside one keyword") << "vbok+vbabortretryignore" << "" << "Ok=1,Abort=3,Retry=4";
  }

  void parses() {
    QFETCH(QString, style);
    QFETCH(QString, icons);
    QFETCH(QString, buttons);
    const MsgStyle parsed = ParseMsgStyle(style.toStdString());
    QCOMPARE(IconsText(parsed), icons);
    QCOMPARE(ButtonsText(parsed), buttons);
  }
};

QTEST_APPLESS_MAIN(TestMsgStyle)
#include "test_msg_style.moc"
