#pragma once
// The output pictures of a puzzle, each one drawing routine against the
// twips Surface: the printed puzzle, the small solution stamp printed upside
// down beside it, and the two clipboard pictures. RenderPicture turns any of
// them into a bitmap at a given pixel density.
#include <QImage>
#include <functional>

#include "model/colour.h"
#include "model/puzzle_state.h"
#include "output/print_layout.h"
#include "view/qt_surface.h"

namespace kalvero {

// Light grey of the 16-colour palette (colour 7): the shade of a given cell.
inline constexpr Colour kPaletteLightGrey = Rgb(192, 192, 192);
inline constexpr Colour kWhite = Rgb(255, 255, 255);

// Picture sizes in twips.
struct TwipSize {
  int width;
  int height;
};
inline constexpr TwipSize kPuzzlePictureSize{8300, 8600};
inline constexpr TwipSize kSolutionPictureSize{2500, 2900};
inline constexpr TwipSize kSolutionStampSize{2000, 3000};

// One printed puzzle: header line, given cells shaded with their digits,
// cell and box lines from the printer line size, and the clue sums.
void DrawPrintedPuzzle(Surface& surface, const PuzzleState& state, const PrintLayout& layout,
                       int printerLineSize);

// The solution as nine lines of nine digits on white.
void DrawSolutionStamp(Surface& surface, const PuzzleState& state);

// The clipboard's "Puzzle" picture: header, given cells shaded with their
// digits, grid and clue sums, on white.
void DrawPuzzlePicture(Surface& surface, const PuzzleState& state);

// The clipboard's "Solution" picture: 81 small boxed digits and two lines
// naming the puzzle, on white.
void DrawSolutionPicture(Surface& surface, const PuzzleState& state);

// Pixel size of a picture at `dotsPerInch` times `pixelRatio`.
QSize PicturePixels(TwipSize size, double dotsPerInch, double pixelRatio);

// Draws a picture through a PainterSurface onto a bitmap of its pixel size;
// the bitmap carries the pixel ratio so it shows at its true size.
QImage RenderPicture(TwipSize size, double dotsPerInch, double pixelRatio,
                     const std::function<void(Surface&)>& draw);

}  // namespace kalvero
