#pragma once
// An immediate-mode drawing surface in twips: outlined and filled
// rectangles, a line width, text at a position with a current font and text
// colour, and text measurement. The board, the printed page and the
// clipboard picture are all drawn through this one interface.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <optional>

#include "model/colour.h"
#include "view/board_geometry.h"

class QPainter;

namespace kalvero {

// Twips per "pixel" of line width: line width 1 is one pixel at 96 dots per inch.
inline constexpr double kTwipsPerLineWidth = 15.0;
// Twips per typographic point.
inline constexpr double kTwipsPerPoint = 20.0;

class Surface {
 public:
  virtual ~Surface() = default;

  // Fills the whole surface with the background colour.
  virtual void Clear(Colour background) = 0;
  // Rectangle from (x1, y1) to (x2, y2): outline in `colour` with the
  // current line width, or filled.
  virtual void Box(const TwipRect& r, Colour colour, bool filled) = 0;
  // Text whose top-left corner is at (x, y), in the current font and text colour.
  virtual void Print(int x, int y, const QString& text) = 0;

  void SetLineWidth(int width) { lineWidth_ = width; }
  int LineWidth() const { return lineWidth_; }
  void SetTextColour(Colour c) { textColour_ = c; }
  Colour TextColour() const { return textColour_; }
  void SetFontName(const QString& name) { fontName_ = name; font_.reset(); }
  void SetFontBold(bool bold) { fontBold_ = bold; font_.reset(); }
  void SetFontSize(double points) { fontSize_ = points; font_.reset(); }
  double FontSize() const { return fontSize_; }

  // The current font sized in twips, for drawing and measuring.
  const QFont& TwipFont() const;
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;
  // Distance from a text's top to its baseline in the current font.
  double TextAscent() const;

 private:
  // The font and its metrics, made when first needed after a font change.
  struct FontCache {
    QFont font;
    QFontMetricsF metrics;
  };
  const FontCache& Font() const;

  mutable std::optional<FontCache> font_;
  int lineWidth_ = 1;
  Colour textColour_ = kBlack;
  QString fontName_ = QStringLiteral("Courier New");
  bool fontBold_ = true;
  double fontSize_ = 12;
};

// Draws straight onto a painter whose coordinates are twips. Line width 1
// is `twipsPerLineWidth` twips: a screen pixel by default, a printer dot on
// a printed page.
class PainterSurface : public Surface {
 public:
  PainterSurface(QPainter& painter, int width, int height, double twipsPerLineWidth = kTwipsPerLineWidth)
      : painter_(painter), width_(width), height_(height), twipsPerLineWidth_(twipsPerLineWidth) {}
  void Clear(Colour background) override;
  void Box(const TwipRect& r, Colour colour, bool filled) override;
  void Print(int x, int y, const QString& text) override;

 private:
  QPainter& painter_;
  int width_;
  int height_;
  double twipsPerLineWidth_;
};

}  // namespace kalvero
