#pragma once
// Clipboard pictures of the current puzzle: the puzzle with its given cells,
// or its solution, drawn at the screen's density so a pasted picture is
// sharp, and placed on the system clipboard as a bitmap.
#include <QImage>

#include "model/puzzle_state.h"
#include "output/puzzle_pictures.h"

namespace kalvero {

enum class CopyPicture { Puzzle = 0, Solution = 1 };

// Dots per inch and device-pixel ratio of a bitmap.
struct PictureDensity {
  double dotsPerInch = 96;
  double pixelRatio = 1;
};

// The primary screen's logical density and pixel ratio.
PictureDensity ScreenDensity();

QImage CopyPictureImage(CopyPicture which, const PuzzleState& state, PictureDensity density);

// Replaces the clipboard's contents with one bitmap; a null image leaves the
// clipboard alone.
void CopyPictureToClipboard(const QImage& image);

// Draws the chosen picture at the screen's density and copies it.
void DrawCopyPicture(CopyPicture which, const PuzzleState& state);

}  // namespace kalvero
