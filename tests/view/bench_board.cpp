// Speed of the board pictures a player waits for: a full redraw and the
// pencil-marks key (compute every mark and draw every cell), each drawn and
// replayed onto a picture of the board at its opening size.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "model/puzzle_file.h"
#include "solver/verify.h"
#include "view/play_drawing.h"
#include "view/recording_surface.h"

using namespace kalvero;

namespace {

// Three givens, so most cells carry several computed marks.
const char* kLine = "7259618341D37286959683452713128794566572A43894896531272745869135314927F8896137542";
const BoardColours kColours{kBlack, Rgb(0, 0, 200), Rgb(200, 0, 0), Rgb(255, 255, 255), Rgb(180, 200, 250)};

void Replay(const RecordingSurface& surface, QImage& image) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(image.width() / double(surface.Size()), image.height() / double(surface.Size()));
  surface.Replay(painter);
}

}  // namespace

class BoardBench : public QObject {
  Q_OBJECT
 private slots:
  void fullRedraw() {
    PuzzleState state;
    QVERIFY(LoadPuzzleLine(state, kLine).ok());
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) state.UserEntry[r][c] = c % 2 ? std::to_string(state.Solution[r][c]) : "1234";
    const BoardGeometry g;
    RecordingSurface surface(g.SurfaceSize);
    QImage image(429, 429, QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
      RedrawBoard(surface, g, state, kColours);
      Replay(surface, image);
    }
  }
  void pencilMarksKey() {
    PuzzleState state;
    QVERIFY(LoadPuzzleLine(state, kLine).ok());
    const BoardGeometry g;
    RecordingSurface surface(g.SurfaceSize);
    RedrawBoard(surface, g, state, kColours);
    QImage image(429, 429, QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
      ComputePencilMarks(state);
      DrawAllEntries(surface, g, state, kColours);
      Replay(surface, image);
      RedrawBoard(surface, g, state, kColours);  // keeps the recording from growing between rounds
    }
  }
};

QTEST_MAIN(BoardBench)
#include "bench_board.moc"
