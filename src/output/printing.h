#pragma once
// Printing puzzles onto a QPrinter (a real printer or a PDF file): the
// current puzzle alone with its solution, or a range of the current file two
// per page. Each printed puzzle also leaves its solution stamp on the
// clipboard. Questions and reports are the caller's; these functions return
// what happened.
#include <QString>

#include "model/puzzle_state.h"
#include "output/clipboard.h"
#include "output/print_layout.h"

class QPrinter;

namespace kalvero {

struct PrintOutcome {
  bool printed = false;  // false when the printer could not be started
  int pages = 0;
  QString report;        // the message for the user
};

// Prints the state's puzzle on one page (large, with its solution stamp).
PrintOutcome PrintCurrentPuzzle(QPrinter& printer, const PuzzleState& state, int printerLineSize,
                                PictureDensity clipboardDensity = ScreenDensity());

// Prints puzzles first..last of the state's file, two per page; a page is
// started only when another puzzle follows. Puzzles are read into a copy of
// `state`; a puzzle that cannot be read leaves its place empty. `lastRead`
// gets the number of the last puzzle read (the state's own number when none
// was), which the caller shows afterwards.
PrintOutcome PrintPuzzleRange(QPrinter& printer, const PuzzleState& state, int first, int last, int printerLineSize,
                              std::int32_t& lastRead, PictureDensity clipboardDensity = ScreenDensity());

}  // namespace kalvero
