// Puzzle file commands from the main window: navigation, the puzzle-number
// question, Append and Delete, opening files (Load, command line, drop) and
// Save, with the messages they give and the files they leave.
#include <sys/resource.h>

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QtTest>
#include <csignal>

#include "app/main_window.h"
#include "app_folder.h"
#include "message_answerer.h"
#include "model/config.h"
#include "ui/fn_dialog.h"
#include "window_probe.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

enum class Step { Previous, Next, First, Last, AskNumber, Delete, Append };
// How the puzzle file is spoiled before the step.
enum class Spoil { None, DiskFull, FileIsFolder };
enum class Opening { Dialog, CommandLine, Drop };

QByteArray Joined(const QList<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A started window showing puzzle `start` of a file of `count` distinct
// puzzles (the first ones of the shipped file).
struct Opened {
  Folder folder;
  MainWindow window{folder.paths()};
  QString file;
  QList<QByteArray> lines;
  Opened(const char* name, int count, int start) {
    lines = ReadAll(folder.path("puzzles.txt")).split('\n').mid(0, count);
    for (QByteArray& line : lines) line = line.trimmed();
    file = folder.path(name);
    QFile puzzles(file);
    puzzles.open(QIODevice::WriteOnly);
    puzzles.write(Joined(lines));
    puzzles.close();
    Settings settings = DefaultSettings();
    settings.PuzzleFileName = file.toStdString();
    settings.PuzzleNumber = start;
    QFile cfg(folder.path("kalvero.cfg"));
    cfg.open(QIODevice::WriteOnly);
    cfg.write(QByteArray::fromStdString(ConfigText(settings)));
    cfg.close();
    MessageAnswerer answers;
    window.Start();
    window.show();
  }
  PuzzleState& State() { return window.Context().state; }
  QByteArray Shown() { return QByteArray::fromStdString(State().PuzzleLine); }
  FNDialog* Dialog() const { return window.findChild<FNDialog*>(QStringLiteral("gf1")); }
};

void Run(MainWindow& window, Step step) {
  switch (step) {
    case Step::Previous: Click(window, "Command8_0"); break;
    case Step::First: Click(window, "Command8_0", Qt::RightButton); break;
    case Step::Next: Click(window, "Command8_1"); break;
    case Step::Last: Click(window, "Command8_1", Qt::RightButton); break;
    case Step::AskNumber: Click(window, "Command8_2", Qt::RightButton); break;
    case Step::Delete: Action(window, "mnudelete")->trigger(); break;
    case Step::Append: Action(window, "mnuSave2InFile")->trigger(); break;
  }
}

// Lets every write beyond `bytes` fail as on a full disk, until destroyed.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    const rlimit limited{bytes, saved_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

QStringList WithPath(QStringList texts, const QString& path) {
  for (QString& text : texts) text.replace(QStringLiteral("%f"), path);
  return texts;
}

}  // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Spoil)
Q_DECLARE_METATYPE(Opening)

class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void command_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<Step>("step");
    QTest::addColumn<Spoil>("spoil");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("shown");  // the original line number of the puzzle shown afterwards
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QList<int>>("fileLines");  // the original lines the file holds afterwards
    const QString five = QStringLiteral("five.txt");
    const QList<int> all{1, 2, 3, 4, 5};
    const QString ask = QStringLiteral("Enter Puzzle Number to display\n1 to 5");
    const QString remove = QStringLiteral("Remove current puzzle from file: %f?");
    const auto row = [&](const char* name, const QString& file, int count, int start, Step step, QStringList answers,
                         const char* label, int shown, QStringList seen, QList<int> lines, Spoil spoil = Spoil::None) {
      QTest::newRow(name) << file << count << start << step << spoil << answers << QString::fromLatin1(label) << shown
                          << seen << lines;
    };
    row("count 1: next does nothing", five, 1, 1, Step::Next, {}, "p# 1 of 1", 1, {}, {1});
    row("count 1: no question", five, 1, 1, Step::AskNumber, {}, "p# 1 of 1", 1, {}, {1});
    row("count 1: delete does nothing", five, 1, 1, Step::Delete, {}, "p# 1 of 1", 1, {}, {1});
    row("previous on the first wraps to the last", five, 5, 1, Step::Previous, {}, "p# 5 of 5", 5, {}, all);
    row("next on the last wraps to the first", five, 5, 5, Step::Next, {}, "p# 1 of 5", 1, {}, all);
    row("right-click previous shows the first", five, 5, 4, Step::First, {}, "p# 1 of 5", 1, {}, all);
    row("right-click next shows the last", five, 5, 2, Step::Last, {}, "p# 5 of 5", 5, {}, all);
    row("answer 2.6 shows 3", five, 5, 1, Step::AskNumber, {"=2.6"}, "p# 3 of 5", 3, {ask}, all);
    row("answer N + 1 asks again", five, 5, 1, Step::AskNumber, {"=6", "=4"}, "p# 4 of 5", 4, {ask, ask}, all);
    row("answer 0 ends", five, 5, 2, Step::AskNumber, {"=0"}, "p# 2 of 5", 2, {ask}, all);
    row("empty answer ends", five, 5, 2, Step::AskNumber, {"="}, "p# 2 of 5", 2, {ask}, all);
    row("cancelled question ends", five, 5, 2, Step::AskNumber, {"Cancel"}, "p# 2 of 5", 2, {ask}, all);
    row("delete the last of 5 shows the new 4", five, 5, 5, Step::Delete, {"Yes"}, "p# 4 of 4", 4,
        {remove, "Puzzle deleted"}, {1, 2, 3, 4});
    row("delete 2 shows the old 3 as 2", five, 5, 2, Step::Delete, {"Yes"}, "p# 2 of 4", 3,
        {remove, "Puzzle deleted"}, {1, 3, 4, 5});
    row("delete answered No", five, 5, 2, Step::Delete, {"No"}, "p# 2 of 5", 2, {remove}, all);
    row("delete from the temporary puzzle file", "temporarypuzzlefile.txt", 3, 2, Step::Delete, {"Yes"}, "p# 2 of 2",
        3, {remove, "Puzzle deleted"}, {1, 3});
    row("delete on a full disk", five, 5, 2, Step::Delete, {"Yes"}, "p# 2 of 5", 2,
        {remove, "Could not write the puzzle file:\n%f"}, all, Spoil::DiskFull);
    row("append", five, 5, 2, Step::Append, {}, "p# 2 of 5", 2, {"Puzzle# 6 added to file: %f"}, {1, 2, 3, 4, 5, 2});
    row("append to a file that cannot be written", five, 5, 2, Step::Append, {}, "p# 2 of 5", 2,
        {"Could not write the puzzle file:\n%f"}, {}, Spoil::FileIsFolder);
  }
  void command() {
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(Step, step);
    QFETCH(Spoil, spoil);
    QFETCH(QStringList, answers);
    QFETCH(QString, label);
    QFETCH(int, shown);
    QFETCH(QStringList, seen);
    QFETCH(QList<int>, fileLines);
    Opened o(name.toLatin1().constData(), count, start);
    if (spoil == Spoil::FileIsFolder) QVERIFY(QFile::remove(o.file) && QDir().mkdir(o.file));
    MessageAnswerer answerer(answers);
    {
      std::optional<FileSizeLimit> limit;
      if (spoil == Spoil::DiskFull) limit.emplace(100);
      Run(o.window, step);
    }
    QCOMPARE(answerer.seen, WithPath(seen, o.file));
    QCOMPARE(LabelText(o.window, "lblpuznum"), label);
    QCOMPARE(o.Shown(), o.lines[shown - 1]);
    if (spoil == Spoil::FileIsFolder) return;
    QList<QByteArray> expected;
    for (int line : fileLines) expected << o.lines[line - 1];
    QCOMPARE(ReadAll(o.file), Joined(expected));
    QCOMPARE(QDir(o.folder.dir.path()).entryList(QDir::Hidden | QDir::Files).filter(QStringLiteral(".five")),
             QStringList());
  }

  // Opening a file: it becomes the current file at puzzle 1 and heads the
  // recent files; a file that cannot be shown brings puzzle 2 of the
  // previous file back and leaves the list alone.
  void open_data() {
    QTest::addColumn<Opening>("how");
    QTest::addColumn<QString>("chosen");  // "" cancels the dialog
    QTest::addColumn<QString>("file");    // the file made for the row, relative to the folder
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("seen");
    const QByteArray two = "5193284673D65I72A82784165934937816256H29D57C11572638498316549729F51G23H4724839156\r\n"
                           "4281693753E97H42F17615238496432179588I53D67A21728954365149786239C64E21H7287631594\r\n";
    const auto D = Opening::Dialog;
    QTest::newRow("easy opens easy.txt") << D << "easy" << "easy.txt" << two << true << QStringList();
    QTest::newRow("a dot in a folder name: no .txt added") << D << "v1.2/easy" << "v1.2/easy" << two << true
                                                           << QStringList();
    QTest::newRow("cancelled dialog") << D << "" << "" << QByteArray() << false << QStringList();
    QTest::newRow("unreadable file") << D << "bad.txt" << "bad.txt" << QByteArray("12345\r\n") << false
                                     << QStringList{"Error in reading File:\n%f\nPlease check data format"};
    QTest::newRow("file with no puzzles") << D << "empty.txt" << "empty.txt" << QByteArray("") << false
                                          << QStringList{"%f does not appear to have any puzzles...\nPlease check data format"};
    QTest::newRow("relative name on the command line") << Opening::CommandLine << "cmd.txt" << "cmd.txt" << two << true
                                                       << QStringList();
    QTest::newRow("dropped .txt file") << Opening::Drop << "drop.txt" << "drop.txt" << two << true << QStringList();
    QTest::newRow("dropped other file is refused") << Opening::Drop << "drop.dat" << "drop.dat" << two << false
                                                   << QStringList();
  }
  void open() {
    QFETCH(Opening, how);
    QFETCH(QString, chosen);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(QStringList, seen);
    Opened o("five.txt", 5, 2);
    const QString folder = o.folder.dir.path() + QLatin1Char('/');
    const QString path = folder + file;
    if (!file.isEmpty()) {
      QDir().mkpath(QFileInfo(path).absolutePath());
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(bytes);
    }
    FileDialogRequest request;
    o.Dialog()->SetDialogRunner([&](const FileDialogRequest& r) {
      request = r;
      return chosen.isEmpty() ? QString() : folder + chosen;
    });
    const QString before = QDir::currentPath();
    MessageAnswerer answerer;
    switch (how) {
      case Opening::Dialog: Click(o.window, "cmdload", Qt::RightButton); break;
      case Opening::CommandLine:
        QDir::setCurrent(folder);
        o.window.OpenPuzzleFile(chosen);
        QDir::setCurrent(before);
        break;
      case Opening::Drop: {
        // As the window system delivers a drop: an enter, then the drop,
        // over the status label, which takes no drops itself.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* label = o.window.findChild<QLabel*>(QStringLiteral("lblstatus"));
        const QPoint at = label->mapTo(&o.window, label->rect().center());
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(o.window.windowHandle(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(o.window.windowHandle(), &drop);
        QCoreApplication::processEvents();
        break;
      }
    }
    if (how == Opening::Dialog) {
      QCOMPARE(request.title, QStringLiteral("Kalvero"));
      QCOMPARE(request.filter, QStringLiteral("Kalvero Files (*.txt)"));
      QCOMPARE(request.startPath, folder);
      QVERIFY(!request.save);
    }
    QCOMPARE(answerer.seen, WithPath(seen, path));
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), opens ? path : o.file);
    QCOMPARE(LabelText(o.window, "lblpuznum"), opens ? QStringLiteral("p# 1 of 2") : QStringLiteral("p# 2 of 5"));
    QCOMPARE(o.Shown(), opens ? bytes.left(81) : o.lines[1]);
    QCOMPARE(Action(o.window, "mnuoldfiles_0")->isVisible(), opens);
    if (opens) QCOMPARE(Action(o.window, "mnuoldfiles_0")->text(), path);
  }

  // Recent entries: a listed file opens and keeps its place, a missing one
  // only reports itself in the status text.
  void recentEntries() {
    Opened o("five.txt", 5, 2);
    const QString other = o.folder.path("puzzles.txt");
    const QString missing = o.folder.path("gone.txt");
    RecentFiles& recent = o.window.Context().settings.recent;
    recent.caption = {missing.toStdString(), other.toStdString(), o.file.toStdString(), "", ""};
    recent.visible = {true, true, true, false, false};
    Action(o.window, "mnuoldfiles_0")->setText(missing);
    Action(o.window, "mnuoldfiles_1")->setText(other);
    Action(o.window, "mnuoldfiles_2")->setText(o.file);

    Action(o.window, "mnuoldfiles_0")->trigger();
    QCOMPARE(LabelText(o.window, "lblstatus"), missing + QStringLiteral(" not found"));
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), o.file);

    Action(o.window, "mnuoldfiles_1")->trigger();
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), other);
    QCOMPARE(LabelText(o.window, "lblpuznum"), o.folder.NumberLabel(1));
    QCOMPARE(Action(o.window, "mnuoldfiles_1")->text(), other);
    QCOMPARE(Action(o.window, "mnuoldfiles_0")->text(), missing);
  }

  void save_data() {
    QTest::addColumn<QString>("chosen");  // "" cancels the dialog
    QTest::addColumn<QString>("path");    // the file written to
    QTest::addColumn<QStringList>("seen");
    QTest::newRow("a name without extension gets .txt") << "saved" << "saved.txt"
                                                        << QStringList{"Puzzle# 1 added to file:\n%f"};
    QTest::newRow("into a folder that cannot be written") << "afolder.txt" << "afolder.txt"
                                                          << QStringList{"Could not write the puzzle file:\n%f"};
    QTest::newRow("cancelled dialog") << "" << "" << QStringList();
  }
  void save() {
    QFETCH(QString, chosen);
    QFETCH(QString, path);
    QFETCH(QStringList, seen);
    Opened o("five.txt", 5, 3);
    const QString folder = o.folder.dir.path() + QLatin1Char('/');
    QDir().mkdir(folder + QStringLiteral("afolder.txt"));
    bool save = false;
    o.Dialog()->SetDialogRunner([&](const FileDialogRequest& r) {
      save = r.save;
      return chosen.isEmpty() ? QString() : folder + chosen;
    });
    MessageAnswerer answerer;
    Action(o.window, "mnusaveas")->trigger();
    QVERIFY(save);
    QCOMPARE(answerer.seen, WithPath(seen, folder + path));
    if (path == QLatin1String("saved.txt")) QCOMPARE(ReadAll(folder + path), o.lines[2] + "\r\n");
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), o.file);
    QCOMPARE(LabelText(o.window, "lblpuznum"), QStringLiteral("p# 3 of 5"));
  }
};

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"
