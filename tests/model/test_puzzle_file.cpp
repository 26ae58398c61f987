// Counting, reading and writing puzzle files.
#include <sys/stat.h>

#include <QtTest>

#include <cerrno>

#include "model/line_reader.h"
#include "model/posix_file.h"
#include "model/puzzle_file.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {
const QByteArray kSolved =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
// The line with the digits at the given 1-based positions written as givens.
QByteArray WithGivens(QByteArray line, std::initializer_list<int> positions) {
  for (int k : positions) line[k - 1] = static_cast<char>(line[k - 1] - '0' + 64);
  return line;
}
}  // namespace

class PuzzleFileTest : public QObject {
  Q_OBJECT
 private slots:
  void countLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::newRow("empty file") << QByteArray("") << 0;
    QTest::newRow("one line without line end") << QByteArray("abc") << 1;
    QTest::newRow("CR LF lines") << QByteArray("a\r\nb\r\nc\r\n") << 3;
    QTest::newRow("blank lines count") << QByteArray("a\r\n\r\nc\r\n") << 3;
    QTest::newRow("LF lines") << QByteArray("a\nb\nc\n") << 3;
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\rc") << 3;
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd") << 4;
    QTest::newRow("only line ends") << QByteArray("\r\n\r\n") << 2;
    QTest::newRow("CR LF split across the reader's 64 KiB blocks") << QByteArray(65535, 'x') + "\r\nlast\r\n" << 2;
    QTest::newRow("missing file") << QByteArray() << 0;
  }
  void countLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    TempDir dir;
    QCOMPARE(CountPuzzles(bytes.isNull() ? dir.Path("missing.txt") : dir.Write("p.txt", bytes)), count);
  }

  void readPicksLineN_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << (kSolved + "\r\n" + WithGivens(kSolved, {1, 81}) + "\r\n");
    QTest::newRow("LF") << (kSolved + "\n" + WithGivens(kSolved, {1, 81}) + "\n");
    QTest::newRow("CR") << (kSolved + "\r" + WithGivens(kSolved, {1, 81}));
  }
  void readPicksLineN() {
    QFETCH(QByteArray, bytes);
    TempDir dir;
    const std::string path = dir.Write("p.txt", bytes);
    PuzzleState state;
    state.PuzzleCount = CountPuzzles(path);
    QCOMPARE(state.PuzzleCount, 2);
    QVERIFY(ReadPuzzle(state, path, 2).ok());
    QCOMPARE(state.PuzzleNumber, 2);
    QCOMPARE(state.FixedCount, 2);
    QVERIFY(state.FixedMark[1] && state.FixedMark[81]);
    QCOMPARE(state.Solution[1][1], 1);
    QCOMPARE(state.Solution[9][9], 8);
    QCOMPARE(QString::fromStdString(state.FixedValue[9][9]), QStringLiteral("8"));
    QCOMPARE(QByteArray::fromStdString(state.SolutionText), kSolved);
    QCOMPARE(QByteArray::fromStdString(state.PuzzleLine), WithGivens(kSolved, {1, 81}));
    QVERIFY(ReadPuzzle(state, path, 1).ok());
    QCOMPARE(state.FixedCount, 0);
  }

  // A folder, a FIFO or a device is never read as a puzzle file, so nothing
  // waits for a FIFO's writer or reads /dev/zero for ever.
  void onlyRegularFilesAreRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("error");
    QTest::newRow("folder") << "folder" << EISDIR;
    QTest::newRow("fifo") << "fifo" << kNotRegularFile;
    QTest::newRow("device") << "device" << kNotRegularFile;
  }
  void onlyRegularFilesAreRead() {
    QFETCH(QString, kind);
    QFETCH(int, error);
    TempDir dir;
    std::string path = dir.Path("puzzles.txt");
    if (kind == QLatin1String("folder")) QVERIFY(::mkdir(path.c_str(), 0755) == 0);
    if (kind == QLatin1String("fifo")) QVERIFY(::mkfifo(path.c_str(), 0644) == 0);
    if (kind == QLatin1String("device")) path = "/dev/zero";
    QCOMPARE(LineReader(path).Error(), error);
    QCOMPARE(CountPuzzles(path), 0);
    QVERIFY(!FileExists(path));
    QCOMPARE(NearestReadablePuzzle(path, 1), 0);
    QVERIFY(!AppendLine(path, kSolved.toStdString()));
  }

  void rejectedLinesChangeNothing_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("count");  // the puzzle count the caller passes
    QTest::newRow("80 characters") << kSolved.left(80) << 1 << int(ReadStatus::LineTooShort) << 5;
    QTest::newRow("blank line") << QByteArray() << 1 << int(ReadStatus::LineTooShort) << 5;
    QByteArray withJ = kSolved;
    withJ[40] = 'J';
    QTest::newRow("letter J") << withJ << 1 << int(ReadStatus::BadCharacter) << 5;
    QByteArray withLower = kSolved;
    withLower[0] = 'a';
    QTest::newRow("lower-case letter") << withLower << 1 << int(ReadStatus::BadCharacter) << 5;
    QByteArray withUtf8 = kSolved;
    withUtf8[5] = '\xC3';
    QTest::newRow("byte above 127") << withUtf8 << 1 << int(ReadStatus::BadCharacter) << 5;
    // Characters below "1" would read as a Hard puzzle of empty cells.
    QTest::newRow("81 blanks") << QByteArray(81, ' ') << 1 << int(ReadStatus::BadCharacter) << 5;
    for (const char ch : {'0', '@', '#', '\0'}) {
      QByteArray withLow = kSolved;
      withLow[10] = ch;
      QTest::newRow(qPrintable(QStringLiteral("character code %1").arg(int(ch)))) << withLow << 1
                                                                                   << int(ReadStatus::BadCharacter) << 5;
    }
    QTest::newRow("beyond the end") << kSolved << 2 << int(ReadStatus::BeyondEnd) << 5;
    QTest::newRow("no puzzles counted") << kSolved << 1 << int(ReadStatus::NoPuzzles) << 0;
  }
  void rejectedLinesChangeNothing() {
    QFETCH(QByteArray, line);
    QFETCH(int, lineNumber);
    QFETCH(int, status);
    QFETCH(int, count);
    TempDir dir;
    const std::string good = dir.Write("good.txt", WithGivens(kSolved, {5}) + "\r\n");
    const std::string bad = dir.Write("bad.txt", line + "\r\n");
    PuzzleState state;
    state.PuzzleCount = 1;
    QVERIFY(ReadPuzzle(state, good, 1).ok());
    state.UserEntry[2][2] = "7";
    const PuzzleState before = state;
    state.PuzzleCount = count;  // callers may ask beyond the end; the reader checks
    const ReadResult result = ReadPuzzle(state, bad, lineNumber);
    QCOMPARE(int(result.status), status);
    QCOMPARE(QByteArray::fromStdString(state.PuzzleLine), QByteArray::fromStdString(before.PuzzleLine));
    QCOMPARE(state.FixedCount, before.FixedCount);
    QCOMPARE(state.PuzzleFileName, before.PuzzleFileName);
    QCOMPARE(QString::fromStdString(state.UserEntry[2][2]), QStringLiteral("7"));
  }


  void writeAndReadBack() {
    TempDir dir;
    const std::string source = dir.Write("src.txt", WithGivens(kSolved, {3, 40, 77}) + "trailing text\r\n");
    PuzzleState state;
    state.PuzzleCount = 1;
    QVERIFY(ReadPuzzle(state, source, 1).ok());
    const std::string out = dir.Path("out.txt");
    QVERIFY(WritePuzzle(state, out, WriteMode::Overwrite));
    QCOMPARE(TempDir::Read(out), WithGivens(kSolved, {3, 40, 77}) + "\r\n");
    QVERIFY(WritePuzzle(state, out, WriteMode::Overwrite));
    QCOMPARE(CountPuzzles(out), 1);
    QVERIFY(WritePuzzle(state, out, WriteMode::Append));
    QCOMPARE(CountPuzzles(out), 2);

    PuzzleState back;
    back.PuzzleCount = 2;
    QVERIFY(ReadPuzzle(back, out, 2).ok());
    QCOMPARE(back.Solution, state.Solution);
    QCOMPARE(back.FixedFlag, state.FixedFlag);
    QCOMPARE(back.ClueSum, state.ClueSum);
    QCOMPARE(QByteArray::fromStdString(state.PuzzleLine), WithGivens(kSolved, {3, 40, 77}) + "trailing text");
  }

  // Appending to a file whose last line lacks a line end must not glue the
  // new puzzle onto that line.
  void appendEndsAnUnterminatedLastLine() {
    TempDir dir;
    const std::string path = dir.Write("p.txt", kSolved);
    PuzzleState state;
    QVERIFY(LoadPuzzleLine(state, WithGivens(kSolved, {9}).toStdString()).ok());
    QVERIFY(WritePuzzle(state, path, WriteMode::Append));
    QCOMPARE(TempDir::Read(path), kSolved + "\r\n" + WithGivens(kSolved, {9}) + "\r\n");
  }
};

QTEST_APPLESS_MAIN(PuzzleFileTest)
#include "test_puzzle_file.moc"
