// The dialog windows driven as a user would: message and input box, print,
// options, create options, help and About (print ranges: tests/output).
#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QPrintDialog>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>
#include <functional>
#include <tuple>

#include "generator/patterns.h"
#include "generator/random_source.h"
#include "message_answerer.h"
#include "output/printer_choice.h"
#include "ui/col_pik.h"
#include "ui/create_options_form.h"
#include "ui/fn_dialog.h"
#include "ui/help_windows.h"
#include "ui/msg_style.h"
#include "ui/options_form.h"
#include "ui/prnt_form.h"

using namespace kalvero;
using kalvero::test::MessageAnswerer;

namespace {

template <typename T>
T* Child(QObject& parent, const char* name) { return parent.findChild<T*>(QLatin1String(name)); }

BoxControl* Button(QWidget& form, int index) { return form.findChild<BoxControl*>(QStringLiteral("cmd%1").arg(index)); }

QString VisibleCaptions(MsgForm& form) {
  QStringList captions;
  for (int i = 0; i < 3; ++i)
    if (!Button(form, i)->isHidden()) captions << Button(form, i)->Caption();
  return captions.join(',');
}

// Runs the steps in the form's modal loop, then closes a form left open (so
// a failing check cannot hang), which fails the test unless it may stay open.
void WhenShown(MsgForm& form, bool staysOpen, std::function<void()> steps) {
  QTimer::singleShot(0, &form, [&form, steps = std::move(steps), staysOpen] {
    steps();
    if (!form.isVisible()) return;
    form.done(0);
    QVERIFY2(staysOpen, "the window stayed open");
  });
}

using Cells = std::vector<std::pair<int, int>>;

Cells FlaggedCells(const Grid<int>& flags) {
  Cells cells;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (flags[r][c] == 1) cells.emplace_back(r, c);
  return cells;
}

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

class FormsTest : public QObject {
  Q_OBJECT
  PseudoRandom random_{1};

 private slots:
  // The parsed style, "shown icon slots|buttons=answers": pieces keep their
  // order, case and outer blanks do not count, unknown or empty pieces are
  // skipped, icons alone get "Ok", buttons past three are dropped.
  void style() {
    const std::pair<const char*, const char*> rows[] = {
        {"vbquestion+vbexclamation+vbinformation+vberror+vbcritical+vbhappy+vbtrash+vbprint+vblighton+vbcustom",
         "0,1,2,3,4,5,6,7,8,10|Ok=1"},
        {"vbokonly", "|Ok=1"}, {"vbnormal", "|Ok=0"}, {"vbcancelok", "|Ok=1,Cancel=2"},
        {"vbyesnocancel", "|Yes=6,No=7,Cancel=2"}, {"vbretrycancel", "|Retry=4,Cancel=2"},
        {"vbabort+vbignore", "|Abort=3,Ignore=5"}, {"vbabortretryignore", "|Abort=3,Retry=4,Ignore=5"},
        {"vbcontinuecancel", "2|Continue=6,Cancel=2"},  // with the information icon
        {"vbYesNo+vbquestion", "0|Yes=6,No=7"}, {"vbcancel+vbok", "|Cancel=2,Ok=1"},
        {"  VBOK +  VbExclamation ", "1|Ok=1"}, {"", "|Ok=1"}, {"vbyes+vbfoo+vbno", "|Yes=6,No=7"},
        {"vb ok+vbinformation", "2|Ok=1"}, {"+vbretry++", "|Retry=4"},
        {"vbok+vbabortretryignore", "|Ok=1,Abort=3,Retry=4"}};
    for (const auto& [style, expected] : rows) {
      const kalvero::MsgStyle parsed = kalvero::ParseMsgStyle(style);
      QStringList icons, buttons;
      for (int slot = 0; slot < kalvero::kMsgIconSlots; ++slot)
        if (parsed.icons[slot]) icons << QString::number(slot);
      for (const auto& b : parsed.buttons)
        buttons << QStringLiteral("%1=%2").arg(QString::fromStdString(b.caption)).arg(static_cast<int>(b.result));
      QCOMPARE(icons.join(',') + '|' + buttons.join(','), QString(expected));
    }
  }

  // A message box ("vb..." styles) or an input box with the default "5"
  // ("text", or "digits" only). Steps: "click N" / "right N" release button
  // N with that mouse button; "keys N" presses Y and Space on it, which do
  // not answer, then Enter; "escape" and "return" press that key where the
  // focus is (Escape on a button goes to the window: Cancel wherever it is,
  // else the last button); "type:TEXT" types; "default" puts "5" back.
  void answers() {
    const QString input = "Enter,Default,Cancel";
    const struct { QString style, steps, captions, result; } rows[] = {
        {"vbYesNo+vbquestion", "click 1", "Yes,No", "7"}, {"vbokcancel", "right 1", "Ok,Cancel", "2"},
        {"vbyesno", "keys 1", "Yes,No", "7"}, {"vbcancel+vbok", "escape", "Cancel,Ok", "2"},
        {"vbyesno", "escape", "Yes,No", "7"}, {"digits", "click 0", input, "5"},
        {"text", "type:ab7;click 0", input, "ab7"}, {"digits", "type:1a2b3;click 0", input, "123"},
        {"digits", "type:77;default;type:9;click 0", input, "59"}, {"digits", "type:42;click 2", input, ""},
        {"text", "type:42;escape", input, ""}, {"digits", "type:8;return", input, "8"}};
    for (const auto& [style, steps, captions, result] : rows) {
      const bool message = style.startsWith("vb");
      MsgForm form;
      WhenShown(form, false, [&] {
        auto* field = Child<QLineEdit>(form, "Text1");
        QCOMPARE(VisibleCaptions(form), captions);
        QCOMPARE(field->isVisible(), !message);
        for (const QString& step : steps.split(';')) {
          BoxControl* button = Button(form, step.section(' ', 1).toInt());
          if (step.startsWith("type:")) {
            QTest::keyClicks(field, step.mid(5));
          } else if (step == "default") {
            QTest::mouseClick(Button(form, 1), Qt::LeftButton);
            QVERIFY(form.isVisible() && form.focusWidget() == field);
          } else if (step == "escape" || step == "return") {
            QTest::keyClick(form.focusWidget(), step == "escape" ? Qt::Key_Escape : Qt::Key_Return);
          } else if (step.startsWith("keys")) {
            QTest::keyClicks(button, "y ");  // Y and Space
            QVERIFY(form.isVisible());
            QTest::keyClick(button, Qt::Key_Return);
          } else {
            QTest::mouseClick(button, step.startsWith("right") ? Qt::RightButton : Qt::LeftButton);
          }
        }
      });
      const QString answer = message ? QString::number(form.MsgboxA("Question?", style))
                                     : form.Inputbox("Number?", "5", style == "digits");
      QCOMPARE(answer, result);
    }
  }

  // Reused after an input box, the window hides the field and spare buttons,
  // centres the row and keeps line breaks; a black background gives way to
  // the control colour, which the buttons take with the font one point less.
  void reuseAndAppearance() {
    MsgForm form;
    const QColor control(200, 30, 30);
    form.SetAppearance(Qt::black, control, QFont("Ariel", 12, QFont::Bold), QColor(10, 10, 10));
    WhenShown(form, false, [&] { QTest::mouseClick(Button(form, 2), Qt::LeftButton); });
    form.Inputbox("Name?", QString(), false);
    WhenShown(form, false, [&] {
      QCOMPARE(VisibleCaptions(form), QStringLiteral("Ok,Cancel"));
      QVERIFY(!Child<QLineEdit>(form, "Text1")->isVisible());
      const QLabel* label = Child<QLabel>(form, "Label1");
      QCOMPARE(label->text(), QStringLiteral("A much longer first line of the message\nand a second line"));
      const QRect first = Button(form, 0)->geometry(), last = Button(form, 1)->geometry();
      QVERIFY2(std::abs(first.left() - (form.width() - 1 - last.right())) <= 1, "the button row is not centred");
      QCOMPARE(form.palette().color(QPalette::Window), control);
      QCOMPARE(Button(form, 0)->BackColor(), control);
      QCOMPARE(Button(form, 0)->font().pointSize(), 11);
      QVERIFY(Button(form, 0)->font().bold());
      QTest::mouseClick(Button(form, 0), Qt::LeftButton);
    });
    form.MsgboxA("A much longer first line of the message\r\nand a second line", "vbokcancel");
  }

  // Every widget of a window shares the window's one form. A long text
  // wraps, so the box is no wider than its window or two thirds of the
  // screen, whichever is wider; a short one after it does not.
  void oneFormPerWindow() {
    QWidget top;
    QWidget child(&top);
    top.resize(300, 200);
    top.show();
    for (QWidget* asking : {&child, &top}) {
      QTimer::singleShot(0, &top, [&top] { QTest::mouseClick(Button(*top.findChild<MsgForm*>(), 1), Qt::LeftButton); });
      QCOMPARE(MsgboxA(asking, "Again?", "vbyesno"), 7);
    }
    MsgForm& form = MessageForm(child);
    QCOMPARE(top.findChildren<MsgForm*>().size(), 1);  // both boxes and the look-up found one form
    const int widest = std::max(300, top.screen()->availableGeometry().width() * 2 / 3);
    for (const QString& text : {QStringLiteral("word ").repeated(150).trimmed(), QStringLiteral("Short")}) {
      WhenShown(form, true, [&] {
        QCOMPARE(Child<QLabel>(form, "Label1")->wordWrap(), text.size() > 5);
        QVERIFY(form.width() <= widest);
      });
      form.MsgboxA(text, "vbok");
    }
  }

  // The button pressed ("Print", "Cancel" or "Escape"), "Range" chosen or
  // not and its text; the tags and message that follow.
  void printWindow() {
    const struct { QString press; bool range; QString text, tag, rangeTag, message; } rows[] = {
        {"Print", false, "junk", "Y", "", ""},  // the current puzzle: no range read
        {"Print", true, "99999-100002", "Y", "99999100002", ""},
        {"Print", true, "10-5", "X", "", "Print range not correct"},
        {"Cancel", true, "5-10", "", "", ""}, {"Escape", false, "", "", "", ""}};
    for (const auto& c : rows) {
      PrinterChoice printer;
      PrntForm form(printer);
      form.Prepare("puzzles.txt", "/data/puzzles.txt", 200000);
      QCOMPARE(Child<QLabel>(form, "Label3")->toolTip(), QStringLiteral("/data/puzzles.txt"));
      form.show();
      Child<QRadioButton>(form, c.range ? "Option2" : "Option1")->setChecked(true);
      Child<QLineEdit>(form, "Text1")->setText(c.text);
      MessageAnswerer answerer;
      if (c.press == "Escape") QTest::keyClick(&form, Qt::Key_Escape);
      else QTest::mouseClick(Child<BoxControl>(form, c.press == "Print" ? "Command1" : "Command2"), Qt::LeftButton);
      QCOMPARE(form.Tag(), c.tag);
      QCOMPARE(form.RangeTag(), c.rangeTag);
      if (!c.rangeTag.isEmpty()) QCOMPARE(QString("%1-%2").arg(form.Range().first).arg(form.Range().last), c.text);
      QCOMPARE(answerer.seen.join('|'), c.message);
      QCOMPARE(form.isVisible(), c.tag == "X");
    }
  }

  // A file chosen in the print dialog ("Print to file") is used as it is:
  // printing does not ask for its name a second time.
  void printToFileChosenInTheDialog() {
    PrinterChoice printer;
    int asked = 0;
    printer.SetFileAsker([&asked](QWidget*, const QString& suggested) { ++asked; return suggested; });
    QTimer::singleShot(0, [] { qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())->accept(); });
    QVERIFY(printer.Select(nullptr));
    QVERIFY(printer.IsPdf());
    QVERIFY(printer.PrepareOutput(nullptr));
    QCOMPARE(asked, 0);
  }

  // "Set" puts a preset (its cells are checked with the pattern table) or 1
  // to 49 random cells in place of the drawn ones; other counts are refused.
  void setPattern() {
    const struct { int option; QString count; int flags; } rows[] = {
        {0, "9", 9}, {1, "6", 6}, {2, "3", 3}, {3, "1", 1}, {3, "49", 49}, {3, "0", 0}, {3, "50", 0}};
    for (const auto& row : rows) {
      CreateOptionsForm form(random_);
      form.ToggleCell(1, 1);  // in no preset
      form.SelectOption(static_cast<CreateOptionsForm::PatternOption>(row.option));
      if (row.option == 3) Child<QLineEdit>(form, "Text3")->setText(row.count);
      QCOMPARE(Child<QLineEdit>(form, "Text3")->text(), row.count);
      MessageAnswerer answers;
      form.SetPattern();
      QCOMPARE(answers.seen, row.flags ? QStringList() : QStringList{"Fixed cells must be 1 to 49"});
      Grid<int> preset{};
      SetPresetPattern(preset, row.flags);
      if (row.option < 3) QCOMPARE(form.Pattern(), preset);
      else if (row.flags > 0) QCOMPARE(int(FlaggedCells(form.Pattern()).size()), row.flags);
      else QCOMPARE(FlaggedCells(form.Pattern()), (Cells{{1, 1}}));
    }
  }

  // A click toggles the cell under the pointer; cells off the grid are ignored.
  void drawing() {
    CreateOptionsForm form(random_);
    form.show();
    auto* grid = form.findChild<PatternGrid*>(QStringLiteral("Picture1"));
    // The centre of cell (5, 6): the grid maps twips to pixels by its scale.
    const double scale = std::min(grid->width(), grid->height()) / (9.0 * 200 + 30);
    const QPoint centre(qRound((15 + 5.5 * 200) * scale), qRound((15 + 4.5 * 200) * scale));
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre);
    form.ToggleCell(9, 9);
    form.ToggleCell(10, 1);
    QCOMPARE(FlaggedCells(form.Pattern()), (Cells{{5, 6}, {9, 9}}));
    form.ToggleCell(5, 6);
    QCOMPARE(FlaggedCells(form.Pattern()), (Cells{{9, 9}}));
  }

  // "Create" refuses a missing pattern, count or output name, in that order;
  // preparing again forgets answer and drawing, and keeps the output name
  // only where the batch writes it (relative to the application folder).
  // "..." keeps the name when cancelled and adds ".txt" to a name without a
  // dot (the rest is checked with the file commands); "Exit" does not accept.
  void acceptOutputFileAndExit() {
    const QString folder = qEnvironmentVariable("KALVERO_DATA") + '/', defaultFile = folder + "newpuzmulti.txt";
    CreateOptionsForm form(random_);
    MessageAnswerer answers;
    Child<QLineEdit>(form, "Text2")->setText("0");
    Child<QLineEdit>(form, "Text1")->setText("   ");
    form.AcceptOptions();
    form.ToggleCell(1, 1);
    form.AcceptOptions();
    Child<QLineEdit>(form, "Text2")->setText("5");
    form.AcceptOptions();
    QVERIFY(!form.Accepted());
    QCOMPARE(answers.seen, (QStringList{"There must be at least one fixed cell", "Set number of puzzles to create",
                                        "Specify the puzzle output file name"}));
    Child<QLineEdit>(form, "Text1")->setText(folder + "gone.txt");
    form.AcceptOptions();
    QVERIFY(form.Accepted());
    form.Prepare(defaultFile, folder);
    QVERIFY(!form.Accepted());
    QVERIFY(FlaggedCells(form.Pattern()).empty());
    QCOMPARE(Child<QLineEdit>(form, "Text3")->text(), QStringLiteral("9"));
    QCOMPARE(form.OutputFile(), defaultFile);
    Child<QLineEdit>(form, "Text1")->setText("all.col");  // a file in the folder
    form.Prepare(defaultFile, folder);
    QCOMPARE(form.OutputFile(), QStringLiteral("all.col"));

    QString chosen;  // an open dialog would answer "opened"
    form.findChild<FNDialog*>(QStringLiteral("gf1"))->SetDialogRunner(
        [&](const FileDialogRequest& request) { return request.save ? chosen : QStringLiteral("opened"); });
    form.ChooseOutputFile();
    QCOMPARE(form.OutputFile(), QStringLiteral("all.col"));
    chosen = QStringLiteral("/home/me/batch");
    form.ChooseOutputFile();
    QCOMPARE(form.OutputFile(), QStringLiteral("/home/me/batch.txt"));

    form.ToggleCell(1, 1);
    form.show();
    QTest::mouseClick(form.findChild<BoxControl*>(QStringLiteral("BoxControl3")), Qt::LeftButton);
    QVERIFY(!form.Accepted() && !form.isVisible());
  }

  // Assistive tools announce every control of the options and create-options
  // windows by what it is, not by a bare "...". A combo box's name on Linux
  // is its current text, so the scheme list is labelled by its frame.
  void everyControlIsNamed() {
    OptionsFixture options;
    CreateOptionsForm create(random_);
    for (QWidget* window : {static_cast<QWidget*>(&options.form), static_cast<QWidget*>(&create)}) {
      for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool isControl = qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractSlider*>(control) ||
                               qobject_cast<BoxControl*>(control) || qobject_cast<PatternGrid*>(control);
        if (!isControl || control->isHidden()) continue;
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && name != "...", qPrintable(control->objectName()));
      }
    }
    const auto labels = QAccessible::queryAccessibleInterface(options.form.findChild<QComboBox*>())
                            ->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QVERIFY(labels.first().first->text(QAccessible::Name).startsWith("Colour Scheme"));
  }

  // Swatch, switch, line size (halves to even) and scheme reach the settings
  // only through "Apply", which keeps the window open; "Exit" drops them. A
  // chosen scheme is previewed in the colour table at once.
  void optionsApplyAndExit() {
    OptionsFixture f;
    f.settings.GridColour = Rgb(1, 2, 3);
    const auto chosen = [&s = f.settings] {  // what the window changes
      return std::tuple(s.GridColour, s.PencilTooltip, s.PrinterLineSize, s.SchemeFile);
    };
    const auto before = chosen();
    QSignalSpy applied(&f.form, &OptionsForm::applied);
    const auto change = [&f](const char* lineSize) {
      f.form.show();
      QCOMPARE(f.form.SwatchColour(OptionsForm::Swatch::Grid), f.settings.GridColour);
      Child<ColPik>(f.form, "ColPik1")->PickAtTwips(QPointF(100, 20));  // palette colour 0, black
      QTest::mouseClick(Child<BoxControl>(f.form, "Label2"), Qt::LeftButton);  // into the grid swatch
      QCOMPARE(f.form.SwatchColour(OptionsForm::Swatch::Grid), Rgb(0, 0, 0));
      Child<QCheckBox>(f.form, "Check1")->setChecked(true);  // off before
      Child<QLineEdit>(f.form, "Text1")->setText(lineSize);
      Child<QComboBox>(f.form, "Combo1")->setCurrentText("ocean");
      f.form.ChooseScheme("ocean");
    };
    change("30");
    SchemeColours ocean{};
    QVERIFY(PreviewScheme(SchemeList(), "ocean.col", 0, ocean));
    QCOMPARE(f.colours[kBackgroundEntry], ocean[kBackgroundEntry]);
    QCOMPARE(f.colours[kUserControlEntry], ocean[kControlEntry]);
    QTest::mouseClick(Child<BoxControl>(f.form, "Command2"), Qt::LeftButton);
    QVERIFY(!f.form.isVisible());
    QCOMPARE(applied.count(), 0);
    QVERIFY(chosen() == before);

    change("7.5");
    QTest::mouseClick(Child<BoxControl>(f.form, "Command1"), Qt::LeftButton);
    QVERIFY(f.form.isVisible());
    QCOMPARE(applied.count(), 1);
    QVERIFY(chosen() == std::tuple(Rgb(0, 0, 0), 1, 8, std::string("ocean.col")));
    Child<QLineEdit>(f.form, "Text1")->setText("6.5");
    f.form.Apply();
    QCOMPARE(f.settings.PrinterLineSize, 6);
    // "+-" changes the control colour at once: the left button darkens each
    // channel down to 10, the right one lightens it up to 255, others do nothing.
    const std::pair<int, Colour> rows[] = {{4, Rgb(30, 250, 60)}, {1, Rgb(10, 150, 10)}, {2, Rgb(130, 255, 160)}};
    for (const auto& [button, end] : rows) {
      f.colours[kControlEntry] = Rgb(30, 250, 60);
      for (int i = 0; i < 10; ++i) f.form.AdjustControlColour(button);
      QCOMPARE(f.colours[kControlEntry], end);
      if (button == 4) continue;
      QCOMPARE(f.colours[kUserControlEntry], end);
      QCOMPARE(f.settings.SchemeColour13, end);
    }
    OptionsFixture unlisted(std::vector<std::string>{});  // with no scheme listed the scheme stays
    unlisted.form.Apply();
    QCOMPARE(unlisted.settings.SchemeFile, std::string("xp.col"));
  }

  // The help window shows the shipped page; the About window closes by its
  // button, a click in its text or Escape.
  void helpAndAbout() {
    HelpWindow help;
    help.SetUrl(QUrl::fromLocalFile(qEnvironmentVariable("KALVERO_DATA") + "/kalvero.htm"));
    QCOMPARE(help.Browser()->documentTitle(), QStringLiteral("Kalvero Help"));
    for (const QString way : {"button", "text", "escape"}) {
      AboutForm about(Rgb(20, 40, 100), Rgb(230, 230, 230));
      about.show();
      if (way == "button") QTest::mouseClick(about.OkButton(), Qt::LeftButton);
      else if (way == "text") QTest::mousePress(about.TextBox(), Qt::LeftButton);
      else QTest::keyClick(&about, Qt::Key_Escape);
      QVERIFY2(!about.isVisible(), qPrintable(way));
    }
  }
};

QTEST_MAIN(FormsTest)
#include "test_forms.moc"
