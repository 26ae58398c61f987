#pragma once
// The button pictures and message icons are drawn in a 100 x 100 unit
// square; this maps that square onto the largest square centred in a
// rectangle, so every picture is crisp at any size and pixel density.
#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace kalvero {

// Saves the painter and maps the unit square onto `rect`; false (and the
// painter untouched) for an empty rectangle. Callers restore the painter.
inline bool EnterPictureSquare(QPainter& painter, const QRectF& rect) {
  const qreal side = std::min(rect.width(), rect.height());
  if (side <= 0) return false;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
  painter.scale(side / 100.0, side / 100.0);
  return true;
}

}  // namespace kalvero
