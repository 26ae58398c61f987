#include "view/board_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "view/mouse_buttons.h"

namespace kalvero {

namespace {

// The board as assistive tools see it: a named picture whose value is the
// selected cell and its entry.
class BoardViewAccessible : public QAccessibleWidget {
 public:
  explicit BoardViewAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Graphic) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<const BoardView*>(widget())->AccessibleValue();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardView*>(object)) return new BoardViewAccessible(board);
  return nullptr;
}

}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent), surface_(geometry_.SurfaceSize), overlay_(geometry_.SurfaceSize) {
  // Before anything asks for the board's accessible interface.
  static const bool installed = [] {
    QAccessible::installFactory(BoardFactory);
    return true;
  }();
  Q_UNUSED(installed);
  setObjectName(QStringLiteral("Picture1"));
  //: Accessible name of the puzzle board
  setAccessibleName(tr("Board"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::SetAccessibleValue(const QString& value) {
  if (value == accessibleValue_) return;
  accessibleValue_ = value;
  QAccessibleValueChangeEvent event(this, value);
  QAccessible::updateAccessibility(&event);
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

void BoardView::mousePressEvent(QMouseEvent* event) {
  emit buttonPressed(MouseButtonNumber(event->button()), ToTwips(event->position()));
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  emit buttonReleased(MouseButtonNumber(event->button()), ToTwips(event->position()));
}

void BoardView::leaveEvent(QEvent*) { emit pointerLeft(); }

namespace {

// A held key repeats its press and release. Delete and Escape clear a cell
// once per press, so their repeats are dropped (each would add an undo
// record); held arrows keep moving the selection.
bool IsDroppedRepeat(const QKeyEvent* event) {
  return event->isAutoRepeat() && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Escape);
}

}  // namespace

void BoardView::keyPressEvent(QKeyEvent* event) {
  if (!event->text().isEmpty() && !IsDroppedRepeat(event)) emit characterTyped(event->text().at(0).unicode());
  event->accept();
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
  if (!IsDroppedRepeat(event)) emit keyReleased(event->key());
  event->accept();
}

}  // namespace kalvero
