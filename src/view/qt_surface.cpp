#include "view/qt_surface.h"

#include <QPainter>
#include <cmath>

#include "view/qt_colour.h"

namespace kalvero {

const QtSurface::FontCache& QtSurface::Font() const {
  if (!font_) {
    QFont font(QString::fromStdString(FontName()));
    font.setBold(FontBold());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(FontSize() * kTwipsPerPoint))));
    font.setHintingPreference(QFont::PreferNoHinting);
    font_.emplace(FontCache{font, QFontMetricsF(font)});
  }
  return *font_;
}

const QFont& QtSurface::TwipFont() const { return Font().font; }
double QtSurface::TextWidth(std::string_view text) const { return Font().metrics.horizontalAdvance(Text(text)); }
double QtSurface::TextHeight(std::string_view) const { return Font().metrics.height(); }
double QtSurface::TextAscent() const { return Font().metrics.ascent(); }

void PainterSurface::Clear(Colour background) {
  painter_.fillRect(QRectF(0, 0, width_, height_), ToQColor(background));
}

void PainterSurface::Box(const TwipRect& r, Colour colour, bool filled) {
  if (filled) {
    painter_.fillRect(QRectF(r.x, r.y, r.w, r.h), ToQColor(colour));
    return;
  }
  QPen pen(ToQColor(colour));
  pen.setWidthF(LineWidth() * twipsPerLineWidth_);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRectF(r.x, r.y, r.w, r.h));
}

void PainterSurface::Print(int x, int y, std::string_view text) {
  painter_.setFont(TwipFont());
  painter_.setPen(ToQColor(TextColour()));
  painter_.drawText(QPointF(x, y + TextAscent()), Text(text));
}

}  // namespace kalvero
