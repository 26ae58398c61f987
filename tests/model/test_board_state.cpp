// Board numbering, clue sums, levels, state preparation and the filling of
// translated sentence templates.
#include <QtTest>

#include "model/board.h"
#include "model/puzzle_file.h"
#include "model/puzzle_state.h"
#include "model/words.h"

using namespace kalvero;

namespace {
// Rows 1..9 shifted so every row, column and box holds 1..9; row 1 is 123456789.
const std::string kSolved =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
}

class BoardStateTest : public QObject {
  Q_OBJECT
 private slots:
  // Every cell's row, column and box, worked out from its number rather
  // than from the tables.
  void cellNumbering() {
    for (int cell = 1; cell <= 81; ++cell) {
      const int row = (cell - 1) / 9 + 1, col = (cell - 1) % 9 + 1;
      QCOMPARE(kTables.RowOf[cell], row);
      QCOMPARE(kTables.ColOf[cell], col);
      QCOMPARE(kTables.BoxOf[cell], 3 * ((row - 1) / 3) + (col - 1) / 3 + 1);
      QCOMPARE(kTables.CellNum[row][col], cell);
    }
  }

  void boxCellLists() {
    const char* expected[] = {"010203101112192021", "040506131415222324", "070809161718252627",
                              "282930373839464748", "313233404142495051", "343536434445525354",
                              "555657646566737475", "585960676869767778", "616263707172798081"};
    for (int b = 1; b <= 9; ++b) QCOMPARE(QString::fromStdString(BoxCellList(b)), QString::fromLatin1(expected[b - 1]));
  }

  // Clues 1-9 top of the columns, 10-18 right of the rows, 19-27 bottom of
  // the columns, 28-36 left of the rows.
  void clueSums() {
    PuzzleState state;
    QVERIFY(LoadPuzzleLine(state, kSolved).ok());
    const int expected[] = {12, 15, 18, 12, 15, 18, 12, 15, 18, 24, 6,  15, 18, 9,  18, 12, 12, 21,
                            18, 12, 15, 18, 12, 15, 18, 12, 15, 6,  15, 24, 9,  18, 18, 12, 21, 12};
    for (int clue = 1; clue <= 36; ++clue) QCOMPARE(state.ClueSum[clue], expected[clue - 1]);
  }

  void levelNames_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::newRow("no givens") << 0 << "Hard";
    QTest::newRow("4") << 4 << "Hard";
    QTest::newRow("5") << 5 << "Easy";
    QTest::newRow("6") << 6 << "Easy";
    QTest::newRow("7") << 7 << "Very Easy";
  }
  void levelNames() {
    QFETCH(int, count);
    QFETCH(QString, name);
    QCOMPARE(QString::fromLatin1(LevelName(count)), name);
  }

  // Translations may reorder or repeat the arguments; an argument (a file
  // name, say) is never read again as a template.
  void fillTemplates_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("filled");
    QTest::newRow("in order") << "In %1, the %2 can only go in %3" << "In row 3, the 5 can only go in a%2b";
    QTest::newRow("reordered and repeated") << "%3: %2 (%2) %1" << "a%2b: 5 (5) row 3";
    QTest::newRow("missing argument and lone %") << "%4 is 100% %1" << "%4 is 100% row 3";
  }
  void fillTemplates() {
    QFETCH(QString, pattern);
    QFETCH(QString, filled);
    QCOMPARE(QString::fromStdString(Fill(pattern.toStdString(), {"row 3", "5", "a%2b"})), filled);
  }

  void prepareClearsPlayerWork() {
    PuzzleState state;
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        state.UserEntry[r][c] = "5";
        state.CandidateGrid[r][c] = "123";
        state.Solution[r][c] = kSolved[(r - 1) * 9 + c - 1] - '0';
      }
    state.FixedFlag[1][2] = 1;
    state.FixedFlag[9][9] = 1;
    PreparePuzzleState(state);
    QCOMPARE(state.FixedCount, 2);
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        QVERIFY(state.UserEntry[r][c].empty());
        QVERIFY(state.SavedEntry[r][c].empty());
        QVERIFY(state.CandidateGrid[r][c].empty());
        const bool fixed = state.FixedFlag[r][c] == 1;
        QCOMPARE(state.FixedMark[CellNum(r, c)], fixed);
        QCOMPARE(state.FixedValue[r][c].empty(), !fixed);
        QCOMPARE(state.CellCandidates[CellNum(r, c)], fixed ? DigitBit(state.Solution[r][c]) : DigitSet{0});
      }
    QCOMPARE(QString::fromStdString(state.FixedValue[1][2]), QStringLiteral("2"));
  }
};

QTEST_APPLESS_MAIN(BoardStateTest)
#include "test_board_state.moc"
