// Rewriting puzzle files: removing a line keeps every other line and never
// leaves a half-written file; a failed append leaves the file as it was.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <csignal>

#include "model/delete_puzzle.h"
#include "model/puzzle_file.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {
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

class DeletePuzzleTest : public QObject {
  Q_OBJECT
 private slots:
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

QTEST_APPLESS_MAIN(DeletePuzzleTest)
#include "test_delete_puzzle.moc"
