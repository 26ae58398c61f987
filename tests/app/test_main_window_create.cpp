// Creating puzzles from the main window: the Create menu and button, the
// busy guard, cancelling with Escape and by closing, and batches.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "app/main_window.h"
#include "app/user_settings.h"
#include "app_folder.h"
#include "window_probe.h"
#include "message_answerer.h"
#include "model/puzzle_file.h"
#include "ui/box_control.h"
#include "ui/create_options_form.h"

using namespace kalvero;
using namespace kalvero::test;

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
  explicit Started(bool withPuzzles = true) {
    folder.WriteConfig(DefaultConfigText());
    if (!withPuzzles) QFile::remove(folder.path("puzzles.txt"));
    MessageAnswerer answers;
    window.Start();
    window.Context().random = PseudoRandom(20261206);
  }
  // Runs a batch of `count` puzzles (empty: Exit) from the create-options
  // window, opened by a right click on the create button, with the "Hard"
  // preset or else one drawn cell.
  void Batch(const QString& count, bool hardPreset = false) {
    QTimer::singleShot(0, &window, [this, count, hardPreset] {
      auto* form = window.findChild<CreateOptionsForm*>();
      if (count.isEmpty()) return form->ExitWindow();
      if (hardPreset) {
        form->SelectOption(CreateOptionsForm::PatternOption::Hard);
        form->SetPattern();
      } else {
        form->ToggleCell(5, 5);
      }
      form->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(count);
      form->AcceptOptions();
    });
    Click(window, "cmdcreate", Qt::RightButton);
  }
};

}  // namespace

class MainWindowCreateTest : public QObject {
  Q_OBJECT
 private slots:
  // From the Create menu, or a left click on the create button with the
  // level list's text: status, labels, the level's pattern, nothing of the
  // player's left, and the temporary file holding just the new puzzle.
  void create_data() {
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("cells");
    const QStringList hard{"2,2", "5,5", "8,8"};
    const QStringList easy{"2,2", "2,5", "2,8", "8,2", "8,5", "8,8"};
    QTest::newRow("menu: Very Easy") << false << 0 << "Very Easy"
                                     << QStringList{"2,2", "2,5", "2,8", "5,2", "5,5", "5,8", "8,2", "8,5", "8,8"};
    QTest::newRow("menu: Easy") << false << 1 << "Easy" << easy;
    QTest::newRow("menu: Hard") << false << 2 << "Hard" << hard;
    QTest::newRow("button: Hard") << true << 0 << "Hard" << hard;
    QTest::newRow("button: Easy") << true << 0 << "Easy" << easy;
  }
  void create() {
    QFETCH(bool, button);
    QFETCH(int, index);
    QFETCH(QString, level);
    QFETCH(QStringList, cells);
    Started s;
    if (button) {
      s.window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(level);
      s.window.show();
      QTest::mouseClick(Button(s.window, "cmdcreate"), Qt::LeftButton);
    } else {
      s.window.findChild<QAction*>(QStringLiteral("mnucreatex_%1").arg(index))->trigger();
    }
    const PuzzleState& state = s.window.Context().state;
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Puzzle created (") + level + QLatin1Char(')'));
    QCOMPARE(FixedCells(state), cells);
    QCOMPARE(LabelText(s.window, "lbllevel"), level);
    QCOMPARE(LabelText(s.window, "lblpuznum"), QStringLiteral("p# 1 of 1"));
    QCOMPARE(LabelText(s.window, "lblfile"), QStringLiteral("temporarypuzzlefile.txt"));
    QVERIFY(!Creating(s.window));
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        QVERIFY(state.UserEntry[r][c].empty());
        QVERIFY(state.CandidateGrid[r][c].empty());
        QCOMPARE(state.CellCandidates[CellNum(r, c)], DigitSet{0});
      }
    QCOMPARE(s.folder.Read("temporarypuzzlefile.txt"), QByteArray::fromStdString(state.PuzzleLine) + "\r\n");
  }

  // The grade chosen in the create-options window is kept in the per-user
  // settings, not in kalvero.cfg, comes back in the window, applies to the
  // Create menu and shows in the level label's tooltip.
  void gradeIsKeptAndApplied() {
    Started s;
    s.window.show();
    const auto saved = [&s] {
      Action(s.window, "mnuoptsave")->trigger();
      return s.folder.Read("kalvero.cfg");
    };
    const QByteArray config = saved();
    QString shown;
    const auto openOptions = [&](int chooseIndex) {
      QTimer::singleShot(0, &s.window, [&, chooseIndex] {
        auto* grade = s.window.findChild<CreateOptionsForm*>()->findChild<QComboBox*>(QStringLiteral("cboGrade"));
        shown = grade->currentText();
        if (chooseIndex >= 0) grade->setCurrentIndex(chooseIndex);
        s.window.findChild<CreateOptionsForm*>()->ExitWindow();
      });
      Click(s.window, "cmdcreate", Qt::RightButton);
    };
    openOptions(1 + static_cast<int>(Grade::Tough));
    QCOMPARE(shown, QStringLiteral("Any"));
    QCOMPARE(UserSettings(s.folder.path("kalvero.ini")).CreationGrade(), std::optional<Grade>(Grade::Tough));
    openOptions(-1);
    QCOMPARE(shown, QStringLiteral("Tough"));
    QCOMPARE(saved(), config);

    Action(s.window, "mnucreatex_2")->trigger();
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Puzzle created (Hard)"));
    QCOMPARE(GradeOf(RatePuzzle(s.window.Context().state)), std::optional<Grade>(Grade::Tough));
    QVERIFY(s.window.findChild<QLabel*>(QStringLiteral("lbllevel"))->toolTip().startsWith(QStringLiteral("Tough: ")));
  }

  // A folder where the temporary file goes is reported and nothing aborts;
  // the puzzle shown before stays.
  void temporaryFileIsAFolder() {
    Started s;
    const std::string before = s.window.Context().state.PuzzleLine;
    QVERIFY(QDir().mkdir(s.folder.path("temporarypuzzlefile.txt")));
    MessageAnswerer answers;
    Action(s.window, "mnucreatex_2")->trigger();
    QCOMPARE(answers.seen, QStringList{QStringLiteral("Could not write the temporary puzzle file:\n") +
                                       s.folder.path("temporarypuzzlefile.txt")});
    QCOMPARE(s.window.Context().state.PuzzleLine, before);
    QVERIFY(QFileInfo(s.folder.path("temporarypuzzlefile.txt")).isDir());
  }

  void cancelEntryDoesNothing() {
    Started s;
    const std::string line = s.window.Context().state.PuzzleLine;
    s.window.findChild<QAction*>(QStringLiteral("mnucreatex_4"))->trigger();
    QCOMPARE(s.window.Context().state.PuzzleLine, line);
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Puzzle read"));
  }

  // A second creation and the navigation buttons used from a yield of the
  // first are refused, and Escape cancels the running one, graded or not:
  // the puzzle shown before comes back and the temporary file is as it was.
  void escapeCancelsAndSecondCreateIsRefused_data() {
    QTest::addColumn<bool>("graded");
    QTest::newRow("any grade") << false;
    QTest::newRow("Fiendish") << true;
  }
  void escapeCancelsAndSecondCreateIsRefused() {
    QFETCH(bool, graded);
    Started s;
    if (graded) QVERIFY(UserSettings(s.folder.path("kalvero.ini")).SetCreationGrade(Grade::Fiendish));
    s.window.show();
    const std::string before = s.window.Context().state.PuzzleLine;
    const QByteArray temporary = s.folder.Read("temporarypuzzlefile.txt");
    int nested = 0;
    QTimer poke;
    poke.setInterval(0);
    connect(&poke, &QTimer::timeout, &s.window, [&] {
      if (!Creating(s.window)) return;
      if (nested++ == 0) {
        // Refused while a creation runs.
        for (const char* button : {"cmdcreate", "Command8_0", "Command8_1", "Command8_2"}) Click(s.window, button);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(s.window.findChild<QWidget*>(QStringLiteral("Picture1")), &escape);
      }
    });
    poke.start();
    QTest::qWait(20);  // the creation's first yield then runs pending events at once
    Action(s.window, "mnucreatex_2")->trigger();
    poke.stop();
    QVERIFY(nested > 0);
    QVERIFY(!Creating(s.window));
    // Escape came from a yield, and every attempt looks for a cancel after
    // its last yield: the creation cannot have finished.
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Creation cancelled"));
    QCOMPARE(s.window.Context().state.PuzzleLine, before);
    QCOMPARE(LabelText(s.window, "lblpuznum"), s.folder.NumberLabel(1));
    QCOMPARE(s.folder.Read("temporarypuzzlefile.txt"), temporary);
  }

  // Batches from the create-options window into "newpuzmulti.txt": the
  // "Hard" preset asks before three puzzles, one drawn cell and one puzzle
  // asks nothing, Exit creates nothing. Afterwards the window shows the
  // puzzle it showed before.
  void batch_data() {
    QTest::addColumn<bool>("hardPreset");
    QTest::addColumn<QString>("count");  // empty: Exit
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QStringList>("cells");
    const QString report = QStringLiteral(" %1 puzzles created and saved to:\n%2\nTotal puzzles in this file= %1");
    QTest::newRow("Hard preset, three puzzles") << true << "3" << QStringList{"Create 3 puzzles", report.arg(3)}
                                                << QStringList{"2,2", "5,5", "8,8"};
    QTest::newRow("one drawn cell, one puzzle") << false << "1" << QStringList{report.arg(1)} << QStringList{"5,5"};
    QTest::newRow("Exit") << false << "" << QStringList{} << QStringList{};
  }
  void batch() {
    QFETCH(bool, hardPreset);
    QFETCH(QString, count);
    QFETCH(QStringList, seen);
    QFETCH(QStringList, cells);
    Started s;
    const QString out = s.folder.path("newpuzmulti.txt");
    MessageAnswerer answers(hardPreset ? QStringList{QStringLiteral("Yes")} : QStringList{});
    // The report comes once the window is back to normal, so Escape reaches it.
    bool normalAtEveryMessage = true;
    answers.onMessage = [&] { normalAtEveryMessage &= !Creating(s.window) && !QApplication::overrideCursor(); };
    s.Batch(count, hardPreset);
    QVERIFY(normalAtEveryMessage);
    for (QString& message : seen) message.replace(QLatin1String("%2"), out);
    QCOMPARE(answers.seen, seen);
    QCOMPARE(CountPuzzles(out.toStdString()), count.toInt());
    QCOMPARE(LabelText(s.window, "lblpuznum"), s.folder.NumberLabel(1));
    QCOMPARE(LabelText(s.window, "lblfile"), QStringLiteral("puzzles.txt"));
    for (int n = 1; n <= count.toInt(); ++n) {
      PuzzleState p;
      p.PuzzleCount = count.toInt();
      QVERIFY(ReadPuzzle(p, out.toStdString(), n).ok());
      QCOMPARE(FixedCells(p), cells);
    }
  }

  // With no puzzle shown before, a batch, finished or cancelled, leaves the
  // empty board and empty labels rather than its last attempt.
  void noEarlierPuzzle_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("batch finished") << false;
    QTest::newRow("batch cancelled") << true;
  }
  void noEarlierPuzzle() {
    QFETCH(bool, cancel);
    Started s(false);
    s.window.show();
    QTimer escape;
    connect(&escape, &QTimer::timeout, &s.window, [&] {
      if (!Creating(s.window)) return;
      QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(s.window.findChild<QWidget*>(QStringLiteral("Picture1")), &key);
    });
    if (cancel) escape.start(5);
    MessageAnswerer answers(cancel ? QStringList{QStringLiteral("Yes")} : QStringList{});
    s.Batch(cancel ? QStringLiteral("500") : QStringLiteral("1"));
    escape.stop();
    QCOMPARE(s.window.Context().state.PuzzleCount, 0);
    for (const char* label : {"lblfile", "lblpuznum", "lbllevel"}) QCOMPARE(LabelText(s.window, label), QString());
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Click Create for a new puzzle ..."));
  }
};

QTEST_MAIN(MainWindowCreateTest)
#include "test_main_window_create.moc"
