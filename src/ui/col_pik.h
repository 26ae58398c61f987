#pragma once
// ColPik: a colour picker with the 16-colour console palette and red, green
// and blue sliders. Its geometry is laid out in twips and mapped to pixels by
// the widget's logical DPI (1440 twips per inch), scaled up uniformly when the
// widget is larger than that.
#include <QColor>
#include <QWidget>
#include <array>

#include "model/colour.h"

class QLabel;
class QSlider;

namespace kalvero {

class ColPik : public QWidget {
  Q_OBJECT

 public:
  explicit ColPik(QWidget* parent = nullptr);

  // The colour last picked, from the palette or with the sliders.
  Colour SchemeColor() const { return schemeColor_; }
  // Shows a colour on the sliders and previews without announcing a pick.
  void SetSchemeColor(Colour colour);

  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& colour);

  // Picks the colour at a point given in twips from the top left, exactly
  // as a mouse release there does; points in the slider area are ignored.
  void PickAtTwips(QPointF twips);

  // Pixels per twip times this is the scale of the layout (at least 1).
  double Zoom() const;
  QPointF PixelsToTwips(QPointF pixels) const;
  QRect TwipsToPixels(int left, int top, int right, int bottom) const;

  QSize sizeHint() const override;

 signals:
  void colourPicked(kalvero::Colour colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceChildren();
  void ShowColour(Colour colour);
  void SliderChanged();

  std::array<QSlider*, 3> sliders_{};       // hsrRed, hsrGreen, hsrBlue
  std::array<QLabel*, 3> degreeLabels_{};  // lblRedDegree, lblGreenDegree, lblBlueDegree
  Colour schemeColor_ = 0;
  QColor backColor_;
  bool settingSliders_ = false;
};

}  // namespace kalvero
