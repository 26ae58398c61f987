#pragma once
// An immediate-mode drawing surface in twips: outlined and filled
// rectangles, a line width, text at a position with a current font and text
// colour, and text measurement. The board, the printed page and the
// clipboard picture are all drawn through this one interface. It knows no
// toolkit: the window's surfaces (view/qt_surface.h) measure and draw text
// with Qt's fonts, and another front end may bring surfaces of its own.
#include <string>
#include <string_view>
#include <utility>

#include "model/colour.h"
#include "view/board_geometry.h"

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
  // UTF-8 text whose top-left corner is at (x, y), in the current font and
  // text colour.
  virtual void Print(int x, int y, std::string_view text) = 0;

  // Measures of a text in the current font, in twips.
  virtual double TextWidth(std::string_view text) const = 0;
  virtual double TextHeight(std::string_view text) const = 0;
  // Distance from a text's top to its baseline in the current font.
  virtual double TextAscent() const = 0;

  void SetLineWidth(int width) { lineWidth_ = width; }
  int LineWidth() const { return lineWidth_; }
  void SetTextColour(Colour c) { textColour_ = c; }
  Colour TextColour() const { return textColour_; }
  void SetFontName(std::string name) {
    fontName_ = std::move(name);
    FontChanged();
  }
  void SetFontBold(bool bold) {
    fontBold_ = bold;
    FontChanged();
  }
  void SetFontSize(double points) {
    fontSize_ = points;
    FontChanged();
  }
  const std::string& FontName() const { return fontName_; }
  bool FontBold() const { return fontBold_; }
  double FontSize() const { return fontSize_; }

 protected:
  // Called after the font's name, weight or size changed.
  virtual void FontChanged() {}

 private:
  int lineWidth_ = 1;
  Colour textColour_ = kBlack;
  std::string fontName_ = "Courier New";
  bool fontBold_ = true;
  double fontSize_ = 12;
};

}  // namespace kalvero
