#include "app/client_area.h"

#include <algorithm>
#include <cmath>

namespace kalvero {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

double ClientArea::Scale() const {
  return std::min(width() / static_cast<double>(kWidth), height() / static_cast<double>(kHeight));
}

QSize ClientArea::sizeHint() const {
  return {qRound(kWidth * logicalDpiX() / 1440.0), qRound(kHeight * logicalDpiY() / 1440.0)};
}

void ClientArea::Place(QWidget* child, const TwipRect& rect, double fontPoints) {
  placements_.push_back({child, rect, fontPoints});
  Relayout();
}

void ClientArea::resizeEvent(QResizeEvent*) { Relayout(); }

void ClientArea::Relayout() {
  const double s = Scale();
  // Centre the scaled layout in the area when the window's shape differs.
  const double offsetX = (width() - kWidth * s) / 2;
  const double offsetY = (height() - kHeight * s) / 2;
  // Fonts keep their point size at the natural scale (one twip per
  // 1/1440 inch) and grow with the window beyond it.
  const double natural = logicalDpiY() / 1440.0;
  for (const Placement& p : placements_) {
    const int x = static_cast<int>(std::lround(offsetX + p.rect.x * s));
    const int y = static_cast<int>(std::lround(offsetY + p.rect.y * s));
    const int r = static_cast<int>(std::lround(offsetX + p.rect.right() * s));
    const int b = static_cast<int>(std::lround(offsetY + p.rect.bottom() * s));
    p.child->setGeometry(x, y, r - x, b - y);
    if (p.fontPoints > 0 && natural > 0) {
      QFont font = p.child->font();
      font.setPointSizeF(std::max(1.0, p.fontPoints * s / natural));
      p.child->setFont(font);
    }
  }
}

}  // namespace kalvero
