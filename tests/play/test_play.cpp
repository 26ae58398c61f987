// Play on the board without a window: selection, entry, undo and reset,
// the pencil tip, the clue strips, checking, showing the solution and hints.
#include <QtTest>

#include "model/puzzle_file.h"
#include "play/best_times.h"
#include "play/highlights.h"
#include "play/kept_entries.h"
#include "play/play_session.h"
#include "temp_dir.h"

using namespace kalvero;

namespace {

// Givens at the box centres: cells 11, 14, 17, 38, 41, 44, 65, 68, 71.
const char* kLine = "7259618341D37B86I59683452713128794566E72A43H94896531272745869135C14I27F8896137542";

// Answers every question with a set button.
struct AnsweringHost : SilentHost {
  MsgResult answer = MsgResult::Yes;
  MsgResult Message(const std::string&, const std::string&) override { return answer; }
};

// "RC", row and column; row or column 0 lies outside the grid, "-" is none.
CellPos At(const QString& rc) { return rc == "-" ? CellPos{} : CellPos{rc[0].digitValue(), rc[1].digitValue()}; }

struct Board {
  PuzzleState state;
  Settings settings;
  bool busy = false;
  PlaySession play{state, settings, [this] { return busy; }};
  AnsweringHost host;
  bool rereadOk = true;  // whether reading the puzzle again for a reset works
  QString status;        // what the last step put in the status bar
  Board() {
    if (!LoadPuzzleLine(state, kLine).ok()) qFatal("bad test line");
    state.PuzzleCount = 1;
    settings.PencilTooltip = settings.SumAreaTooltip = 1;
  }
  std::string& Entry(CellPos at) { return state.UserEntry[at.row][at.col]; }

  // Runs blank-separated steps. Set-up: "RC=text" an unrecorded entry in
  // cell (R, C), "RC:marks" its computed marks ("_" a blank), "RC!d" its
  // solution digit; "solved" every open cell's solution digit; "givenR" row R
  // all given; "busy" a creation running; "notip" no pencil tip; "no" answers
  // No; "badread" reading the puzzle again fails. Play: "@RC" hovers, "'X"
  // types X ("'esc" Escape), ">Key" releases a key, "strip" hovers the top
  // clue of column 1; undo, redo, hint, copy, check, show and hide (the
  // solution), read (a puzzle read in), reset and undoall (right click).
  void Run(const QString& script) {
    static const QStringList keys = QString("F2 F3 F4 Home Delete Escape Up Down Left Right").split(' ');
    static const QHash<QString, std::function<PlayResult(PlaySession&)>> actions{
        {"undo", &PlaySession::Undo}, {"redo", &PlaySession::Redo}, {"hint", &PlaySession::AskHint},
        {"copy", &PlaySession::CopyPencilValue}, {"check", &PlaySession::Check}, {"show", &PlaySession::ShowSolution},
        {"hide", &PlaySession::HideSolution},
        {"strip", [](PlaySession& p) { return p.StripHover(ClueStrip::Top, 10, 10, 5400, 300); }},
        {"read", [](PlaySession& p) { return p.PuzzleRead(), PlayResult{}; }}};
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
      PlayResult r;
      const QString arg = step.mid(1);
      if (step[0].isDigit()) {
        const CellPos at = At(step);
        const std::string what = step.mid(3).replace('_', ' ').toStdString();
        if (step[2] == '=') Entry(at) = what;
        if (step[2] == ':') state.CandidateGrid[at.row][at.col] = what;
        if (step[2] == '!') state.Solution[at.row][at.col] = what[0] - '0';
      } else if (step[0] == '@') {
        r = play.Hover(At(arg));
      } else if (step[0] == '\'') {
        r = play.TypeChar(arg == "esc" ? kCharEscape : arg[0].unicode());
      } else if (step[0] == '>') {
        r = play.KeyReleased(static_cast<PlayKey>(keys.indexOf(arg)));
      } else if (actions.contains(step)) {
        r = actions[step](play);
      } else if (step == "solved") {
        for (int cell = 1; cell <= kCellCount; ++cell)
          if (const CellPos at{kTables.RowOf[cell], kTables.ColOf[cell]}; state.FixedValue[at.row][at.col].empty())
            Entry(at) = std::to_string(state.Solution[at.row][at.col]);
      } else if (step.startsWith("given")) {
        for (int c = 1; c <= 9; ++c) state.FixedValue[step.back().digitValue()][c] = "1";
      } else if (step == "reset" || step == "undoall") {
        const auto reread = [this] { return rereadOk && (play.PuzzleRead(), true); };
        r = step == "reset" ? play.ResetPuzzle(host, reread) : play.ResetAll(host, reread);
      } else if (step == "busy") {
        busy = true;
      } else if (step == "notip") {
        settings.PencilTooltip = 0;
      } else if (step == "no") {
        host.answer = MsgResult::No;
      } else if (step == "badread") {
        rereadOk = false;
      } else {
        qFatal("unknown step");
      }
      status = QString::fromStdString(r.status.value_or(""));
    }
  }
};

struct Steps {
  QString script, entries, selected;  // entries: "RC=text" for each cell checked, "*" its solution digit
  int undos;
  QString status = {};  // the start of what the last step put in the status bar
  std::optional<QString> tip = {};  // "[tip]field" with the pencil tip shown, else the pencil field alone
  std::optional<QString> marked = {};  // "N tinted" (the selected digit), ", wrong" and the mistakes' cells
};
using Strip = std::tuple<ClueStrip, double, double, int>;  // a strip, a point on it, the sum area there

}  // namespace

Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(Strip)

class PlayTest : public QObject {
  Q_OBJECT
 private slots:
  void steps_data() {
    QTest::addColumn<Steps>("row");
    const auto row = [](const char* name, const Steps& steps) { QTest::newRow(name) << steps; };
    row("digits add up in a cell, once each", {"@12 '5 '3 '5", "12=53", "12", 2});
    row("another cell changed in between: replace", {"@12 '7 @13 '2 @12 '4", "12=4 13=2", "12", 3});
    row("0 and letters change nothing", {"@12 '0 'a 'Z", "12=", "12", 0});
    row("given cells take nothing, characters do not move them", {"@22 '5 >Delete '$", "22=", "22", 0});
    row("leaving the grid clears the selection: nothing taken", {"@12 @10 '5 >Delete", "12=", "-", 0});
    row("$ moves as Home: first open cell from column 2", {"@54 '$", "", "12", 0});
    row("Home with no selection", {">Home", "", "12", 0});
    row("Right in column 9 wraps to column 1", {"@29 >Right", "", "21", 0});
    row("Left skips a given", {"@23 >Left", "", "21", 0});
    row("Up wraps and skips a given", {"@32 '& '&", "", "92", 0});
    row("Down skips a given, Right as character", {"@12 '( ''", "", "33", 0});
    row("all-given row: Right stays", {"given2 @21 >Right", "", "21", 0});
    row("all-given first row: Home stays", {"given1 @54 >Home", "", "54", 0});
    row("key moves keep the cell in mark mode", {"@12 '5 >Right >Left '3", "12=53", "12", 2});
    row("leaving the grid ends mark mode", {"@12 '5 @00 @12 '3", "12=3", "12", 2});
    row("a clue strip ends mark mode, keeps the selection", {"@12 '5 strip '3", "12=3", "12", 2});
    row("Escape as character and key: two records", {"@12 '5 'esc >Escape", "12=", "12", 3});
    row("full stop and Delete clear", {"@12 '5 '. '6 >Delete", "12=", "12", 4});
    row("undo empties the cell, more undos do nothing", {"@12 '4 undo undo", "12=", "12", 0});
    row("undo keeps the cell in mark mode", {"@12 '4 '7 undo '8", "12=48", "12", 2});
    row("undo restores other cells newest first", {"@12 '4 @13 '5 undo", "12=4 13=", "13", 1});
    row("redo puts back the undone changes in order", {"@12 '4 @13 '5 '7 undo undo undo redo redo", "12=4 13=5", "13", 2});
    row("a new change empties the redo list", {"@12 '4 @13 '5 undo '8 redo", "12=4 13=8", "13", 2});
    row("reading a puzzle empties the redo list", {"@12 '4 undo read redo", "12=", "12", 0});
    row("copy of a single mark trims its blank", {"12:_6 @12 copy", "12=6", "12", 1});
    row("F2 computes the marks F3 copies", {"@12 >F2 >F3", "12=1267", "12", 1});
    row("copy without computed marks does nothing", {"@12 copy", "12=", "12", 0});
    row("copy into a given does nothing", {"22:_4 @22 copy", "22=", "22", 0});
    row("while creating nothing happens", {"12:5 busy @12 '5 >Home copy >F3 undo redo >F4 hint check", "12=", "-", 0});
    row("solved", {"solved check", "", "-", 0, "All done!"});
    row("one open cell empty", {"solved 99= check", "", "-", 0, "Complete the puzzle first"});
    row("one wrong digit", {"solved 11=5 check", "", "-", 0, "Solution not correct"});
    row("player's marks count as filled but wrong", {"solved 11=7 12=25 check", "", "-", 0, "Solution not correct"});
    row("an empty cell after a wrong one still asks to complete",
        {"solved 11=5 99= check", "", "-", 0, "Complete the puzzle first"});
    row("tip: a lone mark keeps its blank", {"34:_4 @34", "", "34", 0, "", "[  4 ] 4"});
    row("tip: several marks", {"34:149 @34", "", "34", 0, "", "[ 149 ]149"});
    row("tip: no marks computed", {"@34", "", "34", 0, "", "[ ? ]?"});
    row("tip: none on a cell with an entry", {"34:5 34=5 @34", "", "34", 0, "", ""});
    row("tip: switched off", {"notip 34:149 @34", "", "34", 0, "", ""});
    row("tip: a key move onto marks", {"12:29 13:35 @12 >Right", "", "13", 0, "", "[ 35 ]35"});
    row("tip: a key move onto no marks hides the cell left's", {"12:29 @12 >Right", "", "13", 0, "", "?"});
    row("no typing or redo under the solution, shown till release", {"@12 '4 '7 undo show '9 redo hide", "12=4", "12", 1});
    row("a release without a press brings back nothing", {"@12 '4 hide", "12=4", "12", 1});
    // Highlights: the selected digit, and mistakes by rules and clues alone.
    // The 7 at row 1, column 2 repeats row 1's and column 2's (row 7), and
    // overfills the sums left of row 1 (cells 1-3) and above column 2 (2, 11,
    // 20); the given at 11 is never marked.
    row("highlights: solved board, a digit selected", {"solved @12", "", "12", 0, "", {}, "9 tinted"});
    row("highlights: nothing selected", {"solved", "", "-", 0, "", {}, "0 tinted"});
    row("highlights: pencil marks selected", {"solved 12=47 @12", "", "12", 0, "", {}, "0 tinted"});
    row("highlights: a wrong 7", {"solved 12=7", "", "-", 0, "", {}, "0 tinted, wrong 1 2 3 20 56"});
    row("undo right click, empty list: no question", {"undoall", "", "-", 0, ""});
    row("undo right click, No: list emptied anyway", {"@12 '5 no undoall", "12=5", "12", 0, ""});
    row("undo right click, Yes", {"@12 '5 undoall", "", "12", 0, "Puzzle reset"});
    row("reset button, No: list kept", {"@12 '5 no reset", "12=5", "12", 1, ""});
    row("reset button, empty list still asks", {"reset", "", "-", 0, "Puzzle reset"});
    row("reset, reread failed: not reported as reset",
        {"@12 '5 badread reset", "12=5", "12", 1, "Puzzle 1 could not be read again: nothing was reset"});
    // The first ask names a wrong value or the cell to look at, the second
    // explains, the third carries the hint out as a recorded change.
    row("hint: a cell pointed to", {"solved 12= hint", "12=", "-", 0, "Look at row 1, column 2"});
    row("hint: explained, still not placed", {"solved 12= hint hint", "12=", "-", 0, "Row 1, column 2 can only be 2"});
    row("hint asked three times: placed", {"solved 12= hint hint hint", "12=*", "-", 1});
    row("hint: a change in between starts over", {"solved 12= hint hint @13 '. hint", "12=", "13", 1, "Look at row 1"});
    row("hint: a wrong value comes first", {"solved 12= 13=9 hint", "13=9", "-", 0, "The 9 in row 1, column 3 is wrong"});
    row("hint: the wrong value cleared", {"solved 12= 13=9 hint hint", "13=", "-", 1});
    row("F4 as Hint", {"solved 12= >F4 >F4 >F4", "12=*", "-", 1});
    row("redo gone after a hint is placed", {"solved 12= 13= @13 '1 undo hint hint hint redo", "13=", "13", 1});
    row("hint on a full board", {"solved hint", "", "-", 0, "The board is full: press Check"});
    row("hint on a solution breaking the rules: the same answer, never placed",
        {"11!8 hint hint hint", "", "-", 0, "This puzzle's clues and its stored solution disagree"});
  }
  void steps() {
    QFETCH(Steps, row);
    Board b;
    b.Run(row.script);
    for (const QString& entry : row.entries.split(' ', Qt::SkipEmptyParts)) {
      const CellPos at = At(entry);
      const QString want = entry.mid(3) == "*" ? QString::number(b.state.Solution[at.row][at.col]) : entry.mid(3);
      QCOMPARE(QString::fromStdString(b.Entry(at)), want);
    }
    QCOMPARE((CellPos{b.state.SelRow, b.state.SelCol}), At(row.selected));
    QCOMPARE(static_cast<int>(b.play.Undos().Size()), row.undos);
    QVERIFY2(row.status.isEmpty() ? b.status.isEmpty() : b.status.startsWith(row.status), qPrintable(b.status));
    const Overlay& view = b.play.View();
    const std::string tip = view.tipShown ? "[" + view.tipText + "]" + view.pencilValue : view.pencilValue;
    if (row.tip) QCOMPARE(QString::fromStdString(tip), *row.tip);
    QVERIFY(!view.tipShown || view.tipCell == CellNum(b.state.SelRow, b.state.SelCol));  // the tip sits by its cell
    const Highlights h = FindHighlights(b.state, {.sameDigit = true, .sameDigitLines = false, .mistakes = true});
    QString marked = QString::number(h.sameDigit.size()) + " tinted" + (h.mistakes.empty() ? "" : ", wrong");
    for (const int cell : h.mistakes) marked += " " + QString::number(cell);
    if (row.marked) QCOMPARE(marked, *row.marked);
  }

  // Only a change of selection or overlay asks for a repaint. A hint's first
  // ask outlines the cell to look at alone, the second every cell its
  // numbered steps rest on and its area; a new puzzle drops the outline. In
  // the no-puzzle state the puzzle left in memory is not shown: nothing is
  // selected, and marks, check, solution, hint and clue strips do nothing.
  void overlayAndNoPuzzle() {
    Board b;
    QVERIFY(b.play.Hover({3, 4}).overlayChanged);
    QVERIFY(!b.play.Hover({3, 4}).overlayChanged);
    QVERIFY(b.play.LeaveBoard().overlayChanged);
    QVERIFY(!b.play.LeaveBoard().overlayChanged);
    QCOMPARE(b.play.ShowPencilMarks().drawing, BoardDrawing::AllEntries);
    QCOMPARE(b.play.HidePencilMarks().drawing, BoardDrawing::Full);
    QVERIFY(b.play.AskHint().status->starts_with("Look at row "));
    const std::vector<int> cell = b.play.View().hintCells;
    QCOMPARE(cell.size(), std::size_t{1});
    QVERIFY(b.play.AskHint().status->find("\n2. ") != std::string::npos);
    QVERIFY(b.play.View().hintCells.size() > 1 && !b.play.View().hintArea.empty());
    b.play.AskHint();
    const CellPos at{kTables.RowOf[cell[0]], kTables.ColOf[cell[0]]};
    QCOMPARE(b.Entry(at), std::to_string(b.state.Solution[at.row][at.col]));
    b.Run("solved 12= 13=9 hint");  // a wrong value: the cell alone
    QCOMPARE(b.play.View().hintCells, std::vector<int>{3});
    b.play.PuzzleRead();
    QVERIFY(b.play.View().hintCells.empty());
    b.state.PuzzleCount = 0;
    b.play.Hover({3, 4});
    QVERIFY(b.state.SelRow == -1 && b.state.SelCol == -1);
    for (const PlayResult& r : {b.play.ShowPencilMarks(), b.play.HidePencilMarks(), b.play.KeyReleased(PlayKey::F2),
                                b.play.Check(), b.play.ShowSolution(), b.play.AskHint(),
                                b.play.StripPress(ClueStrip::Top, 10, 10, 5400, 300)})
      QVERIFY(r.drawing == BoardDrawing::None && !r.status && !r.notice);
  }

  void strips_data() {
    QTest::addColumn<Strip>("row");
    QTest::newRow("top, column 3") << Strip{ClueStrip::Top, 1300, 10, 3};
    QTest::newRow("right, row 9") << Strip{ClueStrip::Right, 10, 5300, 18};
    QTest::newRow("bottom, column 1") << Strip{ClueStrip::Bottom, 0, 10, 19};
    QTest::newRow("left, far edge is row 9") << Strip{ClueStrip::Left, 10, 5400, 36};
  }
  void strips() {
    QFETCH(Strip, row);
    const auto [s, x, y, area] = row;
    Board b;
    const bool vertical = s == ClueStrip::Left || s == ClueStrip::Right;
    const double w = vertical ? 300 : 5400, h = vertical ? 5400 : 300;
    QVERIFY(b.play.StripHover(s, x, y, w, h).startTimer);
    QCOMPARE(b.play.View().areaFrame, area);
    // The same area again does not restart the outline; the timer hides it.
    QVERIFY(!b.play.StripHover(s, x, y, w, h).startTimer);
    b.play.TimerFired();
    QCOMPARE(b.play.View().areaFrame, 0);
    const PlayResult pressed = b.play.StripPress(s, x, y, w, h);
    QVERIFY(pressed.drawing == BoardDrawing::AreaMarks && pressed.area == area);
    QVERIFY(!b.state.CandidateGrid[1][1].empty());
    QCOMPARE(b.play.StripRelease().drawing, BoardDrawing::Full);
    // An area without a clue neither outlines nor shows marks.
    b.state.ClueSum[area] = 0;
    b.play.Hover({5, 5});
    QVERIFY(!b.play.StripHover(s, x, y, w, h).overlayChanged);
    QCOMPARE(b.play.StripPress(s, x, y, w, h).drawing, BoardDrawing::None);
  }

  // The play clock: pauses add nothing, a stop holds the time, a restart
  // takes a kept time. Best times: only a faster solve replaces one, and the
  // file reads back the same, junk lines skipped.
  void clockAndBestTimes() {
    PlayClock clock;
    clock.Restart(1000);
    clock.Pause(61000);
    clock.Resume(90000);  // 29 s paused
    QCOMPARE(clock.Elapsed(95000), PlayClock::Millis{65000});
    clock.Stop(100000);
    clock.Resume(200000);  // a stopped clock stays stopped
    QCOMPARE(clock.Elapsed(300000), PlayClock::Millis{70000});
    clock.Restart(0, 5000);
    QCOMPARE(clock.Elapsed(1000), PlayClock::Millis{6000});
    QCOMPARE(ClockText(452999), std::string("7:32"));
    QCOMPARE(ClockText(3723000), std::string("1:02:03"));
    kalvero::test::TempDir dir;
    const std::string path = dir.Write("best.txt", "Tough Hard=500000\nnot a time\nEasy=abc\n");
    BestTimes times = BestTimes::Read(path);
    QVERIFY(!times.Record("Tough Hard", 600000));
    QVERIFY(times.Record("Tough Hard", 400000) && times.Record("Gentle Easy", 90000) && times.Write(path));
    const BestTimes back = BestTimes::Read(path);
    QCOMPARE(back.Best("Tough Hard"), std::optional<PlayClock::Millis>(400000));
    QCOMPARE(back.Best("Gentle Easy"), std::optional<PlayClock::Millis>(90000));
    QCOMPARE(back.Best("Easy"), std::nullopt);
  }

  // Kept entries come back only for the puzzle they were kept from and only
  // when every line is sound; a damaged file changes nothing.
  void keptEntries_data() {
    QTest::addColumn<QString>("edit");  // "from>to" applied to the kept text; unedited ("") it comes back
    QTest::newRow("kept as written") << "";
    QTest::newRow("another file") << "file=a>file=b";
    QTest::newRow("another number") << "number=1>number=2";
    QTest::newRow("an entry in a given cell") << "12=47>22=47";
    QTest::newRow("a 0 in an entry") << "12=47>12=40";
    QTest::newRow("a digit twice") << "12=47>12=44";
    QTest::newRow("a cell twice") << "13=5>12=5";
    QTest::newRow("no header") << "file=a\n>";
  }
  void keptEntries() {
    QFETCH(QString, edit);
    Board kept, back;
    kept.state.PuzzleFileName = back.state.PuzzleFileName = "a";
    kept.Run("12=47 13=5");
    back.Run("99=9");  // replaced by what comes back, else kept
    const Grid<std::string> before = back.state.UserEntry;
    const QStringList parts = edit.split('>');
    const QString text = QString::fromStdString(KeptEntriesText(kept.state));
    QCOMPARE(RestoreEntries((edit.isEmpty() ? text : QString(text).replace(parts[0], parts[1])).toStdString(), back.state),
             edit.isEmpty());
    QVERIFY(back.state.UserEntry == (edit.isEmpty() ? kept.state.UserEntry : before));
  }
};

QTEST_APPLESS_MAIN(PlayTest)
#include "test_play.moc"
