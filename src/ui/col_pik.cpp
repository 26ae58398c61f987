#include "ui/col_pik.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <algorithm>

#include "ui/col_pik_palette.h"
#include "ui/translate.h"
#include "view/qt_colour.h"

// Layout in twips (the palette boxes come from col_pik_palette.h):
//
//   y   10..260   4 x 4 palette, reading down the columns
//   y  330..840   the "Selected Colour" preview
//   y  900..      slider area: per channel a value label, a vertical slider
//                 and a preview of the pure component, in three columns
//
// At 1440 twips per inch the palette boxes would be only a few pixels high,
// so the whole layout is scaled uniformly to fill the widget, never below
// its true twip size; hit-testing uses the same mapping.
namespace kalvero {
namespace {

constexpr int kWidthTwips = 935;
constexpr int kHeightTwips = 2160;
constexpr double kPreferredZoom = 3.0;
constexpr TwipBox kSelectedBox{30, 330, 905, 840};
constexpr int kColumnLeft = 30;
constexpr int kColumnStep = 300;
constexpr int kColumnWidth = 275;
constexpr int kLabelTop = kColPikSliderTop, kLabelBottom = 1080;
constexpr int kSliderTop = 1100, kSliderBottom = 1900;
constexpr int kComponentTop = 1940, kComponentBottom = 2100;

const char* const kSliderNames[3] = {"hsrRed", "hsrGreen", "hsrBlue"};
const char* const kLabelNames[3] = {"lblRedDegree", "lblGreenDegree", "lblBlueDegree"};
// What assistive tools call each slider.
const char* const kChannelNames[3] = {QT_TRANSLATE_NOOP("Kalvero", "Red"), QT_TRANSLATE_NOOP("Kalvero", "Green"),
                                      QT_TRANSLATE_NOOP("Kalvero", "Blue")};

bool Contains(const TwipBox& box, QPointF p) {
  return p.x() >= box.left && p.x() <= box.right && p.y() >= box.top && p.y() <= box.bottom;
}

// Black or white, whichever reads better on the colour.
QColor ContrastingText(const QColor& colour) {
  const int luminance = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
  return luminance > 128 ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace

ColPik::ColPik(QWidget* parent) : QWidget(parent), backColor_(palette().color(QPalette::Window)) {
  for (int k = 0; k < 3; ++k) {
    auto* slider = new QSlider(Qt::Vertical, this);
    slider->setObjectName(QLatin1String(kSliderNames[k]));
    slider->setAccessibleName(Translated(kChannelNames[k]));
    slider->setRange(0, 255);
    sliders_[k] = slider;
    connect(slider, &QSlider::valueChanged, this, &ColPik::SliderChanged);

    auto* label = new QLabel(QStringLiteral("0"), this);
    label->setObjectName(QLatin1String(kLabelNames[k]));
    label->setAlignment(Qt::AlignCenter);
    degreeLabels_[k] = label;
  }
  setAttribute(Qt::WA_OpaquePaintEvent);
  ShowColour(0);
}

void ColPik::SetSchemeColor(Colour colour) {
  schemeColor_ = colour;
  ShowColour(colour);
}

void ColPik::SetBackColor(const QColor& colour) {
  backColor_ = colour;
  update();
}

double ColPik::Zoom() const {
  const double naturalWidth = kWidthTwips * logicalDpiX() / 1440.0;
  const double naturalHeight = kHeightTwips * logicalDpiY() / 1440.0;
  return std::max(1.0, std::min(width() / naturalWidth, height() / naturalHeight));
}

QPointF ColPik::PixelsToTwips(QPointF pixels) const {
  const double zoom = Zoom();
  return {pixels.x() * 1440.0 / (logicalDpiX() * zoom), pixels.y() * 1440.0 / (logicalDpiY() * zoom)};
}

QRect ColPik::TwipsToPixels(int left, int top, int right, int bottom) const {
  const double zoom = Zoom();
  const auto x = [this, zoom](int t) { return qRound(t * zoom * logicalDpiX() / 1440.0); };
  const auto y = [this, zoom](int t) { return qRound(t * zoom * logicalDpiY() / 1440.0); };
  return QRect(QPoint(x(left), y(top)), QPoint(x(right), y(bottom)));
}

QSize ColPik::sizeHint() const {
  return QSize(qRound(kWidthTwips * kPreferredZoom * logicalDpiX() / 1440.0),
               qRound(kHeightTwips * kPreferredZoom * logicalDpiY() / 1440.0));
}

void ColPik::PlaceChildren() {
  for (int k = 0; k < 3; ++k) {
    const int left = kColumnLeft + k * kColumnStep;
    degreeLabels_[k]->setGeometry(TwipsToPixels(left, kLabelTop, left + kColumnWidth, kLabelBottom));
    sliders_[k]->setGeometry(TwipsToPixels(left, kSliderTop, left + kColumnWidth, kSliderBottom));
  }
}

void ColPik::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceChildren();
}

void ColPik::ShowColour(Colour colour) {
  settingSliders_ = true;
  const std::array<int, 3> parts = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
  for (int k = 0; k < 3; ++k) {
    sliders_[k]->setValue(parts[k]);
    degreeLabels_[k]->setText(QString::number(parts[k]));
  }
  settingSliders_ = false;
  update();
}

void ColPik::SliderChanged() {
  for (int k = 0; k < 3; ++k) degreeLabels_[k]->setText(QString::number(sliders_[k]->value()));
  update();
  if (settingSliders_) return;
  // Moving a slider picks the mixed colour.
  schemeColor_ = Rgb(sliders_[0]->value(), sliders_[1]->value(), sliders_[2]->value());
  emit colourPicked(schemeColor_);
}

void ColPik::PickAtTwips(QPointF twips) {
  if (twips.y() >= kColPikSliderTop) return;
  Colour picked = FromQColor(backColor_);
  if (const auto index = PaletteIndexAt(static_cast<int>(twips.x()), static_cast<int>(twips.y()))) {
    picked = kConsolePalette[*index];
  } else if (Contains(kSelectedBox, twips)) {
    picked = schemeColor_;
  }
  schemeColor_ = picked;
  ShowColour(picked);
  emit colourPicked(picked);
}

void ColPik::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint())) PickAtTwips(PixelsToTwips(event->position()));
}

void ColPik::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), backColor_);
  if (!isEnabled()) p.setOpacity(0.5);

  const QColor frame(60, 60, 60);
  p.setPen(QPen(frame, 1));
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) {
      const TwipBox box = PaletteBox(column, row);
      p.setBrush(ToQColor(kConsolePalette[PaletteIndex(column, row)]));
      p.drawRect(TwipsToPixels(box.left, box.top, box.right, box.bottom));
    }
  }

  const std::array<int, 3> parts = {sliders_[0]->value(), sliders_[1]->value(), sliders_[2]->value()};
  const QColor mixed(parts[0], parts[1], parts[2]);
  const QRect selected = TwipsToPixels(kSelectedBox.left, kSelectedBox.top, kSelectedBox.right, kSelectedBox.bottom);
  p.setBrush(mixed);
  p.drawRect(selected);
  p.setPen(ContrastingText(mixed));
  p.drawText(selected, Qt::AlignCenter, tr("Selected Colour"));

  for (int k = 0; k < 3; ++k) {
    const int left = kColumnLeft + k * kColumnStep;
    QColor pure(0, 0, 0);
    if (k == 0) pure.setRed(parts[0]);
    if (k == 1) pure.setGreen(parts[1]);
    if (k == 2) pure.setBlue(parts[2]);
    p.setPen(QPen(frame, 1));
    p.setBrush(pure);
    p.drawRect(TwipsToPixels(left, kComponentTop, left + kColumnWidth, kComponentBottom));
  }
}

}  // namespace kalvero
