// Board numbering, the state a loaded line gives (clue sums, givens, the
// player's work cleared), levels and the filling of translated templates.
#include <QtTest>

#include "boards.h"
#include "model/board.h"
#include "model/puzzle_file.h"
#include "model/puzzle_state.h"
#include "model/words.h"

using namespace kalvero;

class BoardStateTest : public QObject {
  Q_OBJECT
 private slots:
  // Each box's cells, in the order of its list, are those whose box worked
  // out from their row and column is that box.
  void boxes() {
    QString boxes[10];
    for (int cell = 1; cell <= 81; ++cell) {
      const int row = (cell - 1) / 9, col = (cell - 1) % 9, box = 3 * (row / 3) + col / 3 + 1;
      QCOMPARE(kTables.BoxOf[cell], box);
      boxes[box] += QString::asprintf("%02d", cell);
    }
    for (int b = 1; b <= 9; ++b) QCOMPARE(QString::fromStdString(BoxCellList(b)), boxes[b]);
  }

  // Clues 1-9 top of the columns, 10-18 right of the rows, 19-27 bottom of
  // the columns, 28-36 left of the rows. Loading a new puzzle clears the
  // entries and marks left from the one before.
  void loadedLinePreparesTheState() {
    PuzzleState state;
    for (auto* work : {&state.UserEntry, &state.SavedEntry, &state.CandidateGrid})
      for (auto& row : *work) row.fill("5");
    state.CellCandidates.fill(DigitBit(5));
    std::string line = test::kSolvedGrid;
    line[1] = 'B', line[80] = 'H';
    QVERIFY(LoadPuzzleLine(state, line).ok());
    const int sums[] = {12, 15, 18, 12, 15, 18, 12, 15, 18, 24, 6,  15, 18, 9,  18, 12, 12, 21,
                        18, 12, 15, 18, 12, 15, 18, 12, 15, 6,  15, 24, 9,  18, 18, 12, 21, 12};
    for (int clue = 1; clue <= 36; ++clue) QCOMPARE(state.ClueSum[clue], sums[clue - 1]);
    QCOMPARE(state.SolutionText.c_str(), test::kSolvedGrid);
    QCOMPARE(state.FixedCount, 2);
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        const int cell = CellNum(r, c);
        const bool fixed = cell == 2 || cell == 81;
        QVERIFY(state.UserEntry[r][c].empty() && state.SavedEntry[r][c].empty() && state.CandidateGrid[r][c].empty());
        QCOMPARE(state.FixedMark[cell], fixed);
        QCOMPARE(state.FixedValue[r][c].c_str(), fixed ? (cell == 2 ? "2" : "8") : "");
        QCOMPARE(state.CellCandidates[cell], fixed ? DigitBit(state.Solution[r][c]) : DigitSet{0});
      }
  }

  void levelNames() {
    const std::pair<int, const char*> rows[] = {{0, "Hard"}, {4, "Hard"}, {5, "Easy"}, {6, "Easy"}, {7, "Very Easy"}};
    for (const auto& [count, name] : rows) QCOMPARE(LevelName(count), name);
  }

  // Translations may reorder or repeat the arguments; an argument (a file
  // name, say) is never read again as a template, nor is a missing one.
  void fillTemplates() {
    QCOMPARE(Fill("%3: %2 (%2) %1, %4 is 100%", {"row 3", "5", "a%2b"}).c_str(), "a%2b: 5 (5) row 3, %4 is 100%");
  }
};

QTEST_APPLESS_MAIN(BoardStateTest)
#include "test_board_state.moc"
