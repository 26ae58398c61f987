#include "ui/msg_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/msg_style.h"
#include "ui/picture_square.h"

// Each icon is drawn on a 100 x 100 canvas scaled into the target square.
namespace kalvero {
namespace {

const QColor kOutline(50, 50, 55);

QPen Pen(const QColor& colour, qreal width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Disc(QPainter& p, const QColor& fill) {
  p.setPen(Pen(fill.darker(140), 4));
  p.setBrush(fill);
  p.drawEllipse(QPointF(50, 50), 44, 44);
}

// A bar with a dot below it (or above it when flipped), as in "!" and "i".
void BarAndDot(QPainter& p, const QColor& colour, bool dotOnTop, qreal top, qreal bottom) {
  p.setPen(Pen(colour, 12));
  if (dotOnTop) {
    p.drawLine(QPointF(50, top + 24), QPointF(50, bottom));
  } else {
    p.drawLine(QPointF(50, top), QPointF(50, bottom - 24));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(50, dotOnTop ? top + 4 : bottom - 4), 7.5, 7.5);
}

void Question(QPainter& p) {
  Disc(p, QColor(45, 110, 205));
  QPainterPath hook;
  hook.moveTo(33, 37);
  hook.cubicTo(33, 16, 67, 16, 67, 37);
  hook.cubicTo(67, 50, 50, 50, 50, 62);
  p.setPen(Pen(Qt::white, 11));
  p.setBrush(Qt::NoBrush);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(50, 79), 7, 7);
}

void Exclamation(QPainter& p) {
  p.setPen(Pen(QColor(170, 120, 0), 5));
  p.setBrush(QColor(250, 200, 30));
  p.drawPolygon(QPolygonF({{50, 6}, {95, 90}, {5, 90}}));
  BarAndDot(p, QColor(30, 30, 30), false, 34, 82);
}

void Information(QPainter& p) {
  Disc(p, QColor(40, 120, 210));
  BarAndDot(p, Qt::white, true, 22, 76);
}

void Error(QPainter& p) {
  Disc(p, QColor(210, 40, 40));
  p.setPen(Pen(Qt::white, 12));
  p.drawLine(QPointF(32, 32), QPointF(68, 68));
  p.drawLine(QPointF(68, 32), QPointF(32, 68));
}

void Critical(QPainter& p) {
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const double a = (22.5 + 45 * i) * std::numbers::pi / 180;
    octagon << QPointF(50 + 46 * std::cos(a), 50 + 46 * std::sin(a));
  }
  p.setPen(Pen(QColor(120, 0, 0), 4));
  p.setBrush(QColor(190, 20, 20));
  p.drawPolygon(octagon);
  BarAndDot(p, Qt::white, false, 20, 82);
}

void Happy(QPainter& p) {
  Disc(p, QColor(250, 205, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawEllipse(QPointF(35, 38), 6, 8);
  p.drawEllipse(QPointF(65, 38), 6, 8);
  QPainterPath smile;
  smile.moveTo(28, 58);
  smile.quadTo(50, 84, 72, 58);
  p.setPen(Pen(kOutline, 6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(smile);
}

void Trash(QPainter& p) {
  const QColor body(150, 155, 165);
  p.setPen(Pen(kOutline, 4));
  p.setBrush(body);
  p.drawPolygon(QPolygonF({{22, 28}, {78, 28}, {72, 94}, {28, 94}}));
  p.drawRoundedRect(QRectF(14, 16, 72, 11), 3, 3);
  p.drawRoundedRect(QRectF(40, 7, 20, 9), 3, 3);
  p.setPen(Pen(body.darker(160), 4));
  for (qreal x : {38.0, 50.0, 62.0}) p.drawLine(QPointF(x, 38), QPointF(x, 84));
}

void Print(QPainter& p) {
  p.setPen(Pen(kOutline, 4));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(28, 8, 44, 32));
  p.setBrush(QColor(110, 115, 125));
  p.drawRoundedRect(QRectF(8, 36, 84, 38), 6, 6);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(26, 62, 48, 30));
  p.setPen(Pen(QColor(150, 150, 150), 3));
  for (qreal y : {71.0, 79.0, 86.0}) p.drawLine(QPointF(33, y), QPointF(67, y));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 200, 80));
  p.drawEllipse(QPointF(80, 47), 4, 4);
}

void LightOn(QPainter& p) {
  p.setPen(Pen(QColor(240, 170, 0), 5));
  for (int i = 0; i < 7; ++i) {
    const double a = (180 + 30 * i) * std::numbers::pi / 180;
    const QPointF dir(std::cos(a), std::sin(a));
    p.drawLine(QPointF(50, 44) + dir * 29, QPointF(50, 44) + dir * 40);
  }
  QPainterPath bulb;
  bulb.moveTo(38, 70);
  bulb.cubicTo(38, 58, 24, 54, 24, 40);
  bulb.cubicTo(24, 22, 76, 22, 76, 40);
  bulb.cubicTo(76, 54, 62, 58, 62, 70);
  bulb.closeSubpath();
  p.setPen(Pen(QColor(170, 120, 0), 4));
  p.setBrush(QColor(255, 225, 70));
  p.drawPath(bulb);
  p.setPen(Pen(kOutline, 3));
  p.setBrush(QColor(160, 160, 170));
  p.drawRoundedRect(QRectF(37, 70, 26, 18), 3, 3);
  p.drawLine(QPointF(37, 76), QPointF(63, 76));
  p.drawLine(QPointF(37, 82), QPointF(63, 82));
}

// The program's own mark: a small 3 x 3 grid with one digit given.
void Custom(QPainter& p) {
  p.setPen(Pen(kOutline, 4));
  p.setBrush(QColor(245, 240, 225));
  p.drawRoundedRect(QRectF(8, 8, 84, 84), 6, 6);
  p.setPen(Pen(kOutline, 2.5));
  for (qreal v : {36.0, 64.0}) {
    p.drawLine(QPointF(v, 8), QPointF(v, 92));
    p.drawLine(QPointF(8, v), QPointF(92, v));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 110, 190));
  p.drawRect(QRectF(38, 38, 24, 24));
  p.setBrush(QColor(220, 90, 50));
  p.drawEllipse(QPointF(22, 22), 7, 7);
  p.drawEllipse(QPointF(78, 78), 7, 7);
}

}  // namespace

void DrawMessageIcon(QPainter& painter, const QRectF& rect, int slot) {
  if (!EnterPictureSquare(painter, rect)) return;
  switch (slot) {
    case kIconQuestion: Question(painter); break;
    case kIconExclamation: Exclamation(painter); break;
    case kIconInformation: Information(painter); break;
    case kIconError: Error(painter); break;
    case kIconCritical: Critical(painter); break;
    case kIconHappy: Happy(painter); break;
    case kIconTrash: Trash(painter); break;
    case kIconPrint: Print(painter); break;
    case kIconLightOn: LightOn(painter); break;
    case kIconCustom: Custom(painter); break;
    default: break;
  }
  painter.restore();
}

}  // namespace kalvero
