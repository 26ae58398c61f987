#pragma once
// Short board descriptions for rule and solver tests, and conversions
// between the engine's state and the text formulation of text_rules.h.
//
// A description is a list of tokens separated by blanks:
//   *=DIGITS  every cell not named elsewhere gets these candidates
//   N=DIGITS  candidates of cell N (DIGITS may be empty)
//   N#D       working value of cell N (D may be several digits or empty)
//   N!        cell N is given
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "model/host.h"
#include "rules/rule_context.h"
#include "text_rules.h"

namespace kalvero::test {

struct Engine {
  PuzzleState puzzle;
  SolverState solver;
  SilentHost host;
  RuleContext ctx{puzzle, solver, host};
};

inline void ApplyBoard(Engine& e, const QString& board) {
  const QStringList tokens = board.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString& t : tokens)
    if (t.startsWith(QLatin1String("*=")))
      for (int cell = 1; cell <= kCellCount; ++cell) e.puzzle.CellCandidates[cell] = DigitsOf(t.mid(2).toStdString());
  for (const QString& t : tokens) {
    if (t.startsWith(QLatin1Char('*'))) continue;
    const int at = t.indexOf(QRegularExpression(QStringLiteral("[=#!]")));
    const int cell = t.left(at).toInt();
    const std::string rest = t.mid(at + 1).toStdString();
    switch (t[at].toLatin1()) {
      case '=': e.puzzle.CellCandidates[cell] = DigitsOf(rest); break;
      case '#': e.solver.CellValue[cell] = DigitsOf(rest); break;
      default: e.puzzle.FixedMark[cell] = true; break;
    }
  }
}

// The named cells of a description as the engine holds them now, in the
// description's own token form, for comparison.
inline QString DescribeCells(const Engine& e, const QString& expected) {
  QStringList out;
  for (const QString& t : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const int at = t.indexOf(QRegularExpression(QStringLiteral("[=#]")));
    const int cell = t.left(at).toInt();
    const DigitSet s = t[at] == QLatin1Char('=') ? e.puzzle.CellCandidates[cell] : e.solver.CellValue[cell];
    out << t.left(at + 1) + QString::fromStdString(DigitText(s));
  }
  return out.join(QLatin1Char(' '));
}

inline TextBoard ToText(const Engine& e) {
  TextBoard b;
  for (int cell = 1; cell <= kCellCount; ++cell) {
    b.cand[cell] = DigitText(e.puzzle.CellCandidates[cell]);
    b.value[cell] = DigitText(e.solver.CellValue[cell]);
    b.fixed[cell] = e.puzzle.FixedMark[cell];
  }
  b.placements = e.solver.PlacementCount;
  return b;
}

}  // namespace kalvero::test
