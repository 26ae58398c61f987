#pragma once
// The controls of the main window's client area: the ten picture buttons
// beside the board, the level list, the pencil-value field, the board and
// the four labels under it, laid out in twips on a ClientArea.
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kalvero {

class BoardView;
class BoxControl;
class FittedLabel;
class ClientArea;

// The buttons beside the board, in the order they stand.
enum class ButtonId { Load, Previous, Random, Next, Create, Pencil, Undo, Reset, Verify, ShowSolution, Count };

struct MainWidgets {
  ClientArea* client = nullptr;
  BoardView* board = nullptr;  // Picture1
  std::array<BoxControl*, static_cast<int>(ButtonId::Count)> buttons{};
  QComboBox* levelList = nullptr;   // Combo1
  QLineEdit* pencilValue = nullptr;  // Label5
  FittedLabel* fileLabel = nullptr;    // its tooltip is the file's whole name
  FittedLabel* numberLabel = nullptr;
  QLabel* levelLabel = nullptr;
  QLabel* timeLabel = nullptr;           // play time, accessible name "Time"
  FittedLabel* statusLabel = nullptr;  // the whole status in its tooltip and accessible description

  BoxControl* Button(ButtonId id) const { return buttons[static_cast<int>(id)]; }
};

// Builds the client area (owned by the caller through its parent, or
// returned unparented for setCentralWidget) with every control in place.
MainWidgets BuildMainWidgets();

}  // namespace kalvero
