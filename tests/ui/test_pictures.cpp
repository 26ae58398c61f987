// The vector pictures of buttons and message icons: each stays inside the
// square it is given (centred in a wider rectangle), fills a fair part of it
// (the unused icon slot nothing), and leaves the painter as it found it.
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <functional>

#include "ui/button_pictures.h"
#include "ui/msg_icons.h"

using Draw = std::function<void(QPainter&, const QRectF&)>;
Q_DECLARE_METATYPE(Draw)

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  void staysInItsSquare_data() {
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<bool>("draws");
    const char* const buttons[] = {"Load", "Undo", "Previous", "Random", "Next",
                                   "Create", "ShowSolution", "Verify", "Pencil", "Reset"};
    for (int i = 0; i < 10; ++i) {
      const auto picture = static_cast<kalvero::ButtonPicture>(i);
      QTest::addRow("button %s", buttons[i]) << Draw(kalvero::ButtonPicturePainter(picture)) << true;
    }
    for (int slot = 0; slot <= 10; ++slot) {
      QTest::addRow("icon slot %d", slot)
          << Draw([slot](QPainter& p, const QRectF& r) { kalvero::DrawMessageIcon(p, r, slot); }) << (slot != 9);
    }
  }

  void staysInItsSquare() {
    QFETCH(Draw, draw);
    QFETCH(bool, draws);
    // Drawn at device pixel ratio 2, as on a high-density screen.
    QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    const QRectF wide(10, 10, 80, 40);  // logical; the square is x 30..70, y 10..50
    QTransform after;
    {
      QPainter painter(&image);
      draw(painter, wide);
      after = painter.transform();
    }
    QVERIFY(after.isIdentity());

    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) == 0) continue;
        const bool inSquare = x >= 60 - 1 && x < 140 + 1 && y >= 20 - 1 && y < 100 + 1;
        ++(inSquare ? inside : outside);
      }
    }
    QCOMPARE(outside, 0);
    if (!draws)
      QCOMPARE(inside, 0);
    else
      QVERIFY2(inside > 80 * 80 / 10, qPrintable(QString::number(inside)));
  }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
