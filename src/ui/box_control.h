#pragma once
// BoxControl: the program's own drawn push button. It tells its owner which
// mouse button pressed and released it (view/mouse_buttons.h), so owners can give
// a button a main action on the left button and an alternative one on the
// right. Owners act on mouseUp.
#include <QColor>
#include <QIcon>
#include <QPointF>
#include <QWidget>
#include <functional>

class QPainter;

namespace kalvero {

class BoxControl : public QWidget {
  Q_OBJECT

 public:
  // Draws the control's picture into the given rectangle (logical pixels).
  using PicturePainter = std::function<void(QPainter&, const QRectF&)>;

  // How the control's border is drawn.
  enum class Border { None, Raised };

  explicit BoxControl(QWidget* parent = nullptr);
  explicit BoxControl(const QString& caption, QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  QColor ForeColor() const { return foreColor_; }
  void SetForeColor(const QColor& colour);
  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& colour);

  // A picture drawn by a painter callback (crisp at any scale) or an icon;
  // either replaces the other. A control with a picture and no caption shows
  // only the picture, centred.
  void SetPicture(PicturePainter painter);
  void SetPicture(const QIcon& icon);
  void ClearPicture();
  bool HasPicture() const { return static_cast<bool>(picture_); }

  Border BorderStyle() const { return border_; }
  void SetBorderStyle(Border border);

  // Font, Enabled and the tooltip text are QWidget's own properties.

  // Draws the control raised again, forgetting a held key or button.
  void Release();

  // A full click of mouse button 1 (left) or 2 (right) without the pointer,
  // as assistive tools ask for it: mouseDown, mouseUp and, for the left
  // button, clicked.
  void Click(int button);

  // Redraws the control at once.
  void Refresh() { repaint(); }

  // True while the control is drawn pressed (a mouse button or Space/Enter
  // held on it).
  bool IsDown() const { return mouseDown_ || keyDown_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void mouseDown(int button, Qt::KeyboardModifiers modifiers, QPointF position);
  void mouseUp(int button, Qt::KeyboardModifiers modifiers, QPointF position);
  void mouseMove(int buttons, Qt::KeyboardModifiers modifiers, QPointF position);
  void keyDown(int key, Qt::KeyboardModifiers modifiers);
  void keyUp(int key, Qt::KeyboardModifiers modifiers);
  // A left release inside the control, or Space released on it.
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString caption_;
  QColor foreColor_;
  QColor backColor_;
  PicturePainter picture_;
  Border border_ = Border::Raised;
  bool mouseDown_ = false;
  bool keyDown_ = false;
};

// The mouse button numbering of the control's signals: 1 left, 2 right,
// 4 middle, 0 for any other.
int BoxMouseButton(Qt::MouseButton button);

}  // namespace kalvero
