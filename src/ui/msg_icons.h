#pragma once
// The message box's icons, drawn as vector shapes.
#include <QRectF>

class QPainter;

namespace kalvero {

// Draws the icon of a message-box slot (see MsgIconSlot) centred in the
// largest square that fits in rect; a slot without an icon draws nothing.
void DrawMessageIcon(QPainter& painter, const QRectF& rect, int slot);

}  // namespace kalvero
