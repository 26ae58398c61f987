#pragma once
// Conversions between the program's packed colours and Qt's.
#include <QColor>
#include <QPalette>

#include "model/colour.h"

namespace kalvero {

inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

// Text that reads on a scheme, light or dark: on the window colour
// (labels, captions) and on the colour of fields and buttons.
inline void SetTextColours(QPalette& palette, Colour window, Colour fields) {
  palette.setColor(QPalette::WindowText, ToQColor(TextColourOn(window)));
  palette.setColor(QPalette::Text, ToQColor(TextColourOn(fields)));
  palette.setColor(QPalette::ButtonText, ToQColor(TextColourOn(fields)));
}

}  // namespace kalvero
