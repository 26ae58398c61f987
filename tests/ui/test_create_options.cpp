// The create-options window: pattern drawing, presets, the random pattern,
// option selection, the output-file dialog and every refusal message.
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "generator/patterns.h"
#include "generator/random_source.h"
#include "message_answerer.h"
#include "ui/create_options_form.h"
#include "ui/fn_dialog.h"

using namespace kalvero;
using kalvero::test::MessageAnswerer;

namespace {

std::vector<std::pair<int, int>> FlaggedCells(const Grid<int>& flags) {
  std::vector<std::pair<int, int>> cells;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (flags[r][c] == 1) cells.emplace_back(r, c);
  return cells;
}

using Cells = std::vector<std::pair<int, int>>;

}  // namespace

Q_DECLARE_METATYPE(Cells)

class CreateOptionsTest : public QObject {
  Q_OBJECT
 private slots:
  // The presets' cells are checked with the pattern table; here the window
  // picks the right count and replaces a hand-drawn cell with the preset.
  void presets_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("count");
    QTest::newRow("Very Easy") << 0 << 9;
    QTest::newRow("Easy") << 1 << 6;
    QTest::newRow("Hard") << 2 << 3;
  }
  void presets() {
    QFETCH(int, option);
    QFETCH(int, count);
    PseudoRandom random(1);
    CreateOptionsForm form(random);
    form.ToggleCell(1, 1);  // not in any preset
    form.SelectOption(static_cast<CreateOptionsForm::PatternOption>(option));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text3"))->text(), QString::number(count));
    form.SetPattern();
    Grid<int> expected{};
    SetPresetPattern(expected, count);
    QCOMPARE(form.Pattern(), expected);
  }

  // "Random" with 1 to 49 cells sets that many distinct flags in place of
  // the drawn ones; anything else is refused and keeps the drawing.
  void randomPattern_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("49") << "49" << 49;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("50") << "50" << 0;
    QTest::newRow("word") << "many" << 0;
  }
  void randomPattern() {
    QFETCH(QString, text);
    QFETCH(int, flags);
    PseudoRandom random(text.size());
    CreateOptionsForm form(random);
    form.ToggleCell(4, 4);
    form.SelectOption(CreateOptionsForm::PatternOption::Random);
    form.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(text);
    MessageAnswerer answers;
    form.SetPattern();
    if (flags == 0) {
      QCOMPARE(answers.seen, QStringList{QStringLiteral("Fixed cells must be 1 to 49")});
      QCOMPARE(FlaggedCells(form.Pattern()), (Cells{{4, 4}}));
    } else {
      QVERIFY(answers.seen.isEmpty());
      QCOMPARE(int(FlaggedCells(form.Pattern()).size()), flags);
    }
  }

  void toggleAndClear() {
    PseudoRandom random(1);
    CreateOptionsForm form(random);
    form.ToggleCell(3, 7);
    form.ToggleCell(9, 9);
    form.ToggleCell(3, 7);
    form.ToggleCell(10, 1);  // outside the grid
    QCOMPARE(FlaggedCells(form.Pattern()), (Cells{{9, 9}}));
    form.ClearGrid();
    QVERIFY(FlaggedCells(form.Pattern()).empty());
  }

  void gridClicksToggleTheCellUnderThePointer() {
    PseudoRandom random(1);
    CreateOptionsForm form(random);
    form.show();
    PatternGrid* grid = form.findChild<PatternGrid*>(QStringLiteral("Picture1"));
    // The centre of cell (5, 6): the grid maps twips to pixels by its scale.
    const double scale = std::min(grid->width(), grid->height()) / (9.0 * 200 + 30);
    const QPoint centre(qRound((15 + 5.5 * 200) * scale), qRound((15 + 4.5 * 200) * scale));
    QCOMPARE(grid->CellAt(centre), (std::pair<int, int>{5, 6}));
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre);
    QCOMPARE(FlaggedCells(form.Pattern()), (Cells{{5, 6}}));
  }

  void acceptRefusals_data() {
    QTest::addColumn<bool>("withCell");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("no fixed cell") << false << "5" << "out.txt" << "There must be at least one fixed cell";
    QTest::newRow("zero puzzles") << true << "0" << "out.txt" << "Set number of puzzles to create";
    QTest::newRow("count not a number") << true << "ten" << "out.txt" << "Set number of puzzles to create";
    QTest::newRow("blank file name") << true << "5" << "   " << "Specify the puzzle output file name";
    QTest::newRow("accepted") << true << "5" << "out.txt" << "";
  }
  void acceptRefusals() {
    QFETCH(bool, withCell);
    QFETCH(QString, count);
    QFETCH(QString, file);
    QFETCH(QString, message);
    PseudoRandom random(1);
    CreateOptionsForm form(random);
    if (withCell) form.ToggleCell(1, 1);
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(count);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(file);
    MessageAnswerer answers;
    form.AcceptOptions();
    QCOMPARE(answers.seen, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(form.Accepted(), message.isEmpty());
  }

  void exitAndCloseDoNotAccept() {
    PseudoRandom random(1);
    CreateOptionsForm form(random);
    form.ToggleCell(1, 1);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("/x/out.txt"));
    form.AcceptOptions();
    QVERIFY(form.Accepted());
    form.Prepare(QStringLiteral("/x/newpuzmulti.txt"), QStringLiteral("/x/"));
    QVERIFY(!form.Accepted());
    QVERIFY(FlaggedCells(form.Pattern()).empty());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text3"))->text(), QStringLiteral("9"));
    QCOMPARE(form.OutputFile(), QStringLiteral("/x/newpuzmulti.txt"));
    form.ToggleCell(1, 1);
    form.show();
    QTest::mouseClick(form.findChild<BoxControl*>(QStringLiteral("BoxControl3")), Qt::LeftButton);
    QVERIFY(!form.Accepted());
    QVERIFY(!form.isVisible());
  }

  // The output name kept from the last batch stays when it exists where the
  // batch writes it (a relative name inside the application folder).
  void keptOutputFile_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("kept");
    QTest::newRow("relative, in the application folder") << "mine.txt" << true;
    QTest::newRow("relative, missing") << "gone.txt" << false;
    QTest::newRow("empty") << "" << false;
  }
  void keptOutputFile() {
    QFETCH(QString, field);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    QFile mine(dir.filePath(QStringLiteral("mine.txt")));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("x\r\n");
    mine.close();
    PseudoRandom random(1);
    CreateOptionsForm form(random);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(field);
    const QString defaultFile = dir.filePath(QStringLiteral("newpuzmulti.txt"));
    form.Prepare(defaultFile, dir.path() + QLatin1Char('/'));
    QCOMPARE(form.OutputFile(), kept ? field : defaultFile);
  }

  void outputFileName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("field");
    QTest::newRow("no dot gets .txt") << "/home/me/batch" << "/home/me/batch.txt";
    QTest::newRow("dot in a folder") << "/home/me.d/batch" << "/home/me.d/batch";
    QTest::newRow("cancelled keeps the field") << "" << "/before.txt";
  }
  void outputFileName() {
    QFETCH(QString, chosen);
    QFETCH(QString, field);
    PseudoRandom random(1);
    CreateOptionsForm form(random);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("/before.txt"));
    FileDialogRequest seen;
    form.findChild<FNDialog*>(QStringLiteral("gf1"))->SetDialogRunner([&](const FileDialogRequest& request) {
      seen = request;
      return chosen;
    });
    form.ChooseOutputFile();
    QVERIFY(seen.save);
    QCOMPARE(seen.title, QStringLiteral("Kalvero"));
    QCOMPARE(form.OutputFile(), field);
  }
};

QTEST_MAIN(CreateOptionsTest)
#include "test_create_options.moc"
