#pragma once
// The mouse-button numbers the board and the program's own buttons report
// with their press and release signals: 1 left, 2 right, 4 middle, 0 any
// other. Owners give a control its main action on the left button and an
// alternative one on the right.
#include <Qt>

namespace kalvero {

inline constexpr int kLeftMouseButton = 1;
inline constexpr int kRightMouseButton = 2;
inline constexpr int kMiddleMouseButton = 4;

constexpr int MouseButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kLeftMouseButton;
    case Qt::RightButton: return kRightMouseButton;
    case Qt::MiddleButton: return kMiddleMouseButton;
    default: return 0;
  }
}

}  // namespace kalvero
