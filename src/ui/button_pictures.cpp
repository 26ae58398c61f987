#include "ui/button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include "ui/picture_square.h"

// Every picture is drawn on a 100 x 100 canvas that the painter scales into
// the target square, so line widths and shapes scale with the button.
namespace kalvero {
namespace {

const QColor kOutline(55, 55, 60);
const QColor kArrowBlue(40, 95, 200);

QPen OutlinePen(qreal width = 4) { return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A filled arrow head whose base centre is at base, pointing along dir.
void ArrowHead(QPainter& p, QPointF base, QPointF dir, qreal size, const QColor& colour) {
  const qreal len = std::hypot(dir.x(), dir.y());
  dir /= len;
  const QPointF normal(-dir.y(), dir.x());
  const QPolygonF head({base + dir * size, base + normal * size * 0.75, base - normal * size * 0.75});
  p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(colour);
  p.drawPolygon(head);
}

// Point at a Qt angle (degrees, counter-clockwise from 3 o'clock) on a circle.
QPointF OnCircle(QPointF centre, qreal radius, qreal degrees) {
  const qreal a = degrees * std::numbers::pi / 180.0;
  return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

// Screen direction of travel at that angle when going clockwise.
QPointF ClockwiseTangent(qreal degrees) {
  const qreal a = degrees * std::numbers::pi / 180.0;
  return {std::sin(a), std::cos(a)};
}

void DrawFolder(QPainter& p) {
  QPainterPath back;
  back.moveTo(10, 26);
  back.lineTo(36, 26);
  back.lineTo(43, 34);
  back.lineTo(86, 34);
  back.lineTo(86, 80);
  back.lineTo(10, 80);
  back.closeSubpath();
  p.setPen(OutlinePen());
  p.setBrush(QColor(214, 160, 40));
  p.drawPath(back);
  const QPolygonF front({{20, 46}, {95, 46}, {86, 80}, {10, 80}});
  p.setBrush(QColor(250, 208, 90));
  p.drawPolygon(front);
}

void DrawUndo(QPainter& p) {
  QPainterPath path;
  path.moveTo(24, 78);
  path.lineTo(55, 78);
  path.arcTo(QRectF(30, 28, 50, 50), -90, 180);
  path.lineTo(38, 28);
  p.setPen(QPen(kArrowBlue, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  ArrowHead(p, QPointF(38, 28), QPointF(-1, 0), 22, kArrowBlue);
}

void DrawTriangle(QPainter& p, bool pointsLeft) {
  QPolygonF shape({{68, 16}, {68, 84}, {22, 50}});
  if (!pointsLeft) {
    for (QPointF& point : shape) point.setX(100 - point.x());
  }
  p.setPen(QPen(kArrowBlue.darker(140), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kArrowBlue);
  p.drawPolygon(shape);
}

void DrawDie(QPainter& p) {
  p.setPen(OutlinePen());
  p.setBrush(QColor(252, 252, 248));
  p.drawRoundedRect(QRectF(14, 14, 72, 72), 14, 14);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 30, 40));
  for (QPointF pip : {QPointF(32, 32), QPointF(68, 32), QPointF(50, 50), QPointF(32, 68), QPointF(68, 68)}) {
    p.drawEllipse(pip, 7.5, 7.5);
  }
}

// A four-pointed star with pinched sides.
QPainterPath Sparkle(QPointF centre, qreal outer, qreal inner) {
  QPainterPath path;
  for (int i = 0; i < 8; ++i) {
    const QPointF point = OnCircle(centre, (i % 2 == 0) ? outer : inner, 90 + 45 * i);
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

void DrawSparkle(QPainter& p) {
  p.setPen(QPen(QColor(170, 110, 10), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(250, 196, 40));
  p.drawPath(Sparkle(QPointF(42, 58), 38, 11));
  p.setBrush(QColor(255, 226, 120));
  p.drawPath(Sparkle(QPointF(78, 22), 17, 5));
}

void DrawEye(QPainter& p) {
  QPainterPath almond;
  almond.moveTo(8, 50);
  almond.quadTo(50, 6, 92, 50);
  almond.quadTo(50, 94, 8, 50);
  p.setPen(OutlinePen());
  p.setBrush(Qt::white);
  p.drawPath(almond);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 130, 200));
  p.drawEllipse(QPointF(50, 50), 17, 17);
  p.setBrush(QColor(20, 20, 25));
  p.drawEllipse(QPointF(50, 50), 8, 8);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(55, 44), 4, 4);
}

void DrawCheck(QPainter& p) {
  p.setPen(QPen(QColor(30, 150, 60), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({{18, 52}, {41, 75}, {83, 26}}));
}

void DrawPencil(QPainter& p) {
  p.translate(50, 50);
  p.rotate(-45);
  p.setPen(OutlinePen(3));
  p.setBrush(QColor(240, 190, 50));
  p.drawRect(QRectF(-22, -10, 46, 20));
  p.setBrush(QColor(235, 205, 160));
  p.drawPolygon(QPolygonF({{-22, -10}, {-22, 10}, {-44, 0}}));
  p.setBrush(QColor(50, 50, 55));
  p.drawPolygon(QPolygonF({{-36, -3.6}, {-36, 3.6}, {-44, 0}}));
  p.setBrush(QColor(170, 170, 180));
  p.drawRect(QRectF(24, -10, 7, 20));
  p.setBrush(QColor(235, 120, 140));
  p.drawRoundedRect(QRectF(31, -10, 11, 20), 4, 4);
}

void DrawCircularArrows(QPainter& p) {
  const QPointF centre(50, 50);
  const qreal radius = 30;
  const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  const QColor colour(200, 70, 40);
  for (qreal start : {110.0, 290.0}) {
    const qreal sweep = -135;
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, sweep);
    p.setPen(QPen(colour, 10, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const qreal end = start + sweep;
    ArrowHead(p, OnCircle(centre, radius, end), ClockwiseTangent(end), 17, colour);
  }
}

}  // namespace

void DrawButtonPicture(QPainter& painter, const QRectF& rect, ButtonPicture picture) {
  if (!EnterPictureSquare(painter, rect)) return;
  switch (picture) {
    case ButtonPicture::Load: DrawFolder(painter); break;
    case ButtonPicture::Undo: DrawUndo(painter); break;
    case ButtonPicture::Previous: DrawTriangle(painter, true); break;
    case ButtonPicture::Random: DrawDie(painter); break;
    case ButtonPicture::Next: DrawTriangle(painter, false); break;
    case ButtonPicture::Create: DrawSparkle(painter); break;
    case ButtonPicture::ShowSolution: DrawEye(painter); break;
    case ButtonPicture::Verify: DrawCheck(painter); break;
    case ButtonPicture::Pencil: DrawPencil(painter); break;
    case ButtonPicture::Reset: DrawCircularArrows(painter); break;
  }
  painter.restore();
}

BoxControl::PicturePainter ButtonPicturePainter(ButtonPicture picture) {
  return [picture](QPainter& painter, const QRectF& rect) { DrawButtonPicture(painter, rect, picture); };
}

}  // namespace kalvero
