#include "ui/box_control.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "ui/box_control_accessible.h"
#include "view/mouse_buttons.h"

namespace kalvero {
namespace {

constexpr int kMargin = 4;  // logical pixels between border and content

bool IsActivationKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

int ButtonMask(Qt::MouseButtons buttons) {
  int mask = 0;
  if (buttons & Qt::LeftButton) mask |= 1;
  if (buttons & Qt::RightButton) mask |= 2;
  if (buttons & Qt::MiddleButton) mask |= 4;
  return mask;
}

// A 3-D frame: light on the top and left, dark on the bottom and right;
// swapped when sunken.
void DrawFrame(QPainter& p, const QRectF& r, const QColor& back, bool sunken) {
  const QColor light = back.lighter(150);
  const QColor dark = back.darker(170);
  const QColor outer = back.darker(300);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(outer, 1));
  p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
  const QRectF in = r.adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(sunken ? dark : light, 1));
  p.drawLine(in.bottomLeft(), in.topLeft());
  p.drawLine(in.topLeft(), in.topRight());
  p.setPen(QPen(sunken ? light : dark, 1));
  p.drawLine(in.topRight(), in.bottomRight());
  p.drawLine(in.bottomRight(), in.bottomLeft());
}

}  // namespace


BoxControl::BoxControl(QWidget* parent) : BoxControl(QString(), parent) {}

BoxControl::BoxControl(const QString& caption, QWidget* parent)
    : QWidget(parent),
      caption_(caption),
      foreColor_(palette().color(QPalette::ButtonText)),
      backColor_(palette().color(QPalette::Button)) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  InstallBoxControlAccessibility();
}

void BoxControl::Click(int button) {
  const QPointF centre = QRectF(rect()).center();
  emit mouseDown(button, Qt::NoModifier, centre);
  emit mouseUp(button, Qt::NoModifier, centre);
  if (button == kLeftMouseButton) emit clicked();
}

void BoxControl::SetCaption(const QString& caption) {
  caption_ = caption;
  updateGeometry();
  update();
}

void BoxControl::SetForeColor(const QColor& colour) {
  foreColor_ = colour;
  update();
}

void BoxControl::SetBackColor(const QColor& colour) {
  backColor_ = colour;
  update();
}

void BoxControl::SetPicture(PicturePainter painter) {
  picture_ = std::move(painter);
  update();
}

void BoxControl::SetPicture(const QIcon& icon) {
  if (icon.isNull()) {
    ClearPicture();
    return;
  }
  SetPicture([icon](QPainter& p, const QRectF& r) { icon.paint(&p, r.toAlignedRect()); });
}

void BoxControl::ClearPicture() {
  picture_ = nullptr;
  update();
}

void BoxControl::Release() {
  mouseDown_ = false;
  keyDown_ = false;
  update();
}

void BoxControl::SetBorderStyle(Border border) {
  border_ = border;
  update();
}

QSize BoxControl::sizeHint() const {
  const QFontMetrics fm(font());
  const int textWidth = caption_.isEmpty() ? 0 : fm.horizontalAdvance(caption_);
  const int pictureSide = picture_ ? fm.height() + 4 : 0;
  const int gap = (textWidth > 0 && pictureSide > 0) ? kMargin : 0;
  const int width = std::max(textWidth + pictureSide + gap + 4 * kMargin, fm.height() * 2);
  return {width, fm.height() + 3 * kMargin};
}

QSize BoxControl::minimumSizeHint() const { return sizeHint(); }

void BoxControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all = rect();
  p.fillRect(all, backColor_);
  const bool sunken = IsDown();
  if (border_ == Border::Raised) DrawFrame(p, all, backColor_, sunken);

  QRectF content = all.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  if (sunken) content.translate(1, 1);
  if (!isEnabled()) p.setOpacity(0.45);

  if (picture_) {
    QRectF pictureRect = content;
    if (!caption_.isEmpty()) {
      // Picture as a square on the left, the caption beside it.
      const qreal side = content.height();
      pictureRect = QRectF(content.left(), content.top(), side, side);
      content.setLeft(pictureRect.right() + kMargin);
    } else {
      const qreal side = std::min(content.width(), content.height());
      pictureRect = QRectF(content.center().x() - side / 2, content.center().y() - side / 2, side, side);
    }
    p.save();
    picture_(p, pictureRect);
    p.restore();
  }
  if (!caption_.isEmpty()) {
    p.setPen(foreColor_);
    p.setFont(font());
    p.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, caption_);
  }
  if (hasFocus()) {
    p.setOpacity(1.0);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(foreColor_, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void BoxControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
    mouseDown_ = true;
    repaint();
  }
  emit mouseDown(MouseButtonNumber(event->button()), event->modifiers(), event->position());
}

void BoxControl::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasDown = mouseDown_;
  if (!(event->buttons() & (Qt::LeftButton | Qt::RightButton))) mouseDown_ = false;
  if (wasDown != mouseDown_) repaint();
  const bool inside = rect().contains(event->position().toPoint());
  emit mouseUp(MouseButtonNumber(event->button()), event->modifiers(), event->position());
  if (event->button() == Qt::LeftButton && inside) emit clicked();
}

void BoxControl::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMove(ButtonMask(event->buttons()), event->modifiers(), event->position());
}

void BoxControl::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click still presses the control.
  mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void BoxControl::keyPressEvent(QKeyEvent* event) {
  emit keyDown(event->key(), event->modifiers());
  if (!IsActivationKey(event->key())) {
    event->ignore();  // let the window see Escape and friends
    return;
  }
  if (!event->isAutoRepeat() && !keyDown_) {
    keyDown_ = true;
    repaint();
  }
}

void BoxControl::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  emit keyUp(event->key(), event->modifiers());
  if (!IsActivationKey(event->key())) {
    event->ignore();
    return;
  }
  if (keyDown_) {
    keyDown_ = false;
    repaint();
    if (event->key() == Qt::Key_Space) emit clicked();
  }
}

void BoxControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void BoxControl::focusOutEvent(QFocusEvent* event) {
  // A key or button still held when focus leaves never gets its release.
  keyDown_ = false;
  mouseDown_ = false;
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace kalvero
