// Board numbering, the state a loaded line gives (clue sums, givens, the
// player's work cleared), levels, the filling of translated templates; the
// navigation buttons, the random puzzle number, the answer to "which
// puzzle?" and the recent-files list.
#include <QtTest>

#include "boards.h"
#include "model/board.h"
#include "model/navigation.h"
#include "model/puzzle_file.h"
#include "model/puzzle_state.h"
#include "model/recent_files.h"
#include "model/words.h"

using namespace kalvero;

namespace {
// A list as the configuration file gives it: blank captions hidden.
RecentFiles Listed(std::initializer_list<const char*> captions) {
  RecentFiles recent;
  std::copy(captions.begin(), captions.end(), recent.caption.begin());
  for (int i = 0; i < kRecentFileCount; ++i)
    recent.visible[i] = !QByteArray::fromStdString(recent.caption[i]).trimmed().isEmpty();
  recent.separatorVisible = recent.visible[0];
  return recent;
}
QStringList Shown(const RecentFiles& recent) {
  QStringList shown;
  for (int i = 0; i < kRecentFileCount; ++i)
    if (recent.visible[i]) shown << QString::fromStdString(recent.caption[i]);
  return shown;
}
}  // namespace

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

  // On puzzle p of 5 a left click steps, wrapping round at either end, a
  // right click goes to the first or the last; one puzzle gives no step.
  // The random number spans the whole file.
  void buttons() {
    using B = NavButton;
    using A = NavAction;
    const auto L = MouseButton::Left, R = MouseButton::Right;
    struct Row { B button; MouseButton mouse; int current, count; A action; int number; };
    const Row rows[] = {{B::Next, L, 5, 5, A::Show, 1}, {B::Previous, L, 1, 5, A::Show, 5}, {B::Next, L, 2, 5, A::Show, 3},
                        {B::Previous, L, 4, 5, A::Show, 3}, {B::Previous, R, 3, 5, A::Show, 1}, {B::Next, R, 3, 5, A::Show, 5},
                        {B::Random, L, 3, 5, A::ShowRandom, 0}, {B::Random, R, 3, 5, A::AskNumber, 0}, {B::Next, L, 1, 1, A::None, 0}};
    for (const Row& row : rows) {
      const NavStep step = NavigationStep(row.button, row.mouse, row.current, row.count);
      QVERIFY2(step.action == row.action && step.number == row.number,
               qPrintable(QStringLiteral("button %1, puzzle %2 of %3").arg(int(row.button)).arg(row.current).arg(row.count)));
    }
    QCOMPARE(RandomPuzzleNumber(0.0, 10), 1);
    QCOMPARE(RandomPuzzleNumber(0.9999999999, 10), 10);
  }

  // Asked with 5 puzzles: rounded halves to even, leading digits of a text.
  void answer() {
    struct Row { const char* text; AnswerKind kind; int number; };
    using K = AnswerKind;
    const Row rows[] = {{"2.5", K::Chosen, 2}, {" 3rd", K::Chosen, 3}, {"0.4", K::End, 0},
                        {"abc", K::End, 0},    {"-2", K::AskAgain, 0}, {"99999999999999999999999", K::AskAgain, 0}};
    for (const Row& row : rows) {
      const NumberAnswer a = ReadNumberAnswer(row.text, 5);
      QVERIFY2(a.kind == row.kind && a.number == row.number, row.text);
    }
  }

  // A new file goes first, the oldest of five dropping off; a listed one
  // (matched case-sensitively) leaves the list as it was; blanks between
  // entries close up. The separator shows after any addition.
  void addRecentFile() {
    struct Row { RecentFiles before; const char* path; QStringList after; };
    const Row rows[] = {{Listed({" ", " ", " ", " ", " "}), "/p/a.txt", {"/p/a.txt"}},
                        {Listed({"/b", "/c"}), "/a", {"/a", "/b", "/c"}},
                        {Listed({"/b", "/c", "/a"}), "/a", {"/b", "/c", "/a"}},
                        {Listed({"/b", "/A"}), "/a", {"/a", "/b", "/A"}},
                        {Listed({"/5", "/4", "/3", "/2", "/1"}), "/6", {"/6", "/5", "/4", "/3", "/2"}},
                        {Listed({"/b", "", "/c", "", ""}), "/a", {"/a", "/b", "/c"}}};
    for (const Row& row : rows) {
      RecentFiles recent = row.before;
      QCOMPARE(AddRecentFile(recent, row.path), Shown(row.before) != row.after);
      QCOMPARE(Shown(recent), row.after);
      QVERIFY(recent.separatorVisible);
      for (int i = 0; i < row.after.size(); ++i) QVERIFY(recent.visible[i]);
    }
  }
};

QTEST_APPLESS_MAIN(BoardStateTest)
#include "test_board_state.moc"
