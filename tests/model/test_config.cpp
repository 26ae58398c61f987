// The configuration file: first-run text, round trip, reading quirks and
// malformed files (and the copy kept of them). Colour schemes from
// "all.col": derived entries, the preview, missing schemes, broken files
// and the schemes shipped with the program.
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include "model/config.h"
#include "model/scheme_file.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {
// A scheme block: entries 2 and 4 as given, every other entry i "i;i;i".
QByteArray Scheme(const char* name, const char* entry2 = "1;1;1", const char* entry4 = "1;1;1") {
  QByteArray block = QByteArray(name) + "\r\n";
  for (int i = 0; i <= 12; ++i) {
    const QByteArray n = QByteArray::number(i);
    block += (i == 2 ? QByteArray(entry2) : i == 4 ? QByteArray(entry4) : n + ";" + n + ";" + n) + "\r\n";
  }
  return block;
}
}  // namespace

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

  // Entry 3 is entry 2 lightened by 32 (a channel past 256 becomes 254, 256
  // itself 255) and entry 5 is entry 4 darkened by 28 (below 1 it becomes 8);
  // fractions round, words read 0. The preview takes both from their own
  // lines, and gives "default.col" (any case) its fixed background.
  void derivedEntriesAndPreview() {
    TempDir dir;
    const std::string path =
        dir.Write("all.col", Scheme("t.col", "230;224;0", "20;40;100") + Scheme("u.col", "10.5;11.5;x", "28;29;30.4"));
    SchemeColours t{}, u{};
    QVERIFY(LoadScheme(path, "t.col", t) && LoadScheme(path, "u.col", u));
    QCOMPARE(t[kMenuBarEntry], Rgb(254, 255, 32));
    QCOMPARE(t[kAboutEntry], Rgb(8, 12, 72));
    QCOMPARE(u[kMenuBarEntry], Rgb(42, 44, 32));
    QCOMPARE(u[kAboutEntry], Rgb(8, 1, 2));
    QCOMPARE(u[12], Rgb(12, 12, 12));
    QVERIFY(PreviewScheme(path, "u.col", Rgb(250, 250, 250), t));
    QCOMPARE(t[kMenuBarEntry], Rgb(3, 3, 3));
    QCOMPARE(t[kAboutEntry], Rgb(5, 5, 5));
    QVERIFY(PreviewScheme(path, "Default.COL", Rgb(250, 250, 250), t));
    QVERIFY(t[kBackgroundEntry] == Rgb(250, 250, 250) && t[kControlEntry] == Rgb(250, 250, 250) && t[kMenuBarEntry] == 0);
  }

  // A missing file or scheme fails; a broken scheme fails where it breaks,
  // the entries before it (0..filled-1) having taken the file's values.
  void failures() {
    struct Row { const char* name; QByteArray file; const char* scheme; int filled; };
    const Row rows[] = {{"no all.col", QByteArray(), "xp.col", 0},
                        {"names are case-sensitive", Scheme("a.col"), "A.col", 0},
                        {"file ends inside the scheme", Scheme("a.col").left(28), "a.col", 3},
                        {"colour line with two parts", Scheme("a.col", "1;1;1", "7;8"), "a.col", 4}};
    for (const Row& row : rows) {
      TempDir dir;
      SchemeColours table{};
      table.fill(Rgb(99, 99, 99));
      QVERIFY2(!LoadScheme(row.file.isNull() ? dir.Path("all.col") : dir.Write("all.col", row.file), row.scheme, table), row.name);
      for (int i = 0; i < kSchemeEntryCount; ++i) QVERIFY2((table[i] == Rgb(99, 99, 99)) == (i >= row.filled), row.name);
    }
  }

  // The names offered are the text before ".col" of every line holding it;
  // a menu bar is painted unless the scheme's name holds "default".
  void namesAndMenuBar() {
    TempDir dir;
    const std::string path = dir.Write("all.col", Scheme("xp.col") + Scheme("My Blue.col") + "notes\r\nodd.col.col\r\n");
    QCOMPARE(SchemeNames(path), (std::vector<std::string>{"xp", "My Blue", "odd"}));
    QVERIFY(SchemeNames(dir.Path("none.col")).empty());
    QVERIFY(PaintsMenuBar("xp.col") && !PaintsMenuBar("Default.col") && !PaintsMenuBar("mydefaults.col"));
  }

  // Every scheme shipped with the program loads, "xp" (the built-in colours)
  // among them, and every text reads on it (4.5:1): on its window and field
  // colours, and the board's grid, digits and marks, light on a dark scheme.
  void shippedSchemesRead() {
    const std::string path = qEnvironmentVariable("KALVERO_DATA").toStdString() + "/all.col";
    const auto names = SchemeNames(path);
    QVERIFY(names.size() >= 6);
    bool sawXp = false, sawDark = false;
    for (const std::string& name : names) {
      SchemeColours table{};
      QVERIFY2(LoadScheme(path, name + ".col", table), name.c_str());
      sawXp = sawXp || name == "xp";
      if (name == "xp") QCOMPARE(table, kBuiltInScheme);
      for (int entry : {kBackgroundEntry, kControlEntry, kAboutEntry})
        QVERIFY2(ContrastRatio(TextColourOn(table[entry]), table[entry]) >= kLeastTextContrast, name.c_str());
      const Colour board = table[kBackgroundEntry];
      const bool dark = IsDarkBackground(board);
      sawDark = sawDark || dark;
      const Colour digits = dark ? kNightNumbersColour : kBlack;
      for (const Colour ink :
           {dark ? kNightGridColour : kBlack, digits, dark ? kNightPencilColour : kBlack, MistakeColourOn(board)})
        QVERIFY2(ContrastRatio(ink, board) >= kLeastTextContrast, name.c_str());
      QVERIFY2(ContrastRatio(digits, table[kControlEntry]) >= kLeastTextContrast, name.c_str());  // givens
    }
    QVERIFY(sawXp && sawDark);
  }
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "test_config.moc"
