// Puzzle file commands from the main window (navigation, Append, Delete,
// Load, command line, drop, recent files, Save): messages and files left.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDropEvent>
#include <QMimeData>
#include <QtTest>
#include <csignal>

#include "app/recent_menu.h"
#include "app_folder.h"
#include "ui/fn_dialog.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

enum class Step { Previous, Next, Last, AskNumber, Delete, Append, Load, Save, CommandLine, Drop };
// How the puzzle file is spoiled: a full disk while the step runs, a folder
// in its place once the window shows it, or its third line unreadable.
enum class Spoil { None, DiskFull, FileIsFolder, BadLine3 };

// A window on puzzle `start` of "five.txt" (`count` puzzles) takes one step
// and answers its messages; "%d" in a message stands for the folder.
struct Row {
  const char* name;
  Step step;
  const char* label;
  int shown;  // the shipped line number of the puzzle shown afterwards
  QStringList seen = {};
  QString chosen = {};  // dialog answer, command-line name or dropped file; "" cancels
  QString current = QStringLiteral("five.txt");  // the current file afterwards
  QStringList answers = {};
  int start = 2;
  int count = 5;
  Spoil spoil = Spoil::None;
  QList<int> lines = {};  // the shipped lines an unspoiled five.txt holds afterwards; empty: as before
};

// The first five puzzles of the shipped file.
QList<QByteArray> Shipped() {
  QFile f(qEnvironmentVariable("KALVERO_DATA") + QStringLiteral("/puzzles.txt"));
  QList<QByteArray> lines = f.open(QIODevice::ReadOnly) ? f.readAll().split('\n').mid(0, 5) : QList<QByteArray>();
  for (QByteArray& line : lines) line = line.trimmed();
  return lines;
}

QByteArray Joined(const QList<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}

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

}  // namespace

Q_DECLARE_METATYPE(Row)

class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void command_data() {
    QTest::addColumn<Row>("r");
    const QString five = QStringLiteral("five.txt");
    const QString ask = QStringLiteral("Enter Puzzle Number to display\n1 to 5");
    const QString remove = QStringLiteral("Remove current puzzle from file: %dfive.txt?");
    const QString unwritable = QStringLiteral("Could not write the puzzle file:\n%d");
    const QString unreadable = QStringLiteral("Error in reading File:\n%d%1\nPlease check data format");
    // Navigation arithmetic is checked without a window; here the wiring.
    const Row rows[] = {
        {"count 1: delete does nothing", Step::Delete, "p# 1 of 1", 1, {}, {}, five, {}, 1, 1},
        {"previous on the first wraps to the last", Step::Previous, "p# 5 of 5", 5, {}, {}, five, {}, 1},
        {"right-click next shows the last", Step::Last, "p# 5 of 5", 5},
        {"answer N + 1 asks again", Step::AskNumber, "p# 4 of 5", 4, {ask, ask}, {}, five, {"=6", "=4"}},
        {"cancelled question ends", Step::AskNumber, "p# 2 of 5", 2, {ask}, {}, five, {"Cancel"}},
        {"next onto an unreadable line keeps the shown puzzle", Step::Next, "p# 2 of 5", 2, {unreadable.arg(five)}, {},
         five, {}, 2, 5, Spoil::BadLine3},
        {"delete the last of 5 shows the new 4", Step::Delete, "p# 4 of 4", 4, {remove, "Puzzle deleted"}, {}, five,
         {"Yes"}, 5, 5, Spoil::None, {1, 2, 3, 4}},
        {"delete answered No", Step::Delete, "p# 2 of 5", 2, {remove}, {}, five, {"No"}},
        {"delete on a full disk", Step::Delete, "p# 2 of 5", 2, {remove, unwritable + five}, {}, five, {"Yes"}, 2, 5,
         Spoil::DiskFull},
        {"delete: the next line unreadable, the nearest readable is shown", Step::Delete, "p# 3 of 4", 4,
         {remove, "Puzzle deleted\nPuzzle 2 could not be read: puzzle 3 is shown"}, {}, five, {"Yes"}, 2, 5,
         Spoil::BadLine3},
        {"append", Step::Append, "p# 2 of 5", 2, {"Puzzle# 6 added to file: %dfive.txt"}, {}, five, {}, 2, 5,
         Spoil::None, {1, 2, 3, 4, 5, 2}},
        {"append to a file that cannot be written", Step::Append, "p# 2 of 5", 2, {unwritable + five}, {}, five, {}, 2,
         5, Spoil::FileIsFolder},
        {"load: a dot in a folder name, no .txt added", Step::Load, "p# 1 of 2", 1, {}, "v1.2/easy", "v1.2/easy"},
        {"load cancelled", Step::Load, "p# 2 of 5", 2},
        {"load an unreadable file", Step::Load, "p# 2 of 5", 2, {unreadable.arg("bad.txt")}, "bad.txt"},
        {"load a file with no puzzles", Step::Load, "p# 2 of 5", 2,
         {"%dempty.txt does not appear to have any puzzles...\nPlease check data format"}, "empty.txt"},
        {"load: a bad first line opens the first readable", Step::Load, "p# 2 of 3", 1, {}, "badfirst.txt", "badfirst.txt"},
        {"relative name on the command line", Step::CommandLine, "p# 1 of 2", 1, {}, "easy.txt", "easy.txt"},
        {"command line: a missing file", Step::CommandLine, "p# 2 of 5", 2, {"File not found:\n%dmissing.txt"},
         "missing.txt"},
        {"command line: a FIFO is not read", Step::CommandLine, "p# 2 of 5", 2, {"Not a regular file:\n%dpipe.txt"},
         "pipe.txt"},
        {"dropped .txt file", Step::Drop, "p# 1 of 2", 1, {}, "easy.txt", "easy.txt"},
        {"dropped other file is refused", Step::Drop, "p# 2 of 5", 2, {}, "drop.dat"},
        {"save: a name without extension gets .txt", Step::Save, "p# 3 of 5", 3, {"Puzzle# 1 added to file:\n%dsaved.txt"},
         "saved", five, {}, 3},
        {"save into a folder", Step::Save, "p# 3 of 5", 3, {unwritable + "afolder.txt"}, "afolder.txt", five, {}, 3},
    };
    for (const Row& r : rows) QTest::newRow(r.name) << r;
  }
  void command() {
    QFETCH(Row, r);
    const QList<QByteArray> lines = Shipped();
    QList<QByteArray> puzzles = lines.mid(0, r.count);
    if (r.spoil == Spoil::BadLine3) puzzles[2] = "12345";
    Started o(std::nullopt, [&](Folder& f) {
      Settings settings = DefaultSettings();
      settings.PuzzleFileName = f.path("five.txt").toStdString();
      settings.PuzzleNumber = r.start;
      f.WriteConfig(settings);
      f.Write("five.txt", Joined(puzzles));
      // To open or save to: two puzzles, a bad line, none, a FIFO, a folder.
      for (const char* two : {"easy.txt", "v1.2/easy", "drop.dat"}) f.Write(two, Joined(lines.mid(0, 2)));
      f.Write("bad.txt", "12345\r\n");
      f.Write("badfirst.txt", "12345\r\n" + Joined(lines.mid(0, 2)));
      f.Write("empty.txt", "");
      QVERIFY(::mkfifo(QFile::encodeName(f.path("pipe.txt")).constData(), 0644) == 0);
      QVERIFY(QDir().mkdir(f.path("afolder.txt")));
    });
    const QString folder = o.folder.dir.path() + QLatin1Char('/');
    if (r.spoil == Spoil::FileIsFolder) QVERIFY(QFile::remove(folder + r.current) && QDir().mkdir(folder + r.current));
    // An entry on the board, which stays whenever the same puzzle does.
    int open = 0;
    while (!o.State().FixedValue[open / 9 + 1][open % 9 + 1].empty()) ++open;
    std::string& entry = o.State().UserEntry[open / 9 + 1][open % 9 + 1];
    entry = "5";
    std::optional<FileDialogRequest> request;
    o.window.findChild<FNDialog*>(QStringLiteral("gf1"))->SetDialogRunner([&](const FileDialogRequest& asked) {
      request = asked;
      return r.chosen.isEmpty() ? QString() : folder + r.chosen;
    });
    MessageAnswerer answerer(r.answers);
    // A full disk: every write beyond 100 bytes fails while the step runs.
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const rlimit full{r.spoil == Spoil::DiskFull ? 100 : before.rlim_cur, before.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &full);
    Run(o.window, r.step, folder, r.chosen);
    ::setrlimit(RLIMIT_FSIZE, &before);
    QCOMPARE(answerer.seen, r.seen.replaceInStrings(QStringLiteral("%d"), folder));
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), folder + r.current);
    QCOMPARE(LabelText(o.window, "lblpuznum"), QString::fromLatin1(r.label));
    QCOMPARE(QByteArray::fromStdString(o.State().PuzzleLine), lines[r.shown - 1]);
    const bool opened = r.current != QLatin1String("five.txt");
    if (r.shown == r.start && !opened) QCOMPARE(entry, std::string("5"));
    QVERIFY(LabelText(o.window, "lblstatus") != QStringLiteral("Reading a puzzle ..."));
    QCOMPARE(Action(o.window, "mnuoldfiles_0")->isVisible(), opened);
    if (opened) QCOMPARE(Action(o.window, "mnuoldfiles_0")->text(), folder + r.current);
    QCOMPARE(request.has_value(), r.step == Step::Load || r.step == Step::Save);
    if (request) {
      QCOMPARE(request->startPath, folder);
      QCOMPARE(request->save, r.step == Step::Save);
    }
    if (r.chosen == QLatin1String("saved")) QCOMPARE(o.folder.Read("saved.txt"), lines[r.start - 1] + "\r\n");
    QList<QByteArray> expected = puzzles;
    if (!r.lines.isEmpty()) expected.clear();
    for (int line : r.lines) expected << lines[line - 1];
    if (r.spoil == Spoil::None || r.spoil == Spoil::DiskFull) QCOMPARE(o.folder.Read("five.txt"), Joined(expected));
  }

  // Recent entries: a listed file opens and keeps its place, a missing one
  // only reports itself in the status text; a "&" in a path is shown as it is.
  void recentEntries() {
    Started o;
    o.folder.Write("R&D.txt", Joined(Shipped().mid(0, 2)));
    const std::string before = o.State().PuzzleFileName;
    const QStringList listed{o.folder.path("gone.txt"), o.folder.path("R&D.txt"), o.folder.path("puzzles.txt")};
    RecentFiles& recent = o.window.Context().settings.recent;
    for (int i = 0; i < 3; ++i) {
      recent.caption[i] = listed[i].toStdString();
      recent.visible[i] = true;
    }
    ShowRecentFiles(o.window, recent);
    QCOMPARE(Action(o.window, "mnuoldfiles_1")->text(), o.folder.path("R&&D.txt"));
    Action(o.window, "mnuoldfiles_0")->trigger();
    QCOMPARE(LabelText(o.window, "lblstatus"), listed[0] + QStringLiteral(" not found"));
    QCOMPARE(o.State().PuzzleFileName, before);
    Action(o.window, "mnuoldfiles_1")->trigger();
    QCOMPARE(QString::fromStdString(o.State().PuzzleFileName), listed[1]);
    QCOMPARE(LabelText(o.window, "lblpuznum"), QStringLiteral("p# 1 of 2"));
    for (int i = 0; i < 3; ++i) QCOMPARE(QString::fromStdString(recent.caption[i]), listed[i]);
  }
};

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"
