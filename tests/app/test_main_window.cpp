// The main window's life: first run, start-up from a configuration, menus,
// Options > Save, Exit and the close box, and colour schemes.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

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

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

QStringList Captions(const QMenu* menu) {
  QStringList out;
  for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void firstRunCreatesDefaultConfig() {
    Folder folder;
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    QCOMPARE(answers.seen, QStringList{QStringLiteral("Configuration file not found ...\nA new file will be created")});
    QCOMPARE(ReadAll(folder.path("kalvero.cfg")), QByteArray::fromStdString(DefaultConfigText()));
    QCOMPARE(window.FileLabelText(), QStringLiteral("puzzles.txt"));
    QCOMPARE(window.NumberLabelText(), folder.NumberLabel(1));
    QCOMPARE(window.StatusText(), QStringLiteral("Puzzle read"));
    QCOMPARE(window.LevelLabelText(), QString::fromLatin1(LevelName(window.State().FixedCount)));
    for (int i = 0; i <= 5; ++i) QVERIFY(!window.RecentEntry(i)->isVisible());
  }

  void startsAtTheConfiguredPuzzle() {
    Folder folder;
    Settings s = DefaultSettings();
    s.PuzzleNumber = 3;
    s.recent.caption = {"/x/one.txt", "", "", "", ""};
    WriteAll(folder.path("kalvero.cfg"), QByteArray::fromStdString(ConfigText(s)));
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    QVERIFY(answers.seen.isEmpty());
    QCOMPARE(window.NumberLabelText(), folder.NumberLabel(3));
    QVERIFY(window.RecentEntry(0)->isVisible());
    QCOMPARE(window.RecentEntry(0)->text(), QStringLiteral("/x/one.txt"));
    QVERIFY(!window.RecentEntry(1)->isVisible());
    QVERIFY(window.RecentEntry(5)->isVisible());
  }

  void missingPuzzleFileFallsBackToShippedOne() {
    Folder folder;
    Settings s = DefaultSettings();
    s.PuzzleFileName = "/nonexistent/gone.txt";
    s.PuzzleNumber = 7;
    WriteAll(folder.path("kalvero.cfg"), QByteArray::fromStdString(ConfigText(s)));
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    QCOMPARE(window.NumberLabelText(), folder.NumberLabel(1));
    QCOMPARE(window.FileLabelText(), QStringLiteral("puzzles.txt"));
  }

  void noPuzzlesShowsEmptyGrid() {
    Folder folder;
    QFile::remove(folder.path("puzzles.txt"));
    WriteAll(folder.path("kalvero.cfg"), QByteArray::fromStdString(DefaultConfigText()));
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    QVERIFY(answers.seen.isEmpty());
    QCOMPARE(window.StatusText(), QStringLiteral("Click Create for a new puzzle ..."));
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
  }

  void buttonTooltips() {
    Folder folder;
    MainWindow window(folder.paths());
    QCOMPARE(window.Button(ButtonId::Undo)->toolTip(), QStringLiteral("Undo last manual placement; rightclick to reset all"));
    QCOMPARE(window.Button(ButtonId::Create)->toolTip(),
             QStringLiteral("Create a new puzzle; right click to set options and create multiple puzzles"));
    QCOMPARE(window.Button(ButtonId::Pencil)->toolTip(), QStringLiteral("Display pencil marks; rightclick to clear"));
    QCOMPARE(window.Button(ButtonId::Load)->toolTip(), QStringLiteral("Load a new Puzzle File"));
  }

  void saveWritesCurrentPuzzle() {
    Folder folder;
    WriteAll(folder.path("kalvero.cfg"), QByteArray::fromStdString(DefaultConfigText()));
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    window.State().PuzzleNumber = 5;
    window.findChild<QAction*>(QStringLiteral("mnuoptsave"))->trigger();
    QCOMPARE(window.StatusText(), QStringLiteral("Current options saved"));
    Settings back;
    QVERIFY(LoadConfig(folder.path("kalvero.cfg").toStdString(), back));
    QCOMPARE(back.PuzzleNumber, 5);
    QCOMPARE(QString::fromStdString(back.PuzzleFileName), QStringLiteral("puzzles.txt"));
  }

  void exitSavesOnlyOnYes_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes") << "Yes" << true;
    QTest::newRow("No") << "No" << false;
  }
  void exitSavesOnlyOnYes() {
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    Folder folder;
    WriteAll(folder.path("kalvero.cfg"), QByteArray::fromStdString(DefaultConfigText()));
    MainWindow window(folder.paths());
    MessageAnswerer start;
    window.Start();
    window.show();
    window.CurrentSettings().PrinterLineSize = 17;
    MessageAnswerer answers({answer});
    window.Exit();
    QCOMPARE(answers.seen, QStringList{QStringLiteral("Exit?")});
    Settings back;
    QVERIFY(LoadConfig(folder.path("kalvero.cfg").toStdString(), back));
    QCOMPARE(back.PrinterLineSize == 17, saved);
    QCOMPARE(window.isVisible(), !saved);
  }

  void closeBoxSavesNothing() {
    Folder folder;
    WriteAll(folder.path("kalvero.cfg"), QByteArray::fromStdString(DefaultConfigText()));
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    window.show();
    window.CurrentSettings().PrinterLineSize = 17;
    window.close();
    QVERIFY(!window.isVisible());
    QCOMPARE(ReadAll(folder.path("kalvero.cfg")), QByteArray::fromStdString(DefaultConfigText()));
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
    Folder folder;
    Settings s = DefaultSettings();
    s.SchemeFile = scheme.toStdString();
    s.SchemeColour13 = colour13;
    WriteAll(folder.path("kalvero.cfg"), QByteArray::fromStdString(ConfigText(s)));
    MainWindow window(folder.paths());
    MessageAnswerer answers;
    window.Start();
    QCOMPARE(QString::fromStdString(window.CurrentSettings().SchemeFile), expectedScheme);
    QCOMPARE(answers.seen.contains(QStringLiteral("Colour Scheme: ") + scheme + QStringLiteral(" not found")), message);
    QCOMPARE(!window.menuBar()->styleSheet().isEmpty(), menuPainted);
    if (colour13 != 0) {
      QCOMPARE(window.Button(ButtonId::Next)->BackColor(), ToQColor(colour13));
      QCOMPARE(window.Colours().control, Colour(colour13));
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
