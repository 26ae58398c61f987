// The print window's answers, the options window's "+-", "Apply" and
// "Exit", the help page and the three ways to close the About window.
#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QPrintDialog>
#include <QTextBrowser>
#include <QtTest>

#include "generator/random_source.h"
#include "message_answerer.h"
#include "model/config.h"
#include "model/scheme_file.h"
#include "output/printer_choice.h"
#include "ui/box_control.h"
#include "ui/col_pik.h"
#include "ui/create_options_form.h"
#include "ui/help_windows.h"
#include "ui/options_form.h"
#include "ui/prnt_form.h"

using namespace kalvero;

namespace {

std::string SchemeList() { return qEnvironmentVariable("KALVERO_DATA").toStdString() + "/all.col"; }

struct OptionsFixture {
  Settings settings = DefaultSettings();
  SchemeColours colours{};
  int controlIndex = kControlEntry;
  PlayerAids highlights;
  OptionsForm form;
  explicit OptionsFixture(std::vector<std::string> names = {"xp", "ocean"})
      : form(settings, highlights, colours, controlIndex, std::move(names), SchemeList()) {
    settings.SchemeFile = "xp.col";
    LoadScheme(SchemeList(), settings.SchemeFile, colours);
  }
};

}  // namespace

class OutputFormsTest : public QObject {
  Q_OBJECT
 private slots:
  void printWindow_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("range");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("rangeTag");
    QTest::addColumn<QString>("message");
    QTest::newRow("current puzzle, no range read") << "Print" << false << "junk" << "Y" << "" << "";
    QTest::newRow("range accepted") << "Print" << true << "5-10" << "Y" << "0000500010" << "";
    QTest::newRow("range past five digits") << "Print" << true << "99999-100002" << "Y" << "99999100002" << "";
    QTest::newRow("range not correct") << "Print" << true << "10-5" << "X" << "" << "Print range not correct";
    QTest::newRow("range missing") << "Print" << true << "7" << "X" << "" << "Specify print range";
    QTest::newRow("cancel") << "Cancel" << true << "5-10" << "" << "" << "";
    QTest::newRow("escape") << "Escape" << false << "" << "" << "" << "";
  }
  void printWindow() {
    QFETCH(QString, button);
    QFETCH(bool, range);
    QFETCH(QString, text);
    QFETCH(QString, tag);
    QFETCH(QString, rangeTag);
    QFETCH(QString, message);

    PrinterChoice printer;
    PrntForm form(printer);
    form.Prepare(QStringLiteral("puzzles.txt"), QStringLiteral("/data/puzzles.txt"), 200000);
    QCOMPARE(form.Tag(), QStringLiteral("X"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label3"))->toolTip(), QStringLiteral("/data/puzzles.txt"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label2"))->text(), printer.DeviceName());
    form.show();
    (range ? form.findChild<QRadioButton*>(QStringLiteral("Option2")) : form.findChild<QRadioButton*>(QStringLiteral("Option1")))->setChecked(true);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(text);

    test::MessageAnswerer answerer;
    if (button == QLatin1String("Escape")) QTest::keyClick(&form, Qt::Key_Escape);
    else QTest::mouseClick(button == QLatin1String("Print") ? form.findChild<BoxControl*>(QStringLiteral("Command1")) : form.findChild<BoxControl*>("Command2"), Qt::LeftButton);

    QCOMPARE(form.Tag(), tag);
    QCOMPARE(form.RangeTag(), rangeTag);
    if (!rangeTag.isEmpty())
      QCOMPARE(QStringLiteral("%1-%2").arg(form.Range().first).arg(form.Range().last), text);
    QCOMPARE(answerer.seen, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(form.isVisible(), tag == QLatin1String("X"));
  }

  // Assistive tools announce every control of the options and create-options
  // windows by what it is, not by a bare "...". A combo box's name on Linux
  // is its current text, so the scheme list is labelled by its frame.
  void everyControlIsNamed() {
    OptionsFixture options;
    PseudoRandom random(1);
    CreateOptionsForm create(random);
    for (QWidget* window : {static_cast<QWidget*>(&options.form), static_cast<QWidget*>(&create)}) {
      for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool isControl = qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractSlider*>(control) ||
                               qobject_cast<BoxControl*>(control) || qobject_cast<PatternGrid*>(control);
        if (!isControl || control->isHidden()) continue;
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && name != QLatin1String("..."), qPrintable(control->objectName()));
      }
    }
    const auto labels = QAccessible::queryAccessibleInterface(options.form.findChild<QComboBox*>())
                            ->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QVERIFY(labels.first().first->text(QAccessible::Name).startsWith(QStringLiteral("Colour Scheme")));
  }

  // A file chosen in the print dialog ("Print to file") is used as it is:
  // printing does not ask for its name a second time.
  void printToFileChosenInTheDialog() {
    PrinterChoice printer;
    int asked = 0;
    printer.SetFileAsker([&](QWidget*, const QString& suggested) {
      ++asked;
      return suggested;
    });
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->accept();
    });
    QVERIFY(printer.Select(nullptr));
    QVERIFY(printer.IsPdf());
    QVERIFY(printer.PrepareOutput(nullptr));
    QCOMPARE(asked, 0);
  }

  void adjustControlColour_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<Colour>("start");
    QTest::addColumn<Colour>("end");
    QTest::newRow("left on a dark colour stops at 10") << 1 << Rgb(30, 15, 60) << Rgb(10, 10, 10);
    QTest::newRow("right on a light colour stops at 255") << 2 << Rgb(200, 250, 180) << Rgb(255, 255, 255);
    QTest::newRow("middle does nothing") << 4 << Rgb(30, 15, 60) << Rgb(30, 15, 60);
  }
  void adjustControlColour() {
    QFETCH(int, button);
    QFETCH(Colour, start);
    QFETCH(Colour, end);
    OptionsFixture f;
    f.colours[kControlEntry] = start;
    for (int i = 0; i < 10; ++i) f.form.AdjustControlColour(button);
    QCOMPARE(f.colours[kControlEntry], end);
    if (button == 4) return;
    QCOMPARE(f.colours[kUserControlEntry], end);
    QCOMPARE(f.settings.SchemeColour13, end);
  }

  void applyLineSizeAndScheme_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("lineSize");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<int>("expectedLineSize");
    QTest::addColumn<QString>("expectedScheme");
    QTest::newRow("7.5 rounds up to 8") << QStringList{"xp", "ocean"} << "7.5" << "ocean" << 8 << "ocean.col";
    QTest::newRow("6.5 rounds down to 6") << QStringList{"xp", "ocean"} << "6.5" << "xp" << 6 << "xp.col";
    QTest::newRow("empty scheme list keeps the scheme") << QStringList{} << "12" << "" << 12 << "xp.col";
  }
  void applyLineSizeAndScheme() {
    QFETCH(QStringList, names);
    QFETCH(QString, lineSize);
    QFETCH(QString, scheme);
    QFETCH(int, expectedLineSize);
    QFETCH(QString, expectedScheme);
    std::vector<std::string> list;
    for (const QString& n : names) list.push_back(n.toStdString());
    OptionsFixture f(list);
    f.form.show();
    auto* schemes = f.form.findChild<QComboBox*>(QStringLiteral("Combo1"));
    schemes->setCurrentIndex(schemes->findText(scheme));
    f.form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(lineSize);
    QSignalSpy applied(&f.form, &OptionsForm::applied);
    QTest::mouseClick(f.form.findChild<BoxControl*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(f.settings.PrinterLineSize, expectedLineSize);
    QCOMPARE(QString::fromStdString(f.settings.SchemeFile), expectedScheme);
    QVERIFY(f.form.isVisible());
  }

  // Swatches, switches and line size reach the settings only through
  // "Apply"; the scheme preview changes the colour table at once.
  void exitWithoutApply() {
    OptionsFixture f;
    f.settings.GridColour = Rgb(1, 2, 3);
    f.form.show();
    const Settings before = f.settings;
    f.form.findChild<ColPik*>(QStringLiteral("ColPik1"))->SetSchemeColor(Rgb(200, 0, 0));
    f.form.findChild<ColPik*>(QStringLiteral("ColPik1"))->PickAtTwips(QPointF(100, 20));  // palette colour 0, black
    QTest::mouseClick(f.form.findChild<BoxControl*>(QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(f.form.SwatchColour(OptionsForm::Swatch::Grid), f.form.findChild<ColPik*>(QStringLiteral("ColPik1"))->SchemeColor());
    f.form.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(before.PencilTooltip == 0);
    f.form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("30"));
    f.form.ChooseScheme(QStringLiteral("ocean"));
    SchemeColours ocean{};
    QVERIFY(PreviewScheme(SchemeList(), "ocean.col", 0, ocean));
    QCOMPARE(f.colours[kBackgroundEntry], ocean[kBackgroundEntry]);
    QCOMPARE(f.colours[kUserControlEntry], ocean[kControlEntry]);

    QSignalSpy applied(&f.form, &OptionsForm::applied);
    QTest::mouseClick(f.form.findChild<BoxControl*>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(!f.form.isVisible());
    QCOMPARE(applied.count(), 0);
    QCOMPARE(f.settings.GridColour, before.GridColour);
    QCOMPARE(f.settings.PencilTooltip, before.PencilTooltip);
    QCOMPARE(f.settings.PrinterLineSize, before.PrinterLineSize);
    QCOMPARE(f.settings.SchemeFile, before.SchemeFile);
    f.form.show();
    QCOMPARE(f.form.SwatchColour(OptionsForm::Swatch::Grid), before.GridColour);
  }

  void helpShowsShippedPage() {
    HelpWindow help;
    help.SetUrl(QUrl::fromLocalFile(qEnvironmentVariable("KALVERO_DATA") + QStringLiteral("/kalvero.htm")));
    QCOMPARE(help.Browser()->documentTitle(), QStringLiteral("Kalvero Help"));
    QCOMPARE(help.windowTitle(), QStringLiteral("Kalvero Help"));
    for (const char* section : {"Hint", "Ctrl+Y", "kalvero-tool rate", "Printing"})
      QVERIFY2(help.Browser()->toPlainText().contains(QLatin1String(section)), section);
  }

  void aboutCloses_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("button") << "button";
    QTest::newRow("click in the text") << "text";
    QTest::newRow("escape") << "escape";
  }
  void aboutCloses() {
    QFETCH(QString, way);
    AboutForm about(Rgb(20, 40, 100), Rgb(230, 230, 230));
    QTimer::singleShot(0, &about, [&] {
      if (way == QLatin1String("button")) QTest::mouseClick(about.OkButton(), Qt::LeftButton);
      else if (way == QLatin1String("text")) QTest::mousePress(about.TextBox(), Qt::LeftButton);
      else QTest::keyClick(&about, Qt::Key_Escape);
    });
    about.exec();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.windowTitle(), QStringLiteral("About Kalvero"));
  }
};

QTEST_MAIN(OutputFormsTest)
#include "test_output_forms.moc"
