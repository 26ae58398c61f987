// kalvero-tool rate as a script sees it: one line per puzzle, or the puzzle
// lines easiest first. Its failures are in the file command tests.
#include <QtTest>

#include "temp_dir.h"
#include "tool_run.h"

using kalvero::test::TempDir;
using kalvero::test::Tool;

namespace {

// Shipped puzzles 70 (hard), 1 and 3 (very easy), a short line, and a
// complete grid without givens, whose sums alone leave the ladder stuck.
const QByteArray kHard = "5264819739D86371521732956483157698244891B37652675483916319524877928145C6854376219";
const QByteArray kFirst = "5193284673D65I72A82784165934937816256H29D57C11572638498316549729F51G23H4724839156";
const QByteArray kThird = "2374159861H93F72D54562893718749561233I21D85F75617238949158746326D85C27A9723691458";
const QByteArray kOpen = "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

}  // namespace

class ToolHintTest : public QObject {
  Q_OBJECT
 private slots:
  void rate_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("one line per puzzle") << QString() << QByteArray(
        "1 hard naked-triple 181\n2 very-easy sum-area 114\n3 error: line shorter than 81 characters\n"
        "4 unsolved line-box 84\n5 very-easy sum-area 108\n");
    QTest::newRow("sorted, unsolved and unreadable last") << QString("--sort")
        << kThird + "\n" + kFirst + "\n" + kHard + "\n" + kOpen + "\nshort\n";
  }
  void rate() {
    QFETCH(QString, option);
    QFETCH(QByteArray, out);
    TempDir dir;
    QStringList args{"rate", QString::fromStdString(dir.Write("p.txt", kHard + "\r\n" + kFirst + "\r\nshort\r\n" + kOpen + "\r\n" + kThird + "\r\n"))};
    if (!option.isEmpty()) args << option;
    const auto r = Tool(args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, out);
  }
};

QTEST_APPLESS_MAIN(ToolHintTest)
#include "test_tool_hint.moc"
