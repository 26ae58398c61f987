// The main window's life: first run, start-up from a configuration, menus,
// Options > Save, Exit and the close box, and colour schemes.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
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
#include "window_probe.h"

#include <sys/stat.h>

using namespace kalvero;
using namespace kalvero::test;

namespace {

QStringList Captions(const QMenu* menu) {
  QStringList out;
  for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

// A window in a scratch folder, started from these settings (none: a first
// run, or `rawConfig` as the configuration when not null) and optionally
// without the shipped puzzle file; `seen` holds the start-up messages.
struct Started {
  Folder own;
  Folder& folder;
  MainWindow window{folder.paths()};
  QStringList seen;
  QColor firstMessageBackground;
  // `preset`: a folder the test has prepared, used instead of a new one.
  explicit Started(const std::optional<Settings>& settings, bool withPuzzles = true, bool withSchemes = true,
                   const QByteArray& rawConfig = {}, Folder* preset = nullptr)
      : folder(preset ? *preset : own) {
    if (!withSchemes) QFile::remove(folder.path("all.col"));
    if (settings) folder.WriteConfig(*settings);
    if (!rawConfig.isNull()) folder.WriteConfig(rawConfig.toStdString());
    if (!withPuzzles) QFile::remove(folder.path("puzzles.txt"));
    MessageAnswerer answers;
    answers.onMessage = [this] {
      if (seen.isEmpty() && !firstMessageBackground.isValid())
        firstMessageBackground = window.findChild<MsgForm*>()->palette().color(QPalette::Window);
    };
    window.Start();
    seen = answers.seen;
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // No configuration, or one that cannot be read, gives the defaults after
  // one message. A malformed file is kept as "kalvero.cfg.bad" and replaced;
  // a folder or a FIFO in its place is left alone and blocks nothing.
  void firstRun_data() {
    QTest::addColumn<QByteArray>("config");  // null: no file; "<folder>", "<fifo>": those in its place
    QTest::addColumn<QString>("message");    // "%c" stands for the configuration's path
    QTest::addColumn<bool>("replaced");
    QTest::newRow("no configuration") << QByteArray()
                                      << "Configuration file not found ...\nA new file will be created" << true;
    QTest::newRow("malformed configuration")
        << QByteArray("200\r\n")
        << "The configuration file could not be read and was kept as:\n%c.bad\nA new file will be created" << true;
    QTest::newRow("folder in its place")
        << QByteArray("<folder>")
        << "Could not read the configuration file:\n%c\nIs a directory\nThe default settings are used" << false;
    QTest::newRow("fifo in its place")
        << QByteArray("<fifo>")
        << "Could not read the configuration file:\n%c\nNot a regular file\nThe default settings are used" << false;
  }
  void firstRun() {
    QFETCH(QByteArray, config);
    QFETCH(QString, message);
    QFETCH(bool, replaced);
    Folder preset;
    const QByteArray cfg = QFile::encodeName(preset.path("kalvero.cfg"));
    std::optional<Started> s;
    if (config == "<folder>" || config == "<fifo>") {
      QVERIFY(config == "<folder>" ? ::mkdir(cfg.constData(), 0755) == 0 : ::mkfifo(cfg.constData(), 0644) == 0);
      s.emplace(std::nullopt, true, true, QByteArray(), &preset);
    } else {
      s.emplace(std::nullopt, true, true, config, &preset);
    }
    QCOMPARE(s->seen, QStringList{QString(message).replace(QStringLiteral("%c"), preset.path("kalvero.cfg"))});
    // A folder or FIFO stays as it was (and is not opened here either).
    QCOMPARE(QFileInfo(preset.path("kalvero.cfg")).isFile(), replaced);
    if (replaced) QCOMPARE(s->folder.Read("kalvero.cfg"), QByteArray::fromStdString(DefaultConfigText()));
    QCOMPARE(s->folder.Read("kalvero.cfg.bad"), replaced ? config : QByteArray());
    QCOMPARE(LabelText(s->window, "lblfile"), QStringLiteral("puzzles.txt"));
    QCOMPARE(LabelText(s->window, "lblpuznum"), s->folder.NumberLabel(1));
    QCOMPARE(LabelText(s->window, "lblstatus"), QStringLiteral("Puzzle read"));
    QCOMPARE(LabelText(s->window, "lbllevel"), QString::fromLatin1(LevelName(s->window.Context().state.FixedCount)));
    for (int i = 0; i <= 5; ++i) QVERIFY(!Action(s->window, QStringLiteral("mnuoldfiles_%1").arg(i))->isVisible());
    // The message box is styled before the configuration is read.
    QCOMPARE(s->firstMessageBackground, QApplication::palette().color(QPalette::Base));
  }

  // Start-up from a configuration shows its puzzle without a message; a
  // missing puzzle file falls back to the shipped one and a number beyond
  // the file to its first puzzle.
  void configuredStart_data() {
    QTest::addColumn<QString>("file");  // "" for the shipped puzzle file
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("shown");
    QTest::newRow("configured puzzle") << "" << 3 << 3;
    QTest::newRow("missing file: the shipped one") << "/nonexistent/gone.txt" << 7 << 1;
    QTest::newRow("number beyond the file: the first") << "" << 500 << 1;
  }
  void configuredStart() {
    QFETCH(QString, file);
    QFETCH(int, number);
    QFETCH(int, shown);
    Settings settings = DefaultSettings();
    if (!file.isEmpty()) settings.PuzzleFileName = file.toStdString();
    settings.PuzzleNumber = number;
    settings.recent.caption = {"/x/one.txt", "", "", "", ""};
    Started s(settings);
    QVERIFY(s.seen.isEmpty());
    QCOMPARE(LabelText(s.window, "lblpuznum"), s.folder.NumberLabel(shown));
    QCOMPARE(LabelText(s.window, "lblfile"), QStringLiteral("puzzles.txt"));
    QCOMPARE(Action(s.window, "mnuoldfiles_0")->text(), QStringLiteral("/x/one.txt"));
    QVERIFY(Action(s.window, "mnuoldfiles_0")->isVisible());
    QVERIFY(!Action(s.window, "mnuoldfiles_1")->isVisible());
    QVERIFY(Action(s.window, "mnuoldfiles_5")->isVisible());
  }

  // A configured puzzle that cannot be read gives way to the next one that
  // can, without a message.
  void unreadableConfiguredPuzzle() {
    Folder preset;
    QList<QByteArray> lines = preset.Read("puzzles.txt").split('\n');
    lines[2] = "12345\r";
    QFile file(preset.path("puzzles.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines.join('\n'));
    file.close();
    Settings settings = DefaultSettings();
    settings.PuzzleNumber = 3;
    Started s(settings, true, true, {}, &preset);
    QVERIFY(s.seen.isEmpty());
    QCOMPARE(LabelText(s.window, "lblpuznum"), s.folder.NumberLabel(4));
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Puzzle 3 could not be read: puzzle 4 is shown"));
  }

  void noPuzzlesShowsEmptyGrid() {
    Started s(DefaultSettings(), false);
    QVERIFY(s.seen.isEmpty());
    QCOMPARE(LabelText(s.window, "lblstatus"), QStringLiteral("Click Create for a new puzzle ..."));
    // No puzzle read: no level shown, while the level list offers the first level.
    QCOMPARE(LabelText(s.window, "lbllevel"), QString());
    QCOMPARE(s.window.findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("Very Easy"));
  }

  // Assistive tools see every button beside the board as a push button
  // named by its tooltip, can press it and ask for its right-click action;
  // the board is named "Board".
  void accessibleControls() {
    Folder folder;
    MainWindow window(folder.paths());
    // The file-dialog control stays hidden: it is no button a user sees.
    QList<BoxControl*> buttons = window.findChildren<BoxControl*>();
    buttons.removeIf([](const BoxControl* b) { return b->isHidden(); });
    for (BoxControl* button : buttons) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
      QVERIFY(a);
      QCOMPARE(a->role(), QAccessible::Button);
      QCOMPARE(a->text(QAccessible::Name), button->toolTip());
      QCOMPARE(a->text(QAccessible::Description), button->toolTip());
      const QStringList actions = a->actionInterface()->actionNames();
      QVERIFY(actions.contains(QAccessibleActionInterface::pressAction()));
      QVERIFY(actions.contains(QAccessibleActionInterface::showMenuAction()));
    }
    QCOMPARE(buttons.size(), 10);
    QList<int> pressed;
    BoxControl* next = Button(window, "Command8_1");
    connect(next, &BoxControl::mouseUp, next, [&](int b) { pressed << b; });
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(next)->actionInterface();
    actions->doAction(QAccessibleActionInterface::pressAction());
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QCOMPARE(pressed, (QList<int>{1, 2}));
    QCOMPARE(QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(QStringLiteral("Picture1")))
                 ->text(QAccessible::Name),
             QStringLiteral("Board"));
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
    const QStringList puzzle{"Reset", "Hint", "-", "Create", "-", "Append", "Save", "Delete", "-", "Copy to Clipboard", "-", "Cancel"};
    QCOMPARE(Captions(top[1]->menu()), puzzle);
    QCOMPARE(Captions(Action(window, "mnucreateone")->menu()), (QStringList{"Very Easy", "Easy", "Hard", "-", "Cancel"}));
    QCOMPARE(Captions(top[1]->menu()->actions()[9]->menu()), (QStringList{"Puzzle", "Solution", "-", "Cancel"}));
    QCOMPARE(Button(window, "cmdundo")->toolTip(), QStringLiteral("Undo last manual placement; rightclick to reset all"));
    QCOMPARE(Button(window, "cmdcreate")->toolTip(),
             QStringLiteral("Create a new puzzle; right click to set options and create multiple puzzles"));
    QCOMPARE(Button(window, "cmdpen")->toolTip(), QStringLiteral("Display pencil marks; rightclick to clear"));
    QCOMPARE(Button(window, "cmdload")->toolTip(), QStringLiteral("Load a new Puzzle File"));
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
    s.window.Context().state.PuzzleNumber = 5;
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
    QTest::newRow("missing all.col") << "" << 0u << "xp.col" << true << true;
  }
  void schemes() {
    QFETCH(QString, scheme);
    QFETCH(uint, colour13);
    QFETCH(QString, expectedScheme);
    QFETCH(bool, message);
    QFETCH(bool, menuPainted);
    Settings settings = DefaultSettings();
    settings.SchemeFile = scheme.isEmpty() ? "xp.col" : scheme.toStdString();
    settings.SchemeColour13 = colour13;
    Started s(settings, true, !scheme.isEmpty());
    if (scheme.isEmpty()) scheme = QStringLiteral("xp.col");
    // Whatever went wrong, the windows are never left black.
    QVERIFY(s.window.Context().scheme[kBackgroundEntry] != 0);
    QCOMPARE(QString::fromStdString(s.window.Context().settings.SchemeFile), expectedScheme);
    QCOMPARE(s.seen.contains(QStringLiteral("Colour Scheme: ") + scheme + QStringLiteral(" not found")), message);
    QCOMPARE(!s.window.menuBar()->styleSheet().isEmpty(), menuPainted);
    if (colour13 != 0) {
      QCOMPARE(Button(s.window, "Command8_1")->BackColor(), ToQColor(colour13));
      QCOMPARE(s.window.Context().Colours().control, Colour(colour13));
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
