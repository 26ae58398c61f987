#pragma once
// The browser's surface: records the board's drawing calls in twips, as the
// window's recording surface does, for the page to replay on a canvas scaled
// to its size and pixel density. Text is measured by the page's canvas in
// the same font it is drawn in, so the picture is laid out as it is shown.
#include <string>
#include <vector>

#include "view/surface.h"

namespace kalvero::web {

class WebSurface : public Surface {
 public:
  explicit WebSurface(int size) : size_(size) {}

  void Clear(Colour background) override;
  // Drops every call without painting a background (a transparent layer).
  void Forget() { calls_.clear(); }
  void Box(const TwipRect& r, Colour colour, bool filled) override;
  void Print(int x, int y, std::string_view text) override;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  double TextAscent() const override;

  // The calls as a JSON array: ["c",colour], ["f",x,y,w,h,colour],
  // ["o",x,y,w,h,colour,lineWidth] and ["t",x,baseline,text,colour,font],
  // colours as "#rrggbb" and fonts as CSS font shorthands.
  std::string Json() const;

 private:
  // The current font as a CSS shorthand, sized in twips.
  std::string CssFont() const;

  struct Call {
    char kind;  // 'c', 'f', 'o' or 't'
    TwipRect rect;
    double baseline;
    Colour colour;
    int lineWidth;
    std::string text;
    std::string font;
  };
  int size_;
  std::vector<Call> calls_;
};

// A text as a JSON string literal.
std::string JsonString(std::string_view text);

}  // namespace kalvero::web
