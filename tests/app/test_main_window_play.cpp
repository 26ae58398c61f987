// Playing in the real window: typing, pencil marks, undo and reset, the
// solution button, checking, hints, entries kept for the next start; and
// creating: the button, the menu and grade, cancelling with Escape, batches.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

#include "app/user_settings.h"
#include "app_folder.h"
#include "ui/create_options_form.h"
#include "view/board_view.h"
#include "view/drawn_text.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

// The first shipped puzzle, with the pencil tip switched on.
Settings PlaySettings() {
  Settings settings = DefaultSettings();
  settings.PencilTooltip = 1;
  return settings;
}

struct Playing : Started {
  BoardView* board = window.findChild<BoardView*>(QStringLiteral("Picture1"));
  Playing() : Started(PlaySettings()) { QVERIFY(QTest::qWaitForWindowExposed(&window)); }
  std::string& Entry() { return State().UserEntry[1][1]; }
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
  // A shortcut through the window system, where shortcuts are matched.
  void Shortcut(Qt::Key key) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), key, Qt::ControlModifier);
  }
};

void PressEscape(const MainWindow& window) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.findChild<QWidget*>(QStringLiteral("Picture1")), &escape);
}

// Opens the create-options window with a right click on the create button
// and, from it, runs `form` before the window is left.
void WithOptions(MainWindow& window, const std::function<void(CreateOptionsForm&)>& form) {
  QTimer::singleShot(0, &window, [&window, form] { form(*window.findChild<CreateOptionsForm*>()); });
  Click(window, "cmdcreate", Qt::RightButton);
}

// Runs a batch of `count` puzzles (empty: Exit) with the "Hard" preset or
// else one drawn cell.
void Batch(MainWindow& window, const QString& count, bool hardPreset = false) {
  WithOptions(window, [&](CreateOptionsForm& form) {
    if (count.isEmpty()) return form.ExitWindow();
    if (hardPreset) {
      form.SelectOption(CreateOptionsForm::PatternOption::Hard);
      form.SetPattern();
    } else {
      form.ToggleCell(5, 5);
    }
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(count);
    form.AcceptOptions();
  });
}

}  // namespace

class MainWindowPlayTest : public QObject {
  Q_OBJECT
 private slots:
  // Hover focuses the board; digits go in as a value, then marks; one Escape
  // clears twice; F2 draws marks in the pencil colour, shown on hover too.
  void entryAndPencilMarks() {
    Playing p;
    p.Hover(1, 1);
    QVERIFY(p.board->hasFocus());
    QTest::keyClicks(p.board, QStringLiteral("53"));
    QCOMPARE(p.Entry(), std::string("53"));
    QCOMPARE(p.Drawn(1, 1), QStringLiteral("53"));
    QCOMPARE(QAccessible::queryAccessibleInterface(p.board)->text(QAccessible::Value),
             QStringLiteral("row 1, column 1: 53"));
    QTest::keyClick(p.board, Qt::Key_Escape);
    QCOMPARE(p.Entry(), std::string());
    for (const char* restored : {"", "53", "5"}) {
      Click(p.window, "cmdundo");
      QCOMPARE(p.Entry(), std::string(restored));
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

  // A held Delete clears the cell once: one undo brings the digits back.
  // Reset answered Yes reads the puzzle again and empties the undo list; a
  // right click on undo asks before it clears all.
  void deleteUndoAndReset() {
    Playing p;
    p.Hover(1, 1);
    QTest::keyClicks(p.board, QStringLiteral("47"));
    const bool repeats[][2] = {{false, true}, {true, true}, {true, false}};  // press, release
    for (const auto& [pressRepeat, releaseRepeat] : repeats) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), pressRepeat);
      QApplication::sendEvent(p.board, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), releaseRepeat);
      QApplication::sendEvent(p.board, &release);
    }
    QCOMPARE(p.Entry(), std::string());
    Click(p.window, "cmdundo");
    QCOMPARE(p.Entry(), std::string("47"));
    MessageAnswerer answers({QStringLiteral("Yes"), QStringLiteral("No")});
    Click(p.window, "cmdreset");
    QCOMPARE(LabelText(p.window, "lblstatus"), QStringLiteral("Puzzle reset"));
    Click(p.window, "cmdundo");  // no "4" comes back
    QCOMPARE(p.Entry(), std::string());
    QTest::keyClick(p.board, '5');
    Click(p.window, "cmdundo", Qt::RightButton);
    QCOMPARE(answers.seen, QStringList(2, QStringLiteral("All user values will be cleared, proceed?")));
  }

  // Holding the solution button shows the solution; releasing brings the
  // board back. A solved board is "All done!" in the status and in a box;
  // with the solution seen the time does not count.
  void solutionAndCheck() {
    Playing p;
    p.Hover(1, 1);
    QTest::keyClick(p.board, '9');
    BoxControl* solution = Button(p.window, "cmdshowsol");
    QTest::mousePress(solution, Qt::LeftButton);
    QCOMPARE(p.Drawn(1, 1), QString::number(p.State().Solution[1][1]));
    QTest::mouseRelease(solution, Qt::LeftButton);
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

  // A solve without help is a new best, written to its file; the clock stops
  // at "All done!", so a second check matches it and names the best instead.
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
  }

  // Hint (Ctrl+H) names a wrong digit in the status label and a box, and
  // outlines it; the second ask (F4) clears it, undo brings it back and redo
  // (Ctrl+Y) clears it again.
  void hintWrongValueFirst() {
    Playing p;
    p.Hover(1, 1);
    const std::string wrong = std::to_string(p.State().Solution[1][1] % 9 + 1);
    QTest::keyClick(p.board, wrong[0]);
    const std::size_t overlayCalls = p.board->Overlay().CallCount();
    const QString text = QStringLiteral("The %1 in row 1, column 1 is wrong").arg(QString::fromStdString(wrong));
    {
      MessageAnswerer answers;
      p.Shortcut(Qt::Key_H);
      QCOMPARE(answers.seen, QStringList{text});
    }
    QCOMPARE(LabelText(p.window, "lblstatus"), text);
    QVERIFY(p.board->Overlay().CallCount() > overlayCalls);
    QCOMPARE(p.Entry(), wrong);
    QTest::keyClick(p.board, Qt::Key_F4);
    QCOMPARE(p.Entry(), std::string());
    Click(p.window, "cmdundo");
    QCOMPARE(p.Entry(), wrong);
    p.Shortcut(Qt::Key_Y);
    QCOMPARE(p.Entry(), std::string());
  }

  // Entries left on the board (at the close box or Exit) come back at the
  // next start on the same puzzle only; entries that cannot be kept (a
  // folder where the file goes) are not lost without a word.
  void resume_data() {
    QTest::addColumn<QString>("entry");     // row 1, column 1 when the last window ends
    QTest::addColumn<bool>("exitMenu");     // File > Exit, else the close box
    QTest::addColumn<bool>("lineChanged");  // the file's first puzzle differs by then
    QTest::addColumn<bool>("unkept");       // a folder is where the entries go
    QTest::newRow("close box, same puzzle") << "47" << false << false << false;
    QTest::newRow("Exit, same puzzle") << "5" << true << false << false;
    QTest::newRow("same number, another line") << "47" << false << true << false;
    QTest::newRow("no entries left") << "" << false << false << false;
    QTest::newRow("cannot be kept") << "5" << false << false << true;
  }
  void resume() {
    QFETCH(QString, entry);
    QFETCH(bool, exitMenu);
    QFETCH(bool, lineChanged);
    QFETCH(bool, unkept);
    const bool restored = !entry.isEmpty() && !lineChanged && !unkept;
    Folder folder;
    folder.WriteConfig(PlaySettings());
    if (unkept) QVERIFY(QDir().mkdir(folder.path("unfinished.dat")));
    // A run before leaves other entries, which the last run replaces or,
    // leaving an empty board, drops.
    for (const QString& left : {QStringLiteral("3"), entry}) {
      MainWindow window(AppPaths::In(folder.dir.path()));
      MessageAnswerer answers(exitMenu ? QStringList{QStringLiteral("Yes")} : QStringList());
      window.Start();
      window.show();
      window.Context().state.UserEntry[1][1] = left.toStdString();
      if (exitMenu)
        window.Exit();
      else
        window.close();
      QCOMPARE(answers.seen.filter(QStringLiteral("Could not keep")),
               unkept ? QStringList{"Could not keep the unfinished entries in:\n" + folder.path("unfinished.dat")}
                      : QStringList());
    }
    if (lineChanged) {
      QList<QByteArray> lines = folder.Read("puzzles.txt").split('\n');
      lines.swapItemsAt(0, 1);
      folder.Write("puzzles.txt", lines.join('\n'));
    }
    MainWindow second(AppPaths::In(folder.dir.path()));
    MessageAnswerer answers;
    second.Start();
    QCOMPARE(QString::fromStdString(second.Context().state.UserEntry[1][1]), restored ? entry : QString());
    QCOMPARE(LabelText(second, "lblstatus"),
             restored ? QStringLiteral("Unfinished entries restored") : QStringLiteral("Puzzle read"));
  }

  // The create button creates the level list's level, shown as the only
  // puzzle of the temporary file (the menu: gradeIsKeptAndApplied).
  void createFromButton() {
    Started s;
    s.window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("Easy"));
    Click(s.window, "cmdcreate");
    QVERIFY(!Creating(s.window));
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Puzzle created (Easy)"));
    QCOMPARE(LabelText(s.window, "lbllevel"), QStringLiteral("Easy"));
    QCOMPARE(LabelText(s.window, "lblpuznum"), QStringLiteral("p# 1 of 1"));
    QCOMPARE(LabelText(s.window, "lblfile"), QStringLiteral("temporarypuzzlefile.txt"));
  }

  // The grade chosen in the create-options window is kept in the per-user
  // settings, not in kalvero.cfg, comes back in the window, applies to the
  // Create menu and shows in the level label's tooltip.
  void gradeIsKeptAndApplied() {
    Started s;
    const auto saved = [&s] {
      Action(s.window, "mnuoptsave")->trigger();
      return s.folder.Read("kalvero.cfg");
    };
    const QByteArray config = saved();
    QString shown;
    const auto openOptions = [&](int chooseIndex) {
      WithOptions(s.window, [&](CreateOptionsForm& form) {
        auto* grade = form.findChild<QComboBox*>(QStringLiteral("cboGrade"));
        shown = grade->currentText();
        if (chooseIndex >= 0) grade->setCurrentIndex(chooseIndex);
        form.ExitWindow();
      });
    };
    openOptions(1 + static_cast<int>(Grade::Tough));
    QCOMPARE(shown, QStringLiteral("Any"));
    QCOMPARE(UserSettings(s.folder.path("kalvero.ini")).CreationGrade(), std::optional<Grade>(Grade::Tough));
    openOptions(-1);
    QCOMPARE(shown, QStringLiteral("Tough"));
    QCOMPARE(saved(), config);

    Action(s.window, "mnucreatex_2")->trigger();
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Puzzle created (Hard)"));
    QCOMPARE(GradeOf(RatePuzzle(s.State())), std::optional<Grade>(Grade::Tough));
    QVERIFY(s.window.findChild<QLabel*>(QStringLiteral("lbllevel"))->toolTip().startsWith(QStringLiteral("Tough: ")));
  }

  // A folder where the temporary file goes is reported and nothing aborts;
  // the puzzle shown before stays.
  void temporaryFileIsAFolder() {
    Started s;
    const std::string before = s.State().PuzzleLine;
    QVERIFY(QDir().mkdir(s.folder.path("temporarypuzzlefile.txt")));
    MessageAnswerer answers;
    Action(s.window, "mnucreatex_2")->trigger();
    QCOMPARE(answers.seen, QStringList{QStringLiteral("Could not write the temporary puzzle file:\n") +
                                       s.folder.path("temporarypuzzlefile.txt")});
    QCOMPARE(s.State().PuzzleLine, before);
  }

  // Create and Previous, Next, Random from a yield of a creation are refused;
  // Escape cancels it: the puzzle shown before and the temporary file stay.
  void escapeCancelsAndSecondCreateIsRefused() {
    Started s;
    const std::string before = s.State().PuzzleLine;
    const QString number = LabelText(s.window, "lblpuznum");
    const QByteArray temporary = s.folder.Read("temporarypuzzlefile.txt");
    int nested = 0;
    QStringList moved;
    QTimer poke;
    connect(&poke, &QTimer::timeout, &s.window, [&] {
      if (!Creating(s.window) || nested++ > 0) return;
      for (const char* button : {"cmdcreate", "Command8_0", "Command8_1", "Command8_2"}) {
        Click(s.window, button);
        if (LabelText(s.window, "lblpuznum") != number) moved << QString::fromLatin1(button);
      }
      PressEscape(s.window);
    });
    poke.start(0);
    QTest::qWait(20);  // the creation's first yield then runs pending events at once
    Action(s.window, "mnucreatex_2")->trigger();
    poke.stop();
    QVERIFY(nested > 0);
    QCOMPARE(moved, QStringList());
    QVERIFY(!Creating(s.window));
    // Every attempt looks for a cancel after its last yield: none finished.
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Creation cancelled"));
    QCOMPARE(s.State().PuzzleLine, before);
    QCOMPARE(LabelText(s.window, "lblpuznum"), number);
    QCOMPARE(s.folder.Read("temporarypuzzlefile.txt"), temporary);
  }

  // Batches into "newpuzmulti.txt": the "Hard" preset asks before three, one
  // drawn cell and one puzzle asks nothing, Exit creates nothing; the puzzle
  // shown before stays.
  void batch_data() {
    QTest::addColumn<bool>("hardPreset");
    QTest::addColumn<QString>("count");  // empty: Exit
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<int>("givens");
    const QString report = QStringLiteral(" %1 puzzles created and saved to:\n%2\nTotal puzzles in this file= %1");
    QTest::newRow("Hard preset, three puzzles") << true << "3" << QStringList{"Create 3 puzzles", report.arg(3)} << 3;
    QTest::newRow("one drawn cell, one puzzle") << false << "1" << QStringList{report.arg(1)} << 1;
    QTest::newRow("Exit") << false << "" << QStringList{} << 0;
  }
  void batch() {
    QFETCH(bool, hardPreset);
    QFETCH(QString, count);
    QFETCH(QStringList, seen);
    QFETCH(int, givens);
    Started s;
    const std::string out = s.folder.path("newpuzmulti.txt").toStdString();
    MessageAnswerer answers(hardPreset ? QStringList{QStringLiteral("Yes")} : QStringList{});
    // The report comes once the window is back to normal, so Escape reaches it.
    bool normalAtEveryMessage = true;
    answers.onMessage = [&] { normalAtEveryMessage &= !Creating(s.window) && !QApplication::overrideCursor(); };
    Batch(s.window, count, hardPreset);
    QVERIFY(normalAtEveryMessage);
    QCOMPARE(answers.seen, seen.replaceInStrings(QStringLiteral("%2"), QString::fromStdString(out)));
    QCOMPARE(CountPuzzles(out), count.toInt());
    QCOMPARE(LabelText(s.window, "lblpuznum"), s.folder.NumberLabel(1));  // puzzles.txt's count
    PuzzleState p;
    p.PuzzleCount = count.toInt();
    QCOMPARE(ReadPuzzle(p, out, count.toInt()).ok() ? p.FixedCount : 0, givens);
  }

  // With no puzzle shown before, a cancelled batch leaves the empty board
  // and empty labels rather than its last attempt.
  void noEarlierPuzzle() {
    Started s(DefaultSettings(), [](Folder& f) { QFile::remove(f.path("puzzles.txt")); });
    QTimer escape;
    connect(&escape, &QTimer::timeout, &s.window, [&] {
      if (Creating(s.window)) PressEscape(s.window);
    });
    escape.start(5);
    MessageAnswerer answers({QStringLiteral("Yes")});
    Batch(s.window, QStringLiteral("500"));
    QCOMPARE(s.State().PuzzleCount, 0);
    for (const char* label : {"lblfile", "lblpuznum", "lbllevel"}) QCOMPARE(LabelText(s.window, label), QString());
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Click Create for a new puzzle ..."));
  }
};

QTEST_MAIN(MainWindowPlayTest)
#include "test_main_window_play.moc"
