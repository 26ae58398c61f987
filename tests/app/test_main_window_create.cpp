// Creating puzzles from the main window: the Create menu and button, the
// busy guard, cancelling with Escape and by closing, and batches.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "app/main_window.h"
#include "app_folder.h"
#include "message_answerer.h"
#include "model/puzzle_file.h"
#include "solver/verify.h"
#include "ui/box_control.h"
#include "ui/create_options_form.h"

using namespace kalvero;
using kalvero::test::Folder;
using kalvero::test::MessageAnswerer;

namespace {

QStringList FixedCells(const PuzzleState& s) {
  QStringList cells;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (s.FixedFlag[r][c] == 1) cells << QStringLiteral("%1,%2").arg(r).arg(c);
  return cells;
}

// A started main window in a scratch folder, seeded for repeatable puzzles.
struct Started {
  Folder folder;
  MainWindow window{folder.paths()};
  Started() {
    QFile cfg(folder.path("kalvero.cfg"));
    cfg.open(QIODevice::WriteOnly);
    cfg.write(QByteArray::fromStdString(DefaultConfigText()));
    cfg.close();
    MessageAnswerer answers;
    window.Start();
    window.SeedRandom(20261206);
  }
  // The puzzle-number label of the first shipped puzzle.
  QString ShippedNumberLabel() const {
    return QStringLiteral("p# 1 of %1").arg(CountPuzzles(folder.path("puzzles.txt").toStdString()));
  }
};

}  // namespace

class MainWindowCreateTest : public QObject {
  Q_OBJECT
 private slots:
  void createFromMenu_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("Very Easy") << 0 << "Very Easy"
                               << QStringList{"2,2", "2,5", "2,8", "5,2", "5,5", "5,8", "8,2", "8,5", "8,8"};
    QTest::newRow("Easy") << 1 << "Easy" << QStringList{"2,2", "2,5", "2,8", "8,2", "8,5", "8,8"};
    QTest::newRow("Hard") << 2 << "Hard" << QStringList{"2,2", "5,5", "8,8"};
  }
  void createFromMenu() {
    QFETCH(int, index);
    QFETCH(QString, level);
    QFETCH(QStringList, cells);
    Started s;
    s.window.findChild<QAction*>(QStringLiteral("mnucreatex_%1").arg(index))->trigger();
    const PuzzleState& state = s.window.State();
    QCOMPARE(s.window.StatusText(), QStringLiteral("Puzzle created (") + level + QLatin1Char(')'));
    QCOMPARE(FixedCells(state), cells);
    QCOMPARE(s.window.LevelLabelText(), level);
    QCOMPARE(s.window.NumberLabelText(), QStringLiteral("p# 1 of 1"));
    QCOMPARE(s.window.FileLabelText(), QStringLiteral("temporarypuzzlefile.txt"));
    QVERIFY(s.window.CreateEntry()->isEnabled());
    QVERIFY(!s.window.Creating());
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        QVERIFY(state.UserEntry[r][c].empty());
        QVERIFY(state.CandidateGrid[r][c].empty());
        QCOMPARE(state.CellCandidates[CellNum(r, c)], DigitSet{0});
      }
    // The temporary file holds exactly the created puzzle, and it verifies.
    QCOMPARE(CountPuzzles(s.folder.path("temporarypuzzlefile.txt").toStdString()), 1);
    PuzzleState reread;
    reread.PuzzleCount = 1;
    QVERIFY(ReadPuzzle(reread, s.folder.path("temporarypuzzlefile.txt").toStdString(), 1).ok());
    QCOMPARE(reread.ClueSum, state.ClueSum);
    SolverState solver;
    SilentHost host;
    QVERIFY(VerifyPuzzle(reread, solver, host) == VerifyResult::Verified);
  }

  void cancelEntryDoesNothing() {
    Started s;
    const std::string line = s.window.State().PuzzleLine;
    s.window.findChild<QAction*>(QStringLiteral("mnucreatex_4"))->trigger();
    QCOMPARE(s.window.State().PuzzleLine, line);
    QCOMPARE(s.window.StatusText(), QStringLiteral("Puzzle read"));
  }

  void createButtonUsesLevelList_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fixed");
    QTest::newRow("Hard") << "Hard" << 3;
    QTest::newRow("Easy") << "Easy" << 6;
    QTest::newRow("Very Easy") << "Very Easy" << 9;
  }
  void createButtonUsesLevelList() {
    QFETCH(QString, text);
    QFETCH(int, fixed);
    Started s;
    s.window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(text);
    s.window.show();
    QTest::mouseClick(s.window.Button(ButtonId::Create), Qt::LeftButton);
    QCOMPARE(s.window.State().FixedCount, fixed);
  }

  // A second creation started from a yield of the first is refused, and
  // Escape cancels the running one: the puzzle shown before comes back.
  void escapeCancelsAndSecondCreateIsRefused() {
    Started s;
    s.window.show();
    const std::string before = s.window.State().PuzzleLine;
    int nested = 0;
    QTimer poke;
    poke.setInterval(0);
    connect(&poke, &QTimer::timeout, &s.window, [&] {
      if (!s.window.Creating()) return;
      if (nested++ == 0) {
        s.window.CreatePuzzle(0);  // refused: a creation runs
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(s.window.findChild<QWidget*>(QStringLiteral("Picture1")), &escape);
      }
    });
    poke.start();
    QTest::qWait(20);  // the creation's first yield then runs pending events at once
    s.window.CreatePuzzle(2);
    poke.stop();
    QVERIFY(nested > 0);
    QVERIFY(!s.window.Creating());
    QVERIFY(s.window.CreateEntry()->isEnabled());
    if (s.window.StatusText() == QStringLiteral("Creation cancelled")) {
      QCOMPARE(s.window.State().PuzzleLine, before);
      QCOMPARE(s.window.NumberLabelText(), s.ShippedNumberLabel());
    } else {
      // The attempt finished before the cancel was seen; it is complete.
      QCOMPARE(s.window.StatusText(), QStringLiteral("Puzzle created (Hard)"));
    }
  }

  void batchAppendsVerifiedPuzzles() {
    Started s;
    const QString out = s.folder.path("batch.txt");
    CreateOptionsForm* form = s.window.CreateOptions();
    QTimer::singleShot(0, form, [&] {
      form->SelectOption(CreateOptionsForm::PatternOption::Hard);
      form->SetPattern();
      form->PuzzlesField()->setText(QStringLiteral("3"));
      form->OutputField()->setText(out);
      form->AcceptOptions();
    });
    MessageAnswerer answers({QStringLiteral("Yes")});
    s.window.CreateMany();
    QCOMPARE(answers.seen.value(0), QStringLiteral("Create 3 puzzles"));
    QCOMPARE(answers.seen.value(1),
             QStringLiteral(" 3 puzzles created and saved to:\n") + out + QStringLiteral("\nTotal puzzles in this file= 3"));
    QCOMPARE(CountPuzzles(out.toStdString()), 3);
    // Back at the puzzle shown before.
    QCOMPARE(s.window.NumberLabelText(), s.ShippedNumberLabel());
    QCOMPARE(s.window.FileLabelText(), QStringLiteral("puzzles.txt"));
    for (int n = 1; n <= 3; ++n) {
      PuzzleState p;
      p.PuzzleCount = 3;
      QVERIFY(ReadPuzzle(p, out.toStdString(), n).ok());
      QCOMPARE(FixedCells(p), (QStringList{"2,2", "5,5", "8,8"}));
      SolverState solver;
      SilentHost host;
      QVERIFY(VerifyPuzzle(p, solver, host) == VerifyResult::Verified);
    }
  }

  void batchCancelledInTheWindowCreatesNothing() {
    Started s;
    CreateOptionsForm* form = s.window.CreateOptions();
    QTimer::singleShot(0, form, [&] { form->ExitWindow(); });
    MessageAnswerer answers;
    s.window.CreateMany();
    QVERIFY(answers.seen.isEmpty());
    QVERIFY(!QFile::exists(s.folder.path("newpuzmulti.txt")));
  }

  void batchWithOnePuzzleAsksNothing() {
    Started s;
    CreateOptionsForm* form = s.window.CreateOptions();
    QTimer::singleShot(0, form, [&] {
      form->ToggleCell(5, 5);
      form->PuzzlesField()->setText(QStringLiteral("1"));
      form->AcceptOptions();
    });
    MessageAnswerer answers;
    s.window.CreateMany();
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(answers.seen[0].startsWith(QStringLiteral(" 1 puzzles created and saved to:")));
    QCOMPARE(CountPuzzles(s.folder.path("newpuzmulti.txt").toStdString()), 1);
  }
};

QTEST_MAIN(MainWindowCreateTest)
#include "test_main_window_create.moc"
