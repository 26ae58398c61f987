// Board geometry and drawing: clue boxes, centring, font sizes, rendered
// pictures, and the play pictures' cell texts and colours.
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <functional>

#include "boards.h"
#include "model/puzzle_file.h"
#include "output/print_layout.h"
#include "solver/verify.h"
#include "view/board_painter.h"
#include "view/drawn_text.h"
#include "view/play_drawing.h"
#include "view/play_overlay.h"
#include "view/recording_surface.h"

using namespace kalvero;

namespace {

constexpr double kScale = 0.1;  // pixels per twip of the test pictures
const Colour kNumbers = Rgb(0, 0, 200), kPencil = Rgb(200, 0, 0);
const BoardColours kColours{kBlack, kNumbers, kPencil, Rgb(255, 255, 255), Rgb(180, 200, 250)};

// A picture of the board surface, 1 pixel = 10 twips, drawn by `draw`.
QImage Picture(const std::function<void(QPainter&)>& draw) {
  const int side = int(BoardGeometry{}.SurfaceSize * kScale);
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  painter.scale(kScale, kScale);
  draw(painter);
  return image;
}

// The solved board with the cells at these line positions given.
PuzzleState WithGivens(std::initializer_list<int> positions) {
  std::string line = test::kSolvedGrid;
  for (int i : positions) line[i] = static_cast<char>('A' + (line[i] - '1'));
  PuzzleState state;
  if (!LoadPuzzleLine(state, line).ok()) qFatal("bad test line");
  return state;
}

// Bounding box, in twips, of the dark pixels inside a twip rectangle shrunk by inset.
QRectF InkBounds(const QImage& image, const TwipRect& r, int inset) {
  QRectF bounds;
  for (int y = qCeil((r.y + inset) * kScale); y < (r.bottom() - inset) * kScale; ++y)
    for (int x = qCeil((r.x + inset) * kScale); x < (r.right() - inset) * kScale; ++x)
      if (qGray(image.pixel(x, y)) < 100) bounds |= QRectF(x / kScale, y / kScale, 1 / kScale, 1 / kScale);
  return bounds;
}

// Cell (2, 2) is given, (5, 1) left open for an entry, (1, 8) open with
// the computed marks 3 and 7, in sum area 8 where (5, 5) is not.
const char* const kPlayLine = "7259618341D37B86I59683452713128794566E72A43H94896531272745869135C14I27F8896137542";

}  // namespace

class BoardPainterTest : public QObject {
  Q_OBJECT
 private slots:
  // Clues 1-9 above the columns, 10-18 right of the rows, 19-27 below the
  // columns, 28-36 left of the rows: the first and last of a side.
  void clueRectangles() {
    const std::pair<int, QRect> rows[] = {{1, QRect(500, 150, 600, 300)},    {10, QRect(5942, 500, 330, 600)},
                                          {18, QRect(5942, 5300, 330, 600)}, {27, QRect(5300, 5932, 600, 300)},
                                          {36, QRect(140, 5300, 300, 600)}};
    for (const auto& [clue, rect] : rows) {
      const TwipRect r = BoardGeometry{}.Clue(clue).rect;
      QCOMPARE(QRect(r.x, r.y, r.w, r.h), rect);
    }
  }

  // Clue sums sit in the middle of their boxes at the board's cell size and
  // at the printed and copied pictures' larger ones. The right-hand boxes
  // reach 30 units closer to the grid, so their text may sit 15 off.
  void clueTextCentred() {
    RecordingSurface surface(6435);
    surface.SetFontSize(12 * 0.7);
    for (const int cellSize : {600, 800, 1000})
      for (const int clue : {1, 12, 20, 30})
        for (const std::string digits : {"6", "24"}) {
          const ClueBox box = GeometryWithCell(500, 500, cellSize).Clue(clue);
          const TwipPoint at = ClueTextPosition(surface, box, digits);
          const double offX = at.x + surface.TextWidth(digits) / 2 - (box.rect.x + box.rect.w / 2.0);
          const double offY = at.y + surface.TextHeight(digits) / 2 - (box.rect.y + box.rect.h / 2.0);
          QVERIFY2(qAbs(offX) <= 16 && qAbs(offY) <= 1, qPrintable(QStringLiteral("cell %1, clue %2: off by %3, %4")
                                                                       .arg(cellSize).arg(clue).arg(offX).arg(offY)));
        }
  }

  // A full redraw draws 1 clear, 81 + 9 grid squares, 36 clue boxes and
  // texts, and per filled cell an erase (fill + outline) and its text, marks
  // in three lines; it gives back the font size it found, the marks' smaller
  // one included, and leaves no cell in pencil-mark mode.
  void redraw() {
    PuzzleState state = WithGivens({40});
    state.UserEntry[1][1] = "7";
    state.UserEntry[9][9] = "123456789";
    state.PencilCell = 5;
    RecordingSurface surface(6435);
    surface.SetFontSize(14);
    RedrawBoard(surface, BoardGeometry{}, state, kColours);
    QCOMPARE(surface.CallCount(), std::size_t(1 + 90 + 72 + 3 * 3 + 2));
    QCOMPARE(surface.FontSize(), 14.0);
    QCOMPARE(surface.TwipFont().pixelSize(), 280);  // a point is 20 twips tall on the surface
    QCOMPARE(state.PencilCell, -1);
  }

  // A given cell is filled with the control colour, its digit centred across
  // and starting 171 twips down; an open cell is empty; clue 10 (24) is
  // centred on the first 300 twips of its 330-wide box. Replayed recorded
  // calls (the screen) and direct drawing (the printer) give one picture.
  void renderedPicture() {
    PuzzleState state = WithGivens({2, 40});  // cells (1, 3) and (5, 5) given
    state.UserEntry[2][2] = "5";
    state.UserEntry[3][3] = "1234";
    const BoardGeometry g;
    const QImage image = Picture([&](QPainter& painter) {
      PainterSurface surface(painter, g.SurfaceSize, g.SurfaceSize);
      RedrawBoard(surface, g, state, kColours);
    });
    const TwipRect cell = g.Cell(5, 5);
    QCOMPARE(QColor(image.pixel(int((cell.x + 60) * kScale), int((cell.y + 60) * kScale))), QColor(180, 200, 250));
    const QRectF ink = InkBounds(image, cell, 45);
    QVERIFY2(qAbs(ink.center().x() - (cell.x + 300)) < 40, qPrintable(QString::number(ink.center().x())));
    QVERIFY(ink.top() > cell.y + 171 && ink.bottom() < cell.bottom() - 50);
    QVERIFY(InkBounds(image, g.Cell(1, 1), 45).isEmpty());
    const TwipRect clue = g.Clue(10).rect;
    const QRectF clueInk = InkBounds(image, clue, 25);
    QVERIFY2(qAbs(clueInk.center().x() - (clue.x + 150)) < 30, qPrintable(QString::number(clueInk.center().x())));
    QVERIFY(qAbs(clueInk.center().y() - (clue.y + 300)) < 60);

    RecordingSurface surface(g.SurfaceSize);
    RedrawBoard(surface, g, state, kColours);
    QCOMPARE(Picture([&](QPainter& painter) { surface.Replay(painter); }), image);
  }

  // The play pictures: which text lands in a cell, in which colour.
  void cellText() {
    PuzzleState state;
    QVERIFY(LoadPuzzleLine(state, kPlayLine).ok());
    state.UserEntry[5][1] = "1";
    ComputePencilMarks(state);
    const auto all = BoardDrawing::AllEntries, area = BoardDrawing::AreaMarks, player = BoardDrawing::PlayerBoard;
    const struct { BoardDrawing drawing; int row, col; QString text; bool pencil; } rows[] = {
        {all, 2, 2, "4", false},                      // a given
        {all, 5, 1, "1", false},                      // an entry
        {all, 1, 8, "37", true},                      // computed marks
        {area, 1, 8, "37", true},                     // area 8's top cell
        {area, 5, 5, "", false},                      // nothing outside area 8
        {player, 1, 8, "", false},                    // the player's board: no computed marks,
        {player, 5, 1, "1", false},                   // but the entries
        {BoardDrawing::Solution, 1, 8, "3", false}};  // the solution fills open cells
    for (const auto& c : rows) {
      const BoardGeometry g;
      RecordingSurface surface(g.SurfaceSize);
      PlayResult result;
      result.drawing = c.drawing;
      result.area = 8;
      DrawPlayResult(surface, g, state, kColours, result);
      Colour colour = kBlack;
      QCOMPARE(test::DrawnIn(surface, g, c.row, c.col, &colour), c.text);
      if (!c.text.isEmpty()) QCOMPARE(colour, c.pencil ? kPencil : kNumbers);
    }
  }

  // The tip sits at 84 right of and 200 below its cell's corner, in the
  // numbers colour, and leaves the surface's font as it was.
  void pencilTip() {
    PuzzleState state;
    const BoardGeometry g;
    RecordingSurface surface(g.SurfaceSize);
    Overlay overlay;
    overlay.tipShown = true;
    overlay.tipCell = 22;  // row 3, column 4
    overlay.tipText = "  4 ";
    DrawPlayOverlay(surface, g, state, overlay, kColours);
    const auto texts = surface.Texts();
    QCOMPARE(texts.size(), std::size_t{1});
    QCOMPARE(QString("%1,%2:%3").arg(texts[0].x).arg(texts[0].y).arg(texts[0].text), QStringLiteral("2384,1900:  4 "));
    QCOMPARE(texts[0].colour, kNumbers);
    QCOMPARE(surface.FontSize(), 12.0);
  }
};

QTEST_MAIN(BoardPainterTest)
#include "test_board_painter.moc"
