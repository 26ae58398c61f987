// The play pictures: which text lands in a cell, in which colour.
#include <QtTest>

#include "model/puzzle_file.h"
#include "solver/verify.h"
#include "view/drawn_text.h"
#include "view/play_drawing.h"
#include "view/play_overlay.h"
#include "view/recording_surface.h"

using namespace kalvero;
using kalvero::test::DrawnIn;

namespace {

const char* kLine = "7259618341D37B86I59683452713128794566E72A43H94896531272745869135C14I27F8896137542";
const Colour kNumbers = Rgb(0, 0, 200);
const Colour kPencil = Rgb(200, 0, 0);
const BoardColours kColours{kBlack, kNumbers, kPencil, Rgb(255, 255, 255), Rgb(180, 200, 250)};

}  // namespace

class PlayDrawingTest : public QObject {
  Q_OBJECT
 private slots:
  void cellText_data() {
    QTest::addColumn<int>("drawing");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pencil");
    const int all = int(BoardDrawing::AllEntries), area = int(BoardDrawing::AreaMarks);
    const int player = int(BoardDrawing::PlayerBoard);
    QTest::newRow("all: a given") << all << 2 << 2 << "4" << false;
    QTest::newRow("all: an entry") << all << 5 << 1 << "1" << false;
    QTest::newRow("all: computed marks") << all << 1 << 8 << "37" << true;
    QTest::newRow("area 8: its top cell") << area << 1 << 8 << "37" << true;
    QTest::newRow("area 8: nothing outside it") << area << 5 << 5 << "" << false;
    QTest::newRow("player board: no computed marks") << player << 1 << 8 << "" << false;
    QTest::newRow("player board: entries") << player << 5 << 1 << "1" << false;
    QTest::newRow("solution: open cells too") << int(BoardDrawing::Solution) << 1 << 8 << "3" << false;
  }
  void cellText() {
    QFETCH(int, drawing);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(bool, pencil);
    PuzzleState state;
    QVERIFY(LoadPuzzleLine(state, kLine).ok());
    state.UserEntry[5][1] = "1";
    ComputePencilMarks(state);
    const BoardGeometry g;
    RecordingSurface surface(g.SurfaceSize);
    PlayResult result;
    result.drawing = static_cast<BoardDrawing>(drawing);
    result.area = 8;
    DrawPlayResult(surface, g, state, kColours, result);
    Colour colour = kBlack;
    QCOMPARE(DrawnIn(surface, g, row, col, &colour), text);
    if (!text.isEmpty()) QCOMPARE(colour, pencil ? kPencil : kNumbers);
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
    QCOMPARE(texts[0].x, 2384);
    QCOMPARE(texts[0].y, 1900);
    QCOMPARE(texts[0].text, QStringLiteral("  4 "));
    QCOMPARE(texts[0].colour, kNumbers);
    QCOMPARE(surface.FontSize(), 12.0);
  }
};

QTEST_MAIN(PlayDrawingTest)
#include "test_play_drawing.moc"
