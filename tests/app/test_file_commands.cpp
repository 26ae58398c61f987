// Puzzle file commands from the main window: navigation, the puzzle-number
// question, Append and Delete, opening files (Load, command line, drop) and
// Save, with the messages they give and the files they leave.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QtTest>
#include <csignal>

#include "app/main_window.h"
#include "app/recent_menu.h"
#include "app_folder.h"
#include "message_answerer.h"
#include "model/config.h"
#include "ui/fn_dialog.h"
#include "window_probe.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

enum class Step { Previous, Next, First, Last, AskNumber, Delete, Append, Load, Save, CommandLine, Drop };
// How the puzzle file is spoiled before the step.
enum class Spoil { None, DiskFull, FileIsFolder, BadLine3 };

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
    lines = folder.Read("puzzles.txt").split('\n').mid(0, std::max(count, 2));
    for (QByteArray& line : lines) line = line.trimmed();
    file = folder.path(name);
    Write(name, Joined(lines.mid(0, count)));
    Settings settings = DefaultSettings();
    settings.PuzzleFileName = file.toStdString();
    settings.PuzzleNumber = start;
    folder.WriteConfig(settings);
    // Files to open or save to: two puzzles, an unreadable line, no lines,
    // a folder in the way.
    const QByteArray two = Joined(lines.mid(0, 2));
    for (const char* other : {"easy.txt", "v1.2/easy", "drop.dat"}) Write(other, two);
    Write("bad.txt", "12345\r\n");
    Write("badfirst.txt", "12345\r\n" + two);
    ::mkfifo(QFile::encodeName(folder.path("pipe.txt")).constData(), 0644);
    Write("empty.txt", "");
    QDir(folder.dir.path()).mkdir(QStringLiteral("afolder.txt"));
    MessageAnswerer answers;
    window.Start();
    window.show();
  }
  void Write(const char* name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(folder.path(name)).absolutePath());
    QFile f(folder.path(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
  }
  PuzzleState& State() { return window.Context().state; }
  QByteArray Shown() { return QByteArray::fromStdString(State().PuzzleLine); }
  FNDialog* Dialog() const { return window.findChild<FNDialog*>(QStringLiteral("gf1")); }
};

// Drops a file on the window as the window system does: an enter, then the
// drop, over the status label, which takes no drops itself.
void Drop(MainWindow& window, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QWidget* label = window.findChild<QLabel*>(QStringLiteral("lblstatus"));
  const QPoint at = label->mapTo(&window, label->rect().center());
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window.windowHandle(), &enter);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window.windowHandle(), &drop);
  QCoreApplication::processEvents();
}

void Run(MainWindow& window, Step step, const QString& folder, const QString& chosen) {
  switch (step) {
    case Step::Previous: Click(window, "Command8_0"); break;
    case Step::First: Click(window, "Command8_0", Qt::RightButton); break;
    case Step::Next: Click(window, "Command8_1"); break;
    case Step::Last: Click(window, "Command8_1", Qt::RightButton); break;
    case Step::AskNumber: Click(window, "Command8_2", Qt::RightButton); break;
    case Step::Delete: Action(window, "mnudelete")->trigger(); break;
    case Step::Append: Action(window, "mnuSave2InFile")->trigger(); break;
    case Step::Load: Click(window, "cmdload", Qt::RightButton); break;
    case Step::Save: Action(window, "mnusaveas")->trigger(); break;
    case Step::CommandLine: {
      const QString before = QDir::currentPath();
      QDir::setCurrent(folder);
      window.OpenPuzzleFile(chosen);
      QDir::setCurrent(before);
      break;
    }
    case Step::Drop: Drop(window, folder + chosen); break;
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

QStringList WithPath(QStringList texts, const QString& folder) {
  for (QString& text : texts) text.replace(QStringLiteral("%d"), folder);
  return texts;
}

}  // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Spoil)

// Each row starts a window on puzzle `start` of a file of `count` puzzles,
// takes one step and answers its messages; then the current file, the label,
// the puzzle shown, the messages, the file's lines and the newest recent
// file are checked. "%d" in a message stands for the folder.
class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void command_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<Step>("step");
    QTest::addColumn<Spoil>("spoil");
    QTest::addColumn<QString>("chosen");  // dialog answer, command-line name or dropped file; "" cancels
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("current");  // the current file afterwards
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("shown");  // the original line number of the puzzle shown afterwards
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QList<int>>("fileLines");  // the original lines the file holds afterwards
    const QString five = QStringLiteral("five.txt");
    const QList<int> all{1, 2, 3, 4, 5};
    const QString ask = QStringLiteral("Enter Puzzle Number to display\n1 to 5");
    const QString remove = QStringLiteral("Remove current puzzle from file: %dfive.txt?");
    const QString unwritable = QStringLiteral("Could not write the puzzle file:\n%d");
    struct Row {
      const char* name;
      int count;
      int start;
      Step step;
      QStringList answers;
      const char* label;
      int shown;
      QStringList seen;
      QList<int> lines;
      QString chosen = {};
      QString current = QStringLiteral("five.txt");
      Spoil spoil = Spoil::None;
      QString file = QStringLiteral("five.txt");
    };
    const Row rows[] = {
        {"count 1: next does nothing", 1, 1, Step::Next, {}, "p# 1 of 1", 1, {}, {1}},
        {"count 1: no question", 1, 1, Step::AskNumber, {}, "p# 1 of 1", 1, {}, {1}},
        {"count 1: delete does nothing", 1, 1, Step::Delete, {}, "p# 1 of 1", 1, {}, {1}},
        {"previous on the first wraps to the last", 5, 1, Step::Previous, {}, "p# 5 of 5", 5, {}, all},
        {"next on the last wraps to the first", 5, 5, Step::Next, {}, "p# 1 of 5", 1, {}, all},
        {"right-click previous shows the first", 5, 4, Step::First, {}, "p# 1 of 5", 1, {}, all},
        {"right-click next shows the last", 5, 2, Step::Last, {}, "p# 5 of 5", 5, {}, all},
        {"answer 2.6 shows 3", 5, 1, Step::AskNumber, {"=2.6"}, "p# 3 of 5", 3, {ask}, all},
        {"answer N + 1 asks again", 5, 1, Step::AskNumber, {"=6", "=4"}, "p# 4 of 5", 4, {ask, ask}, all},
        {"answer 0 ends", 5, 2, Step::AskNumber, {"=0"}, "p# 2 of 5", 2, {ask}, all},
        {"empty answer ends", 5, 2, Step::AskNumber, {"="}, "p# 2 of 5", 2, {ask}, all},
        {"cancelled question ends", 5, 2, Step::AskNumber, {"Cancel"}, "p# 2 of 5", 2, {ask}, all},
        {"delete the last of 5 shows the new 4", 5, 5, Step::Delete, {"Yes"}, "p# 4 of 4", 4,
         {remove, "Puzzle deleted"}, {1, 2, 3, 4}},
        {"delete 2 shows the old 3 as 2", 5, 2, Step::Delete, {"Yes"}, "p# 2 of 4", 3, {remove, "Puzzle deleted"},
         {1, 3, 4, 5}},
        {"delete answered No", 5, 2, Step::Delete, {"No"}, "p# 2 of 5", 2, {remove}, all},
        {"delete from the temporary puzzle file", 3, 2, Step::Delete, {"Yes"}, "p# 2 of 2", 3,
         {"Remove current puzzle from file: %dtemporarypuzzlefile.txt?", "Puzzle deleted"}, {1, 3}, {},
         "temporarypuzzlefile.txt", Spoil::None, "temporarypuzzlefile.txt"},
        {"delete on a full disk", 5, 2, Step::Delete, {"Yes"}, "p# 2 of 5", 2, {remove, unwritable + five}, all, {},
         five, Spoil::DiskFull},
        {"append", 5, 2, Step::Append, {}, "p# 2 of 5", 2, {"Puzzle# 6 added to file: %dfive.txt"},
         {1, 2, 3, 4, 5, 2}},
        {"append to a file that cannot be written", 5, 2, Step::Append, {}, "p# 2 of 5", 2, {unwritable + five}, {},
         {}, five, Spoil::FileIsFolder},
        {"load easy opens easy.txt", 5, 2, Step::Load, {}, "p# 1 of 2", 1, {}, all, "easy", "easy.txt"},
        {"load: a dot in a folder name, no .txt added", 5, 2, Step::Load, {}, "p# 1 of 2", 1, {}, all, "v1.2/easy",
         "v1.2/easy"},
        {"load cancelled", 5, 2, Step::Load, {}, "p# 2 of 5", 2, {}, all},
        {"load an unreadable file", 5, 2, Step::Load, {}, "p# 2 of 5", 2,
         {"Error in reading File:\n%dbad.txt\nPlease check data format"}, all, "bad.txt"},
        {"load a file with no puzzles", 5, 2, Step::Load, {}, "p# 2 of 5", 2,
         {"%dempty.txt does not appear to have any puzzles...\nPlease check data format"}, all, "empty.txt"},
        {"relative name on the command line", 5, 2, Step::CommandLine, {}, "p# 1 of 2", 1, {}, all, "easy.txt",
         "easy.txt"},
        {"dropped .txt file", 5, 2, Step::Drop, {}, "p# 1 of 2", 1, {}, all, "easy.txt", "easy.txt"},
        {"dropped other file is refused", 5, 2, Step::Drop, {}, "p# 2 of 5", 2, {}, all, "drop.dat"},
        {"save: a name without extension gets .txt", 5, 3, Step::Save, {}, "p# 3 of 5", 3,
         {"Puzzle# 1 added to file:\n%dsaved.txt"}, all, "saved"},
        {"load: a bad first line opens the first readable puzzle", 5, 2, Step::Load, {}, "p# 2 of 3", 1, {}, all,
         "badfirst.txt", "badfirst.txt"},
        {"command line: a missing file", 5, 2, Step::CommandLine, {}, "p# 2 of 5", 2,
         {"File not found:\n%dmissing.txt"}, all, "missing.txt"},
        {"command line: a FIFO is not read", 5, 2, Step::CommandLine, {}, "p# 2 of 5", 2,
         {"Not a regular file:\n%dpipe.txt"}, all, "pipe.txt"},
        {"next onto an unreadable line keeps the shown puzzle", 5, 2, Step::Next, {}, "p# 2 of 5", 2,
         {"Error in reading File:\n%dfive.txt\nPlease check data format"}, {}, {}, five, Spoil::BadLine3},
        {"delete: the next line unreadable, the nearest readable is shown", 5, 2, Step::Delete, {"Yes"}, "p# 3 of 4", 4,
         {remove, "Puzzle deleted\nPuzzle 2 could not be read: puzzle 3 is shown"}, {}, {}, five, Spoil::BadLine3},
        {"save into a folder", 5, 3, Step::Save, {}, "p# 3 of 5", 3, {unwritable + "afolder.txt"}, all,
         "afolder.txt"},
    };
    for (const Row& r : rows)
      QTest::newRow(r.name) << r.file << r.count << r.start << r.step << r.spoil << r.chosen << r.answers << r.current
                            << QString::fromLatin1(r.label) << r.shown << r.seen << r.lines;
  }
  void command() {
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(Step, step);
    QFETCH(Spoil, spoil);
    QFETCH(QString, chosen);
    QFETCH(QStringList, answers);
    QFETCH(QString, current);
    QFETCH(QString, label);
    QFETCH(int, shown);
    QFETCH(QStringList, seen);
    QFETCH(QList<int>, fileLines);
    Opened o(name.toLatin1().constData(), count, start);
    const QString folder = o.folder.dir.path() + QLatin1Char('/');
    if (spoil == Spoil::FileIsFolder) QVERIFY(QFile::remove(o.file) && QDir().mkdir(o.file));
    if (spoil == Spoil::BadLine3) {
      QList<QByteArray> lines = o.lines.mid(0, count);
      lines[2] = "12345";
      o.Write(name.toLatin1().constData(), Joined(lines));
    }
    // An entry on the board, which stays whenever the same puzzle does.
    int open = 1;
    while (!o.State().FixedValue[(open - 1) / 9 + 1][(open - 1) % 9 + 1].empty()) ++open;
    std::string& entry = o.State().UserEntry[(open - 1) / 9 + 1][(open - 1) % 9 + 1];
    entry = "5";
    std::optional<FileDialogRequest> request;
    o.Dialog()->SetDialogRunner([&](const FileDialogRequest& r) {
      request = r;
      return chosen.isEmpty() ? QString() : folder + chosen;
    });
    MessageAnswerer answerer(answers);
    {
      std::optional<FileSizeLimit> limit;
      if (spoil == Spoil::DiskFull) limit.emplace(100);
      Run(o.window, step, folder, chosen);
    }
    QCOMPARE(answerer.seen, WithPath(seen, folder));
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), folder + current);
    QCOMPARE(LabelText(o.window, "lblpuznum"), label);
    QCOMPARE(o.Shown(), o.lines[shown - 1]);
    if (shown == start && current == name) QCOMPARE(entry, std::string("5"));
    QVERIFY(LabelText(o.window, "lblstatus") != QStringLiteral("Reading a puzzle ..."));
    QCOMPARE(Action(o.window, "mnuoldfiles_0")->isVisible(), current != name);
    if (current != name) QCOMPARE(Action(o.window, "mnuoldfiles_0")->text(), folder + current);
    QCOMPARE(request.has_value(), step == Step::Load || step == Step::Save);
    if (request) {
      QCOMPARE(request->title, QStringLiteral("Kalvero"));
      QCOMPARE(request->filter, QStringLiteral("Kalvero Files (*.txt)"));
      QCOMPARE(request->startPath, folder);
      QCOMPARE(request->save, step == Step::Save);
    }
    if (step == Step::Save && chosen == QLatin1String("saved"))
      QCOMPARE(ReadAll(folder + QStringLiteral("saved.txt")), o.lines[start - 1] + "\r\n");
    if (spoil == Spoil::FileIsFolder || spoil == Spoil::BadLine3) return;
    QList<QByteArray> expected;
    for (int line : fileLines) expected << o.lines[line - 1];
    QCOMPARE(ReadAll(o.file), Joined(expected));
  }

  // Recent entries: a listed file opens and keeps its place, a missing one
  // only reports itself in the status text; a "&" in a path is shown as it is.
  void recentEntries() {
    Opened o("five.txt", 5, 2);
    o.Write("R&D.txt", Joined(o.lines.mid(0, 2)));
    const QStringList listed{o.folder.path("gone.txt"), o.folder.path("R&D.txt"), o.file};
    RecentFiles& recent = o.window.Context().settings.recent;
    for (int i = 0; i < 3; ++i) {
      recent.caption[i] = listed[i].toStdString();
      recent.visible[i] = true;
    }
    ShowRecentFiles(o.window, recent);
    QCOMPARE(Action(o.window, "mnuoldfiles_1")->text(), o.folder.path("R&&D.txt"));
    Action(o.window, "mnuoldfiles_0")->trigger();
    QCOMPARE(LabelText(o.window, "lblstatus"), listed[0] + QStringLiteral(" not found"));
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), o.file);

    Action(o.window, "mnuoldfiles_1")->trigger();
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), listed[1]);
    QCOMPARE(LabelText(o.window, "lblpuznum"), QStringLiteral("p# 1 of 2"));
    for (int i = 0; i < 3; ++i) QCOMPARE(QString::fromStdString(recent.caption[i]), listed[i]);
  }
};

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"
