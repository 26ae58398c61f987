// The main window's life: start-up, assistive access, saving, Exit and the
// close box, colour schemes; its printing, clipboard and window commands.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>
#include <sys/stat.h>

#include "app/output_commands.h"
#include "app_folder.h"
#include "ui/prnt_form.h"
#include "view/board_view.h"
#include "view/qt_colour.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

enum class Config { None, Malformed, Folder, Fifo, Settings };
struct StartRow {
  const char* name;
  Config config;
  int shown;            // the puzzle shown, 0 none
  const char* message;  // the one start-up message, "%c" the configuration's path
  const char* status = "Puzzle read";
  int number = 1;         // the configured puzzle number
  const char* file = "";  // the configured puzzle file, "" the shipped one
  int spoil = 0;          // 3: the third puzzle unreadable, -1: no puzzle file
};

}  // namespace

Q_DECLARE_METATYPE(StartRow)

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // No usable configuration gives the defaults after one message: a malformed
  // file is kept as "kalvero.cfg.bad" and replaced, a folder or FIFO is left
  // alone and blocks nothing. A configured puzzle shows without a message, or
  // else the shipped file, the first puzzle or the next readable one.
  void start_data() {
    QTest::addColumn<StartRow>("r");
    const StartRow rows[] = {
        {"no configuration", Config::None, 1, "Configuration file not found ...\nA new file will be created"},
        {"malformed configuration", Config::Malformed, 1,
         "The configuration file could not be read and was kept as:\n%c.bad\nA new file will be created"},
        {"folder in its place", Config::Folder, 1,
         "Could not read the configuration file:\n%c\nIs a directory\nThe default settings are used"},
        {"fifo in its place", Config::Fifo, 1,
         "Could not read the configuration file:\n%c\nNot a regular file\nThe default settings are used"},
        {"configured puzzle", Config::Settings, 3, "", "Puzzle read", 3},
        {"missing file: the shipped one", Config::Settings, 1, "", "Puzzle read", 7, "/nonexistent/gone.txt"},
        {"number beyond the file: the first", Config::Settings, 1, "", "Puzzle read", 500},
        {"unreadable puzzle: the next", Config::Settings, 4, "", "Puzzle 3 could not be read: puzzle 4 is shown", 3, "", 3},
        {"no puzzle file: an empty board", Config::Settings, 0, "", "Click Create for a new puzzle ...", 1, "", -1},
    };
    for (const StartRow& r : rows) QTest::newRow(r.name) << r;
  }
  void start() {
    QFETCH(StartRow, r);
    Settings settings = DefaultSettings();
    if (*r.file) settings.PuzzleFileName = r.file;
    settings.PuzzleNumber = r.number;
    settings.recent.caption = {"/x/one.txt", "", "", "", ""};
    const bool configured = r.config == Config::Settings;
    Started s(configured ? std::optional(settings) : std::nullopt, [&r](Folder& f) {
      const QByteArray cfg = QFile::encodeName(f.path("kalvero.cfg"));
      if (r.config == Config::Malformed) f.Write("kalvero.cfg", "200\r\n");
      if (r.config == Config::Folder) QVERIFY(::mkdir(cfg.constData(), 0755) == 0);
      if (r.config == Config::Fifo) QVERIFY(::mkfifo(cfg.constData(), 0644) == 0);
      QList<QByteArray> lines = f.Read("puzzles.txt").split('\n');
      lines[2] = "12345\r";
      if (r.spoil == 3) f.Write("puzzles.txt", lines.join('\n'));
      if (r.spoil < 0) QFile::remove(f.path("puzzles.txt"));
    });
    const QString cfg = s.folder.path("kalvero.cfg");
    QCOMPARE(s.seen, *r.message ? QStringList{QString::fromLatin1(r.message).replace(QStringLiteral("%c"), cfg)}
                                : QStringList{});
    if (!configured) {
      const bool replaced = r.config == Config::None || r.config == Config::Malformed;
      QCOMPARE(QFileInfo(cfg).isFile(), replaced);
      if (replaced) QCOMPARE(s.folder.Read("kalvero.cfg"), QByteArray::fromStdString(DefaultConfigText()));
      QCOMPARE(s.folder.Read("kalvero.cfg.bad"), r.config == Config::Malformed ? "200\r\n" : QByteArray());
    }
    QCOMPARE(LabelText(s.window, "lblstatus"), QString::fromLatin1(r.status));
    QCOMPARE(LabelText(s.window, "lblpuznum"), r.shown ? s.folder.NumberLabel(r.shown) : QString());
    QCOMPARE(LabelText(s.window, "lblfile"), r.shown ? QStringLiteral("puzzles.txt") : QString());
    QCOMPARE(LabelText(s.window, "lbllevel"), r.shown ? QString::fromLatin1(LevelName(s.State().FixedCount)) : QString());
    // With no puzzle read the level list still offers the first level.
    if (!r.shown)
      QCOMPARE(s.window.findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("Very Easy"));
    // The one recent file and the separator below the list (entry 5).
    for (int i = 0; i <= 5; ++i)
      QCOMPARE(Action(s.window, QStringLiteral("mnuoldfiles_%1").arg(i))->isVisible(), configured && i % 5 == 0);
    if (configured) QCOMPARE(Action(s.window, "mnuoldfiles_0")->text(), QStringLiteral("/x/one.txt"));
  }

  // Assistive tools see each button as a push button named by its tooltip,
  // can press it and ask for its right-click action; the board is "Board".
  void accessibleControls() {
    Started s;
    // The file-dialog control stays hidden: it is no button a user sees.
    QList<BoxControl*> buttons = s.window.findChildren<BoxControl*>();
    buttons.removeIf([](const BoxControl* b) { return b->isHidden(); });
    QCOMPARE(buttons.size(), 10);
    for (BoxControl* button : buttons) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
      QCOMPARE(a->role(), QAccessible::Button);
      QCOMPARE(a->text(QAccessible::Name), button->toolTip());
      QVERIFY(!button->toolTip().isEmpty());
    }
    QList<int> pressed;
    BoxControl* next = Button(s.window, "Command8_1");
    connect(next, &BoxControl::mouseUp, next, [&](int b) { pressed << b; });
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(next)->actionInterface();
    actions->doAction(QAccessibleActionInterface::pressAction());
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QCOMPARE(pressed, (QList<int>{1, 2}));
    QCOMPARE(QAccessible::queryAccessibleInterface(s.window.findChild<QWidget*>(QStringLiteral("Picture1")))
                 ->text(QAccessible::Name),
             QStringLiteral("Board"));
  }

  // Options > Save saves the options and the puzzle shown; Exit asks and
  // saves on Yes only; the close box saves nothing.
  void saving_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("open");
    QTest::newRow("Options > Save") << "save" << QStringList{} << true << true;
    QTest::newRow("Exit, Yes") << "Yes" << QStringList{"Exit?"} << true << false;
    QTest::newRow("Exit, No") << "No" << QStringList{"Exit?"} << false << true;
    QTest::newRow("close box") << "close" << QStringList{} << false << false;
  }
  void saving() {
    QFETCH(QString, action);
    QFETCH(QStringList, seen);
    QFETCH(bool, saved);
    QFETCH(bool, open);
    Started s;
    s.State().PuzzleNumber = 5;
    s.window.Context().settings.PrinterLineSize = 17;
    MessageAnswerer answers({action});
    if (action == QLatin1String("save")) {
      Action(s.window, "mnuoptsave")->trigger();
      QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Current options saved"));
    } else if (action == QLatin1String("close")) {
      s.window.close();
    } else {
      s.window.Exit();
    }
    QCOMPARE(answers.seen, seen);
    QCOMPARE(s.window.isVisible(), open);
    Settings back;
    QVERIFY(LoadConfig(s.folder.path("kalvero.cfg").toStdString(), back));
    QCOMPARE(back.PrinterLineSize == 17, saved);
    QCOMPARE(back.PuzzleNumber == 5, saved);
    QCOMPARE(QString::fromStdString(back.PuzzleFileName), QStringLiteral("puzzles.txt"));
  }

  // A missing scheme, or a missing list of schemes, falls back to xp.col
  // with a message; the default scheme leaves the menus unpainted.
  void schemes_data() {
    QTest::addColumn<QString>("scheme");  // "": all.col is missing
    QTest::addColumn<uint>("colour13");
    QTest::addColumn<QString>("expectedScheme");
    QTest::addColumn<bool>("message");
    QTest::newRow("default is not painted") << "default.col" << 0u << "default.col" << false;
    QTest::newRow("red control colour") << "ocean.col" << uint(Rgb(255, 0, 0)) << "ocean.col" << false;
    QTest::newRow("missing scheme") << "nothing.col" << 0u << "xp.col" << true;
    QTest::newRow("missing all.col") << "" << 0u << "xp.col" << true;
  }
  void schemes() {
    QFETCH(QString, scheme);
    QFETCH(uint, colour13);
    QFETCH(QString, expectedScheme);
    QFETCH(bool, message);
    const bool noList = scheme.isEmpty();
    if (noList) scheme = QStringLiteral("xp.col");
    Settings settings = DefaultSettings();
    settings.SchemeFile = scheme.toStdString();
    settings.SchemeColour13 = colour13;
    Started s(settings, [noList](Folder& f) {
      if (noList) QFile::remove(f.path("all.col"));
    });
    // Whatever went wrong, the windows are never left black.
    QVERIFY(s.window.Context().scheme[kBackgroundEntry] != 0);
    QCOMPARE(QString::fromStdString(s.window.Context().settings.SchemeFile), expectedScheme);
    QCOMPARE(s.seen.contains(QStringLiteral("Colour Scheme: ") + scheme + QStringLiteral(" not found")), message);
    QCOMPARE(s.window.menuBar()->styleSheet().isEmpty(), expectedScheme == QLatin1String("default.col"));
    if (colour13 != 0) {
      QCOMPARE(Button(s.window, "Command8_1")->BackColor(), ToQColor(colour13));
      QCOMPARE(s.window.Context().Colours().control, Colour(colour13));
    }
  }

  // "5-10" through the print window into a PDF file: the report, puzzle 10
  // shown afterwards and its solution on the clipboard.
  void printRangeThroughTheWindow() {
    Started s;
    const QString pdf = s.folder.path("range.pdf");
    PrinterChoice& printer = s.window.findChild<OutputCommands*>()->Printer();
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
    QCOMPARE(LabelText(s.window, "lblpuznum"), s.folder.NumberLabel(10));
    QVERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(!QGuiApplication::clipboard()->image().isNull());
  }

  // Both clipboard pictures (the puzzle's wider than the solution's) leave
  // the board's layout and drawing alone. In the no-puzzle state the puzzle
  // left in memory is neither copied nor printed.
  void copyLeavesBoardAlone() {
    Started s;
    BoardView* board = s.window.findChild<BoardView*>();
    const auto measures = [board] {
      const BoardGeometry& g = board->Geometry();
      return std::array{g.CellSize, g.GridLeft, g.GridTop, g.HalfCell, g.ThirdCell, g.SixthCell};
    };
    const auto before = measures();
    const std::size_t calls = board->Surface().CallCount();
    QList<int> widths;
    for (const char* entry : {"copy2clippuz", "copy2clipsol"}) {
      Action(s.window, entry)->trigger();
      widths << QGuiApplication::clipboard()->image().width();
    }
    QVERIFY(widths[0] > widths[1] && widths[1] > 0);
    QVERIFY(measures() == before);
    QCOMPARE(board->Surface().CallCount(), calls);
    s.State().PuzzleCount = 0;
    QGuiApplication::clipboard()->clear();
    MessageAnswerer answers;
    for (const char* entry : {"copy2clippuz", "copy2clipsol", "mnuprint"}) Action(s.window, entry)->trigger();
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    QVERIFY(answers.seen.isEmpty());
  }

  // The options and help entries open their windows.
  void menuOpensWindow() {
    Started s;
    for (const char* entry : {"mnuoptions", "mnuFileHelp"}) Action(s.window, entry)->trigger();
    for (const char* window : {"Form2", "Form4"}) QVERIFY(s.window.findChild<QWidget*>(QLatin1String(window))->isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
