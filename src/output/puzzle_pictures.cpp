#include "output/puzzle_pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "model/text.h"
#include "view/board_painter.h"
#include "ui/translate.h"

namespace kalvero {

namespace {

constexpr auto kFontName = "Courier New";

int HalfEven(double v) { return static_cast<int>(RoundHalfEven(v)); }

bool IsFixed(const PuzzleState& state, int r, int c) { return !state.FixedValue[r][c].empty(); }

std::string SolutionDigit(const PuzzleState& state, int r, int c) { return std::to_string(state.Solution[r][c]); }

void PlainFont(Surface& surface, double points) {
  surface.SetFontName(kFontName);
  surface.SetFontBold(false);
  surface.SetFontSize(points);
  surface.SetTextColour(kBlack);
}

}  // namespace

void DrawPrintedPuzzle(Surface& surface, const PuzzleState& state, const PrintLayout& layout, int printerLineSize) {
  const BoardGeometry& g = layout.geometry;
  PlainFont(surface, 8);
  surface.Print(g.GridLeft, layout.headerY, PuzzleHeader(state).toStdString());

  surface.SetFontSize(layout.digitFontSize);
  const PrintLineWidths widths = LineWidthsFor(printerLineSize);
  surface.SetLineWidth(widths.cell);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const TwipRect cell = g.Cell(r, c);
      if (IsFixed(state, r, c)) {
        surface.Box(cell, kPaletteLightGrey, true);
        surface.Print(cell.x + g.ThirdCell, cell.y + g.ThirdCell, SolutionDigit(state, r, c));
      }
      surface.Box(cell, kBlack, false);
    }

  surface.SetLineWidth(widths.box);
  for (int r = 1; r <= 7; r += 3)
    for (int c = 1; c <= 7; c += 3)
      surface.Box({g.CellX(r, c), g.CellY(r, c), 3 * g.CellSize, 3 * g.CellSize}, kBlack, false);

  surface.SetLineWidth(1);
  DrawClueSums(surface, g, state.ClueSum, kBlack);
  surface.SetLineWidth(1);
}

void DrawSolutionStamp(Surface& surface, const PuzzleState& state) {
  surface.Clear(kWhite);
  PlainFont(surface, 12);
  const int lineHeight = HalfEven(surface.TextHeight("0"));
  for (int r = 1; r <= 9; ++r) {
    std::string row;
    for (int c = 1; c <= 9; ++c) row += SolutionDigit(state, r, c);
    surface.Print(100, 100 + (r - 1) * lineHeight, row);
  }
}

void DrawPuzzlePicture(Surface& surface, const PuzzleState& state) {
  const BoardGeometry g = GeometryWithCell(500, 800, 800);
  surface.Clear(kWhite);
  PlainFont(surface, 8);
  surface.Print(g.GridLeft, g.GridTop - 750, PuzzleHeader(state).toStdString());

  surface.SetFontSize(18);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      if (!IsFixed(state, r, c)) continue;
      const TwipRect cell = g.Cell(r, c);
      surface.Box(cell, kPaletteLightGrey, true);
      const std::string digit = SolutionDigit(state, r, c);
      surface.Print(cell.x + HalfEven((g.CellSize - surface.TextWidth(digit)) / 2),
                    cell.y + HalfEven((g.CellSize - surface.TextHeight(digit)) / 2), digit);
    }
  DrawGrid(surface, g, kBlack);
  DrawClueSums(surface, g, state.ClueSum, kBlack);
}

void DrawSolutionPicture(Surface& surface, const PuzzleState& state) {
  const BoardGeometry g = GeometryWithCell(0, 0, 800);
  const int side = g.ThirdCell;
  surface.Clear(kWhite);
  PlainFont(surface, 8);
  surface.SetLineWidth(1);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const TwipRect box{(c - 1) * side + 10, (r - 1) * side + 10, side, side};
      surface.Box(box, kBlack, false);
      const std::string digit = SolutionDigit(state, r, c);
      surface.Print(box.x + HalfEven((side - surface.TextWidth(digit)) / 2), box.y + 40, digit);
    }
  const int below = 9 * side + 10 + 20;
  const int lineHeight = HalfEven(surface.TextHeight("0"));
  //: Solution picture, first line: %1 web address, %2 level
  surface.Print(0, below,
                QCoreApplication::translate("Kalvero", "Kalvero-%1 (%2)")
                    .arg(QLatin1String(kMakerAddress), Translated(LevelName(state.FixedCount)))
                    .toStdString());
  //: Solution picture, second line: %1 puzzle number (with a leading blank), %2 puzzle file
  surface.Print(0, below + lineHeight,
                QCoreApplication::translate("Kalvero", "p#%1 file - %2")
                    .arg(QString::fromStdString(NumberText(state.PuzzleNumber)),
                         QString::fromStdString(state.PuzzleFileName))
                    .toStdString());
}

QSize PicturePixels(TwipSize size, double dotsPerInch, double pixelRatio) {
  const double scale = dotsPerInch / 1440.0 * pixelRatio;
  return {std::max(1, HalfEven(size.width * scale)), std::max(1, HalfEven(size.height * scale))};
}

QImage RenderPicture(TwipSize size, double dotsPerInch, double pixelRatio,
                     const std::function<void(Surface&)>& draw) {
  const QSize pixels = PicturePixels(size, dotsPerInch, pixelRatio);
  QImage image(pixels, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(pixels.width() / static_cast<double>(size.width), pixels.height() / static_cast<double>(size.height));
    PainterSurface surface(painter, size.width, size.height);
    draw(surface);
  }
  image.setDevicePixelRatio(pixelRatio);
  return image;
}

}  // namespace kalvero
