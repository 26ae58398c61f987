#include "output/printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "model/puzzle_file.h"
#include "model/text.h"
#include "output/puzzle_pictures.h"

namespace kalvero {

namespace {

// Line widths on a printed page count dots of a 600-dpi printer, whatever
// the printer's own resolution, so every printer and the PDF file agree.
constexpr double kTwipsPerPrinterDot = 1440.0 / 600;

// A painter on the printer whose units are twips from the top-left of the
// printable area.
class PrintJob {
 public:
  explicit PrintJob(QPrinter& printer) : printer_(printer) {
    if (!painter_.begin(&printer_)) return;
    scale_ = printer_.resolution() / 1440.0;
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.scale(scale_, scale_);
    pages_ = 1;
  }
  ~PrintJob() {
    if (painter_.isActive()) painter_.end();
  }
  bool Started() const { return pages_ > 0; }
  int Pages() const { return pages_; }
  void NewPage() {
    if (printer_.newPage()) ++pages_;
  }
  // The printable area in twips.
  QRectF Page() const {
    const QRectF r = printer_.pageRect(QPrinter::DevicePixel);
    return {0, 0, r.width() / scale_, r.height() / scale_};
  }

  void PrintPuzzle(const PuzzleState& state, PrintPosition position, int printerLineSize, PictureDensity density) {
    const PrintLayout layout = PrintLayoutFor(position);
    const QRectF page = Page();
    PainterSurface surface(painter_, static_cast<int>(page.width()), static_cast<int>(page.height()), kTwipsPerPrinterDot);
    DrawPrintedPuzzle(surface, state, layout, printerLineSize);

    const auto stamp = [&](Surface& s) { DrawSolutionStamp(s, state); };
    CopyPictureToClipboard(RenderPicture(kSolutionStampSize, density.dotsPerInch, density.pixelRatio, stamp));

    // The stamp upside down: mirrored both ways about its own rectangle,
    // kept inside the printable area.
    TwipRect at = layout.solutionStamp;
    at.x = static_cast<int>(std::clamp<double>(at.x, 0, std::max(0.0, page.width() - at.w)));
    at.y = static_cast<int>(std::clamp<double>(at.y, 0, std::max(0.0, page.height() - at.h)));
    painter_.save();
    painter_.translate(at.right(), at.bottom());
    painter_.scale(-1, -1);
    PainterSurface stampSurface(painter_, at.w, at.h);
    stamp(stampSurface);
    painter_.restore();
  }

 private:
  QPrinter& printer_;
  QPainter painter_;
  double scale_ = 1;
  int pages_ = 0;
};

QString CouldNotPrint(const QPrinter& printer) {
  const QString name = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
  //: %1 is the printer or the PDF file
  return QCoreApplication::translate("Kalvero", "Could not print to %1").arg(name);
}

}  // namespace

PrintOutcome PrintCurrentPuzzle(QPrinter& printer, const PuzzleState& state, int printerLineSize,
                                PictureDensity clipboardDensity) {
  PrintJob job(printer);
  if (!job.Started()) return {false, 0, CouldNotPrint(printer)};
  job.PrintPuzzle(state, PrintPosition::Alone, printerLineSize, clipboardDensity);
  return {true, job.Pages(), QCoreApplication::translate("Kalvero", "Puzzle printed")};
}

PrintOutcome PrintPuzzleRange(QPrinter& printer, const PuzzleState& state, int first, int last, int printerLineSize,
                              std::int32_t& lastRead, PictureDensity clipboardDensity) {
  lastRead = state.PuzzleNumber;
  PrintJob job(printer);
  if (!job.Started()) return {false, 0, CouldNotPrint(printer)};

  PuzzleState page = state;
  const std::string file = state.PuzzleFileName;
  const auto inRange = [&](int p) { return p <= last && p <= state.PuzzleCount; };
  const auto printAt = [&](int p, PrintPosition position) {
    if (!ReadPuzzle(page, file, p).ok()) return;
    lastRead = p;
    job.PrintPuzzle(page, position, printerLineSize, clipboardDensity);
  };
  for (int p = first; inRange(p); ++p) {
    printAt(p, PrintPosition::Upper);
    if (!inRange(++p)) break;
    printAt(p, PrintPosition::Lower);
    if (inRange(p + 1)) job.NewPage();
  }
  const QString count = QString::fromStdString(NumberText(static_cast<long long>(last) - first + 1));
  //: %1 is the number of puzzles, written with a leading blank
  return {true, job.Pages(), QCoreApplication::translate("Kalvero", "%1 puzzles printed").arg(count)};
}

}  // namespace kalvero
