#pragma once
// A surface that records what is drawn on it as a list of drawing calls in
// twips, so the screen can replay the board at any size and pixel density.
// Clearing the surface drops everything drawn before; a filled box drops
// what it covers.
#include <QPainter>
#include <vector>

#include "view/qt_surface.h"

namespace kalvero {

class RecordingSurface : public QtSurface {
 public:
  explicit RecordingSurface(int size) : size_(size) {}

  void Clear(Colour background) override;
  // Drops every recorded call without painting a background, leaving a
  // transparent layer (for overlays).
  void Forget() { calls_.clear(); }
  void Box(const TwipRect& r, Colour colour, bool filled) override;
  void Print(int x, int y, std::string_view text) override;

  // Replays the recorded calls onto a painter whose coordinates are twips.
  void Replay(QPainter& painter) const;

  int Size() const { return size_; }

  // The texts drawn since the last clear, in drawing order.
  struct DrawnText {
    int x = 0, y = 0;  // top-left corner in twips
    QString text;
    Colour colour = kBlack;
  };
  std::vector<DrawnText> Texts() const;
  std::size_t CallCount() const { return calls_.size(); }

 private:
  struct Call {
    enum class Kind { Clear, Outline, Fill, Text } kind;
    TwipRect rect;
    double baseline;  // for text: y of its baseline
    Colour colour;
    int lineWidth;
    QString text;
    QFont font;
  };
  int size_;
  std::vector<Call> calls_;
};

}  // namespace kalvero
