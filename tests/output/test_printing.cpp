// Print ranges, printed PDF pages (page count, header text, shaded given
// cells) and the clipboard pictures.
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

// Keeps only the texts drawn, with their positions.
class TextLog : public QtSurface {
 public:
  struct Text {
    int x, y;
    QString text;
  };
  void Clear(Colour) override {}
  void Box(const TwipRect&, Colour, bool) override {}
  void Print(int x, int y, std::string_view text) override { texts.push_back({x, y, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))}); }
  std::vector<Text> texts;
};

std::string PuzzleFile() { return qEnvironmentVariable("KALVERO_DATA").toStdString() + "/puzzles.txt"; }

PuzzleState Puzzle(int n) {
  PuzzleState state;
  state.PuzzleCount = CountPuzzles(PuzzleFile());
  ReadPuzzle(state, PuzzleFile(), n);
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
  void printRange_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("tag");
    QTest::newRow("3-3") << "3-3" << int(RangeCheck::Accepted) << "0000300003";
    QTest::newRow("blanks around") << " 12 - 90 " << int(RangeCheck::Accepted) << "0001200090";
    QTest::newRow("last above count") << "88-200" << int(RangeCheck::Accepted) << "0008800200";
    QTest::newRow("10-5") << "10-5" << int(RangeCheck::NotCorrect) << "";
    QTest::newRow("0-3") << "0-3" << int(RangeCheck::NotCorrect) << "";
    QTest::newRow("first above count") << "91-95" << int(RangeCheck::NotCorrect) << "";
    QTest::newRow("no last") << "5-" << int(RangeCheck::NotCorrect) << "";
    QTest::newRow("7") << "7" << int(RangeCheck::Missing) << "";
    QTest::newRow("empty") << "" << int(RangeCheck::Missing) << "";
  }
  void printRange() {
    QFETCH(QString, text);
    QFETCH(int, check);
    QFETCH(QString, tag);
    const PrintRange range = CheckPrintRange(text, 90);
    QCOMPARE(int(range.check), check);
    const QString messages[] = {"", "Specify print range", "Print range not correct"};
    QCOMPARE(range.Message(), messages[check]);
    if (range.check != RangeCheck::Accepted) return;
    QCOMPARE(range.Tag(), tag);
  }

  void printToPdf_data() {
    QTest::addColumn<int>("first");  // 0: the current puzzle alone
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QList<int>>("headers");
    QTest::newRow("5-10") << 5 << 10 << 3 << " 6 puzzles printed" << QList<int>{5, 6, 7, 8, 9, 10};
    QTest::newRow("3-3") << 3 << 3 << 1 << " 1 puzzles printed" << QList<int>{3};
    QTest::newRow("last above count") << 88 << 95 << 2 << " 8 puzzles printed" << QList<int>{88, 89, 90};
    QTest::newRow("current puzzle") << 0 << 0 << 1 << "Puzzle printed" << QList<int>{4};
  }
  void printToPdf() {
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, pages);
    QFETCH(QString, report);
    QFETCH(QList<int>, headers);

    const test::TempDir dir;
    const QString pdf = QString::fromStdString(dir.Path("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QGuiApplication::clipboard()->clear();

    const PuzzleState current = Puzzle(4);
    std::int32_t lastRead = 0;
    const PictureDensity density{96, 1};
    const PrintOutcome outcome = first == 0 ? PrintCurrentPuzzle(printer, current, 12, density)
                                            : PrintPuzzleRange(printer, current, first, last, 12, lastRead, density);
    QVERIFY(outcome.printed);
    QCOMPARE(outcome.pages, pages);
    QCOMPARE(outcome.report, report);
    if (first > 0) QCOMPARE(lastRead, headers.last());

    QVERIFY(Run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));
    const QString text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (int n = 1; n <= 90; ++n)
      QCOMPARE(text.contains(QStringLiteral("p# %1 (").arg(n)), headers.contains(n));
    QVERIFY(text.contains(QStringLiteral("Kalvero-") + QLatin1String(kMakerAddress)));
    QCOMPARE(QGuiApplication::clipboard()->image().size(), PicturePixels(kSolutionStampSize, 96, 1));
  }

  // The first page rendered: light grey inside a given cell's square, white
  // inside an open one.
  void shadedGivenCells() {
    const test::TempDir dir;
    const QString pdf = QString::fromStdString(dir.Path("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const PuzzleState state = Puzzle(1);
    std::int32_t lastRead = 0;
    QVERIFY(PrintPuzzleRange(printer, state, 1, 1, 12, lastRead, {96, 1}).printed);

    constexpr int kDpi = 144;  // 1 pixel = 10 twips
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                                                    QStringLiteral("-singlefile"), pdf, QString::fromStdString(dir.Path("page"))});
    const QImage page(QString::fromStdString(dir.Path("page.png")));
    QVERIFY(!page.isNull());
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Inch).topLeft() * 1440;
    const BoardGeometry g = PrintLayoutFor(PrintPosition::Upper).geometry;
    int fixed = 0, open = 0;
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        // Inside the square, clear of its lines and of the digit.
        const QPointF twips = origin + QPointF(g.CellX(r, c) + 100, g.CellY(r, c) + 100);
        const QRgb pixel = page.pixel((twips * kDpi / 1440).toPoint());
        const bool isFixed = !state.FixedValue[r][c].empty();
        QCOMPARE(qRed(pixel), isFixed ? 192 : 255);
        QCOMPARE(qBlue(pixel), isFixed ? 192 : 255);
        ++(isFixed ? fixed : open);
      }
    QVERIFY(fixed > 0 && open > 0);
  }

  void printerThatCannotStart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
    std::int32_t lastRead = 0;
    const PrintOutcome outcome = PrintPuzzleRange(printer, Puzzle(2), 5, 10, 12, lastRead, {96, 1});
    QVERIFY(!outcome.printed);
    QVERIFY(!outcome.report.contains(QStringLiteral("printed")));
    QCOMPARE(lastRead, 2);
  }

  void pictureSizes_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("puzzle at 96 dpi") << 0 << 96.0 << 1.0 << QSize(553, 573);
    QTest::newRow("puzzle at 96 dpi, ratio 2") << 0 << 96.0 << 2.0 << QSize(1107, 1147);
    QTest::newRow("solution at 96 dpi") << 1 << 96.0 << 1.0 << QSize(167, 193);
    QTest::newRow("solution at 144 dpi") << 1 << 144.0 << 1.0 << QSize(250, 290);
  }
  void pictureSizes() {
    QFETCH(int, which);
    QFETCH(double, dpi);
    QFETCH(double, ratio);
    QFETCH(QSize, pixels);
    const QImage image = CopyPictureImage(static_cast<CopyPicture>(which), Puzzle(1), {dpi, ratio});
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.devicePixelRatio(), ratio);
  }

  // The digits inside the grid: the given cells' in the puzzle picture, all
  // 81 in the solution picture, each in its own cell.
  void pictureDigits_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("puzzle") << 0;
    QTest::newRow("solution") << 1;
  }
  void pictureDigits() {
    QFETCH(int, which);
    const PuzzleState state = Puzzle(7);
    TextLog log;
    const bool puzzle = which == 0;
    if (puzzle) DrawPuzzlePicture(log, state);
    else DrawSolutionPicture(log, state);

    const int left = puzzle ? 500 : 10, top = puzzle ? 800 : 10, cell = puzzle ? 800 : 267;
    QString drawn(81, QLatin1Char('.')), expected(81, QLatin1Char('.'));
    for (const TextLog::Text& t : log.texts) {
      const int c = (t.x - left) / cell + 1, r = (t.y - top) / cell + 1;
      if (t.x < left || t.y < top || r > 9 || c > 9 || t.text.size() != 1) continue;
      drawn[(r - 1) * 9 + c - 1] = t.text[0];
    }
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (!puzzle || !state.FixedValue[r][c].empty())
          expected[(r - 1) * 9 + c - 1] = QLatin1Char('0' + state.Solution[r][c]);
    QCOMPARE(drawn, expected);
  }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
