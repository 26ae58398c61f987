#pragma once
// Conversions between the program's packed colours and Qt's.
#include <QColor>

#include "model/colour.h"

namespace kalvero {

inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

}  // namespace kalvero
