#pragma once
// The main window's client area, laid out in twips: every child has a fixed
// rectangle in a 6510 x 7230 twip area, and the whole area scales evenly with
// the window so the layout keeps its proportions at any size and density.
#include <QWidget>
#include <vector>

#include "view/board_geometry.h"

namespace kalvero {

class ClientArea : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 6510;
  static constexpr int kHeight = 7230;

  explicit ClientArea(QWidget* parent = nullptr);

  // Places a child at a rectangle in twips; its font scales with the area.
  void Place(QWidget* child, const TwipRect& rect, double fontPoints = 8.0);

  // Pixels per twip at the current size.
  double Scale() const;

  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Placement {
    QWidget* child;
    TwipRect rect;
    double fontPoints;
  };
  void Relayout();
  std::vector<Placement> placements_;
};

}  // namespace kalvero
