#pragma once
// Where a printed puzzle goes on its page, the header line shared by the
// printed page and the clipboard picture, and the check of a typed print
// range. All lengths are twips.
#include <QString>

#include "model/puzzle_state.h"
#include "view/board_geometry.h"

namespace kalvero {

// The maker's web address in every header line: one constant, a placeholder
// for this project.
inline constexpr const char* kMakerAddress = "www.kalvero.example";

// Where a puzzle is printed: alone on its page (with its solution), or as
// the upper or lower one of a pair.
enum class PrintPosition { Alone = 0, Upper = 1, Lower = 2 };

struct PrintLayout {
  BoardGeometry geometry;  // margins, cell size and its third, half and sixth
  double digitFontSize;    // points; the clue sums take 0.7 of it
  int headerY;             // top of the header line
  TwipRect solutionStamp;  // where the upside-down solution picture goes
};

PrintLayout PrintLayoutFor(PrintPosition position);

// A board geometry with the given margins and cell size; third, half and
// sixth are derived with halves rounded to even.
BoardGeometry GeometryWithCell(int left, int top, int cell);

// "Kalvero-<address>: p# 12 (Easy) file - <PuzzleFileName>".
QString PuzzleHeader(const PuzzleState& state);

// Line widths of a printed puzzle from the printer line size: box lines use
// the size itself, cell lines a quarter of it (at least 1); a size below 1
// counts as 3.
struct PrintLineWidths {
  int cell;
  int box;
};
PrintLineWidths LineWidthsFor(int printerLineSize);

enum class RangeCheck { Accepted, Missing, NotCorrect };

struct PrintRange {
  RangeCheck check = RangeCheck::Missing;
  int first = 0;
  int last = 0;
  // The accepted range as ten characters, five digits each ("0000500010").
  QString Tag() const;
  // The message for a refused range ("" when accepted).
  QString Message() const;
};

// Reads "first-last" as typed in the print window: it needs a "-", and is
// accepted when both numbers are at least 1, first <= last and first does
// not exceed the file's puzzle count.
PrintRange CheckPrintRange(const QString& text, int puzzleCount);

}  // namespace kalvero
