// Board geometry and drawing: clue-box rectangles, centring, font-size
// restoration, and rendered pictures where digits land where the geometry
// says.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "model/puzzle_file.h"
#include "output/print_layout.h"
#include "view/board_painter.h"
#include "view/recording_surface.h"

using namespace kalvero;

namespace {

const std::string kSolved =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

// Pixels per twip of the test pictures: 1 pixel = 10 twips.
constexpr double kScale = 0.1;

const BoardColours kColours{kBlack, kBlack, kBlack, Rgb(255, 255, 255), Rgb(180, 200, 250)};

QImage Render(PuzzleState& state) {
  const BoardGeometry g;
  QImage image(static_cast<int>(g.SurfaceSize * kScale), static_cast<int>(g.SurfaceSize * kScale),
               QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  painter.scale(kScale, kScale);
  PainterSurface surface(painter, g.SurfaceSize, g.SurfaceSize);
  RedrawBoard(surface, g, state, kColours);
  return image;
}

// The solved board with the cells at these line positions given.
PuzzleState WithGivens(std::initializer_list<int> positions) {
  std::string line = kSolved;
  for (int i : positions) line[i] = static_cast<char>('A' + (kSolved[i] - '1'));
  PuzzleState state;
  if (!LoadPuzzleLine(state, line).ok()) qFatal("bad test line");
  return state;
}

bool IsDark(QRgb p) { return qGray(p) < 100; }

// Bounding box, in twips, of the dark pixels strictly inside a twip rectangle.
QRectF InkBounds(const QImage& image, const TwipRect& r, int inset) {
  QRectF bounds;
  for (int y = qCeil((r.y + inset) * kScale); y < (r.bottom() - inset) * kScale; ++y)
    for (int x = qCeil((r.x + inset) * kScale); x < (r.right() - inset) * kScale; ++x)
      if (IsDark(image.pixel(x, y))) bounds |= QRectF(x / kScale, y / kScale, 1 / kScale, 1 / kScale);
  return bounds;
}

}  // namespace

class BoardPainterTest : public QObject {
  Q_OBJECT
 private slots:
  void clueRectangles_data() {
    QTest::addColumn<int>("clue");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("y2");
    QTest::newRow("top of column 1") << 1 << 500 << 1100 << 150 << 450;
    QTest::newRow("right of row 1") << 10 << 5942 << 6272 << 500 << 1100;
    QTest::newRow("right of row 9") << 18 << 5942 << 6272 << 5300 << 5900;
    QTest::newRow("bottom of column 9") << 27 << 5300 << 5900 << 5932 << 6232;
    QTest::newRow("left of row 1") << 28 << 140 << 440 << 500 << 1100;
    QTest::newRow("left of row 9") << 36 << 140 << 440 << 5300 << 5900;
  }
  void clueRectangles() {
    QFETCH(int, clue);
    QFETCH(int, x1);
    QFETCH(int, x2);
    QFETCH(int, y1);
    QFETCH(int, y2);
    const TwipRect r = BoardGeometry{}.Clue(clue).rect;
    QCOMPARE(r, (TwipRect{x1, y1, x2 - x1, y2 - y1}));
  }

  // Clue sums sit in the middle of their boxes at the board's cell size and
  // at the printed and copied pictures' larger ones. The right-hand boxes
  // reach 30 units closer to the grid, so their text may sit 15 off.
  void clueTextCentred_data() {
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<int>("clue");
    QTest::addColumn<QString>("text");
    for (const int cellSize : {600, 800, 1000})
      for (const int clue : {1, 12, 20, 30})
        for (const char* text : {"6", "24"})
          QTest::addRow("cell %d, clue %d, %s", cellSize, clue, text) << cellSize << clue << QString(text);
  }
  void clueTextCentred() {
    QFETCH(int, cellSize);
    QFETCH(int, clue);
    QFETCH(QString, text);
    const std::string digits = text.toStdString();
    RecordingSurface surface(6435);
    surface.SetFontSize(12 * 0.7);
    const TwipRect box = GeometryWithCell(500, 500, cellSize).Clue(clue).rect;
    const TwipPoint at = ClueTextPosition(surface, GeometryWithCell(500, 500, cellSize).Clue(clue), digits);
    const double offX = at.x + surface.TextWidth(digits) / 2 - (box.x + box.w / 2.0);
    const double offY = at.y + surface.TextHeight(digits) / 2 - (box.y + box.h / 2.0);
    QVERIFY2(qAbs(offX) <= 16 && qAbs(offY) <= 1, qPrintable(QStringLiteral("off by %1, %2").arg(offX).arg(offY)));
  }

  void fontSizeRestoredAfterRedraw_data() {
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("twips");  // a point is 20 twips tall on the surface
    QTest::newRow("12") << 12.0 << 240;
    QTest::newRow("14") << 14.0 << 280;
  }
  void fontSizeRestoredAfterRedraw() {
    QFETCH(double, size);
    QFETCH(int, twips);
    PuzzleState state = WithGivens({0, 10});
    state.UserEntry[9][9] = "123456789";  // pencil marks switch to a smaller font
    RecordingSurface surface(6435);
    surface.SetFontSize(size);
    state.PencilCell = 5;
    RedrawBoard(surface, BoardGeometry{}, state, kColours);
    QCOMPARE(surface.FontSize(), size);
    QCOMPARE(surface.TwipFont().pixelSize(), twips);
    QCOMPARE(state.PencilCell, -1);
  }

  // 1 clear, 81 + 9 grid squares, 36 clue boxes and texts, and per drawn
  // cell an erase (fill + outline) and a text.
  void redrawDrawsOnlyFilledCells() {
    PuzzleState state = WithGivens({40});
    state.UserEntry[1][1] = "7";
    RecordingSurface surface(6435);
    RedrawBoard(surface, BoardGeometry{}, state, kColours);
    QCOMPARE(surface.CallCount(), std::size_t(1 + 90 + 72 + 2 * 3));
  }

  void renderedDigitsLandInTheirCells() {
    PuzzleState state = WithGivens({40});  // cell (5, 5) given
    const QImage image = Render(state);
    const BoardGeometry g;

    // The given cell is filled with the control colour and holds its digit,
    // centred horizontally and starting 171 twips below the cell's top.
    const TwipRect cell = g.Cell(5, 5);
    QCOMPARE(QColor(image.pixel(int((cell.x + 60) * kScale), int((cell.y + 60) * kScale))), QColor(180, 200, 250));
    const QRectF ink = InkBounds(image, cell, 45);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(qAbs(ink.center().x() - (cell.x + 300)) < 40, qPrintable(QString::number(ink.center().x())));
    QVERIFY(ink.top() > cell.y + 171);
    QVERIFY(ink.bottom() < cell.bottom() - 50);

    // An open cell shows nothing.
    QVERIFY(InkBounds(image, g.Cell(1, 1), 45).isEmpty());

    // Clue 10 (row 1, right: 7 + 8 + 9 = 24) is centred on the first 300
    // twips of its 330-wide box.
    const ClueBox clue = g.Clue(10);
    const QRectF clueInk = InkBounds(image, clue.rect, 25);
    QVERIFY(!clueInk.isEmpty());
    QVERIFY2(qAbs(clueInk.center().x() - (clue.rect.x + 150)) < 30, qPrintable(QString::number(clueInk.center().x())));
    QVERIFY(qAbs(clueInk.center().y() - (clue.rect.y + 300)) < 60);
  }

  // The screen replays recorded calls; the printer draws directly. Both
  // must give the same picture.
  void recordedAndDirectDrawingAgree() {
    PuzzleState state = WithGivens({2});
    state.UserEntry[2][2] = "5";
    state.UserEntry[3][3] = "1234";
    const QImage direct = Render(state);

    const BoardGeometry g;
    RecordingSurface surface(g.SurfaceSize);
    RedrawBoard(surface, g, state, kColours);
    QImage replayed(direct.size(), QImage::Format_RGB32);
    replayed.fill(Qt::magenta);
    QPainter painter(&replayed);
    painter.scale(kScale, kScale);
    surface.Replay(painter);
    painter.end();
    QCOMPARE(replayed, direct);
  }
};

QTEST_MAIN(BoardPainterTest)
#include "test_board_painter.moc"
