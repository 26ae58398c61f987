// Play on the board without a window: selection, entry, undo and reset,
// the pencil tip, the clue strips, checking and showing the solution.
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

// Answers every question with a set button and counts the questions.
class AnsweringHost : public Host {
 public:
  explicit AnsweringHost(MsgResult answer) : answer_(answer) {}
  void Yield() override {}
  MsgResult Message(const std::string& text, const std::string& style) override {
    asked.push_back(text + "|" + style);
    return answer_;
  }
  std::string Input(const std::string&, const std::string& d, bool) override { return d; }
  std::vector<std::string> asked;

 private:
  MsgResult answer_;
};

struct Board {
  PuzzleState state;
  Settings settings;
  bool busy = false;
  PlaySession play{state, settings, [this] { return busy; }};
  Board() {
    if (!LoadPuzzleLine(state, kLine).ok()) qFatal("bad test line");
    state.PuzzleCount = 1;
    settings.PencilTooltip = 1;
    settings.SumAreaTooltip = 1;
  }
  // "RC=text;..." into a grid of texts.
  static void Fill(Grid<std::string>& grid, const QString& cells) {
    for (const QString& pair : cells.split(QLatin1Char(';'), Qt::SkipEmptyParts))
      grid[pair[0].digitValue()][pair[1].digitValue()] = pair.mid(3).toStdString();
  }
  // Every open cell holds its solution digit, but for "RC=text;..." cells.
  void SolvedBut(const QString& cells) {
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (state.FixedValue[r][c].empty()) state.UserEntry[r][c] = std::to_string(state.Solution[r][c]);
    Fill(state.UserEntry, cells);
  }
  CellPos Selected() const { return {state.SelRow, state.SelCol}; }
};

PlayKey KeyNamed(const QString& name) {
  static const QHash<QString, PlayKey> keys{{"F2", PlayKey::F2},       {"F3", PlayKey::F3}, {"F4", PlayKey::F4},
                                            {"Home", PlayKey::Home},   {"Delete", PlayKey::Delete},
                                            {"Escape", PlayKey::Escape}, {"Up", PlayKey::Up},
                                            {"Down", PlayKey::Down},   {"Left", PlayKey::Left},
                                            {"Right", PlayKey::Right}};
  return keys.value(name, PlayKey::Other);
}

// Runs a script of blank-separated steps: "@RC" hovers cell (R, C) (row or
// column 0 lies outside the grid), "'X" types character X ("'esc" types
// Escape), ">Key" releases a key, "undo", "redo", "hint", "copy", "strip" hovers the top
// clue of column 1.
void Run(Board& b, const QString& script) {
  for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (step.startsWith(QLatin1Char('@')))
      b.play.Hover({step[1].digitValue(), step[2].digitValue()});
    else if (step == QLatin1String("'esc"))
      b.play.TypeChar(kCharEscape);
    else if (step.startsWith(QLatin1Char('\'')))
      b.play.TypeChar(step[1].unicode());
    else if (step.startsWith(QLatin1Char('>')))
      b.play.KeyReleased(KeyNamed(step.mid(1)));
    else if (step == QLatin1String("undo"))
      b.play.Undo();
    else if (step == QLatin1String("redo"))
      b.play.Redo();
    else if (step == QLatin1String("hint"))
      b.play.AskHint();
    else if (step == QLatin1String("copy"))
      b.play.CopyPencilValue();
    else if (step == QLatin1String("strip"))
      b.play.StripHover(ClueStrip::Top, 10, 10, 5400, 300);
    else
      qFatal("unknown step");
  }
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT
 private slots:
  void entry_data() {
    QTest::addColumn<QString>("marks");   // computed marks set beforehand, "RC=text;..."
    QTest::addColumn<int>("givenRow");    // a row made all given, 0 for none
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("entries");  // expected entries, "RC=text;..."
    QTest::addColumn<QString>("selected");  // "RC", or "-" for none
    QTest::addColumn<int>("undos");
    QTest::newRow("second digit is added as a mark") << "" << 0 << false << "@12 '5 '3" << "12=53" << "12" << 2;
    QTest::newRow("a mark already there is not added") << "" << 0 << false << "@12 '5 '3 '5" << "12=53" << "12" << 2;
    QTest::newRow("another cell changed in between: replace")
        << "" << 0 << false << "@12 '7 @13 '2 @12 '4" << "12=4;13=2" << "12" << 3;
    QTest::newRow("0 and letters change nothing") << "" << 0 << false << "@12 '0 'a 'Z" << "12=" << "12" << 0;
    QTest::newRow("given cells take nothing") << "" << 0 << false << "@22 '5 >Delete" << "22=" << "22" << 0;
    QTest::newRow("no selection takes nothing") << "" << 0 << false << "'5 >Delete" << "" << "-" << 0;
    QTest::newRow("$ moves as Home: first open cell from column 2") << "" << 0 << false << "@54 '$" << "" << "12" << 0;
    QTest::newRow("characters on a given cell do not move") << "" << 0 << false << "@55 '$" << "" << "55" << 0;
    QTest::newRow("Home with no selection") << "" << 0 << false << ">Home" << "" << "12" << 0;
    QTest::newRow("Right in column 9 wraps to column 1") << "" << 0 << false << "@29 >Right" << "" << "21" << 0;
    QTest::newRow("Left skips a given") << "" << 0 << false << "@23 >Left" << "" << "21" << 0;
    QTest::newRow("Up wraps and skips a given") << "" << 0 << false << "@32 '& '&" << "" << "92" << 0;
    QTest::newRow("Down skips a given, Right as character") << "" << 0 << false << "@12 '( ''" << "" << "33" << 0;
    QTest::newRow("all-given row: Right stays") << "" << 2 << false << "@21 >Right" << "" << "21" << 0;
    QTest::newRow("all-given first row: Home stays") << "" << 1 << false << "@54 >Home" << "" << "54" << 0;
    QTest::newRow("key moves keep the cell in mark mode") << "" << 0 << false << "@12 '5 >Right >Left '3" << "12=53" << "12" << 2;
    QTest::newRow("leaving the grid ends mark mode") << "" << 0 << false << "@12 '5 @00 @12 '3" << "12=3" << "12" << 2;
    QTest::newRow("leaving the grid clears the selection") << "" << 0 << false << "@12 @10" << "" << "-" << 0;
    QTest::newRow("a clue strip ends mark mode, keeps the selection")
        << "" << 0 << false << "@12 '5 strip '3" << "12=3" << "12" << 2;
    QTest::newRow("Escape as character and key: two records") << "" << 0 << false << "@12 '5 'esc >Escape" << "12=" << "12" << 3;
    QTest::newRow("full stop and Delete clear") << "" << 0 << false << "@12 '5 '. '6 >Delete" << "12=" << "12" << 4;
    QTest::newRow("undo of 47 leaves 4") << "" << 0 << false << "@12 '4 '7 undo" << "12=4" << "12" << 1;
    QTest::newRow("undo of 4 empties the cell") << "" << 0 << false << "@12 '4 undo undo" << "12=" << "12" << 0;
    QTest::newRow("undo keeps the cell in mark mode") << "" << 0 << false << "@12 '4 '7 undo '8" << "12=48" << "12" << 2;
    QTest::newRow("undo restores other cells newest first")
        << "" << 0 << false << "@12 '4 @13 '5 undo" << "12=4;13=" << "13" << 1;
    QTest::newRow("redo puts back the undone changes in order")
        << "" << 0 << false << "@12 '4 @13 '5 '7 undo undo undo redo redo" << "12=4;13=5" << "13" << 2;
    QTest::newRow("redo with nothing undone does nothing") << "" << 0 << false << "@12 '4 redo" << "12=4" << "12" << 1;
    QTest::newRow("a new change empties the redo list")
        << "" << 0 << false << "@12 '4 @13 '5 undo '8 redo" << "12=4;13=8" << "13" << 2;
    QTest::newRow("copy of a single mark trims its blank") << "12= 6" << 0 << false << "@12 copy" << "12=6" << "12" << 1;
    QTest::newRow("F3 copies several marks") << "12=368" << 0 << false << "@12 >F3" << "12=368" << "12" << 1;
    QTest::newRow("copy without computed marks does nothing") << "" << 0 << false << "@12 copy" << "12=" << "12" << 0;
    QTest::newRow("copy into a given does nothing") << "22= 4" << 0 << false << "@22 copy" << "22=" << "22" << 0;
    QTest::newRow("while creating nothing happens")
        << "12=5" << 0 << true << "@12 '5 >Home copy >F3 undo redo >F4 hint" << "12=" << "-" << 0;
  }
  void entry() {
    QFETCH(QString, marks);
    QFETCH(int, givenRow);
    QFETCH(bool, busy);
    QFETCH(QString, script);
    QFETCH(QString, entries);
    QFETCH(QString, selected);
    QFETCH(int, undos);
    Board b;
    b.busy = busy;
    Board::Fill(b.state.CandidateGrid, marks);
    for (int c = 1; givenRow && c <= 9; ++c) b.state.FixedValue[givenRow][c] = "1";
    Run(b, script);
    Grid<std::string> want{};
    Board::Fill(want, entries);
    for (const QString& pair : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const int r = pair[0].digitValue(), c = pair[1].digitValue();
      QCOMPARE(QString::fromStdString(b.state.UserEntry[r][c]), QString::fromStdString(want[r][c]));
    }
    const CellPos sel = selected == QLatin1String("-") ? CellPos{} : CellPos{selected[0].digitValue(), selected[1].digitValue()};
    QCOMPARE(b.Selected(), sel);
    QCOMPARE(static_cast<int>(b.play.Undos().Size()), undos);
  }

  void hoverTip_data() {
    QTest::addColumn<bool>("tooltip");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("tipShown");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("field");
    QTest::newRow("a lone mark keeps its blank") << true << " 4" << "" << true << "  4 " << " 4";
    QTest::newRow("several marks") << true << "149" << "" << true << " 149 " << "149";
    QTest::newRow("no marks computed") << true << "" << "" << true << " ? " << "?";
    QTest::newRow("a cell with an entry") << true << "5" << "5" << false << " ? " << "";
    QTest::newRow("tooltip switched off") << false << "149" << "" << false << " ? " << "";
  }
  void hoverTip() {
    QFETCH(bool, tooltip);
    QFETCH(QString, mark);
    QFETCH(QString, entry);
    Board b;
    b.settings.PencilTooltip = tooltip;
    b.state.CandidateGrid[3][4] = mark.toStdString();
    b.state.UserEntry[3][4] = entry.toStdString();
    b.play.Hover({3, 4});
    QTEST(b.play.View().tipShown, "tipShown");
    QTEST(QString::fromStdString(b.play.View().tipText), "tip");
    QTEST(QString::fromStdString(b.play.View().pencilValue), "field");
    if (tooltip && entry.isEmpty()) QCOMPARE(b.play.View().tipCell, 22);
  }

  // A key move to a cell without marks must not leave the tip of the last one.
  void keyMoveTip() {
    Board b;
    b.state.CandidateGrid[1][2] = "29";
    b.play.KeyReleased(PlayKey::Home);
    QCOMPARE(b.play.View().pencilValue, std::string("29"));
    QCOMPARE(b.play.View().tipText, std::string(" 29 "));
    b.play.KeyReleased(PlayKey::Right);
    QVERIFY(!b.play.View().tipShown);
    QCOMPARE(b.play.View().pencilValue, std::string("?"));
  }

  // Only a change of selection or overlay asks for a repaint; with no
  // puzzle nothing is selected.
  void hoverRepaints() {
    Board b;
    QVERIFY(b.play.Hover({3, 4}).overlayChanged);
    QVERIFY(!b.play.Hover({3, 4}).overlayChanged);
    QVERIFY(b.play.LeaveBoard().overlayChanged);
    QVERIFY(!b.play.LeaveBoard().overlayChanged);
    b.state.PuzzleCount = 0;
    b.play.Hover({3, 4});
    QCOMPARE(b.Selected(), CellPos{});
  }

  void strips_data() {
    QTest::addColumn<int>("strip");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("area");
    QTest::newRow("top, column 3") << int(ClueStrip::Top) << 1300.0 << 10.0 << 3;
    QTest::newRow("right, row 9") << int(ClueStrip::Right) << 10.0 << 5300.0 << 18;
    QTest::newRow("bottom, column 1") << int(ClueStrip::Bottom) << 0.0 << 10.0 << 19;
    QTest::newRow("left, far edge is row 9") << int(ClueStrip::Left) << 10.0 << 5400.0 << 36;
  }
  void strips() {
    QFETCH(int, strip);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, area);
    Board b;
    const auto s = static_cast<ClueStrip>(strip);
    const bool vertical = s == ClueStrip::Left || s == ClueStrip::Right;
    const double w = vertical ? 300 : 5400, h = vertical ? 5400 : 300;
    const PlayResult first = b.play.StripHover(s, x, y, w, h);
    QVERIFY(first.startTimer);
    QCOMPARE(b.play.View().areaFrame, area);
    // The same area again does not restart the outline; the timer hides it.
    QVERIFY(!b.play.StripHover(s, x, y, w, h).startTimer);
    b.play.TimerFired();
    QCOMPARE(b.play.View().areaFrame, 0);
    const PlayResult pressed = b.play.StripPress(s, x, y, w, h);
    QCOMPARE(pressed.drawing, BoardDrawing::AreaMarks);
    QCOMPARE(pressed.area, area);
    QVERIFY(!b.state.CandidateGrid[1][1].empty());
    QCOMPARE(b.play.StripRelease().drawing, BoardDrawing::Full);
    // An area without a clue neither outlines nor shows marks.
    b.state.ClueSum[area] = 0;
    b.play.Hover({5, 5});
    QVERIFY(!b.play.StripHover(s, x, y, w, h).overlayChanged);
    QCOMPARE(b.play.StripPress(s, x, y, w, h).drawing, BoardDrawing::None);
  }

  void reset_data() {
    QTest::addColumn<bool>("undoButton");  // right click on undo, else the reset button
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("rereadOk");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("reread");
    QTest::addColumn<int>("undosAfter");
    QTest::addColumn<QString>("status");
    QTest::newRow("undo right click, empty list: no question") << true << false << true << true << 0 << false << 0 << "-";
    QTest::newRow("undo right click, No: list emptied anyway") << true << true << false << true << 1 << false << 0 << "-";
    QTest::newRow("undo right click, Yes") << true << true << true << true << 1 << true << 0 << "Puzzle reset";
    QTest::newRow("reset button, No: list kept") << false << true << false << true << 1 << false << 1 << "-";
    QTest::newRow("reset button, empty list still asks") << false << false << true << true << 1 << true << 0 << "Puzzle reset";
    QTest::newRow("reread failed: not reported as reset") << false << true << true << false << 1 << true << 1
                                                          << "Puzzle 4 could not be read again: nothing was reset";
  }
  void reset() {
    QFETCH(bool, undoButton);
    QFETCH(bool, typed);
    QFETCH(bool, yes);
    QFETCH(bool, rereadOk);
    QFETCH(QString, status);
    Board b;
    b.state.PuzzleNumber = 4;
    if (typed) Run(b, "@12 '5");
    AnsweringHost host(yes ? MsgResult::Yes : MsgResult::No);
    bool reread = false;
    const auto reader = [&] {
      reread = true;
      if (rereadOk) b.play.PuzzleRead();
      return rereadOk;
    };
    const PlayResult r = undoButton ? b.play.ResetAll(host, reader) : b.play.ResetPuzzle(host, reader);
    QTEST(static_cast<int>(host.asked.size()), "asked");
    if (!host.asked.empty())
      QCOMPARE(host.asked[0], std::string("All user values will be cleared, proceed?|vbquestion+vbyesno"));
    QTEST(reread, "reread");
    QTEST(static_cast<int>(b.play.Undos().Size()), "undosAfter");
    QCOMPARE(r.status ? QString::fromStdString(*r.status) : QStringLiteral("-"), status);
  }

  void check_data() {
    QTest::addColumn<QString>("entries");  // "RC=text;...", applied to the solved board
    QTest::addColumn<QString>("status");
    QTest::newRow("solved") << "" << "All done!";
    QTest::newRow("one open cell empty") << "99=" << "Complete the puzzle first";
    QTest::newRow("one wrong digit") << "11=5" << "Solution not correct";
    QTest::newRow("player's marks count as filled but wrong") << "11=7;12=25" << "Solution not correct";
    QTest::newRow("an empty cell after a wrong one still asks to complete") << "11=5;99=" << "Complete the puzzle first";
  }
  void check() {
    QFETCH(QString, entries);
    QFETCH(QString, status);
    Board b;
    b.SolvedBut(entries);
    const PlayResult r = b.play.Check();
    QCOMPARE(QString::fromStdString(r.status.value()), status);
    QCOMPARE(r.notice.has_value(), status == QLatin1String("All done!"));
    if (r.notice) QCOMPARE(r.notice->style, std::string("vbhappy+vbok"));
  }

  void solution() {
    Board b;
    Run(b, "@12 '4 '7");
    QCOMPARE(b.play.HideSolution().drawing, BoardDrawing::None);  // no press came first
    const PlayResult shown = b.play.ShowSolution();
    QCOMPARE(shown.drawing, BoardDrawing::Solution);
    QCOMPARE(*shown.status, std::string("Solution ..."));
    b.play.TypeChar('9');  // typing while the solution shows would be lost on release
    const PlayResult hidden = b.play.HideSolution();
    QCOMPARE(hidden.drawing, BoardDrawing::PlayerBoard);
    QCOMPARE(*hidden.status, std::string());
    QCOMPARE(b.state.UserEntry[1][2], std::string("47"));
    QCOMPARE(static_cast<int>(b.play.Undos().Size()), 2);
  }

  // The board is solved but for the cells set by `entries`; the script asks
  // for hints. "*" stands for the cell's solution digit.
  void hint_data() {
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("cell");  // "RC"
    QTest::addColumn<QString>("want");
    QTest::addColumn<int>("undos");
    QTest::newRow("pointed to only") << "12=" << "hint" << "12" << "" << 0;
    QTest::newRow("explained, still not placed") << "12=" << "hint hint" << "12" << "" << 0;
    QTest::newRow("asked three times: placed and recorded") << "12=" << "hint hint hint" << "12" << "*" << 1;
    QTest::newRow("a change in between starts over") << "12=" << "hint hint @13 '. hint hint" << "12" << "" << 1;
    QTest::newRow("a wrong value comes first, then is cleared")
        << "12=;13=9" << "hint hint" << "13" << "" << 1;
    QTest::newRow("F4 as Hint") << "12=" << ">F4 >F4 >F4" << "12" << "*" << 1;
    QTest::newRow("redo gone after a hint is placed")
        << "12=;13=" << "@13 '1 undo hint hint hint redo" << "13" << "" << 1;
  }
  void hint() {
    QFETCH(QString, entries);
    QFETCH(QString, script);
    QFETCH(QString, cell);
    QFETCH(QString, want);
    Board b;
    b.SolvedBut(entries);
    Run(b, script);
    const int r = cell[0].digitValue(), c = cell[1].digitValue();
    const QString expected = want == QLatin1String("*") ? QString::number(b.state.Solution[r][c]) : want;
    QCOMPARE(QString::fromStdString(b.state.UserEntry[r][c]), expected);
    QTEST(static_cast<int>(b.play.Undos().Size()), "undos");
  }

  // The first ask outlines what it names and never gives away a digit: a
  // wrong value, or the cell to look at.
  void hintShown_data() {
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("outlined");  // a cell number
    QTest::addColumn<bool>("area");     // a unit or area outlined too
    QTest::newRow("wrong value") << "12=;13=9" << "The 9 in row 1, column 3 is wrong" << 3 << false;
    QTest::newRow("one open cell") << "12=" << "Look at row 1, column 2" << 2 << false;
  }
  void hintShown() {
    QFETCH(QString, entries);
    QFETCH(QString, text);
    QFETCH(int, outlined);
    Board b;
    b.SolvedBut(entries);
    const PlayResult shown = b.play.AskHint();
    QVERIFY(shown.overlayChanged);
    QCOMPARE(shown.notice->style, std::string("vbok+vblighton"));
    QCOMPARE(shown.notice->text, *shown.status);
    if (!text.isEmpty()) QCOMPARE(QString::fromStdString(*shown.status), text);
    const std::vector<int>& cells = b.play.View().hintCells;
    QVERIFY(std::find(cells.begin(), cells.end(), outlined) != cells.end());
    QTEST(!b.play.View().hintArea.empty(), "area");
    b.play.PuzzleRead();
    QVERIFY(b.play.View().hintCells.empty());
  }

  // From the givens alone: the first ask points, the second explains the
  // steps to that cell's digit (eliminations first, numbered), the third
  // places it. On a full board Hint says what is left to do.
  void hintLeadsToADigit() {
    Board b;
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) b.state.UserEntry[r][c].clear();
    const std::string look = *b.play.AskHint().status;
    QVERIFY2(look.starts_with("Look at row "), look.c_str());
    const int cell = b.play.View().hintCells.front();
    const std::string why = *b.play.AskHint().status;
    QVERIFY2(why.starts_with("1. ") && why.find("\n2. ") != std::string::npos, why.c_str());
    QVERIFY(b.play.View().hintCells.size() > 1);
    b.play.AskHint();
    const int r = kTables.RowOf[cell], c = kTables.ColOf[cell];
    QCOMPARE(b.state.UserEntry[r][c], std::to_string(b.state.Solution[r][c]));

    Board full;
    full.SolvedBut("");
    QCOMPARE(*full.play.AskHint().status, std::string("The board is full: press Check"));
  }

  // The play clock on a fake clock: pauses add nothing, a stop holds the
  // time, a restart takes a kept time; and the times' text.
  void playClock() {
    PlayClock clock;
    clock.Restart(1000);
    clock.Pause(61000);
    clock.Resume(90000);   // 29 s paused
    QCOMPARE(clock.Elapsed(95000), PlayClock::Millis{65000});
    clock.Stop(100000);
    clock.Resume(200000);  // a stopped clock stays stopped
    QCOMPARE(clock.Elapsed(300000), PlayClock::Millis{70000});
    clock.Restart(0, 5000);
    QCOMPARE(clock.Elapsed(1000), PlayClock::Millis{6000});
    QCOMPARE(ClockText(452999), std::string("7:32"));
    QCOMPARE(ClockText(3723000), std::string("1:02:03"));
  }

  // Best times: only a faster solve replaces one, and the file (written
  // whole, atomically) reads back the same; junk lines are skipped.
  void bestTimesFile() {
    kalvero::test::TempDir dir;
    const std::string path = dir.Write("best.txt", "Tough Hard=500000\nnot a time\nEasy=abc\n");
    BestTimes times = BestTimes::Read(path);
    QVERIFY(!times.Record("Tough Hard", 600000));
    QVERIFY(times.Record("Tough Hard", 400000));
    QVERIFY(times.Record("Gentle Easy", 90000));
    QVERIFY(times.Write(path));
    const BestTimes back = BestTimes::Read(path);
    QCOMPARE(back.Best("Tough Hard"), std::optional<PlayClock::Millis>(400000));
    QCOMPARE(back.Best("Gentle Easy"), std::optional<PlayClock::Millis>(90000));
    QCOMPARE(back.Best("Easy"), std::nullopt);
  }

  // Highlights: the selected digit everywhere it stands, and mistakes by
  // the rules and clues alone (a correct board has none, whatever the
  // stored solution).
  void highlights_data() {
    QTest::addColumn<QString>("entries");   // over the solved board
    QTest::addColumn<QString>("selected");  // "RC", or empty
    QTest::addColumn<int>("sameDigit");     // cells tinted
    QTest::addColumn<QList<int>>("mistakes");
    QTest::newRow("solved board, a digit selected") << "" << "12" << 9 << QList<int>{};
    QTest::newRow("nothing selected") << "" << "" << 0 << QList<int>{};
    QTest::newRow("pencil marks selected") << "12=47" << "12" << 0 << QList<int>{};
    // The 7 at row 1, column 2 repeats row 1's and column 2's (row 7), and
    // overfills the sums left of row 1 (cells 1-3) and above column 2 (2, 11,
    // 20); the given at 11 is never marked.
    QTest::newRow("a wrong 7") << "12=7" << "" << 0 << QList<int>{1, 2, 3, 20, 56};
  }
  void highlights() {
    QFETCH(QString, entries);
    QFETCH(QString, selected);
    Board b;
    b.SolvedBut(entries);
    b.state.SelRow = selected.isEmpty() ? -1 : selected[0].digitValue();
    b.state.SelCol = selected.isEmpty() ? -1 : selected[1].digitValue();
    const Highlights h = FindHighlights(b.state, {.sameDigit = true, .sameDigitLines = false, .mistakes = true});
    QTEST(static_cast<int>(h.sameDigit.size()), "sameDigit");
    QTEST(QList<int>(h.mistakes.begin(), h.mistakes.end()), "mistakes");
  }

  // A puzzle whose stored solution breaks the rules (two 8s in row 1) gets
  // the same answer at every ask and no hint is ever placed.
  void hintOnDisagreeingPuzzle() {
    Board b;
    std::string line = kLine;
    line[0] = '8';
    QVERIFY(LoadPuzzleLine(b.state, line).ok());
    for (int ask = 0; ask < 3; ++ask) {
      const PlayResult r = b.play.AskHint();
      QCOMPARE(r.status.value(), std::string("This puzzle's clues and its stored solution disagree"));
      QVERIFY(r.notice.has_value());
    }
    QCOMPARE(static_cast<int>(b.play.Undos().Size()), 0);
  }

  // In the no-puzzle state the puzzle left in memory is not shown: marks,
  // check, solution and hint do nothing.
  void nothingActsWithoutAPuzzle() {
    Board b;
    b.state.PuzzleCount = 0;
    const PlayResult results[] = {b.play.ShowPencilMarks(), b.play.HidePencilMarks(), b.play.Check(),
                                  b.play.ShowSolution(), b.play.AskHint(),
                                  b.play.StripPress(ClueStrip::Top, 10, 10, 5400, 300)};
    for (const PlayResult& r : results) {
      QCOMPARE(r.drawing, BoardDrawing::None);
      QVERIFY(!r.status && !r.notice);
    }
  }

  // Every read of a puzzle empties the redo list.
  void readEmptiesRedo() {
    Board b;
    Run(b, "@12 '4 undo");
    QVERIFY(b.play.Undos().CanRedo());
    b.play.PuzzleRead();
    QVERIFY(!b.play.Undos().CanRedo());
    QCOMPARE(b.play.Redo().drawing, BoardDrawing::None);
  }

  // Kept entries come back only for the puzzle they were kept from and only
  // when every line is sound; a damaged file changes nothing.
  void keptEntries_data() {
    QTest::addColumn<QString>("edit");  // "from>to" applied to the kept text, "" for none
    QTest::addColumn<bool>("restored");
    QTest::newRow("kept as written") << "" << true;
    QTest::newRow("another file") << "file=a>file=b" << false;
    QTest::newRow("another number") << "number=1>number=2" << false;
    QTest::newRow("an entry in a given cell") << "12=47>22=47" << false;
    QTest::newRow("a 0 in an entry") << "12=47>12=40" << false;
    QTest::newRow("a digit twice") << "12=47>12=44" << false;
    QTest::newRow("a cell twice") << "13=5>12=5" << false;
    QTest::newRow("no header") << "file=a\n>" << false;
  }
  void keptEntries() {
    QFETCH(QString, edit);
    Board kept;
    kept.state.PuzzleFileName = "a";
    Board::Fill(kept.state.UserEntry, "12=47;13=5");
    std::string text = KeptEntriesText(kept.state);
    if (!edit.isEmpty()) {
      const QStringList parts = edit.split(QLatin1Char('>'));
      text = QString::fromStdString(text).replace(parts[0], parts[1]).toStdString();
    }
    Board back;
    back.state.PuzzleFileName = "a";
    back.state.UserEntry[9][9] = "9";  // replaced by what comes back, else kept
    const Grid<std::string> before = back.state.UserEntry;
    QFETCH(bool, restored);
    QCOMPARE(RestoreEntries(text, back.state), restored);
    QVERIFY(back.state.UserEntry == (restored ? kept.state.UserEntry : before));
  }

  void pencilButton() {
    Board b;
    QCOMPARE(b.play.ShowPencilMarks().drawing, BoardDrawing::AllEntries);
    QCOMPARE(b.state.CandidateGrid[2][2], std::string(" 4"));
    QCOMPARE(b.play.HidePencilMarks().drawing, BoardDrawing::Full);
    QCOMPARE(b.state.CandidateGrid[2][2], std::string(" 4"));  // kept for the tip and the copy
    PuzzleState empty;
    PlaySession none(empty, b.settings, [] { return false; });
    QCOMPARE(none.KeyReleased(PlayKey::F2).drawing, BoardDrawing::None);
    QCOMPARE(none.HidePencilMarks().drawing, BoardDrawing::None);
  }
};

QTEST_APPLESS_MAIN(PlayTest)
#include "test_play.moc"
