// The small controls: BoxControl, FNDialog, FittedLabel, the colour picker
// (shading arithmetic, palette, picks) and the button and icon pictures.
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/box_control.h"
#include "ui/button_pictures.h"
#include "ui/col_pik.h"
#include "ui/col_pik_palette.h"
#include "ui/fitted_label.h"
#include "ui/fn_dialog.h"
#include "ui/msg_icons.h"

using namespace kalvero;

class TestControls : public QObject {
  Q_OBJECT

 private slots:
  // A text too long for the label is cut with "…" and whole in the tooltip and
  // accessible description; a wider label shows it whole again.
  void fittedLabel() {
    const struct { bool wrap; QString text; bool cut; } rows[] = {
        {false, "p# 1 of 90", false}, {false, "p# 1 of 1000080 and more", true}, {true, "Puzzle read", false},
        {true, QString("Clue 10 above column 1: only 1+2+7 fits ").repeated(6), true}};
    for (const auto& row : rows) {
      FittedLabel label(FittedLabel::Telling::WholeTextEverywhere);
      label.setWordWrap(row.wrap);
      label.show();
      const int height = 3 * label.fontMetrics().height();
      label.resize(label.fontMetrics().horizontalAdvance("p# 1 of 90 "), height);
      label.SetFullText(row.text);
      QCOMPARE(label.text().endsWith(QStringLiteral("\u2026")), row.cut);
      QCOMPARE(label.toolTip(), row.cut ? row.text : QString());
      QCOMPARE(label.accessibleDescription(), row.text);
      label.resize(label.fontMetrics().horizontalAdvance(row.text) + 10, height);
      QCOMPARE(label.text(), row.text);
    }
  }

  // A press and release report the button's number (1 left, 2 right,
  // 4 middle) and the Shift held; only a left release inside clicks. Space
  // presses and clicks too; other keys are only reported.
  void boxControl() {
    BoxControl button(QStringLiteral("Load"));
    button.resize(80, 30);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    const struct { Qt::MouseButton mouse; bool inside; int reported, clicks; } rows[] = {
        {Qt::LeftButton, true, 1, 1}, {Qt::RightButton, true, 2, 0}, {Qt::MiddleButton, true, 4, 0},
        {Qt::LeftButton, false, 1, 0}};  // dragged off
    for (const auto& row : rows) {
      QSignalSpy downs(&button, &BoxControl::mouseDown), ups(&button, &BoxControl::mouseUp);
      QSignalSpy clicked(&button, &BoxControl::clicked);
      QTest::mousePress(&button, row.mouse, Qt::ShiftModifier, QPoint(40, 15));
      QCOMPARE(button.IsDown(), row.mouse != Qt::MiddleButton);
      QTest::mouseRelease(&button, row.mouse, Qt::ShiftModifier, row.inside ? QPoint(40, 15) : QPoint(150, 60));
      QVERIFY(!button.IsDown());
      QCOMPARE(downs.count(), 1);
      QCOMPARE(ups.count(), 1);
      QCOMPARE(downs.at(0).at(0).toInt(), row.reported);
      QCOMPARE(ups.at(0).at(0).toInt(), row.reported);
      QCOMPARE(ups.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
      QCOMPARE(clicked.count(), row.clicks);
    }
    QSignalSpy clicked(&button, &BoxControl::clicked), keyDowns(&button, &BoxControl::keyDown);
    QTest::keyPress(&button, Qt::Key_Space);
    QVERIFY(button.IsDown());
    QTest::keyRelease(&button, Qt::Key_Space);
    QVERIFY(!button.IsDown());
    QTest::keyClick(&button, Qt::Key_A);
    QCOMPARE(clicked.count(), 1);  // by Space, not by A
    QCOMPARE(keyDowns.at(1).at(0).toInt(), int(Qt::Key_A));
  }

  // The request the dialog runner gets (save only for "save" in any case),
  // and the answer cut at a NUL and then trimmed; whatever the dialog does
  // to the working folder, the caller gets its own back.
  void fileDialog() {
    QWidget window;
    FNDialog dialog(&window);
    dialog.SetFileTypes(QStringLiteral("*.txt"));
    dialog.SetFileTypesName(QStringLiteral("Kalvero Files"));
    dialog.SetTitle(QStringLiteral("Open puzzle file"));
    dialog.SetDefaultDir(QStringLiteral("/data/puzzles"));
    QTemporaryDir elsewhere;
    QString answer;
    FileDialogRequest seen;
    dialog.SetDialogRunner([&](const FileDialogRequest& request) {
      seen = request;
      QDir::setCurrent(elsewhere.path());
      return answer;
    });
    const QString before = QDir::currentPath(), file = QStringLiteral("/data/puzzles/new.txt");
    const struct { QString mode; bool save; QString answer, result; } rows[] = {
        {"Save", true, file, file}, {"saveas", false, file, file},
        {"open", false, QStringLiteral("  /tmp/a b.txt  ") + QChar(0) + QStringLiteral("junk"), "/tmp/a b.txt"}};
    for (const auto& row : rows) {
      answer = row.answer;
      QCOMPARE(dialog.GetFileName(row.mode, QStringLiteral("new.txt")), row.result);
      QCOMPARE(QDir::currentPath(), before);
      QCOMPARE(seen.save, row.save);
      QCOMPARE(seen.startPath, file);
    }
    QCOMPARE(seen.filter, QStringLiteral("Kalvero Files (*.txt)"));
    QCOMPARE(seen.title, QStringLiteral("Open puzzle file"));
    QCOMPARE(seen.owner, &window);
    dialog.GetFileName(QStringLiteral("open"));  // without a default name: the default folder
    QCOMPARE(seen.startPath, QStringLiteral("/data/puzzles/"));

    // Files chosen to save into are appended to: the system's save dialog
    // must not ask whether to replace one.
    bool confirms = true;
    QTimer::singleShot(0, [&] {
      auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(shown);
      confirms = !shown->testOption(QFileDialog::DontConfirmOverwrite);
      shown->reject();
    });
    seen.save = true;
    QVERIFY(RunSystemFileDialog(seen).isEmpty());
    QVERIFY(!confirms);
  }

  // Darkening (clrBlackness) and lightening (clrWhiteness) by an amount out
  // of 256, halves rounded to even.
  void shade() {
    const struct { bool lighten; Colour colour; int amount; Colour expected; } rows[] = {
        {false, Rgb(100, 200, 50), 200, Rgb(78, 156, 39)}, {false, Rgb(100, 200, 0), 512, Rgb(200, 255, 0)},
        {true, Rgb(12, 200, 255), 256, Rgb(12, 200, 255)}, {true, Rgb(12, 200, 33), 0, Rgb(255, 255, 255)},
        {true, Rgb(100, 50, 200), 100, Rgb(194, 175, 234)}, {false, Rgb(1, 3, 5), 128, Rgb(0, 2, 2)},  // 0.5, 1.5, 2.5
        {true, Rgb(1, 5, 9), 192, Rgb(64, 68, 70)}};  // 64.5, 67.5, 70.5: the sum is rounded as a whole
    for (const auto& row : rows)
      QCOMPARE(row.lighten ? clrWhiteness(row.colour, row.amount) : clrBlackness(row.colour, row.amount), row.expected);
  }

  // A release picks the palette box under it (columns read down, edges in),
  // the selected-colour box keeps the colour, the rest above the sliders
  // gives the background; a pick moves the sliders without more picks.
  void pick() {
    const Colour back = Rgb(210, 220, 230), kept = Rgb(1, 2, 3);
    const struct { QPointF twips; Colour expected; } rows[] = {
        {{30, 10}, Rgb(0, 0, 0)}, {{230, 65}, Rgb(0, 0, 0)},  // the first box's corners
        {{130, 100}, Rgb(0, 0, 128)}, {{300, 20}, Rgb(128, 0, 0)}, {{500, 150}, Rgb(0, 255, 0)},
        {{905, 260}, Rgb(255, 255, 255)},                       // the last box's far corner
        {{240, 30}, back}, {{100, 70}, back}, {{906, 30}, back},  // between boxes, right of them
        {{500, 500}, kept}, {{100, 900}, kept}};                  // the selected-colour box, the slider area
    for (const auto& row : rows) {
      ColPik picker;
      picker.SetBackColor(QColor(210, 220, 230));
      picker.SetSchemeColor(kept);
      QSignalSpy spy(&picker, &ColPik::colourPicked);
      picker.PickAtTwips(row.twips);
      QCOMPARE(spy.count(), row.twips.y() < 900 ? 1 : 0);  // one pick, none echoed by the sliders
      QCOMPARE(picker.SchemeColor(), row.expected);
    }
    // A real mouse release goes through the pixel-to-twip mapping; moving a
    // slider picks the mixed colour, which the sliders left by the pick show.
    ColPik picker;
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QSignalSpy spy(&picker, &ColPik::colourPicked);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, picker.TwipsToPixels(705, 140, 905, 195).center());
    QCOMPARE(picker.SchemeColor(), Rgb(255, 255, 0));  // column 4, row 3: yellow
    QCOMPARE(picker.findChild<QLabel*>("lblGreenDegree")->text(), QStringLiteral("255"));
    picker.findChild<QSlider*>("hsrBlue")->setValue(200);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(picker.SchemeColor(), Rgb(255, 255, 200));
    QCOMPARE(picker.findChild<QLabel*>("lblBlueDegree")->text(), QStringLiteral("200"));
  }

  // Button pictures and message icons, drawn at pixel ratio 2, stay in the
  // square centred in their rectangle, fill a fair part of it (the unused
  // icon slot 9 nothing) and leave the painter's transform alone.
  void picturesStayInTheirSquare() {
    for (int i = 0; i < 21; ++i) {  // 10 button pictures, then icon slots 0 to 10
      QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(2);
      image.fill(Qt::transparent);
      {
        QPainter painter(&image);
        const QRectF wide(10, 10, 80, 40);  // logical; the square is x 30..70, y 10..50
        if (i < 10) ButtonPicturePainter(static_cast<ButtonPicture>(i))(painter, wide);
        else DrawMessageIcon(painter, wide, i - 10);
        QVERIFY(painter.transform().isIdentity());
      }
      int inside = 0, outside = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (qAlpha(image.pixel(x, y)) != 0) ++(x >= 59 && x <= 140 && y >= 19 && y <= 100 ? inside : outside);
      QVERIFY2(outside == 0, qPrintable(QString::number(i)));
      QVERIFY2(i == 19 ? inside == 0 : inside > 80 * 80 / 10, qPrintable(QStringLiteral("%1: %2").arg(i).arg(inside)));
    }
  }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
