// Colour schemes from "all.col": derived entries, entry capping, missing
// schemes and broken files.
#include <QtTest>

#include "model/scheme_file.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {

// A scheme block: entry 2 and entry 4 as given, the other lines filler.
QByteArray Scheme(const char* name, const char* entry2, const char* entry4) {
  QByteArray block = QByteArray(name) + "\r\n";
  for (int i = 0; i <= 12; ++i) {
    if (i == 2) block += QByteArray(entry2) + "\r\n";
    else if (i == 4) block += QByteArray(entry4) + "\r\n";
    else block += QByteArray::number(i) + ";" + QByteArray::number(i) + ";" + QByteArray::number(i) + "\r\n";
  }
  return block;
}

}  // namespace

class SchemeFileTest : public QObject {
  Q_OBJECT
 private slots:
  void derivedEntries_data() {
    QTest::addColumn<QByteArray>("entry2");
    QTest::addColumn<QByteArray>("entry4");
    QTest::addColumn<uint>("expected3");
    QTest::addColumn<uint>("expected5");
    QTest::newRow("channel above 256 becomes 254") << QByteArray("230;100;20") << QByteArray("100;100;100")
                                                   << uint(Rgb(254, 132, 52)) << uint(Rgb(72, 72, 72));
    QTest::newRow("exactly 256 is capped to 255") << QByteArray("224;0;0") << QByteArray("100;100;100")
                                                  << uint(Rgb(255, 32, 32)) << uint(Rgb(72, 72, 72));
    QTest::newRow("dark channels become 8") << QByteArray("0;0;0") << QByteArray("20;40;100")
                                            << uint(Rgb(32, 32, 32)) << uint(Rgb(8, 12, 72));
    QTest::newRow("fractions round, words read 0") << QByteArray("10.5;11.5;x") << QByteArray("28;29;30.4")
                                                   << uint(Rgb(42, 44, 32)) << uint(Rgb(8, 1, 2));
  }
  void derivedEntries() {
    QFETCH(QByteArray, entry2);
    QFETCH(QByteArray, entry4);
    QFETCH(uint, expected3);
    QFETCH(uint, expected5);
    TempDir dir;
    const std::string path = dir.Write("all.col", Scheme("other.col", "1;1;1", "1;1;1") + Scheme("t.col", entry2, entry4));
    SchemeColours table{};
    QVERIFY(LoadScheme(path, "t.col", table));
    QCOMPARE(uint(table[kMenuBarEntry]), expected3);
    QCOMPARE(uint(table[kAboutEntry]), expected5);
    QCOMPARE(uint(table[12]), uint(Rgb(12, 12, 12)));
  }

  // The options window's preview takes entries 3 and 5 from their own lines.
  void previewTakesEveryLine() {
    TempDir dir;
    const std::string path = dir.Write("all.col", Scheme("t.col", "230;100;20", "20;40;100"));
    SchemeColours table{};
    QVERIFY(PreviewScheme(path, "t.col", Rgb(250, 250, 250), table));
    QCOMPARE(uint(table[kMenuBarEntry]), uint(Rgb(3, 3, 3)));
    QCOMPARE(uint(table[kAboutEntry]), uint(Rgb(5, 5, 5)));
    QVERIFY(PreviewScheme(path, "Default.COL", Rgb(250, 250, 250), table));
    QCOMPARE(uint(table[kBackgroundEntry]), uint(Rgb(250, 250, 250)));
    QCOMPARE(uint(table[kControlEntry]), uint(Rgb(250, 250, 250)));
    QCOMPARE(uint(table[kMenuBarEntry]), 0u);
  }

  void failures_data() {
    QTest::addColumn<QByteArray>("file");  // null: no file
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filledEntries");  // entries 0..n-1 took the file's values before the failure
    QTest::newRow("no all.col") << QByteArray() << "xp.col" << 0;
    QTest::newRow("scheme missing") << Scheme("a.col", "1;1;1", "1;1;1") << "b.col" << 0;
    QTest::newRow("names are case-sensitive") << Scheme("a.col", "1;1;1", "1;1;1") << "A.col" << 0;
    QTest::newRow("file ends inside the scheme") << Scheme("a.col", "1;1;1", "1;1;1").left(28) << "a.col" << 3;
    QByteArray shortLine = Scheme("a.col", "1;1;1", "7;8");
    QTest::newRow("colour line with two parts") << shortLine << "a.col" << 4;
  }
  void failures() {
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(int, filledEntries);
    TempDir dir;
    SchemeColours table{};
    table.fill(Rgb(99, 99, 99));
    QVERIFY(!LoadScheme(file.isNull() ? dir.Path("all.col") : dir.Write("all.col", file), name.toStdString(), table));
    for (int i = 0; i < kSchemeEntryCount; ++i)
      QCOMPARE(table[i] == Rgb(99, 99, 99), i >= filledEntries);
  }

  void namesAreTextBeforeDotCol() {
    TempDir dir;
    const std::string path = dir.Write("all.col", Scheme("xp.col", "1;1;1", "1;1;1") + Scheme("My Blue.col", "1;1;1", "1;1;1") + "notes\r\nodd.col.col\r\n");
    const std::vector<std::string> expected{"xp", "My Blue", "odd"};
    QCOMPARE(SchemeNames(path), expected);
    QVERIFY(SchemeNames(dir.Path("none.col")).empty());
  }

  void menuBarPainting_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<bool>("paints");
    QTest::newRow("xp") << "xp.col" << true;
    QTest::newRow("Default.col") << "Default.col" << false;
    QTest::newRow("mydefaults") << "mydefaults.col" << false;
  }
  void menuBarPainting() {
    QFETCH(QString, scheme);
    QFETCH(bool, paints);
    QCOMPARE(PaintsMenuBar(scheme.toStdString()), paints);
  }

  // Every scheme shipped with the program loads, "xp" among them, and every
  // text reads on it (4.5:1): on its window and field colours, and the
  // board's grid, digits and marks, which a dark scheme gets light.
  void shippedSchemesRead() {
    const std::string path = qEnvironmentVariable("KALVERO_DATA").toStdString() + "/all.col";
    const auto names = SchemeNames(path);
    QVERIFY(names.size() >= 6);
    bool sawXp = false;
    bool sawDark = false;
    for (const std::string& name : names) {
      SchemeColours table{};
      QVERIFY2(LoadScheme(path, name + ".col", table), name.c_str());
      if (name == "xp") {
        sawXp = true;
        QCOMPARE(table, kBuiltInScheme);  // the built-in colours are those of "xp.col"
      }
      for (int entry : {kBackgroundEntry, kControlEntry, kAboutEntry})
        QVERIFY2(ContrastRatio(TextColourOn(table[entry]), table[entry]) >= kLeastTextContrast, name.c_str());
      const Colour board = table[kBackgroundEntry];
      const bool dark = IsDarkBackground(board);
      sawDark = sawDark || dark;
      const Colour digits = dark ? kNightNumbersColour : kBlack;
      for (const Colour ink : {dark ? kNightGridColour : kBlack, digits, dark ? kNightPencilColour : kBlack,
                               MistakeColourOn(board)})
        QVERIFY2(ContrastRatio(ink, board) >= kLeastTextContrast, name.c_str());
      QVERIFY2(ContrastRatio(digits, table[kControlEntry]) >= kLeastTextContrast, name.c_str());  // givens
    }
    QVERIFY(sawXp);
    QVERIFY(sawDark);
  }
};

QTEST_APPLESS_MAIN(SchemeFileTest)
#include "test_scheme_file.moc"
