// Speed of the board picture a player waits for most: a full redraw and the
// pencil-marks key (every mark computed and drawn), replayed at opening size.
#include <QPainter>
#include <QtTest>

#include "model/puzzle_file.h"
#include "solver/verify.h"
#include "view/play_drawing.h"
#include "view/recording_surface.h"

using namespace kalvero;

class BoardBench : public QObject {
  Q_OBJECT
 private slots:
  void redrawAndPencilMarks() {
    PuzzleState state;  // three givens, so most cells carry several marks
    const char* line = "7259618341D37286959683452713128794566572A43894896531272745869135314927F8896137542";
    QVERIFY(LoadPuzzleLine(state, line).ok());
    const BoardColours colours{kBlack, Rgb(0, 0, 200), Rgb(200, 0, 0), Rgb(255, 255, 255), Rgb(180, 200, 250)};
    const BoardGeometry g;
    RecordingSurface surface(g.SurfaceSize);
    QImage image(429, 429, QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
      RedrawBoard(surface, g, state, colours);  // also empties the recording
      ComputePencilMarks(state);
      DrawAllEntries(surface, g, state, colours);
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.scale(429.0 / g.SurfaceSize, 429.0 / g.SurfaceSize);
      surface.Replay(painter);
    }
  }
};

QTEST_MAIN(BoardBench)
#include "bench_board.moc"
