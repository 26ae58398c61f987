// Print ranges, printed PDF pages (page count, header text, shaded given
// cells; a ".pdf" file name makes the printer write PDF) and the clipboard
// pictures.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include "model/puzzle_file.h"
#include "output/clipboard.h"
#include "output/print_layout.h"
#include "output/printing.h"
#include "output/puzzle_pictures.h"
#include "temp_dir.h"

using namespace kalvero;

namespace {

// Writes each one-character text drawn inside a 9 x 9 grid (left, top and
// cell size in twips) into its place in an 81-character picture.
struct GridDigits : QtSurface {
  GridDigits(int left, int top, int cell) : left(left), top(top), cell(cell) {}
  void Clear(Colour) override {}
  void Box(const TwipRect&, Colour, bool) override {}
  void Print(int x, int y, std::string_view text) override {
    const int c = (x - left) / cell, r = (y - top) / cell;
    if (x >= left && y >= top && r < 9 && c < 9 && text.size() == 1) drawn[r * 9 + c] = QLatin1Char(text[0]);
  }
  int left, top, cell;
  QString drawn = QString(81, QLatin1Char('.'));
};

PuzzleState Puzzle(int n) {
  const std::string file = qEnvironmentVariable("KALVERO_DATA").toStdString() + "/puzzles.txt";
  PuzzleState state;
  state.PuzzleCount = CountPuzzles(file);
  ReadPuzzle(state, file, n);
  return state;
}

QString Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT
 private slots:
  // A typed range among 90 puzzles: its check, message and tag.
  void printRange() {
    const auto ok = RangeCheck::Accepted, bad = RangeCheck::NotCorrect, missing = RangeCheck::Missing;
    const struct { QString text; RangeCheck check; QString tag; } rows[] = {
        {"3-3", ok, "0000300003"}, {" 12 - 90 ", ok, "0001200090"}, {"88-200", ok, "0008800200"},
        {"10-5", bad, ""}, {"0-3", bad, ""}, {"91-95", bad, ""}, {"5-", bad, ""}, {"7", missing, ""}};
    const QString messages[] = {"", "Specify print range", "Print range not correct"};
    for (const auto& row : rows) {
      const PrintRange range = CheckPrintRange(row.text, 90);
      QCOMPARE(range.check, row.check);
      QCOMPARE(range.Message(), messages[int(row.check)]);
      if (range.check == ok) QCOMPARE(range.Tag(), row.tag);
    }
  }

  // Printed to PDF (first 0: the current puzzle alone): the pages, the
  // report, the headers of the puzzles printed and the solution stamp left
  // on the clipboard. On the first page, rendered, the first puzzle's given
  // cells are light grey inside their squares and its open cells white.
  void printToPdf() {
    const struct { int first, last, pages; QString report; QList<int> headers; } rows[] = {
        {5, 10, 3, " 6 puzzles printed", {5, 6, 7, 8, 9, 10}},  // two a page
        {88, 95, 2, " 8 puzzles printed", {88, 89, 90}},         // last above the count
        {0, 0, 1, "Puzzle printed", {4}}};
    const PuzzleState current = Puzzle(4);
    for (const auto& row : rows) {
      const test::TempDir dir;
      const QString pdf = QString::fromStdString(dir.Path("out.pdf"));
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFileName(pdf);
      QGuiApplication::clipboard()->clear();
      std::int32_t lastRead = 0;
      const PictureDensity density{96, 1};
      const PrintOutcome outcome =
          row.first == 0 ? PrintCurrentPuzzle(printer, current, 12, density)
                         : PrintPuzzleRange(printer, current, row.first, row.last, 12, lastRead, density);
      QVERIFY(outcome.printed);
      QCOMPARE(outcome.pages, row.pages);
      QCOMPARE(outcome.report, row.report);
      if (row.first > 0) QCOMPARE(lastRead, row.headers.last());
      QVERIFY(Run("pdfinfo", {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(row.pages))));
      const QString text = Run("pdftotext", {"-layout", pdf, "-"});
      for (int n = 1; n <= 90; ++n) QCOMPARE(text.contains(QStringLiteral("p# %1 (").arg(n)), row.headers.contains(n));
      QVERIFY(text.contains(QStringLiteral("Kalvero-") + QLatin1String(kMakerAddress)));
      QCOMPARE(QGuiApplication::clipboard()->image().size(), PicturePixels(kSolutionStampSize, 96, 1));

      constexpr int kDpi = 144;  // 1 pixel = 10 twips
      const QString page = QString::fromStdString(dir.Path("page"));
      QProcess::execute("pdftoppm", {"-r", QString::number(kDpi), "-png", "-singlefile", pdf, page});
      const QImage image(page + ".png");
      QVERIFY(!image.isNull());
      const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Inch).topLeft() * 1440;
      const BoardGeometry g = PrintLayoutFor(row.first ? PrintPosition::Upper : PrintPosition::Alone).geometry;
      const PuzzleState shown = row.first ? Puzzle(row.first) : current;
      int fixed = 0;
      for (int i = 0; i < 81; ++i) {
        const int r = i / 9 + 1, c = i % 9 + 1;
        // Inside the square, clear of its lines and of the digit.
        const QPointF twips = origin + QPointF(g.CellX(r, c) + 100, g.CellY(r, c) + 100);
        const QRgb pixel = image.pixel((twips * kDpi / 1440).toPoint());
        const bool isFixed = !shown.FixedValue[r][c].empty();
        QCOMPARE(qRed(pixel), isFixed ? 192 : 255);
        QCOMPARE(qBlue(pixel), isFixed ? 192 : 255);
        fixed += isFixed;
      }
      QVERIFY(fixed > 0 && fixed < 81);
    }
  }

  void printerThatCannotStart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
    std::int32_t lastRead = 0;
    const PrintOutcome outcome = PrintPuzzleRange(printer, Puzzle(2), 5, 10, 12, lastRead, {96, 1});
    QVERIFY(!outcome.printed);
    QVERIFY(!outcome.report.contains(QStringLiteral("printed")));
    QCOMPARE(lastRead, 2);
  }

  // The clipboard pictures: pixels and pixel ratio at a screen density, and
  // the digits inside the grid, the givens' in the puzzle picture and all 81
  // in the solution picture, each in its own cell.
  void pictures() {
    const struct { CopyPicture which; PictureDensity density; QSize pixels; } rows[] = {
        {CopyPicture::Puzzle, {96, 1}, QSize(553, 573)},
        {CopyPicture::Puzzle, {96, 2}, QSize(1107, 1147)},
        {CopyPicture::Solution, {144, 1}, QSize(250, 290)}};
    const PuzzleState state = Puzzle(7);
    for (const auto& row : rows) {
      const QImage image = CopyPictureImage(row.which, state, row.density);
      QCOMPARE(image.size(), row.pixels);
      QCOMPARE(image.devicePixelRatio(), row.density.pixelRatio);
    }
    GridDigits puzzle(500, 800, 800), solution(10, 10, 267);
    DrawPuzzlePicture(puzzle, state);
    DrawSolutionPicture(solution, state);
    QString givens(81, QLatin1Char('.')), all(81, QLatin1Char('.'));
    for (int i = 0; i < 81; ++i) {
      all[i] = QLatin1Char('0' + state.Solution[i / 9 + 1][i % 9 + 1]);
      if (!state.FixedValue[i / 9 + 1][i % 9 + 1].empty()) givens[i] = all[i];
    }
    QCOMPARE(puzzle.drawn, givens);
    QCOMPARE(solution.drawn, all);
  }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
