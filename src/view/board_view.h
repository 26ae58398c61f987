#pragma once
// Picture1: the board surface on screen. It keeps what was drawn on it as
// recorded twips and replays that scaled to the widget, so the board stays
// crisp at any size and pixel density.
#include <QWidget>

#include "view/board_geometry.h"
#include "view/recording_surface.h"

namespace kalvero {

class BoardView : public QWidget {
  Q_OBJECT
 public:
  explicit BoardView(QWidget* parent = nullptr);

  // The surface to draw on; call update() (or Changed()) after drawing.
  RecordingSurface& Surface() { return surface_; }
  // A second layer in the same twips, drawn over the board: the selection
  // frame, the sum-area frames and the pencil tip live here, so they change
  // without redrawing the board beneath them. Forget() on it shows the
  // board alone.
  RecordingSurface& Overlay() { return overlay_; }
  const BoardGeometry& Geometry() const { return geometry_; }

  // Schedules a repaint after drawing through Surface().
  void Changed() { update(); }

  // Twips -> widget pixels scale and back.
  double Scale() const;
  QPointF ToTwips(const QPointF& pixel) const;

  // What a screen reader reads as the board's value, such as
  // "row 3, column 7: 5"; assistive tools are told when it changes.
  void SetAccessibleValue(const QString& value);
  QString AccessibleValue() const { return accessibleValue_; }

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int w) const override { return w; }

 signals:
  // The pointer moved over the surface; position in twips.
  void pointerMoved(QPointF twips);
  // A mouse button was pressed or released; 1 left, 2 right.
  void buttonPressed(int button, QPointF twips);
  void buttonReleased(int button, QPointF twips);
  // The pointer left the board.
  void pointerLeft();
  // A character was typed (its code) or a key released (its Qt key code)
  // while the board has the focus.
  void characterTyped(int code);
  void keyReleased(int key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // Arrow keys and Tab belong to the board, not to focus movement.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  BoardGeometry geometry_;
  RecordingSurface surface_;
  RecordingSurface overlay_;
  QString accessibleValue_;
};

}  // namespace kalvero
