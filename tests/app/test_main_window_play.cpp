// Playing in the real window: hover and typing, the pencil-marks key, undo
// and reset, holding the solution button and checking the board.
#include <QAccessible>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

#include "app/main_window.h"
#include "app_folder.h"
#include "message_answerer.h"
#include "model/config.h"
#include "view/board_view.h"
#include "view/drawn_text.h"
#include "window_probe.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

// A shown window on the first shipped puzzle, with the pencil tip switched on.
void WriteConfig(const Folder& folder, int puzzleNumber = 1) {
  Settings settings = DefaultSettings();
  settings.PencilTooltip = 1;
  settings.PuzzleNumber = puzzleNumber;
  folder.WriteConfig(settings);
}

struct Playing {
  Folder folder;
  MainWindow window{folder.paths()};
  BoardView* board = nullptr;
  Playing() {
    WriteConfig(folder);
    MessageAnswerer answers;
    window.Start();
    window.show();
    board = window.findChild<BoardView*>(QStringLiteral("Picture1"));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }
  PuzzleState& State() { return window.Context().state; }
  // Every open cell gets its solution digit.
  void FillSolution() {
    PuzzleState& s = State();
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (s.FixedValue[r][c].empty()) s.UserEntry[r][c] = std::to_string(s.Solution[r][c]);
  }
  void Hover(int r, int c) {
    const BoardGeometry& g = board->Geometry();
    const QPointF at = QPointF(g.CellX(r, c) + 300, g.CellY(r, c) + 300) * board->Scale();
    QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(board, &move);
  }
  QString Drawn(int r, int c, Colour* colour = nullptr) const {
    return DrawnIn(board->Surface(), board->Geometry(), r, c, colour);
  }
  QString AccessibleValue() const {
    return QAccessible::queryAccessibleInterface(board)->text(QAccessible::Value);
  }
};

}  // namespace

class MainWindowPlayTest : public QObject {
  Q_OBJECT
 private slots:
  // Hovering selects and focuses the board; digits go in as a value and then
  // as marks; one Escape clears twice; F2 draws computed marks in the pencil
  // colour and the pencil field shows them on hover.
  void entryAndPencilMarks() {
    Playing p;
    p.Hover(1, 1);
    QCOMPARE(p.State().SelRow, 1);
    QVERIFY(p.board->hasFocus());
    QTest::keyClicks(p.board, QStringLiteral("53"));
    QCOMPARE(p.State().UserEntry[1][1], std::string("53"));
    QCOMPARE(p.Drawn(1, 1), QStringLiteral("53"));
    QCOMPARE(p.AccessibleValue(), QStringLiteral("row 1, column 1: 53"));
    QTest::keyClick(p.board, Qt::Key_Escape);
    QCOMPARE(p.State().UserEntry[1][1], std::string());
    for (const char* restored : {"", "53", "5"}) {
      Click(p.window, "cmdundo");
      QCOMPARE(p.State().UserEntry[1][1], std::string(restored));
    }
    QTest::keyClick(p.board, Qt::Key_F2);
    Colour colour = kBlack;
    const QString marks = QString::fromStdString(p.State().CandidateGrid[1][2]);
    QVERIFY(marks.size() > 1);
    QCOMPARE(p.Drawn(1, 2, &colour), marks);
    QCOMPARE(colour, p.window.Context().settings.PencilColour);
    p.Hover(1, 2);
    QCOMPARE(p.window.findChild<QLineEdit*>(QStringLiteral("Label5"))->text(), marks);
    Click(p.window, "cmdpen", Qt::RightButton);
    QCOMPARE(p.Drawn(1, 2), QString());
  }

  // A held Delete repeats its press and release, but clears the cell once:
  // one undo brings the digit back.
  void heldDeleteRecordsOnce() {
    Playing p;
    p.Hover(1, 1);
    QTest::keyClick(p.board, '5');
    const bool repeats[][2] = {{false, true}, {true, true}, {true, false}};  // press, release
    for (const auto& [pressRepeat, releaseRepeat] : repeats) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), pressRepeat);
      QApplication::sendEvent(p.board, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), releaseRepeat);
      QApplication::sendEvent(p.board, &release);
    }
    QCOMPARE(p.State().UserEntry[1][1], std::string());
    Click(p.window, "cmdundo");
    QCOMPARE(p.State().UserEntry[1][1], std::string("5"));
  }

  // A right click on undo answered No keeps the entries and empties the
  // list; the reset button answered Yes reads the puzzle again, which
  // empties the list too.
  void undoAndReset() {
    Playing p;
    p.Hover(1, 1);
    QTest::keyClicks(p.board, QStringLiteral("47"));
    {
      MessageAnswerer answers({QStringLiteral("No")});
      Click(p.window, "cmdundo", Qt::RightButton);
      QCOMPARE(answers.seen, QStringList{QStringLiteral("All user values will be cleared, proceed?")});
    }
    Click(p.window, "cmdundo");
    QCOMPARE(p.State().UserEntry[1][1], std::string("47"));
    QTest::keyClick(p.board, '8');
    MessageAnswerer answers({QStringLiteral("Yes")});
    Click(p.window, "cmdreset");
    QCOMPARE(p.State().UserEntry[1][1], std::string());
    QCOMPARE(LabelText(p.window, "lblstatus"), QStringLiteral("Puzzle reset"));
    Click(p.window, "cmdundo");  // the read emptied the list
    QCOMPARE(p.State().UserEntry[1][1], std::string());
  }

  // Holding the solution button shows the solution; releasing brings the
  // board back. A solved board is "All done!" in the status and in a box.
  void solutionAndCheck() {
    Playing p;
    p.Hover(1, 1);
    QTest::keyClick(p.board, '9');
    BoxControl* solution = Button(p.window, "cmdshowsol");
    QTest::mousePress(solution, Qt::LeftButton);
    QCOMPARE(LabelText(p.window, "lblstatus"), QStringLiteral("Solution ..."));
    QCOMPARE(p.Drawn(1, 1), QString::number(p.State().Solution[1][1]));
    QTest::mouseRelease(solution, Qt::LeftButton);
    QCOMPARE(LabelText(p.window, "lblstatus"), QString());
    QCOMPARE(p.Drawn(1, 1), QStringLiteral("9"));
    p.FillSolution();
    MessageAnswerer answers;
    Click(p.window, "cmdverify");
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY2(answers.seen[0].startsWith(QStringLiteral("All done!\nSolved in 0:0")) &&
                 answers.seen[0].endsWith(QStringLiteral("with hints or the solution shown: not counted for the best times")),
             qPrintable(answers.seen[0]));
    QCOMPARE(LabelText(p.window, "lblstatus"), QStringLiteral("All done!"));
  }

  // A solve without help is timed: the first is a new best, written to the
  // best-times file; the clock stops at "All done!", so a second check
  // matches it and names the best instead.
  void bestTimes() {
    Playing p;
    p.FillSolution();
    MessageAnswerer answers;
    Click(p.window, "cmdverify");
    Click(p.window, "cmdverify");
    QCOMPARE(answers.seen.size(), 2);
    QVERIFY2(answers.seen[0].contains(QStringLiteral(" \u2014 a new best for ")), qPrintable(answers.seen[0]));
    QVERIFY2(answers.seen[1].contains(QStringLiteral("; the best for ")), qPrintable(answers.seen[1]));
    QVERIFY(p.folder.Read("besttimes.txt").contains("Very Easy="));
    QCOMPARE(p.window.findChild<QLabel*>(QStringLiteral("lbltime"))->accessibleName(), QStringLiteral("Time"));
  }

  // A wrong digit is named before any logic, in the status label and a box,
  // and outlined; the second ask (F4) clears it, undo brings it back and
  // redo (Ctrl+Y) clears it again.
  void hintWrongValueFirst() {
    Playing p;
    p.Hover(1, 1);
    const std::string wrong = std::to_string(p.State().Solution[1][1] % 9 + 1);
    QTest::keyClick(p.board, wrong[0]);
    const std::size_t overlayCalls = p.board->Overlay().CallCount();
    const QString text = QStringLiteral("The %1 in row 1, column 1 is wrong").arg(QString::fromStdString(wrong));
    {
      MessageAnswerer answers;
      Action(p.window, "mnuhint")->trigger();
      QCOMPARE(answers.seen, QStringList{text});
    }
    QCOMPARE(Action(p.window, "mnuhint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    QCOMPARE(LabelText(p.window, "lblstatus"), text);
    QVERIFY(p.board->Overlay().CallCount() > overlayCalls);
    QCOMPARE(p.State().UserEntry[1][1], wrong);
    QTest::keyClick(p.board, Qt::Key_F4);
    QCOMPARE(p.State().UserEntry[1][1], std::string());
    Click(p.window, "cmdundo");
    QCOMPARE(p.State().UserEntry[1][1], wrong);
    // Through the window system, as shortcuts are matched there.
    p.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    QTest::keyClick(p.window.windowHandle(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(p.State().UserEntry[1][1], std::string());
    QTest::keyClick(p.window.windowHandle(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(p.State().UserEntry[1][1], std::string());  // nothing left to redo
  }

  // Entries left on the board come back at the next start on the same
  // puzzle only.
  void resume_data() {
    QTest::addColumn<QString>("entry");     // row 1, column 1 when the last window ends
    QTest::addColumn<bool>("exitMenu");     // File > Exit, else the close box
    QTest::addColumn<int>("number");        // the puzzle the second start shows
    QTest::addColumn<bool>("lineChanged");  // the file's first puzzle differs by then
    QTest::addColumn<bool>("restored");
    QTest::newRow("close box, same puzzle") << "47" << false << 1 << false << true;
    QTest::newRow("Exit, same puzzle") << "5" << true << 1 << false << true;
    QTest::newRow("another number") << "47" << false << 2 << false << false;
    QTest::newRow("same number, another line") << "47" << false << 1 << true << false;
    QTest::newRow("no entries left") << "" << false << 1 << false << false;
  }
  void resume() {
    QFETCH(QString, entry);
    QFETCH(bool, exitMenu);
    QFETCH(int, number);
    QFETCH(bool, lineChanged);
    QFETCH(bool, restored);
    Folder folder;
    WriteConfig(folder);
    // A run before leaves other entries, which the last run replaces or,
    // leaving an empty board, drops.
    for (const QString& left : {QStringLiteral("3"), entry}) {
      MainWindow first(folder.paths());
      MessageAnswerer answers({QStringLiteral("Yes")});
      first.Start();
      first.show();
      first.Context().state.UserEntry[1][1] = left.toStdString();
      if (exitMenu)
        first.Exit();
      else
        first.close();
      QVERIFY(!first.isVisible());
    }
    WriteConfig(folder, number);
    if (lineChanged) {
      QFile file(folder.path("puzzles.txt"));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QList<QByteArray> lines = file.readAll().split('\n');
      file.close();
      lines.swapItemsAt(0, 1);
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      file.write(lines.join('\n'));
    }
    MainWindow second(folder.paths());
    MessageAnswerer answers;
    second.Start();
    QCOMPARE(second.Context().state.PuzzleNumber, number);
    QCOMPARE(QString::fromStdString(second.Context().state.UserEntry[1][1]), restored ? entry : QString());
    QCOMPARE(LabelText(second, "lblstatus"),
             restored ? QStringLiteral("Unfinished entries restored") : QStringLiteral("Puzzle read"));
  }

  // Entries that cannot be kept (a folder where the file goes) are not lost
  // without a word.
  void unkeptEntriesAreReported() {
    Folder folder;
    WriteConfig(folder);
    QVERIFY(QDir().mkdir(folder.path("unfinished.dat")));
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    window.show();
    window.Context().state.UserEntry[1][1] = "5";
    window.close();
    QCOMPARE(answers.seen,
             QStringList{QStringLiteral("Could not keep the unfinished entries in:\n") + folder.path("unfinished.dat")});
  }
};

QTEST_MAIN(MainWindowPlayTest)
#include "test_main_window_play.moc"
