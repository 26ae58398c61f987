#include "model/colour.h"

#include <cmath>

namespace kalvero {

namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Colour c) {
  return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

double ContrastRatio(Colour a, Colour b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour TextColourOn(Colour background) {
  return ContrastRatio(kDarkColour, background) >= ContrastRatio(kLightColour, background) ? kDarkColour
                                                                                            : kLightColour;
}

bool IsDarkBackground(Colour background) { return TextColourOn(background) == kLightColour; }

Colour MistakeColourOn(Colour background) { return IsDarkBackground(background) ? Rgb(255, 120, 120) : kRedColour; }

}  // namespace kalvero
