// Candidate rules 1 to 9 and the sum-area filter.
//
// The bit-set rules are checked against the plain text formulation of
// text_rules.h on many random boards (wild ones, with empty sets, repeated
// singles and several-digit working values, and near-solution ones where the
// rules do real work), plus hand-made cases for the behaviours that matter
// most to solving and verification.
#include <QtTest>
#include <random>

#include "board_text.h"
#include "rules/rules.h"
#include "solver/verify.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

DigitSet RandomSet(std::mt19937& rng, int size) {
  std::array<int, 9> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::shuffle(digits.begin(), digits.end(), rng);
  DigitSet s = 0;
  for (int i = 0; i < size; ++i) s |= DigitBit(digits[i]);
  return s;
}

// A valid complete grid: a shifted pattern with shuffled digits.
std::array<int, 82> RandomGrid(std::mt19937& rng) {
  std::array<int, 9> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::shuffle(digits.begin(), digits.end(), rng);
  std::array<int, 82> grid{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) grid[r * 9 + c + 1] = digits[(r * 3 + r / 3 + c) % 9];
  return grid;
}

void FillWild(Engine& e, std::mt19937& rng) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const unsigned roll = rng() % 100;
    const int size = roll < 12 ? 0 : roll < 35 ? 1 : roll < 75 ? 2 + static_cast<int>(rng() % 3) : 5 + static_cast<int>(rng() % 5);
    e.puzzle.CellCandidates[cell] = RandomSet(rng, size);
    const unsigned v = rng() % 10;
    e.solver.CellValue[cell] = v < 5 ? 0 : v < 8 ? RandomSet(rng, 1) : e.puzzle.CellCandidates[cell];
    e.puzzle.FixedMark[cell] = rng() % 10 == 0;
  }
}

void FillNearSolution(Engine& e, std::mt19937& rng) {
  const auto grid = RandomGrid(rng);
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const unsigned roll = rng() % 100;
    DigitSet s = DigitBit(grid[cell]);
    if (roll < 25) {
      e.solver.CellValue[cell] = s;
      s = 0;
    } else if (roll < 35) {
      // decided but not yet placed
    } else {
      for (int d = 1; d <= 9; ++d)
        if (rng() % 100 < 35) s |= DigitBit(d);
    }
    e.puzzle.CellCandidates[cell] = s;
    e.puzzle.FixedMark[cell] = roll < 5;
  }
}

void CompareWithText(const Engine& e, const TextBoard& b, int rule) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    QCOMPARE(DigitText(e.puzzle.CellCandidates[cell]), b.cand[cell]);
    QCOMPARE(DigitText(e.solver.CellValue[cell]), b.value[cell]);
  }
  QCOMPARE(e.solver.RuleChangeCount[rule], b.changes[rule]);
  QCOMPARE(e.solver.RuleChangeCount[1], b.changes[1]);
  QCOMPARE(e.solver.PlacementCount, b.placements);
  if (rule == 1 || b.changes[rule] != 0) QCOMPARE(e.solver.EmptyCount, b.emptyCount);
}

}  // namespace

class RulesTest : public QObject {
  Q_OBJECT
 private slots:
  void rulesAgreeWithTextFormulation_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("wild");
    for (int n = 1; n <= 9; ++n) {
      QTest::addRow("rule %d, wild boards", n) << n << true;
      QTest::addRow("rule %d, near-solution boards", n) << n << false;
    }
  }
  void rulesAgreeWithTextFormulation() {
    QFETCH(int, rule);
    QFETCH(bool, wild);
    std::mt19937 rng(static_cast<unsigned>(rule * 7919 + wild));
    int changedBoards = 0;
    for (int i = 0; i < 400; ++i) {
      Engine e;
      wild ? FillWild(e, rng) : FillNearSolution(e, rng);
      e.solver.RuleChangeCount[1] = -1;
      TextBoard b = ToText(e);
      b.changes[1] = -1;
      RunRule(e.ctx, rule);
      TextRule(b, rule);
      CompareWithText(e, b, rule);
      if (QTest::currentTestFailed()) {
        qWarning("board %d", i);
        return;
      }
      changedBoards += b.changes[rule] != 0 && rule != 1;
    }
    // The boards must exercise the rule (rule 7 never changes anything).
    if (rule != 1 && rule != 7) QVERIFY(changedBoards > 0);
  }

  void filterTripleAgreesWithTextFormulation() {
    std::mt19937 rng(11);
    for (int i = 0; i < 20000; ++i) {
      const DigitSet a = RandomSet(rng, 1 + rng() % 9), b = RandomSet(rng, 1 + rng() % 9), c = RandomSet(rng, rng() % 10);
      const int sum = static_cast<int>(rng() % 30);
      const Triple t = FilterTriple(a, b, c, sum);
      const auto text = TextFilterTriple(DigitText(a), DigitText(b), DigitText(c), sum);
      QCOMPARE(DigitText(t.a), text[0]);
      QCOMPARE(DigitText(t.b), text[1]);
      QCOMPARE(DigitText(t.c), text[2]);
    }
  }

  void filterTriple_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<int>("sum");
    QTest::addColumn<QString>("out");
    QTest::newRow("every digit takes part") << "123 456 789" << 15 << "123 456 789";
    QTest::newRow("sum below every choice") << "123 456 789" << 10 << "  ";
    QTest::newRow("one fitting choice") << "12 34 5" << 9 << "1 3 5";
    QTest::newRow("repeated digits never fit") << "3 3 3" << 9 << "  ";
    QTest::newRow("a given forces its area") << "123456789 123456789 8" << 24 << "79 79 8";
  }
  void filterTriple() {
    QFETCH(QString, in);
    QFETCH(int, sum);
    QFETCH(QString, out);
    const QStringList t = in.split(QLatin1Char(' '));
    const Triple r = FilterTriple(DigitsOf(t[0].toStdString()), DigitsOf(t[1].toStdString()),
                                  DigitsOf(t[2].toStdString()), sum);
    QCOMPARE(QString::fromStdString(DigitText(r.a) + ' ' + DigitText(r.b) + ' ' + DigitText(r.c)), out);
  }

  // Hand-made cases: a board description, the rule, its change count and the
  // cells to look at afterwards.
  void handCases_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("changes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rule 1: no singles, nothing placed") << 1 << "*=12" << 0 << "1=12 1#";
    QTest::newRow("rule 1: empty set counts as a single, clears nothing") << 1 << "*=12 5=" << 1 << "4=12 5= 5#";
    QTest::newRow("rule 1: two singles 5 in a row are both placed") << 1 << "*=12 1=5 2=5" << 2 << "1=5 2=5 1#5 2#5";
    QTest::newRow("rule 1: chain over passes") << 1 << "*=89 1=56 2=67 10=5" << 3 << "1=6 2=7 1#6 2#7 10#5";
    QTest::newRow("rule 1: a placed single clears but is not counted") << 1 << "*=89 1=5 1#5 2=56" << 1 << "2=6 2#6";
    QTest::newRow("rule 2: lone single of a box clears its row and column")
        << 2 << "*=123456789 1=7 2=12 3=12 10=12 11=12 12=12 19=12 20=12 21=12 4=7" << 12
        << "1=7 1#7 4= 5=12345689 28=12345689 13=123456789";
    QTest::newRow("rule 2: a given lone holder is ignored")
        << 2 << "*=123456789 1=7 1! 2=12 3=12 10=12 11=12 12=12 19=12 20=12 21=12 4=7" << 0 << "4=7 5=123456789";
    QTest::newRow("rule 2: a placement is seen by the unit's later digits")
        << 2 << "*=123456789 1=48 2=89 3=12 10=12 11=12 12=12 19=12 20=12 21=12" << 26
        << "1=4 2=8 1#4 2#8 4=1235679 28=12356789 29=12345679";
    QTest::newRow("rule 2: an empty set lists its working value")
        << 2 << "*=123456789 1= 1#7 2=78 3=12 10=12 11=12 12=12 19=12 20=12 21=12" << 13 << "2=8 2#8";
    QTest::newRow("rule 3: pair clears both digits, counting two") << 3 << "1=35 5=35 8=1357" << 2 << "8=17";
    QTest::newRow("rule 3: three equal pairs clear nothing") << 3 << "1=35 5=35 7=35 8=1357" << 0 << "8=1357";
    QTest::newRow("rule 3: a lone 3 is emptied by the pair") << 3 << "1=35 5=35 8=3" << 1 << "8=";
    QTest::newRow("rule 4: column confines 6 to box 1") << 4 << "10=16 19=26 2=36 3=46" << 3 << "2=3 3=4 19=2 10=16";
    QTest::newRow("rule 4: a decided cell alone confines its digit; single cells of the box are kept")
        << 4 << "*=12345789 1=6 11=56 20=67 21=6 14=123456789 16=123456789 23=123456789" << 2
        << "1=6 11=5 20=7 21=6";
    QTest::newRow("rule 4: columns are scanned before rows")
        << 4
        << "*=123456789 19=12345789 28=12345789 37=12345789 46=12345789 55=12345789 64=12345789 73=12345789 "
           "25=12345789 26=12345789 27=12345789"
        << 12 << "20=12345789 21=12345789 4=12345789 15=12345789 1=123456789 22=123456789";
    QTest::newRow("rule 5: the unique holder of two digits keeps the lower")
        << 5 << "*=12 1=3458 2=1245" << 2 << "1=3 2=4";
    QTest::newRow("rule 5: a unit's counts are taken before any of its cells is narrowed")
        << 5 << "*=3456789 1=12 2=24 4=23456789 29=23456789" << 3 << "1=1 2=4 4=2 29=2";
    QTest::newRow("rule 6: three cells of length 2 hide the pair") << 6 << "1=35 2=35 3=47 4=1357" << 0 << "4=1357";
    QTest::newRow("rule 6: a triple clears the row") << 6 << "1=123 2=123 3=123 4=12345" << 1 << "4=45";
    QTest::newRow("rule 6: six cells with the same six digits form a set")
        << 6 << "1=123456 2=123456 3=123456 4=123456 5=123456 6=123456 7=1234567 8=1234789" << 2 << "7=7 8=89";
    QTest::newRow("rule 6: seven cells with the same seven digits are not collected")
        << 6 << "10=1234567 11=1234567 12=1234567 13=1234567 14=1234567 15=1234567 16=1234567 17=12345678" << 0
        << "17=12345678";
    QTest::newRow("rule 6: columns are scanned before rows")
        << 6 << "1=35 2=35 3=357 12=57 21=57" << 1 << "3=3 1=5 2=5 12=7 21=7";
    QTest::newRow("rule 7: a hidden pair changes nothing") << 7 << "1=48 2=12 3=1248 4=23 5=34" << 0 << "3=1248";
    QTest::newRow("rule 9: x-wing clears its columns")
        << 9 << "12=15 17=15 57=15 62=15 30=57 8=58" << 2 << "30=7 8=8 12=15";
    QTest::newRow("rule 9: a third two-position row stops the x-wing")
        << 9 << "12=15 17=15 57=15 62=15 73=56 76=56 30=57 8=58" << 0 << "30=57 8=58";
    QTest::newRow("rule 9: three columns of two positions in three rows")
        << 9 << "2=14 8=15 9=16 29=17 32=18 59=19 62=14" << 1 << "9=6 2=14 29=17";
  }
  void handCases() {
    QFETCH(int, rule);
    QFETCH(QString, board);
    QFETCH(int, changes);
    QFETCH(QString, expected);
    Engine e;
    ApplyBoard(e, board);
    RunRule(e.ctx, rule);
    QCOMPARE(e.solver.RuleChangeCount[rule], changes);
    QCOMPARE(DescribeCells(e, expected), expected);
  }

  void placeValuePushesBranchPoints_data() {
    QTest::addColumn<QString>("alternatives");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("untried");
    QTest::newRow("no alternatives") << "" << 0 << "";
    QTest::newRow("one alternative") << "7" << 0 << "";
    QTest::newRow("two alternatives") << "79" << 1 << "9";
    QTest::newRow("three alternatives") << "469" << 1 << "69";
  }
  void placeValuePushesBranchPoints() {
    QFETCH(QString, alternatives);
    QFETCH(int, points);
    QFETCH(QString, untried);
    Engine e;
    e.solver.CellValue[3] = DigitBit(2);
    const DigitSet alt = DigitsOf(alternatives.toStdString());
    PlaceValue(e.ctx, 25, alt ? LowestDigit(alt) : 7, alt);
    QCOMPARE(e.solver.PlacementCount, 1);
    QCOMPARE(e.solver.BranchStack.Points(), points);
    QVERIFY(e.solver.CellValue[25] != 0);
    if (points == 0) return;
    const BranchPoint& p = e.solver.BranchStack.Top();
    QCOMPARE(int(p.cell), 25);
    QCOMPARE(int(p.box), 3);
    QCOMPARE(QString::fromStdString(DigitText(p.untried)), untried);
    QCOMPARE(p.snapshot[25], DigitSet(0));  // taken before the digit is written
    QCOMPARE(p.snapshot[3], DigitBit(2));
  }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
