// The configuration file: first-run text, round trip, reading quirks and
// malformed files (and the copy kept of them).
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "model/config.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

class ConfigTest : public QObject {
  Q_OBJECT
 private slots:
  // The first-run text byte for byte; read back, its blank recent lines hide
  // their entries but keep the captions they had.
  void firstRunFile() {
    const QByteArray text = QByteArray::fromStdString(DefaultConfigText());
    QCOMPARE(text, " 200 \r\nArial\r\nArial\r\n 12  0  1  0  0  0  8  1  0 \r\nxp.col\r\npuzzles.txt\r\n \r\n \r\n \r\n \r\n \r\n");
    TempDir dir;
    Settings s;
    s.recent.caption[1] = "/kept.txt";
    QVERIFY(LoadConfig(dir.Write("kalvero.cfg", text), s));
    QVERIFY(!s.recent.visible[1] && !s.recent.separatorVisible);
    QCOMPARE(s.recent.caption[1].c_str(), "/kept.txt");
  }

  // Every field, each changed from its default, survives a save and a load,
  // a text with a comma too. Saving through a link (relative or absolute)
  // writes its target, keeps the link and leaves no other file behind.
  void saveAndLoadRoundTrip() {
    Settings s = DefaultSettings();
    s.PlacementLimit = 350, s.SpareText1 = "Some text, with a comma", s.SpareText2 = "Sans", s.SpareNumber = 13;
    s.SchemeColour13 = Rgb(255, 0, 0), s.PuzzleNumber = 1234567, s.GridColour = Rgb(1, 2, 3);
    s.NumbersColour = Rgb(200, 100, 50), s.PencilColour = Rgb(0, 0, 255), s.PencilTooltip = 1;
    s.PrinterLineSize = 14, s.SumAreaTooltip = 0, s.SchemeFile = "ocean.col";
    s.PuzzleFileName = "/home/someone/My Puzzles/hard set.txt";
    s.recent.caption = {"/a/one.txt", "", "/c/three.txt", "", ""};
    for (const bool absolute : {false, true}) {
      TempDir dir;
      const std::string target = dir.Write("real.cfg", "old"), link = dir.Path("kalvero.cfg");
      QVERIFY(::symlink(absolute ? target.c_str() : "real.cfg", link.c_str()) == 0);
      Settings back;
      QVERIFY(SaveConfig(link, s) && LoadConfig(target, back));
      QCOMPARE(ConfigText(back).c_str(), ConfigText(s).c_str());
      QCOMPARE(back.recent.visible, (std::array<bool, 5>{true, false, true, false, false}));
      QVERIFY(back.recent.separatorVisible);
      QVERIFY(QFileInfo(QString::fromStdString(link)).isSymLink());
      QCOMPARE(QDir(QString::fromStdString(dir.Path(""))).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
  }

  // A null text: no file; "<folder>", "<fifo>": those in its place. A file
  // that reads gives puzzle `number`, "xp.col" and "p.txt". Any file there
  // can be kept beside it, never replacing the copies kept before.
  void readConfig() {
    struct Row { const char* name; QByteArray text; ConfigStatus status; int number; };
    const Row rows[] = {
        {"missing", QByteArray(), ConfigStatus::Missing, 0},
        {"folder", "<folder>", ConfigStatus::Unreadable, 0},
        {"fifo", "<fifo>", ConfigStatus::Unreadable, 0},
        {"empty", "", ConfigStatus::Malformed, 0},
        {"letters", "200\r\nA\r\nB\r\n12 0 1 red 0 0 8 1 0\r\nxp.col\r\np.txt\r\n\r\n\r\n\r\n\r\n\r\n", ConfigStatus::Malformed, 0},
        {"recent lines missing", "200\r\nA\r\nB\r\n12 0 1 0 0 0 8 1 0\r\nxp.col\r\np.txt\r\n\r\n\r\n", ConfigStatus::Malformed, 0},
        {"LF lines, numbers split by commas and spread over lines",
         "200\nA\nB\n12,0,9\n0 0 0\n8,1,0\nxp.col\np.txt\n\n\n\n\n\n", ConfigStatus::Loaded, 9},
        {"text fields cut at a comma, no last line end",
         "200\r\nA\r\nB\r\n12 0 3 0 0 0 8 1 0\r\n  xp.col,old\r\np.txt,x\r\n/a\r\n\r\n\r\n\r\n/e", ConfigStatus::Loaded, 3}};
    for (const Row& row : rows) {
      const auto which = qScopeGuard([&] { if (QTest::currentTestFailed()) qWarning("row: %s", row.name); });
      TempDir dir;
      Settings s;
      const std::string path = dir.Path("kalvero.cfg");
      if (row.text == "<folder>") QVERIFY(::mkdir(path.c_str(), 0755) == 0);
      if (row.text == "<fifo>") QVERIFY(::mkfifo(path.c_str(), 0644) == 0);
      if (!row.text.isNull() && !row.text.startsWith('<')) dir.Write("kalvero.cfg", row.text);
      int error = 0;
      QCOMPARE(ReadConfig(path, s, error), row.status);
      if (row.status == ConfigStatus::Loaded) {
        QCOMPARE(s.PuzzleNumber, row.number);
        QCOMPARE((s.SchemeFile + "|" + s.PuzzleFileName).c_str(), "xp.col|p.txt");
      }
      dir.Write("kalvero.cfg.bad", "older copy");
      dir.Write("kalvero.cfg.bad.1", "oldest copy");
      const bool there = row.status == ConfigStatus::Malformed || row.status == ConfigStatus::Loaded;
      QCOMPARE(KeepBadConfig(path).c_str(), there ? (path + ".bad.2").c_str() : "");
      QCOMPARE(TempDir::Read(path + ".bad") + TempDir::Read(path + ".bad.1"), "older copyoldest copy");
      if (there) QCOMPARE(TempDir::Read(path + ".bad.2"), row.text);
    }
  }
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
