// The configuration file: first-run text, round trip, reading quirks and
// malformed files (and the copy kept of them).
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "model/config.h"
#include "temp_dir.h"

using namespace kalvero;

Q_DECLARE_METATYPE(ConfigStatus)
using kalvero::test::TempDir;

class ConfigTest : public QObject {
  Q_OBJECT
 private slots:
  void firstRunFileIsExact() {
    const QByteArray expected =
        " 200 \r\nArial\r\nArial\r\n 12  0  1  0  0  0  8  1  0 \r\nxp.col\r\npuzzles.txt\r\n \r\n \r\n \r\n \r\n \r\n";
    QCOMPARE(QByteArray::fromStdString(DefaultConfigText()), expected);
  }

  // Every field survives a save and a load (ConfigText writes them all, as
  // the exact first-run text shows); a text with a comma too.
  void saveAndLoadRoundTrip() {
    Settings s = DefaultSettings();
    s.PlacementLimit = 350;
    s.SpareText1 = "Some text, with a comma";
    s.SpareNumber = 13;
    s.SchemeColour13 = Rgb(255, 0, 0);
    s.PuzzleNumber = 1234567;
    s.GridColour = Rgb(1, 2, 3);
    s.NumbersColour = Rgb(200, 100, 50);
    s.PencilColour = Rgb(0, 0, 255);
    s.PencilTooltip = 1;
    s.PrinterLineSize = 14;
    s.SumAreaTooltip = 0;
    s.SchemeFile = "ocean.col";
    s.PuzzleFileName = "/home/someone/My Puzzles/hard set.txt";
    s.recent.caption = {"/a/one.txt", "", "/c/three.txt", "", ""};
    TempDir dir;
    const std::string path = dir.Path("kalvero.cfg");
    QVERIFY(SaveConfig(path, s));
    Settings back;
    QVERIFY(LoadConfig(path, back));
    QCOMPARE(QString::fromStdString(ConfigText(back)), QString::fromStdString(ConfigText(s)));
    QCOMPARE(back.recent.visible, (std::array<bool, 5>{true, false, true, false, false}));
    QVERIFY(back.recent.separatorVisible);
    // Nothing but the file is left behind by the atomic write.
    QVERIFY(!QFile::exists(QString::fromStdString(path + ".tmp")));
  }

  void readingQuirks_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("puzzleFile");
    QTest::addColumn<int>("puzzleNumber");
    QTest::addColumn<QString>("recent0");
    QTest::newRow("as written") << QByteArray(" 200 \r\nA\r\nB\r\n 12  0  7  0  0  0  8  1  0 \r\nxp.col\r\np.txt\r\n/r.txt\r\n\r\n\r\n\r\n\r\n")
                                << "xp.col" << "p.txt" << 7 << "/r.txt";
    QTest::newRow("numbers with commas and LF") << QByteArray("200\nA\nB\n12,0,9,0,0,0,8,1,0\nxp.col\np.txt\n\n\n\n\n\n")
                                                << "xp.col" << "p.txt" << 9 << "";
    QTest::newRow("numbers spread over lines") << QByteArray("200\r\nA\r\nB\r\n12 0 3\r\n0 0 0\r\n8 1 0\r\nxp.col\r\np.txt\r\n\r\n\r\n\r\n\r\n\r\n")
                                               << "xp.col" << "p.txt" << 3 << "";
    QTest::newRow("text fields cut at a comma") << QByteArray("200\r\nA\r\nB\r\n12 0 1 0 0 0 8 1 0\r\n  xp.col,old\r\nmy,file.txt\r\n \r\n \r\n \r\n \r\n \r\n")
                                                << "xp.col" << "my" << 1 << "";
    QTest::newRow("last line without line end") << QByteArray("200\r\nA\r\nB\r\n12 0 1 0 0 0 8 1 0\r\nxp.col\r\np.txt\r\n/a.txt\r\n\r\n\r\n\r\n/e.txt")
                                                << "xp.col" << "p.txt" << 1 << "/a.txt";
  }
  void readingQuirks() {
    QFETCH(QByteArray, text);
    QFETCH(QString, scheme);
    QFETCH(QString, puzzleFile);
    QFETCH(int, puzzleNumber);
    QFETCH(QString, recent0);
    TempDir dir;
    Settings s;
    QVERIFY(LoadConfig(dir.Write("kalvero.cfg", text), s));
    QCOMPARE(QString::fromStdString(s.SchemeFile), scheme);
    QCOMPARE(QString::fromStdString(s.PuzzleFileName), puzzleFile);
    QCOMPARE(s.PuzzleNumber, puzzleNumber);
    QCOMPARE(s.recent.visible[0], !recent0.isEmpty());
    QCOMPARE(s.recent.separatorVisible, !recent0.isEmpty());
    if (!recent0.isEmpty()) QCOMPARE(QString::fromStdString(s.recent.caption[0]), recent0);
  }

  // A null text: no file at all; "<folder>" and "<fifo>": those in its place.
  void unloadableFilesFail_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ConfigStatus>("status");
    QTest::newRow("missing") << QByteArray() << ConfigStatus::Missing;
    QTest::newRow("folder") << QByteArray("<folder>") << ConfigStatus::Unreadable;
    QTest::newRow("fifo") << QByteArray("<fifo>") << ConfigStatus::Unreadable;
    QTest::newRow("empty") << QByteArray("") << ConfigStatus::Malformed;
    QTest::newRow("word for the limit") << QByteArray("many\r\nA\r\nB\r\n12 0 1 0 0 0 8 1 0\r\nxp.col\r\np.txt\r\n\r\n\r\n\r\n\r\n\r\n") << ConfigStatus::Malformed;
    QTest::newRow("eight numbers") << QByteArray("200\r\nA\r\nB\r\n12 0 1 0 0 0 8 1\r\n") << ConfigStatus::Malformed;
    QTest::newRow("letters among the numbers") << QByteArray("200\r\nA\r\nB\r\n12 0 1 red 0 0 8 1 0\r\nxp.col\r\np.txt\r\n\r\n\r\n\r\n\r\n\r\n") << ConfigStatus::Malformed;
    QTest::newRow("recent lines missing") << QByteArray("200\r\nA\r\nB\r\n12 0 1 0 0 0 8 1 0\r\nxp.col\r\np.txt\r\n\r\n\r\n") << ConfigStatus::Malformed;
  }
  void unloadableFilesFail() {
    QFETCH(QByteArray, text);
    QFETCH(ConfigStatus, status);
    TempDir dir;
    Settings s;
    const std::string path = dir.Path("kalvero.cfg");
    if (text == "<folder>")
      QVERIFY(::mkdir(path.c_str(), 0755) == 0);
    else if (text == "<fifo>")
      QVERIFY(::mkfifo(path.c_str(), 0644) == 0);
    else if (!text.isNull())
      dir.Write("kalvero.cfg", text);
    int error = 0;
    QCOMPARE(ReadConfig(path, s, error), status);
    // A malformed file is kept beside it without replacing the copies kept
    // before; anything else leaves nothing to keep.
    dir.Write("kalvero.cfg.bad", "older copy");
    dir.Write("kalvero.cfg.bad.1", "oldest copy");
    const bool malformed = status == ConfigStatus::Malformed;
    QCOMPARE(QString::fromStdString(KeepBadConfig(path)), malformed ? QString::fromStdString(path + ".bad.2") : QString());
    QCOMPARE(TempDir::Read(path + ".bad"), QByteArray("older copy"));
    QCOMPARE(TempDir::Read(path + ".bad.1"), QByteArray("oldest copy"));
    if (malformed) QCOMPARE(TempDir::Read(path + ".bad.2"), text);
  }

  // Saving through a link (relative or absolute) writes the link's target
  // and keeps the link.
  void saveKeepsTheLink_data() {
    QTest::addColumn<bool>("absolute");
    QTest::newRow("relative link") << false;
    QTest::newRow("absolute link") << true;
  }
  void saveKeepsTheLink() {
    QFETCH(bool, absolute);
    TempDir dir;
    const std::string target = dir.Write("real.cfg", "old");
    const std::string link = dir.Path("kalvero.cfg");
    QVERIFY(::symlink(absolute ? target.c_str() : "real.cfg", link.c_str()) == 0);
    QVERIFY(SaveConfig(link, DefaultSettings()));
    struct stat info {};
    QVERIFY(::lstat(link.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
    QCOMPARE(TempDir::Read(target), QByteArray::fromStdString(ConfigText(DefaultSettings())));
  }

  // A blank recent line hides its entry but keeps the caption it had.
  void hiddenRecentEntryKeepsCaption() {
    TempDir dir;
    Settings s;
    s.recent.caption[1] = "/kept.txt";
    QVERIFY(LoadConfig(dir.Write("kalvero.cfg", QByteArray::fromStdString(DefaultConfigText())), s));
    QVERIFY(!s.recent.visible[1]);
    QCOMPARE(QString::fromStdString(s.recent.caption[1]), QStringLiteral("/kept.txt"));
  }
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
