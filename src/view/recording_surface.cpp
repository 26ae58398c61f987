#include "view/recording_surface.h"

#include "view/qt_colour.h"

namespace kalvero {

void RecordingSurface::Clear(Colour background) {
  calls_.clear();
  calls_.push_back({Call::Kind::Clear, {0, 0, size_, size_}, 0, background, 0, {}, {}});
}

void RecordingSurface::Box(const TwipRect& r, Colour colour, bool filled) {
  // A fill hides the texts that start inside it and the fills it covers, so
  // those are dropped: redrawing one cell again and again then keeps the
  // recording (and every repaint) the same size.
  if (filled) {
    const auto inside = [&r](double x, double y) { return x >= r.x && x <= r.right() && y >= r.y && y <= r.bottom(); };
    std::erase_if(calls_, [&](const Call& c) {
      if (c.kind == Call::Kind::Text) return inside(c.rect.x, c.baseline);
      return c.kind == Call::Kind::Fill && inside(c.rect.x, c.rect.y) && inside(c.rect.right(), c.rect.bottom());
    });
  }
  calls_.push_back({filled ? Call::Kind::Fill : Call::Kind::Outline, r, 0, colour, LineWidth(), {}, {}});
}

void RecordingSurface::Print(int x, int y, std::string_view text) {
  calls_.push_back({Call::Kind::Text, {x, y, 0, 0}, y + TextAscent(), TextColour(), 0, Text(text), TwipFont()});
}

std::vector<RecordingSurface::DrawnText> RecordingSurface::Texts() const {
  std::vector<DrawnText> texts;
  for (const Call& call : calls_)
    if (call.kind == Call::Kind::Text) texts.push_back({call.rect.x, call.rect.y, call.text, call.colour});
  return texts;
}

void RecordingSurface::Replay(QPainter& painter) const {
  for (const Call& call : calls_) {
    const QRectF rect(call.rect.x, call.rect.y, call.rect.w, call.rect.h);
    switch (call.kind) {
      case Call::Kind::Clear:
      case Call::Kind::Fill:
        painter.fillRect(rect, ToQColor(call.colour));
        break;
      case Call::Kind::Outline: {
        QPen pen(ToQColor(call.colour));
        pen.setWidthF(call.lineWidth * kTwipsPerLineWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        break;
      }
      case Call::Kind::Text:
        painter.setFont(call.font);
        painter.setPen(ToQColor(call.colour));
        painter.drawText(QPointF(call.rect.x, call.baseline), call.text);
        break;
    }
  }
}

}  // namespace kalvero
