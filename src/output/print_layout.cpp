#include "output/print_layout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "model/text.h"
#include "ui/translate.h"

namespace kalvero {

namespace {

int HalfEven(double v) { return static_cast<int>(RoundHalfEven(v)); }

// A typed range's numbers drop their fractions.
int Number(const QString& text) { return WholeNumber(text.toStdString(), Rounding::TowardZero); }

constexpr int kStampWidth = 2000;
constexpr int kStampHeight = 3000;

}  // namespace

BoardGeometry GeometryWithCell(int left, int top, int cell) {
  BoardGeometry g;
  g.GridLeft = left;
  g.GridTop = top;
  g.CellSize = cell;
  g.ThirdCell = HalfEven(cell / 3.0);
  g.HalfCell = HalfEven(cell / 2.0);
  g.SixthCell = HalfEven(g.ThirdCell / 2.0);
  return g;
}

PrintLayout PrintLayoutFor(PrintPosition position) {
  // The solution stamp sits clear of the puzzle on a portrait page: below
  // the large grid of a lone puzzle, right of the clue boxes of a pair.
  switch (position) {
    case PrintPosition::Alone:
      return {GeometryWithCell(1500, 2500, 1000), 15, 2500 - 850,
              {10500 - kStampWidth, 15000 - kStampHeight, kStampWidth, kStampHeight}};
    case PrintPosition::Upper:
      return {GeometryWithCell(1500, 1000, 600), 12, 1000 - 650,
              {10000 - kStampWidth, 6400 - kStampHeight, kStampWidth, kStampHeight}};
    case PrintPosition::Lower:
      break;
  }
  return {GeometryWithCell(1500, 9000, 600), 12, 9000 - 650,
          {10000 - kStampWidth, 14400 - kStampHeight, kStampWidth, kStampHeight}};
}

QString PuzzleHeader(const PuzzleState& state) {
  //: Header of a printed puzzle: %1 web address, %2 puzzle number (with a leading blank), %3 level, %4 puzzle file
  return QCoreApplication::translate("Kalvero", "Kalvero-%1: p#%2 (%3) file - %4")
      .arg(QLatin1String(kMakerAddress), QString::fromStdString(NumberText(state.PuzzleNumber)),
           Translated(LevelName(state.FixedCount)), QString::fromStdString(state.PuzzleFileName));
}

PrintLineWidths LineWidthsFor(int printerLineSize) {
  const int size = printerLineSize < 1 ? 3 : printerLineSize;
  return {std::max(1, HalfEven(size / 4.0)), size};
}

QString PrintRange::Tag() const {
  return QStringLiteral("%1%2").arg(first, 5, 10, QLatin1Char('0')).arg(last, 5, 10, QLatin1Char('0'));
}

QString PrintRange::Message() const {
  switch (check) {
    case RangeCheck::Accepted:
      return {};
    case RangeCheck::Missing:
      return QCoreApplication::translate("Kalvero", "Specify print range");
    case RangeCheck::NotCorrect:
      break;
  }
  return QCoreApplication::translate("Kalvero", "Print range not correct");
}

PrintRange CheckPrintRange(const QString& text, int puzzleCount) {
  const QString trimmed = text.trimmed();
  const qsizetype dash = trimmed.indexOf(QLatin1Char('-'));
  if (dash < 0) return {};
  PrintRange range{RangeCheck::NotCorrect, Number(trimmed.left(dash)), Number(trimmed.mid(dash + 1))};
  if (range.first >= 1 && range.last >= 1 && range.first <= range.last && range.first <= puzzleCount)
    range.check = RangeCheck::Accepted;
  return range;
}

}  // namespace kalvero
