// Candidate rules 1 to 9 and the sum-area filter. Hand-made boards show what
// each rule does, quirks included; each rule's results on a thousand
// reproducible random boards (wild ones, with empty sets, repeated singles
// and several-digit working values, and near-solution ones where the rules do
// real work) fold into a digest pinned from a reviewed run.
#include <QtTest>
#include <random>
#include <sstream>

#include "rules/rules.h"
#include "rules/shared_findings.h"
#include "solver/solver_support.h"
#include "solver/verify.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

// A board description is a list of tokens separated by blanks:
//   *=DIGITS  (first) every cell gets these candidates
//   N=DIGITS  candidates of cell N (DIGITS may be empty)
//   N#D       working value of cell N
//   N!        cell N is given
void ApplyBoard(SolverRig& e, const std::string& board) {
  std::istringstream in(board);
  for (std::string t; in >> t;) {
    const std::size_t at = t.find_first_of("=#!");
    const int cell = t[0] == '*' ? 0 : std::stoi(t.substr(0, at));
    const DigitSet digits = DigitsOf(t.substr(at + 1));
    if (cell == 0) std::fill(e.puzzle.CellCandidates.begin() + 1, e.puzzle.CellCandidates.end(), digits);
    if (cell != 0 && t[at] == '=') e.puzzle.CellCandidates[cell] = digits;
    if (t[at] == '#') e.solver.CellValue[cell] = digits;
    if (t[at] == '!') e.puzzle.FixedMark[cell] = true;
  }
}

// The cells named in `expected` ("N=" candidates, "N#" working value) as the
// engine holds them now, in the same form.
std::string DescribeCells(const SolverRig& e, const std::string& expected) {
  std::istringstream in(expected);
  std::string out;
  for (std::string t; in >> t;) {
    const std::size_t at = t.find_first_of("=#");
    const int cell = std::stoi(t.substr(0, at));
    out += (out.empty() ? "" : " ") + t.substr(0, at + 1) +
           DigitText(t[at] == '=' ? e.puzzle.CellCandidates[cell] : e.solver.CellValue[cell]);
  }
  return out;
}

// Random draws by plain modulo from std::mt19937, whose sequence every
// standard library gives alike (unlike its shuffles and distributions).
DigitSet RandomSet(std::mt19937& rng, int size) {
  DigitSet s = 0;
  while (DigitCount(s) < size) s |= DigitBit(1 + static_cast<int>(rng() % 9));
  return s;
}

void FillWild(SolverRig& e, std::mt19937& rng) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const unsigned roll = rng() % 100;
    const int size = roll < 12 ? 0 : roll < 35 ? 1 : roll < 75 ? 2 + static_cast<int>(rng() % 3) : 5 + static_cast<int>(rng() % 5);
    e.puzzle.CellCandidates[cell] = RandomSet(rng, size);
    const unsigned v = rng() % 10;
    e.solver.CellValue[cell] = v < 5 ? 0 : v < 8 ? RandomSet(rng, 1) : e.puzzle.CellCandidates[cell];
    e.puzzle.FixedMark[cell] = rng() % 10 == 0;
  }
}

// A valid grid (a shifted pattern over shuffled digits) with a quarter of
// its cells placed, a tenth decided but not placed, the rest open with
// random extra candidates.
void FillNearSolution(SolverRig& e, std::mt19937& rng) {
  std::array<int, 9> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int i = 8; i > 0; --i) std::swap(digits[i], digits[rng() % (i + 1)]);
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int r = (cell - 1) / 9, c = (cell - 1) % 9;
    DigitSet s = DigitBit(digits[(r * 3 + r / 3 + c) % 9]);
    const unsigned roll = rng() % 100;
    if (roll < 25) {
      e.solver.CellValue[cell] = s;
      s = 0;
    } else if (roll >= 35) {
      for (int d = 1; d <= 9; ++d)
        if (rng() % 100 < 35) s |= DigitBit(d);
    }
    e.puzzle.CellCandidates[cell] = s;
    e.puzzle.FixedMark[cell] = roll < 5;
  }
}

// A rule, a board description, the rule's change count and the cells to
// look at afterwards.
struct HandCase {
  const char* name;
  int rule;
  std::string board;
  int changes;
  const char* expected;
};

// Box 1 filled with 12 but for cells 1 and 2, on a board of full sets.
const std::string kBox1 = "*=123456789 3=12 10=12 11=12 12=12 19=12 20=12 21=12 ";

const HandCase kHandCases[] = {
    {"rule 1: empty set counts as a single, clears nothing", 1, "*=12 5=", 1, "4=12 5= 5#"},
    {"rule 1: two singles 5 in a row are both placed", 1, "*=12 1=5 2=5", 2, "1=5 2=5 1#5 2#5"},
    {"rule 1: chain over passes", 1, "*=89 1=56 2=67 10=5", 3, "1=6 2=7 1#6 2#7 10#5"},
    {"rule 1: a placed single clears but is not counted", 1, "*=89 1=5 1#5 2=56", 1, "2=6 2#6"},
    {"rule 2: lone single of a box clears its row and column", 2, kBox1 + "1=7 2=12 4=7", 12,
     "1=7 1#7 4= 5=12345689 28=12345689 13=123456789"},
    {"rule 2: a given lone holder is ignored", 2, kBox1 + "1=7 1! 2=12 4=7", 0, "4=7 5=123456789"},
    {"rule 2: a placement is seen by the unit's later digits", 2, kBox1 + "1=48 2=89", 26,
     "1=4 2=8 1#4 2#8 4=1235679 28=12356789 29=12345679"},
    {"rule 2: an empty set lists its working value", 2, kBox1 + "1= 1#7 2=78", 13, "2=8 2#8"},
    {"rule 3: a pair clears both digits (two changes), even emptying a lone 3", 3, "1=35 5=35 8=1357 9=3", 3,
     "1=35 8=17 9="},
    {"rule 3: three equal pairs clear nothing", 3, "1=35 5=35 7=35 8=1357", 0, "8=1357"},
    {"rule 4: column confines 6 to box 1", 4, "10=16 19=26 2=36 3=46", 3, "2=3 3=4 19=2 10=16"},
    {"rule 4: a decided cell alone confines its digit; single cells of the box are kept", 4,
     "*=12345789 1=6 11=56 20=67 21=6 14=123456789 16=123456789 23=123456789", 2, "1=6 11=5 20=7 21=6"},
    {"rule 4: columns are scanned before rows", 4,
     "*=123456789 19=12345789 28=12345789 37=12345789 46=12345789 55=12345789 64=12345789 73=12345789 "
     "25=12345789 26=12345789 27=12345789",
     12, "20=12345789 21=12345789 4=12345789 15=12345789 1=123456789 22=123456789"},
    {"rule 5: the unique holder of two digits keeps the lower", 5, "*=12 1=3458 2=1245", 2, "1=3 2=4"},
    {"rule 5: a unit's counts are taken before any of its cells is narrowed", 5,
     "*=3456789 1=12 2=24 4=23456789 29=23456789", 3, "1=1 2=4 4=2 29=2"},
    {"rule 6: three cells of length 2 hide the pair", 6, "1=35 2=35 3=47 4=1357", 0, "4=1357"},
    {"rule 6: a triple clears the row", 6, "1=123 2=123 3=123 4=12345", 1, "4=45"},
    {"rule 6: six cells with the same six digits form a set", 6,
     "1=123456 2=123456 3=123456 4=123456 5=123456 6=123456 7=1234567 8=1234789", 2, "7=7 8=89"},
    {"rule 6: seven cells with the same seven digits are not collected", 6,
     "10=1234567 11=1234567 12=1234567 13=1234567 14=1234567 15=1234567 16=1234567 17=12345678", 0, "17=12345678"},
    {"rule 6: columns are scanned before rows", 6, "1=35 2=35 3=357 12=57 21=57", 1, "3=3 1=5 2=5 12=7 21=7"},
    {"rule 7: a hidden pair changes nothing", 7, "1=48 2=12 3=1248 4=23 5=34", 0, "1=48 3=1248"},
    // Rows 2 and 3 each claim box 1 for the 9, from tables read once.
    {"rule 8: claiming clears the rest of the line's box", 8, "*=12345678 10=19 20=29", 2, "10=1 20=2 10#1"},
    {"rule 9: x-wing clears its columns", 9, "12=15 17=15 57=15 62=15 30=57 8=58", 2, "30=7 8=8 12=15"},
    {"rule 9: a third two-position row stops the x-wing", 9, "12=15 17=15 57=15 62=15 73=56 76=56 30=57 8=58", 0,
     "30=57 8=58"},
    {"rule 9: three columns of two positions in three rows", 9, "2=14 8=15 9=16 29=17 32=18 59=19 62=14", 1,
     "9=6 2=14 29=17"},
};

}  // namespace

// Runs `run` on 1000 reproducible boards (half wild, half near a solution)
// and folds the candidates, working values, rule n's and rule 1's change
// counts, placements and EmptyCount after each run into one hash.
template <typename Run>
QString DigestOfRuns(unsigned seed, int n, Run run) {
  std::mt19937 rng(seed);
  Digest d;
  for (int i = 0; i < 1000; ++i) {
    SolverRig e;
    i % 2 ? FillWild(e, rng) : FillNearSolution(e, rng);
    e.solver.RuleChangeCount[1] = -1;  // shows whether rule 1 ran
    run(e);
    for (int cell = 1; cell <= kCellCount; ++cell) {
      d.Add(e.puzzle.CellCandidates[cell]);
      d.Add(e.solver.CellValue[cell]);
    }
    for (const int x : {e.solver.RuleChangeCount[n], e.solver.RuleChangeCount[1], e.solver.PlacementCount,
                        e.solver.EmptyCount})
      d.Add(static_cast<std::uint64_t>(x));
  }
  return QString::number(d.value, 16);
}

class RulesTest : public QObject {
  Q_OBJECT
 private slots:
  void handCases_data() {
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(kHandCases)); ++i) QTest::newRow(kHandCases[i].name) << i;
  }
  void handCases() {
    QFETCH(int, i);
    const HandCase& h = kHandCases[i];
    SolverRig e;
    ApplyBoard(e, h.board);
    RunRule(e.ctx, h.rule);
    QCOMPARE(e.solver.RuleChangeCount[h.rule], h.changes);
    QCOMPARE(DescribeCells(e, h.expected), std::string(h.expected));
  }

  // Candidates, working values, the rule's and rule 1's change counts,
  // placements and EmptyCount after each run, over 500 boards of each kind.
  void rulesMatchPinnedDigests_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("digest");
    // Rule 7's is that of the boards left unchanged with a count of 0.
    const char* pinned[] = {"", "ca2ac6075c1ef77b", "22de895c7db386d4", "c70356eeb21ab1ab", "fa4a258dd5231c47",
                            "b3f9d01bde7cad9a", "b83a91ced9fdcb63", "1bd8b9ffaf96c703", "58fae7e5093954b2",
                            "3c1e35ae99a8c6d5"};
    for (int n = 1; n <= 9; ++n) QTest::addRow("rule %d", n) << n << QString::fromLatin1(pinned[n]);
  }
  void rulesMatchPinnedDigests() {
    QFETCH(int, rule);
    QFETCH(QString, digest);
    QCOMPARE(DigestOfRuns(static_cast<unsigned>(rule), rule, [rule](SolverRig& e) { RunRule(e.ctx, rule); }),
             digest);
  }

  // The rule loop, whose rules share what they find out while the board
  // stays unchanged, on the same kind of boards, in orders where rules meet
  // boards their predecessors left as they were.
  void ruleLoopMatchesPinnedDigests_data() {
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("digest");
    QTest::newRow("all") << "23456789" << "5cb967e85414a285";
    QTest::newRow("unique after hidden") << "25" << "1eb4de204e47f4bc";
    QTest::newRow("repeated") << "52365" << "9cfa55c8a36755ba";
  }
  void ruleLoopMatchesPinnedDigests() {
    QFETCH(QString, order);
    QFETCH(QString, digest);
    const std::string rules = order.toStdString();
    QCOMPARE(DigestOfRuns(7, 2, [&rules](SolverRig& e) {
               e.solver.RuleOrder = rules;
               e.solver.EmptyCount = 0;
               for (int cell = 1; cell <= kCellCount; ++cell) e.solver.EmptyCount += e.solver.CellValue[cell] == 0;
               ApplyRules(e.ctx);
             }),
             digest);
  }

  // A loop ends on a quiet board, and the next loop's rules look only where
  // their board differs from it. As in a search, each board places one more
  // value on the last loop's board and takes fresh candidates; some also get
  // a few odd changes (digits dropped or added, values set, cleared or
  // replaced, single cells opened). Every loop must end exactly where it
  // ends without a quiet board, in orders that let each rule go first.
  void quietBoardChangesNoOutcome_data() {
    QTest::addColumn<QString>("order");
    for (const char* order : {"23456789", "98765432", "8642", "3", "5", "6"}) QTest::newRow(order) << order;
  }
  void quietBoardChangesNoOutcome() {
    QFETCH(QString, order);
    const std::string rules = order.toStdString();
    const auto loop = [&rules](SolverRig& e) {
      e.solver.RuleOrder = rules;
      e.solver.PlacementCount = 0;
      e.solver.RuleChangeCount = {};
      e.solver.EmptyCount = 0;
      for (int cell = 1; cell <= kCellCount; ++cell) e.solver.EmptyCount += e.solver.CellValue[cell] == 0;
      ApplyRules(e.ctx);
    };
    std::mt19937 rng(5);
    int used = 0;
    for (int i = 0; i < 40; ++i) {
      SolverRig quiet(NineSeeds(rng));
      quiet.solver.Generating = false;
      RefreshCandidates(quiet.ctx, true);
      for (int step = 0; step < 40; ++step) {
        loop(quiet);
        const int open = 1 + static_cast<int>(rng() % kCellCount);
        if (quiet.solver.CellValue[open] == 0 && HasSeveral(quiet.puzzle.CellCandidates[open])) {
          quiet.solver.CellValue[open] = DigitBit(LowestDigit(quiet.puzzle.CellCandidates[open]));
          RefreshCandidates(quiet.ctx, true);
        }
        for (int k = static_cast<int>(rng() % 6) - 2; k > 0; --k) {
          const int cell = 1 + static_cast<int>(rng() % kCellCount);
          DigitSet& t = quiet.puzzle.CellCandidates[cell];
          const unsigned what = rng() % 5;
          if (what == 0) t = static_cast<DigitSet>(t ^ RandomSet(rng, 1));
          if (what == 1) t = RandomSet(rng, 1 + static_cast<int>(rng() % 4));
          if (what == 2) quiet.solver.CellValue[cell] = quiet.solver.CellValue[cell] ? 0 : RandomSet(rng, 1);
          if (what == 3) t = static_cast<DigitSet>(t | quiet.solver.CellValue[cell]);
          if (what == 4 && quiet.solver.CellValue[cell]) quiet.solver.CellValue[cell] = RandomSet(rng, 1);
        }
        SolverRig plain;
        plain.puzzle = quiet.puzzle;
        plain.solver.CellValue = quiet.solver.CellValue;
        used += DiffFromQuiet(quiet.puzzle, quiet.solver).has_value();
        loop(quiet);
        loop(plain);
        QCOMPARE(quiet.puzzle.CellCandidates, plain.puzzle.CellCandidates);
        QCOMPARE(quiet.solver.CellValue, plain.solver.CellValue);
        QCOMPARE(quiet.solver.RuleChangeCount, plain.solver.RuleChangeCount);
        QCOMPARE(quiet.solver.PlacementCount, plain.solver.PlacementCount);
        QCOMPARE(quiet.solver.EmptyCount, plain.solver.EmptyCount);
      }
    }
    QVERIFY(used > 1000);
  }

  // Rule 5 after a hidden-singles run that changed nothing: the only holder
  // of digit 1 among row 1's candidates sits beside a placed 1 without
  // candidates, so rule 2 (which counts that value) places nothing while
  // rule 5 (which does not) narrows the holder, and rule 1 then places it.
  void uniqueCandidateActsWhereHiddenSinglesDidNot() {
    SolverRig e;
    e.puzzle.CellCandidates.fill(kAllDigits);
    e.solver.CellValue[1] = DigitBit(1);
    e.puzzle.CellCandidates[1] = 0;
    e.puzzle.CellCandidates[2] = DigitsOf("12");
    for (int cell = 3; cell <= 9; ++cell) e.puzzle.CellCandidates[cell] = DigitsOf("23456789");
    e.solver.RuleOrder = "25";
    e.solver.EmptyCount = 80;
    ApplyRules(e.ctx);
    QCOMPARE(e.solver.CellValue[2], DigitBit(1));
    QCOMPARE(e.solver.EmptyCount, 79);
  }

  void filterTriple() {
    const struct { const char* in[3]; int sum; const char* out; } cases[] = {
        {{"123", "456", "789"}, 15, "123 456 789"},        // every digit takes part
        {{"123", "456", "789"}, 10, "  "},                 // sum below every choice
        {{"12", "34", "5"}, 9, "1 3 5"},                   // one fitting choice
        {{"3", "3", "3"}, 9, "  "},                        // repeated digits never fit
        {{"123456789", "123456789", "8"}, 24, "79 79 8"},  // a given forces its area
    };
    for (const auto& t : cases) {
      const Triple r = FilterTriple(DigitsOf(t.in[0]), DigitsOf(t.in[1]), DigitsOf(t.in[2]), t.sum);
      QCOMPARE(DigitText(r.a) + ' ' + DigitText(r.b) + ' ' + DigitText(r.c), std::string(t.out));
    }
  }

  // 20000 random set triples, empty sets included, with sums 0..29.
  void filterTripleMatchesPinnedDigest() {
    std::mt19937 rng(11);
    Digest d;
    for (int i = 0; i < 20000; ++i) {
      const DigitSet a = rng() % 512, b = rng() % 512, c = rng() % 512;
      const Triple t = FilterTriple(a, b, c, static_cast<int>(rng() % 30));
      for (const DigitSet s : {t.a, t.b, t.c}) d.Add(s);
    }
    QCOMPARE(QString::number(d.value, 16), QStringLiteral("e89293bafa404b81"));
  }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
