// The colour picker: darkening and lightening arithmetic, palette layout and
// what a release over the control picks.
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include "ui/col_pik.h"
#include "ui/col_pik_palette.h"

using kalvero::Colour;
using kalvero::Rgb;

class TestColPik : public QObject {
  Q_OBJECT

 private slots:
  // Darkening (clrBlackness) and lightening (clrWhiteness) by an amount out
  // of 256, halves rounded to even.
  void shade_data() {
    QTest::addColumn<bool>("lighten");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<int>("amount");
    QTest::addColumn<Colour>("expected");
    QTest::newRow("darken: 256 keeps the colour") << false << Rgb(12, 200, 255) << 256 << Rgb(12, 200, 255);
    QTest::newRow("darken: 0 gives black") << false << Rgb(12, 200, 255) << 0 << Rgb(0, 0, 0);
    QTest::newRow("darken: plain rounding") << false << Rgb(100, 200, 50) << 200 << Rgb(78, 156, 39);
    // 0.5, 1.5, 2.5 and 127.5, 3.5, 4.5 round to even.
    QTest::newRow("darken: halves to even, low") << false << Rgb(1, 3, 5) << 128 << Rgb(0, 2, 2);
    QTest::newRow("darken: halves to even, high") << false << Rgb(255, 7, 9) << 128 << Rgb(128, 4, 4);
    QTest::newRow("darken: above 256 caps at 255") << false << Rgb(100, 200, 0) << 512 << Rgb(200, 255, 0);
    QTest::newRow("lighten: 256 keeps the colour") << true << Rgb(12, 200, 255) << 256 << Rgb(12, 200, 255);
    QTest::newRow("lighten: 0 gives white") << true << Rgb(12, 200, 33) << 0 << Rgb(255, 255, 255);
    QTest::newRow("lighten: plain rounding") << true << Rgb(100, 50, 200) << 100 << Rgb(194, 175, 234);
    // 127.5, 128.5 and 129.5 round to even.
    QTest::newRow("lighten: halves to even at 128") << true << Rgb(0, 2, 4) << 128 << Rgb(128, 128, 130);
    // 64.5, 67.5, 70.5: the whole sum is rounded, not the added part alone.
    QTest::newRow("lighten: halves rounded as a whole") << true << Rgb(1, 5, 9) << 192 << Rgb(64, 68, 70);
  }

  void shade() {
    QFETCH(bool, lighten);
    QFETCH(Colour, colour);
    QFETCH(int, amount);
    QFETCH(Colour, expected);
    QCOMPARE(lighten ? kalvero::clrWhiteness(colour, amount) : kalvero::clrBlackness(colour, amount), expected);
  }

  // A release at a twip position: the palette box under it (columns read
  // down, in palette order), the selected-colour box keeps the colour, the
  // rest of the control above the sliders picks its background, and the
  // slider area picks nothing.
  void pick_data() {
    QTest::addColumn<QPointF>("twips");
    QTest::addColumn<bool>("picks");
    QTest::addColumn<Colour>("expected");
    const Colour back = Rgb(210, 220, 230);
    QTest::newRow("first box, top left corner") << QPointF(30, 10) << true << Rgb(0, 0, 0);
    QTest::newRow("first box, bottom right corner") << QPointF(230, 65) << true << Rgb(0, 0, 0);
    QTest::newRow("column 1, row 2: dark blue") << QPointF(130, 100) << true << Rgb(0, 0, 128);
    QTest::newRow("column 2, row 1: dark red") << QPointF(300, 20) << true << Rgb(128, 0, 0);
    QTest::newRow("column 2, row 4: light grey") << QPointF(300, 230) << true << Rgb(192, 192, 192);
    QTest::newRow("column 3, row 3: green") << QPointF(500, 150) << true << Rgb(0, 255, 0);
    QTest::newRow("column 4, row 1: red") << QPointF(800, 20) << true << Rgb(255, 0, 0);
    QTest::newRow("last box, far corner: white") << QPointF(905, 260) << true << Rgb(255, 255, 255);
    QTest::newRow("gap between columns") << QPointF(240, 30) << true << back;
    QTest::newRow("gap between rows") << QPointF(100, 70) << true << back;
    QTest::newRow("left of the palette") << QPointF(10, 30) << true << back;
    QTest::newRow("right of the palette") << QPointF(906, 30) << true << back;
    QTest::newRow("below the palette") << QPointF(100, 265) << true << back;
    QTest::newRow("selected box keeps the colour") << QPointF(500, 500) << true << Rgb(1, 2, 3);
    QTest::newRow("slider area picks nothing") << QPointF(100, 900) << false << Rgb(1, 2, 3);
  }

  void pick() {
    QFETCH(QPointF, twips);
    QFETCH(bool, picks);
    QFETCH(Colour, expected);
    kalvero::ColPik picker;
    picker.SetBackColor(QColor(210, 220, 230));
    picker.SetSchemeColor(Rgb(1, 2, 3));
    QSignalSpy spy(&picker, &kalvero::ColPik::colourPicked);

    picker.PickAtTwips(twips);

    QCOMPARE(spy.count(), picks ? 1 : 0);
    if (picks) QCOMPARE(spy.at(0).at(0).value<Colour>(), expected);
    QCOMPARE(picker.SchemeColor(), expected);
    QCOMPARE(picker.findChild<QSlider*>("hsrRed")->value(), kalvero::RedOf(expected));
    QCOMPARE(picker.findChild<QSlider*>("hsrGreen")->value(), kalvero::GreenOf(expected));
    QCOMPARE(picker.findChild<QSlider*>("hsrBlue")->value(), kalvero::BlueOf(expected));
    QCOMPARE(picker.findChild<QLabel*>("lblGreenDegree")->text(), QString::number(kalvero::GreenOf(expected)));
  }

  // A real mouse release goes through the pixel-to-twip mapping.
  void mouseReleasePicksUnderThePointer() {
    kalvero::ColPik picker;
    picker.resize(picker.sizeHint());
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QSignalSpy spy(&picker, &kalvero::ColPik::colourPicked);
    const QPoint pixel = picker.TwipsToPixels(705, 140, 905, 195).center();  // column 4, row 3
    QTest::mouseClick(&picker, Qt::LeftButton, {}, pixel);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(picker.SchemeColor(), Rgb(255, 255, 0));  // index 14, yellow
  }

  void sliderMixesColour() {
    kalvero::ColPik picker;
    picker.SetSchemeColor(Rgb(10, 20, 30));
    QSignalSpy spy(&picker, &kalvero::ColPik::colourPicked);
    picker.findChild<QSlider*>("hsrBlue")->setValue(200);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(picker.SchemeColor(), Rgb(10, 20, 200));
    QCOMPARE(picker.findChild<QLabel*>("lblBlueDegree")->text(), QStringLiteral("200"));
  }
};

QTEST_MAIN(TestColPik)
#include "test_col_pik.moc"
