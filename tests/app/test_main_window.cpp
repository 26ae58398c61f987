// The main window's life: first run, start-up from a configuration, menus,
// Options > Save, Exit and the close box, and colour schemes.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "app/main_window.h"
#include "model/config.h"
#include "ui/box_control.h"
#include "ui/msg_form.h"
#include "view/qt_colour.h"
#include "message_answerer.h"
#include "app_folder.h"

using namespace kalvero;
using kalvero::test::Folder;
using kalvero::test::MessageAnswerer;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Captions(const QMenu* menu) {
  QStringList out;
  for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

// A window in a scratch folder, started from these settings (none: a first
// run) and optionally without the shipped puzzle file; `seen` holds the
// start-up messages.
struct Started {
  Folder folder;
  MainWindow window{folder.paths()};
  QStringList seen;
  explicit Started(const std::optional<Settings>& settings, bool withPuzzles = true) {
    if (settings) {
      QFile cfg(folder.path("kalvero.cfg"));
      cfg.open(QIODevice::WriteOnly);
      cfg.write(QByteArray::fromStdString(ConfigText(*settings)));
    }
    if (!withPuzzles) QFile::remove(folder.path("puzzles.txt"));
    MessageAnswerer answers;
    window.Start();
    seen = answers.seen;
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void firstRunCreatesDefaultConfig() {
    Started s(std::nullopt);
    QCOMPARE(s.seen, QStringList{QStringLiteral("Configuration file not found ...\nA new file will be created")});
    QCOMPARE(ReadAll(s.folder.path("kalvero.cfg")), QByteArray::fromStdString(DefaultConfigText()));
    QCOMPARE(s.window.FileLabelText(), QStringLiteral("puzzles.txt"));
    QCOMPARE(s.window.NumberLabelText(), s.folder.NumberLabel(1));
    QCOMPARE(s.window.StatusText(), QStringLiteral("Puzzle read"));
    QCOMPARE(s.window.LevelLabelText(), QString::fromLatin1(LevelName(s.window.State().FixedCount)));
    for (int i = 0; i <= 5; ++i) QVERIFY(!s.window.RecentEntry(i)->isVisible());
  }

  void startsAtTheConfiguredPuzzle() {
    Settings settings = DefaultSettings();
    settings.PuzzleNumber = 3;
    settings.recent.caption = {"/x/one.txt", "", "", "", ""};
    Started s(settings);
    QVERIFY(s.seen.isEmpty());
    QCOMPARE(s.window.NumberLabelText(), s.folder.NumberLabel(3));
    QVERIFY(s.window.RecentEntry(0)->isVisible());
    QCOMPARE(s.window.RecentEntry(0)->text(), QStringLiteral("/x/one.txt"));
    QVERIFY(!s.window.RecentEntry(1)->isVisible());
    QVERIFY(s.window.RecentEntry(5)->isVisible());
  }

  void missingPuzzleFileFallsBackToShippedOne() {
    Settings settings = DefaultSettings();
    settings.PuzzleFileName = "/nonexistent/gone.txt";
    settings.PuzzleNumber = 7;
    Started s(settings);
    QCOMPARE(s.window.NumberLabelText(), s.folder.NumberLabel(1));
    QCOMPARE(s.window.FileLabelText(), QStringLiteral("puzzles.txt"));
  }

  void noPuzzlesShowsEmptyGrid() {
    Started s(DefaultSettings(), false);
    QVERIFY(s.seen.isEmpty());
    QCOMPARE(s.window.StatusText(), QStringLiteral("Click Create for a new puzzle ..."));
  }

  void menusInOrder() {
    Folder folder;
    MainWindow window(folder.paths());
    const QList<QAction*> top = window.menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("File"));
    QCOMPARE(top[1]->text(), QStringLiteral("Puzzle"));
    const QStringList file{"Options", "-", "", "", "", "", "", "-", "Print", "-", "Help", "About", "-", "Exit"};
    QCOMPARE(Captions(top[0]->menu()), file);
    QCOMPARE(Captions(top[0]->menu()->actions()[0]->menu()), (QStringList{"Change", "Save", "-", "Cancel"}));
    const QStringList puzzle{"Reset", "-", "Create", "-", "Append", "Save", "Delete", "-", "Copy to Clipboard", "-", "Cancel"};
    QCOMPARE(Captions(top[1]->menu()), puzzle);
    QCOMPARE(Captions(window.CreateEntry()->menu()), (QStringList{"Very Easy", "Easy", "Hard", "-", "Cancel"}));
    QCOMPARE(Captions(top[1]->menu()->actions()[8]->menu()), (QStringList{"Puzzle", "Solution", "-", "Cancel"}));
    QCOMPARE(window.Button(ButtonId::Undo)->toolTip(), QStringLiteral("Undo last manual placement; rightclick to reset all"));
    QCOMPARE(window.Button(ButtonId::Create)->toolTip(),
             QStringLiteral("Create a new puzzle; right click to set options and create multiple puzzles"));
    QCOMPARE(window.Button(ButtonId::Pencil)->toolTip(), QStringLiteral("Display pencil marks; rightclick to clear"));
    QCOMPARE(window.Button(ButtonId::Load)->toolTip(), QStringLiteral("Load a new Puzzle File"));
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
    Started s(DefaultSettings());
    s.window.show();
    s.window.State().PuzzleNumber = 5;
    s.window.CurrentSettings().PrinterLineSize = 17;
    MessageAnswerer answers({action});
    if (action == QLatin1String("save")) {
      s.window.findChild<QAction*>(QStringLiteral("mnuoptsave"))->trigger();
      QCOMPARE(s.window.StatusText(), QStringLiteral("Current options saved"));
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

  void schemes_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<uint>("colour13");
    QTest::addColumn<QString>("expectedScheme");
    QTest::addColumn<bool>("message");
    QTest::addColumn<bool>("menuPainted");
    QTest::newRow("xp") << "xp.col" << 0u << "xp.col" << false << true;
    QTest::newRow("default is not painted") << "default.col" << 0u << "default.col" << false << false;
    QTest::newRow("red control colour") << "ocean.col" << uint(Rgb(255, 0, 0)) << "ocean.col" << false << true;
    QTest::newRow("missing scheme") << "nothing.col" << 0u << "xp.col" << true << true;
  }
  void schemes() {
    QFETCH(QString, scheme);
    QFETCH(uint, colour13);
    QFETCH(QString, expectedScheme);
    QFETCH(bool, message);
    QFETCH(bool, menuPainted);
    Settings settings = DefaultSettings();
    settings.SchemeFile = scheme.toStdString();
    settings.SchemeColour13 = colour13;
    Started s(settings);
    QCOMPARE(QString::fromStdString(s.window.CurrentSettings().SchemeFile), expectedScheme);
    QCOMPARE(s.seen.contains(QStringLiteral("Colour Scheme: ") + scheme + QStringLiteral(" not found")), message);
    QCOMPARE(!s.window.menuBar()->styleSheet().isEmpty(), menuPainted);
    if (colour13 != 0) {
      QCOMPARE(s.window.Button(ButtonId::Next)->BackColor(), ToQColor(colour13));
      QCOMPARE(s.window.Colours().control, Colour(colour13));
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
