// Rewriting puzzle files: removing a line keeps every other line and never
// leaves a half-written file; a failed append leaves the file as it was.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>

#include "model/delete_puzzle.h"
#include "model/puzzle_file.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {

QStringList FolderEntries(const std::string& file) {
  return QFileInfo(QString::fromStdString(file)).dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
}

int Mode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Runs `work` in a child process; returns its exit code, or -1 when it did
// not exit normally.
template <typename Work>
int InChild(Work work) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(work());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// How a file is made unwritable for one row.
enum class Restriction { ReadOnlyFolder, ReadOnlyFile, SizeLimit };
enum class Operation { Delete, Append };

// Applies the restriction inside the child. Permissions do not stop root, so
// a child running as root first becomes an ordinary user.
void Restrict(Restriction restriction, off_t sizeLimit) {
  if (restriction == Restriction::SizeLimit) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(sizeLimit), static_cast<rlim_t>(sizeLimit)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  } else if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
    ::_exit(99);
  }
}

QByteArray PuzzleLines(int count, const char* lineEnd) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes += QByteArray::number(i).rightJustified(81, '1') + lineEnd;
  return bytes;
}

}  // namespace

Q_DECLARE_METATYPE(DeleteStatus)
Q_DECLARE_METATYPE(Restriction)
Q_DECLARE_METATYPE(Operation)

class DeletePuzzleTest : public QObject {
  Q_OBJECT
 private slots:
  void deleteLine_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("n");
    QTest::addColumn<DeleteStatus>("status");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("CR LF file, middle line") << QByteArray("a\r\nb\r\nc\r\n") << 2 << DeleteStatus::Ok
                                             << QByteArray("a\r\nc\r\n");
    QTest::newRow("LF file is written with CR LF") << QByteArray("a b\nb\nc c\n") << 2 << DeleteStatus::Ok
                                                   << QByteArray("a b\r\nc c\r\n");
    QTest::newRow("lone CR line ends") << QByteArray("a\rb\rc") << 3 << DeleteStatus::Ok << QByteArray("a\r\nb\r\n");
    QTest::newRow("unterminated last line kept") << QByteArray("a\r\nb\r\nc") << 1 << DeleteStatus::Ok
                                                 << QByteArray("b\r\nc\r\n");
    QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\nc\r\n") << 1 << DeleteStatus::Ok
                                      << QByteArray("\r\nc\r\n");
    QTest::newRow("line beyond the end") << QByteArray("a\r\nb\r\n") << 3 << DeleteStatus::NoSuchLine
                                         << QByteArray("a\r\nb\r\n");
    QTest::newRow("missing file") << QByteArray() << 1 << DeleteStatus::CannotRead << QByteArray();
  }
  void deleteLine() {
    QFETCH(QByteArray, before);
    QFETCH(int, n);
    QFETCH(DeleteStatus, status);
    QFETCH(QByteArray, after);
    TempDir dir;
    const std::string path = before.isNull() ? dir.Path("p.txt") : dir.Write("p.txt", before);
    if (!before.isNull()) ::chmod(path.c_str(), 0640);
    const QStringList entries = FolderEntries(path);
    QCOMPARE(DeletePuzzleLine(path, n), status);
    QCOMPARE(QFileInfo::exists(QString::fromStdString(path)), !after.isNull());
    if (!after.isNull()) QCOMPARE(TempDir::Read(path), after);
    QCOMPARE(FolderEntries(path), entries);
    if (!before.isNull()) QCOMPARE(Mode(path), 0640);
  }

  void deleteThroughSymlinkKeepsTheLink() {
    TempDir dir;
    const std::string target = dir.Write("target.txt", "a\r\nb\r\n");
    const std::string link = dir.Path("link.txt");
    QVERIFY(::symlink(target.c_str(), link.c_str()) == 0);
    QCOMPARE(DeletePuzzleLine(link, 1), DeleteStatus::Ok);
    QVERIFY(QFileInfo(QString::fromStdString(link)).isSymLink());
    QCOMPARE(TempDir::Read(target), QByteArray("b\r\n"));
  }

  // Each row makes the write fail in its own way; the file and its folder
  // must be exactly as before and the call must report the failure.
  void unwritableLeavesFileAsItWas_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<Restriction>("restriction");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("headroom");  // bytes the size limit allows beyond the old size
    const QByteArray lines = PuzzleLines(3, "\r\n");
    QTest::newRow("delete in a read-only folder") << Operation::Delete << Restriction::ReadOnlyFolder << lines << 0;
    QTest::newRow("delete from a read-only file") << Operation::Delete << Restriction::ReadOnlyFile << lines << 0;
    QTest::newRow("delete on a full disk") << Operation::Delete << Restriction::SizeLimit << PuzzleLines(30000, "\r\n")
                                           << -1000000;
    QTest::newRow("append to a read-only file") << Operation::Append << Restriction::ReadOnlyFile << lines << 0;
    QTest::newRow("append fails part-way") << Operation::Append << Restriction::SizeLimit << lines << 40;
    QTest::newRow("append fails after ending the last line")
        << Operation::Append << Restriction::SizeLimit << lines.chopped(2) << 10;
  }
  void unwritableLeavesFileAsItWas() {
    QFETCH(Operation, operation);
    QFETCH(Restriction, restriction);
    QFETCH(QByteArray, before);
    QFETCH(int, headroom);
    TempDir dir;
    const std::string path = dir.Write("p.txt", before);
    const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
    ::chmod(folder.toLocal8Bit().constData(), restriction == Restriction::ReadOnlyFolder ? 0555 : 0755);
    ::chmod(path.c_str(), restriction == Restriction::ReadOnlyFile ? 0444 : 0644);
    const QStringList entries = FolderEntries(path);
    const int failed = InChild([&] {
      Restrict(restriction, before.size() + headroom);
      const bool ok = operation == Operation::Delete ? DeletePuzzleLine(path, 1) == DeleteStatus::Ok
                                                     : AppendLine(path, std::string(81, '5'));
      return ok ? 0 : 1;
    });
    ::chmod(folder.toLocal8Bit().constData(), 0700);
    QCOMPARE(failed, 1);
    QCOMPARE(TempDir::Read(path), before);
    QCOMPARE(FolderEntries(path), entries);
  }

  // Kills a child at random moments of a large delete: whatever the moment,
  // the file is either the old one or the new one, whole.
  void killedDeleteLeavesOldOrNewFile() {
    TempDir dir;
    const QByteArray oldBytes = PuzzleLines(40000, "\r\n");
    QByteArray newBytes = oldBytes;
    newBytes.remove(83, 83);
    const std::string path = dir.Write("p.txt", oldBytes);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(DeletePuzzleLine(dir.Write("probe.txt", oldBytes), 2), DeleteStatus::Ok);
    const qint64 fullRunMicros = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);

    int oldSeen = 0;
    int newSeen = 0;
    for (int round = 0; round < 40; ++round) {
      const pid_t pid = ::fork();
      if (pid == 0) ::_exit(DeletePuzzleLine(path, 2) == DeleteStatus::Ok ? 0 : 1);
      ::usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(fullRunMicros * 3 / 2)));
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
      const QByteArray now = TempDir::Read(path);
      QVERIFY2(now == oldBytes || now == newBytes, qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(now.size())));
      if (now == newBytes) {
        ++newSeen;
        dir.Write("p.txt", oldBytes);
      } else {
        ++oldSeen;
      }
    }
    qInfo("kills before the rename: %d, after it: %d", oldSeen, newSeen);
  }
};

QTEST_APPLESS_MAIN(DeletePuzzleTest)
#include "test_delete_puzzle.moc"
