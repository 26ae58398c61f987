#pragma once
// The window's surfaces: text measured and drawn with Qt's fonts, sized in
// twips. PainterSurface draws straight onto a painter.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <optional>

#include "view/surface.h"

class QPainter;

namespace kalvero {

class QtSurface : public Surface {
 public:
  // The current font sized in twips, for drawing and measuring.
  const QFont& TwipFont() const;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  double TextAscent() const override;

 protected:
  void FontChanged() override { font_.reset(); }
  static QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  }

 private:
  // The font and its metrics, made when first needed after a font change.
  struct FontCache {
    QFont font;
    QFontMetricsF metrics;
  };
  const FontCache& Font() const;

  mutable std::optional<FontCache> font_;
};

// Draws straight onto a painter whose coordinates are twips. Line width 1
// is `twipsPerLineWidth` twips: a screen pixel by default, a printer dot on
// a printed page.
class PainterSurface : public QtSurface {
 public:
  PainterSurface(QPainter& painter, int width, int height, double twipsPerLineWidth = kTwipsPerLineWidth)
      : painter_(painter), width_(width), height_(height), twipsPerLineWidth_(twipsPerLineWidth) {}
  void Clear(Colour background) override;
  void Box(const TwipRect& r, Colour colour, bool filled) override;
  void Print(int x, int y, std::string_view text) override;

 private:
  QPainter& painter_;
  int width_;
  int height_;
  double twipsPerLineWidth_;
};

}  // namespace kalvero
