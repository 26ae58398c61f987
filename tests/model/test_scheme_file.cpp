// Colour schemes from "all.col": derived entries, the preview, missing
// schemes, broken files and the schemes shipped with the program.
#include <QtTest>

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

class SchemeFileTest : public QObject {
  Q_OBJECT
 private slots:
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

QTEST_APPLESS_MAIN(SchemeFileTest)
#include "test_scheme_file.moc"
