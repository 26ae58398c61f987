// The main window's output commands: a printed range through the print
// window, clipboard pictures that leave the board alone, and the menu
// entries that open the options and help windows.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QtTest>

#include "app/main_window.h"
#include "app/output_commands.h"
#include "output/puzzle_pictures.h"
#include "ui/box_control.h"
#include "ui/prnt_form.h"
#include "view/board_view.h"
#include "app_folder.h"
#include "message_answerer.h"
#include "window_probe.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

std::array<int, 6> Measures(const BoardGeometry& g) {
  return {g.CellSize, g.GridLeft, g.GridTop, g.HalfCell, g.ThirdCell, g.SixthCell};
}

struct Started {
  Folder folder;
  MainWindow window{folder.paths()};
  Started() {
    MessageAnswerer answers;
    window.Start();
  }
  OutputCommands& Output() { return *window.findChild<OutputCommands*>(); }
};

}  // namespace

class OutputCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  // "5-10" through the print window into a PDF file: three pages, the
  // report, puzzle 10 shown afterwards and its solution on the clipboard.
  void printRangeThroughTheWindow() {
    Started s;
    const QString pdf = s.folder.path("range.pdf");
    PrinterChoice& printer = s.Output().Printer();
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    printer.SetFileAsker([&](QWidget*, const QString&) { return pdf; });
    QGuiApplication::clipboard()->clear();

    QTimer::singleShot(0, &s.window, [&] {
      auto* form = s.window.findChild<PrntForm*>();
      form->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
      form->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("5-10"));
      QTest::mouseClick(form->findChild<BoxControl*>(QStringLiteral("Command1")), Qt::LeftButton);
    });
    MessageAnswerer answers;
    Action(s.window, "mnuprint")->trigger();

    QCOMPARE(answers.seen, QStringList{QStringLiteral(" 6 puzzles printed")});
    QCOMPARE(s.window.Context().state.PuzzleNumber, 10);
    QCOMPARE(LabelText(s.window, "lblpuznum"), s.folder.NumberLabel(10));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    QVERIFY(!QGuiApplication::clipboard()->image().isNull());
  }

  void copyLeavesBoardAlone_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("width");
    QTest::newRow("puzzle") << "copy2clippuz" << kPuzzlePictureSize.width;
    QTest::newRow("solution") << "copy2clipsol" << kSolutionPictureSize.width;
  }
  void copyLeavesBoardAlone() {
    QFETCH(QString, entry);
    QFETCH(int, width);
    Started s;
    BoardView* board = s.window.findChild<BoardView*>();
    const std::array<int, 6> before = Measures(board->Geometry());
    const std::size_t calls = board->Surface().CallCount();
    QGuiApplication::clipboard()->clear();
    Action(s.window, entry)->trigger();
    const QImage image = QGuiApplication::clipboard()->image();
    const PictureDensity density = ScreenDensity();
    QCOMPARE(image.width(), PicturePixels({width, 100}, density.dotsPerInch, density.pixelRatio).width());
    QVERIFY(Measures(board->Geometry()) == before);
    QCOMPARE(board->Surface().CallCount(), calls);
  }

  // In the no-puzzle state the puzzle left in memory is neither copied nor
  // printed.
  void nothingOutputWithoutAPuzzle() {
    Started s;
    s.window.Context().state.PuzzleCount = 0;
    QGuiApplication::clipboard()->clear();
    MessageAnswerer answers;
    for (const char* entry : {"copy2clippuz", "copy2clipsol", "mnuprint"}) Action(s.window, entry)->trigger();
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    QVERIFY(answers.seen.isEmpty());
  }

  void menuOpensWindow_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("options") << "mnuoptions" << "Form2" << "Kalvero options";
    QTest::newRow("help") << "mnuFileHelp" << "Form4" << "Kalvero Help";
  }
  void menuOpensWindow() {
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, title);
    Started s;
    Action(s.window, entry)->trigger();
    auto* opened = s.window.findChild<QWidget*>(window);
    QVERIFY(opened && opened->isVisible());
    QCOMPARE(opened->windowTitle(), title);
  }
};

QTEST_MAIN(OutputCommandsTest)
#include "test_output_commands.moc"
