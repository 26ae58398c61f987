#pragma once
// Pictures of the main window's buttons, drawn as vector shapes so they stay
// crisp at any size and screen density.
#include <QRectF>

#include "ui/box_control.h"

class QPainter;

namespace kalvero {

enum class ButtonPicture {
  Load,          // an open folder
  Undo,          // an arrow curving back to the left
  Previous,      // a triangle pointing left
  Random,        // a die
  Next,          // a triangle pointing right
  Create,        // a sparkling star
  ShowSolution,  // an eye
  Verify,        // a check mark
  Pencil,        // a pencil
  Reset,         // two arrows chasing each other round a circle
};

// Draws the picture centred in the largest square that fits in rect.
void DrawButtonPicture(QPainter& painter, const QRectF& rect, ButtonPicture picture);

// The same drawing as a BoxControl picture:
//   button->SetPicture(ButtonPicturePainter(ButtonPicture::Load));
BoxControl::PicturePainter ButtonPicturePainter(ButtonPicture picture);

}  // namespace kalvero
