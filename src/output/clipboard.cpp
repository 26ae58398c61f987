#include "output/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>

namespace kalvero {

PictureDensity ScreenDensity() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->logicalDotsPerInch(), screen->devicePixelRatio()};
}

QImage CopyPictureImage(CopyPicture which, const PuzzleState& state, PictureDensity density) {
  if (which == CopyPicture::Puzzle)
    return RenderPicture(kPuzzlePictureSize, density.dotsPerInch, density.pixelRatio,
                         [&](Surface& s) { DrawPuzzlePicture(s, state); });
  return RenderPicture(kSolutionPictureSize, density.dotsPerInch, density.pixelRatio,
                       [&](Surface& s) { DrawSolutionPicture(s, state); });
}

void CopyPictureToClipboard(const QImage& image) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (image.isNull() || !clipboard) return;
  clipboard->setImage(image);
}

void DrawCopyPicture(CopyPicture which, const PuzzleState& state) {
  CopyPictureToClipboard(CopyPictureImage(which, state, ScreenDensity()));
}

}  // namespace kalvero
