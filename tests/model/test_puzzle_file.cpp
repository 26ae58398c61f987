// Counting, reading and writing puzzle files.
#include <sys/stat.h>

#include <QtTest>

#include <cerrno>

#include "boards.h"
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
};

QTEST_APPLESS_MAIN(PuzzleFileTest)
#include "test_puzzle_file.moc"
