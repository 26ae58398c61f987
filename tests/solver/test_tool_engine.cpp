// kalvero-tool's engine commands as a script sees them: output formats and
// exit codes.
#include "tool_run.h"

using namespace kalvero::test;

namespace {

const QString kNineGiven = "7259618341D37B86I59683452713128794566E72A43H94896531272745869135C14I27F8896137542";
const QString kSolution = "725961834143728695968345271312879456657214389489653127274586913531492768896137542";
QString Dots(int n) { return QString(n, QLatin1Char('.')); }

}  // namespace

class ToolEngineTest : public QObject {
  Q_OBJECT
 private slots:
  // Exit 1 for a board that is no board, 2 for a wrong argument.
  void runs_data() {
    const QString open = "." + kSolution.mid(1, 39) + "0" + kSolution.mid(41);  // two cells open
    // Rows 1 and 2 leave only 8 for the last two cells of row 1: the search
    // meets the repeated 8 with nothing left to try.
    const QString noSolution = "1234567" + Dots(9) + "9" + Dots(18) + "9" + Dots(45);
    AddCases({
        {"verify", {"verify", "FILE"}, 0, "1 0\n2 error\n3 1\n",
         (kNineGiven + "\r\nshort\r\n" + kSolution + "\r\n").toLatin1()},
        {"solve, two open cells", {"solve", open}, 0,
         "failed=0 placements=2 branchpoints=0 board=" + kSolution.toLatin1() + "\n"},
        {"solve a puzzle line, limit 0: one search step", {"solve", kNineGiven, "--limit", "0"}, 0,
         "failed=1 placements=1 branchpoints=1 board="}, {"solve, no solution", {"solve", noSolution}, 0,
         "failed=1 placements=0 branchpoints=0 board=123456788000000090000000000000000009" + QByteArray(45, '0') + "\n"},
        {"pencil, read puzzle", {"pencil", kNineGiven}, 0, "12356789|1267|12356789|3456789|3467|"},
        {"pencil, created", {"pencil", kNineGiven, "--created"}, 0, "123456789|123567|"},
        {"pencil with an entry", {"pencil", kNineGiven, "7" + Dots(80)}, 0, "7|26|15|345689|"},
        {"bench", {"bench", "engine", "--count", "5", "--seed", "3"}, 0,
         "engine benchmark: seed 3, 5 nine-seed solves, 5 grids\noperation                   runs   median_us\n"
         "VerifyPuzzle accepted          5"},
        {"too short", {"solve", "123"}, 1, "kalvero-tool: BOARD must be 81 characters, not 3"},
        {"stray character", {"solve", "x" + Dots(80)}, 1, "kalvero-tool: BOARD: character 1 \"x\" is not 1-9, 0 or ."},
        {"repeated given", {"solve", "1.......1" + Dots(72)}, 1, "kalvero-tool: BOARD: 1 is given twice in row 1"},
        {"nine 9s in a row", {"solve", "999999999" + Dots(72)}, 1, "kalvero-tool: BOARD: 9 is given twice in row 1"},
        {"repeated letter in a box", {"solve", "A.........A" + Dots(70)}, 1, "kalvero-tool: BOARD: 1 is given twice in box 1"},
        {"pencil line with a character more", {"pencil", kNineGiven + "7"}, 1,
         "kalvero-tool: LINE must be 81 characters, not 82"},
        {"bad limit", {"solve", Dots(81), "--limit", "many"}, 2, "kalvero-tool: --limit must be 0 to 1000000000"},
        {"entry letter", {"pencil", kNineGiven, "7" + Dots(79) + "q"}, 2,
         "kalvero-tool: ENTRIES: character 81 \"q\" is not 1-9, 0 or ."},
        {"short entries", {"pencil", kNineGiven, "7"}, 2, "kalvero-tool: ENTRIES must be 81 characters, not 1"},
        {"verify two files", {"verify", "a", "b"}, 2, "kalvero-tool: verify takes 1 argument, not 2"},
    });
  }
  void runs() { CheckCase(); }
};

QTEST_GUILESS_MAIN(ToolEngineTest)
#include "test_tool_engine.moc"
