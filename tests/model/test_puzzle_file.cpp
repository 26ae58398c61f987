// Counting, reading and writing puzzle files; removing a line keeps every
// other line and never leaves a half-written file; a failed append leaves
// the file as it was.
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "boards.h"
#include "model/delete_puzzle.h"
#include "model/line_reader.h"
#include "model/posix_file.h"
#include "model/puzzle_file.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {
const QByteArray kSolved = test::kSolvedGrid;
// The line with the digits at the given 1-based positions written as givens.
QByteArray WithGivens(QByteArray line, std::initializer_list<int> positions) {
  for (int k : positions) line[k - 1] = static_cast<char>(line[k - 1] - '0' + 64);
  return line;
}

QStringList FolderEntries(const TempDir& dir) {
  return QDir(QString::fromStdString(dir.Path("."))).entryList(QDir::Files | QDir::Hidden | QDir::System);
}
QByteArray PuzzleLines(int count) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes += QByteArray::number(i).rightJustified(81, '1') + "\r\n";
  return bytes;
}
// How a write is made to fail.
enum class Restriction { ReadOnlyFolder, ReadOnlyFile, SizeLimit };
}  // namespace

class PuzzleFileTest : public QObject {
  Q_OBJECT
 private slots:
  // CR LF, LF and a lone CR each end a line, also with CR LF split across
  // the reader's 64 KiB blocks; blank lines and an unended last line count.
  void countLines() {
    TempDir dir;
    const std::pair<QByteArray, int> rows[] = {{"", 0}, {"a\r\n\r\nb\nc\rd", 5}, {QByteArray(65535, 'x') + "\r\nlast\r\n", 2}};
    for (const auto& [bytes, count] : rows) QCOMPARE(CountPuzzles(dir.Write("p.txt", bytes)), count);
    QCOMPARE(CountPuzzles(dir.Path("missing.txt")), 0);
  }

  // Line n is read whole, its file and number noted; the readable line
  // nearest to an unreadable one is the next, else the one before.
  void readPicksLineN() {
    TempDir dir;
    const QByteArray givens = WithGivens(kSolved, {1, 81});
    const std::string path = dir.Write("p.txt", "junk\r\n" + kSolved + "\n" + givens + "\rjunk");
    PuzzleState state;
    state.PuzzleCount = CountPuzzles(path);
    QCOMPARE(state.PuzzleCount, 4);
    QVERIFY(ReadPuzzle(state, path, 3).ok());
    QCOMPARE(state.PuzzleNumber, 3);
    QCOMPARE(state.PuzzleFileName, path);
    QCOMPARE(QByteArray::fromStdString(state.PuzzleLine), givens);
    QVERIFY(ReadPuzzle(state, path, 2).ok());
    QCOMPARE(QByteArray::fromStdString(state.PuzzleLine), kSolved);
    const QList<int> nearest{NearestReadablePuzzle(path, 1), NearestReadablePuzzle(path, 3), NearestReadablePuzzle(path, 4)};
    QCOMPARE(nearest, QList<int>({2, 3, 3}));
  }

  // A folder, a FIFO or a device is never read as a puzzle file, so nothing
  // waits for a FIFO's writer or reads /dev/zero for ever.
  void onlyRegularFilesAreRead() {
    TempDir dir;
    const std::string folder = dir.Path("folder"), fifo = dir.Path("fifo");
    QVERIFY(::mkdir(folder.c_str(), 0755) == 0 && ::mkfifo(fifo.c_str(), 0644) == 0);
    for (const std::string& path : {folder, fifo, std::string("/dev/zero")}) {
      QCOMPARE(LineReader(path).Error(), path == folder ? EISDIR : kNotRegularFile);
      QCOMPARE(CountPuzzles(path), 0);
      QVERIFY(!FileExists(path));
      QCOMPARE(NearestReadablePuzzle(path, 1), 0);
      QVERIFY(!AppendLine(path, kSolved.toStdString()));
    }
  }

  // Only "1".."9" and "A".."I" may fill the 81 cells; a rejected line, or
  // one beyond the end, leaves the puzzle being played as it was.
  void rejectedLinesChangeNothing() {
    struct Row { QByteArray line; int n; ReadStatus status; int count; };  // count: what the caller passes
    std::vector<Row> rows = {{kSolved.left(80), 1, ReadStatus::LineTooShort, 5},
                             {kSolved, 2, ReadStatus::BeyondEnd, 5},
                             {kSolved, 1, ReadStatus::NoPuzzles, 0}};
    for (const char ch : QByteArray("0:@Ja\xC3")) rows.push_back({QByteArray(kSolved).replace(40, 1, &ch, 1), 1, ReadStatus::BadCharacter, 5});
    for (const Row& row : rows) {
      const auto which = qScopeGuard([&] { if (QTest::currentTestFailed()) qWarning("line %s", row.line.constData()); });
      TempDir dir;
      PuzzleState state;
      state.PuzzleCount = 1;
      QVERIFY(ReadPuzzle(state, dir.Write("good.txt", WithGivens(kSolved, {5}) + "\r\n"), 1).ok());
      state.UserEntry[2][2] = "7";
      const PuzzleState before = state;
      state.PuzzleCount = row.count;  // callers may ask beyond the end; the reader checks
      const ReadResult result = ReadPuzzle(state, dir.Write("bad.txt", row.line + "\r\n"), row.n);
      QCOMPARE(result.status, row.status);
      QCOMPARE(result.position, row.status == ReadStatus::BadCharacter ? 41 : 0);
      QCOMPARE(state.PuzzleLine, before.PuzzleLine);
      QCOMPARE(state.PuzzleNumber, before.PuzzleNumber);
      QCOMPARE(state.PuzzleFileName, before.PuzzleFileName);
      QCOMPARE(state.UserEntry[2][2].c_str(), "7");
    }
  }

  // A puzzle is written as its line with the givens as letters, without the
  // text after them; an append first ends an unended last line.
  void writePuzzle() {
    TempDir dir;
    const QByteArray line = WithGivens(kSolved, {3, 40, 77});
    PuzzleState state;
    state.PuzzleCount = 1;
    QVERIFY(ReadPuzzle(state, dir.Write("src.txt", line + "trailing text\r\n"), 1).ok());
    QCOMPARE(QByteArray::fromStdString(state.PuzzleLine), line + "trailing text");
    const std::string out = dir.Write("out.txt", kSolved);
    QVERIFY(WritePuzzle(state, out, WriteMode::Append));
    QCOMPARE(TempDir::Read(out), kSolved + "\r\n" + line + "\r\n");
    QVERIFY(WritePuzzle(state, out, WriteMode::Overwrite));
    QCOMPARE(TempDir::Read(out), line + "\r\n");
  }

  // Deleting through a link: every other line keeps its text, ending in CR
  // LF whatever it ended in before; the link stays, the file keeps its
  // permissions and nothing else is left in the folder.
  void deleteLine() {
    struct Row { QByteArray before; int n; DeleteStatus status; QByteArray after; };
    const Row rows[] = {{"a b\n\nb\rc\r\nd", 3, DeleteStatus::Ok, "a b\r\n\r\nc\r\nd\r\n"},
                        {"a\rb", 2, DeleteStatus::Ok, "a\r\n"},
                        {"a\r\nb\r\n", 3, DeleteStatus::NoSuchLine, "a\r\nb\r\n"},
                        {QByteArray(), 1, DeleteStatus::CannotRead, QByteArray()}};
    for (const Row& row : rows) {
      TempDir dir;
      const std::string path = row.before.isNull() ? dir.Path("p.txt") : dir.Write("p.txt", row.before), link = dir.Path("l");
      QVERIFY(::symlink(path.c_str(), link.c_str()) == 0);
      ::chmod(path.c_str(), 0640);
      const auto permissions = QFile::permissions(QString::fromStdString(path));
      const QStringList entries = FolderEntries(dir);
      QCOMPARE(DeletePuzzleLine(link, row.n), row.status);
      QCOMPARE(TempDir::Read(path), row.after);
      QCOMPARE(FolderEntries(dir), entries);
      QVERIFY(QFileInfo(QString::fromStdString(link)).isSymLink());
      QCOMPARE(QFile::permissions(QString::fromStdString(path)), permissions);
    }
  }

  // Each row makes the write fail in a child process in its own way; the
  // file and its folder must be exactly as before and the call must report
  // the failure. Permissions do not stop root, so a child running as root
  // first becomes an ordinary user.
  void unwritableLeavesFileAsItWas() {
    struct Row { const char* name; bool append; Restriction restriction; QByteArray before; int headroom; };
    const QByteArray lines = PuzzleLines(3);  // headroom: the bytes a size limit allows beyond the old size
    const Row rows[] = {{"delete in a read-only folder", false, Restriction::ReadOnlyFolder, lines, 0},
                        {"delete from a read-only file", false, Restriction::ReadOnlyFile, lines, 0},
                        {"delete on a full disk", false, Restriction::SizeLimit, PuzzleLines(30000), -1000000},
                        {"append to a read-only file", true, Restriction::ReadOnlyFile, lines, 0},
                        {"append fails after ending the last line", true, Restriction::SizeLimit, lines.chopped(2), 40}};
    for (const Row& row : rows) {
      const auto which = qScopeGuard([&] { if (QTest::currentTestFailed()) qWarning("row: %s", row.name); });
      TempDir dir;
      const std::string path = dir.Write("p.txt", row.before), folder = dir.Path(".");
      ::chmod(folder.c_str(), row.restriction == Restriction::ReadOnlyFolder ? 0555 : 0755);
      ::chmod(path.c_str(), row.restriction == Restriction::ReadOnlyFile ? 0444 : 0644);
      const QStringList entries = FolderEntries(dir);
      const pid_t pid = ::fork();
      if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t size = row.before.size() + row.headroom;
        const rlimit limit{size, size};
        if (row.restriction == Restriction::SizeLimit ? ::setrlimit(RLIMIT_FSIZE, &limit) != 0
                                                      : ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
          ::_exit(99);
        ::_exit(row.append ? !AppendLine(path, std::string(81, '5')) : DeletePuzzleLine(path, 1) != DeleteStatus::Ok);
      }
      int status = 0;
      ::waitpid(pid, &status, 0);
      ::chmod(folder.c_str(), 0700);
      QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
      QCOMPARE(TempDir::Read(path), row.before);
      QCOMPARE(FolderEntries(dir), entries);
    }
  }

  // Kills a child at random moments of a large delete: whatever the moment,
  // the file is either the old one or the new one, whole.
  void killedDeleteLeavesOldOrNewFile() {
    TempDir dir;
    const QByteArray oldBytes = PuzzleLines(40000), newBytes = QByteArray(oldBytes).remove(83, 83);
    const std::string path = dir.Write("p.txt", oldBytes);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(DeletePuzzleLine(dir.Write("probe.txt", oldBytes), 2), DeleteStatus::Ok);
    const qint64 fullRunMicros = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
    for (int round = 0; round < 40; ++round) {
      const pid_t pid = ::fork();
      if (pid == 0) ::_exit(DeletePuzzleLine(path, 2) == DeleteStatus::Ok ? 0 : 1);
      ::usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(fullRunMicros * 3 / 2)));
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
      const QByteArray now = TempDir::Read(path);
      QVERIFY2(now == oldBytes || now == newBytes, qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(now.size())));
      if (now == newBytes) dir.Write("p.txt", oldBytes);
    }
  }
};

QTEST_APPLESS_MAIN(PuzzleFileTest)
#include "test_puzzle_file.moc"
