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
#include "window_probe.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

// A shown window on the first shipped puzzle, with the pencil tip switched on.
struct Playing {
  Folder folder;
  MainWindow window{folder.paths()};
  BoardView* board = nullptr;
  Playing() {
    Settings settings = DefaultSettings();
    settings.PencilTooltip = 1;
    QFile cfg(folder.path("kalvero.cfg"));
    cfg.open(QIODevice::WriteOnly);
    cfg.write(QByteArray::fromStdString(ConfigText(settings)));
    cfg.close();
    MessageAnswerer answers;
    window.Start();
    window.show();
    board = window.findChild<BoardView*>(QStringLiteral("Picture1"));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }
  PuzzleState& State() { return window.Context().state; }
  void Hover(int r, int c) {
    const BoardGeometry& g = board->Geometry();
    const QPointF at = QPointF(g.CellX(r, c) + 300, g.CellY(r, c) + 300) * board->Scale();
    QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(board, &move);
  }
  // The texts drawn in cell (r, c) and the colour of the last one.
  QString Drawn(int r, int c, Colour* colour = nullptr) const {
    QString text;
    const TwipRect cell = board->Geometry().Cell(r, c);
    for (const auto& t : board->Surface().Texts())
      if (t.x >= cell.x && t.x < cell.right() && t.y >= cell.y && t.y < cell.bottom()) {
        text += t.text;
        if (colour) *colour = t.colour;
      }
    return text;
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
    PuzzleState& s = p.State();
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (s.FixedValue[r][c].empty()) s.UserEntry[r][c] = std::to_string(s.Solution[r][c]);
    MessageAnswerer answers;
    Click(p.window, "cmdverify");
    QCOMPARE(answers.seen, QStringList{QStringLiteral("All done!")});
    QCOMPARE(LabelText(p.window, "lblstatus"), QStringLiteral("All done!"));
  }
};

QTEST_MAIN(MainWindowPlayTest)
#include "test_main_window_play.moc"
