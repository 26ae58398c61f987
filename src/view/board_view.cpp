#include "view/board_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace kalvero {

BoardView::BoardView(QWidget* parent) : QWidget(parent), surface_(geometry_.SurfaceSize), overlay_(geometry_.SurfaceSize) {
  setObjectName(QStringLiteral("Picture1"));
  setAccessibleName(QStringLiteral("Board"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

double BoardView::Scale() const {
  return std::min(width(), height()) / static_cast<double>(geometry_.SurfaceSize);
}

QPointF BoardView::ToTwips(const QPointF& pixel) const { return pixel / Scale(); }

QSize BoardView::sizeHint() const {
  const int side = qRound(geometry_.SurfaceSize * logicalDpiX() / 1440.0);
  return {side, side};
}

void BoardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(Scale(), Scale());
  surface_.Replay(painter);
  overlay_.Replay(painter);
}

void BoardView::mouseMoveEvent(QMouseEvent* event) { emit pointerMoved(ToTwips(event->position())); }

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  const int button = event->button() == Qt::RightButton ? 2 : event->button() == Qt::LeftButton ? 1 : 4;
  emit buttonReleased(button, ToTwips(event->position()));
}

}  // namespace kalvero
