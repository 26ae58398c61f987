#pragma once
// Form3, "Kalvero Create Options": the pattern of fixed cells for a batch,
// drawn on a 9 x 9 grid of 200-twip cells (click to toggle, level presets or
// a random set), the number of puzzles, the grade the puzzles must have and
// the output file. "Create" accepts the dialog; "Exit" and the close box
// reject it.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "hint/grade.h"
#include "model/colour.h"
#include "model/puzzle_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kalvero {

class BoxControl;
class FNDialog;
class RandomSource;

// Picture1 of the window: the pattern grid. It shows the flags it is given
// and reports clicks by cell.
class PatternGrid : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCellTwips = 200;
  static constexpr int kBoxTwips = 3 * kCellTwips;   // a 3 x 3 box, outlined more heavily
  static constexpr int kGridTwips = 9 * kCellTwips;
  static constexpr int kMarginTwips = 15;            // room for the outer box lines on every side
  explicit PatternGrid(QWidget* parent = nullptr);

  void SetFlags(const Grid<int>* flags) { flags_ = flags; update(); }
  void SetColours(Colour grid, Colour background) { grid_ = grid; background_ = background; update(); }
  // The cell (row, column) under a point in widget pixels; (0, 0) outside the grid.
  std::pair<int, int> CellAt(const QPointF& pixel) const;
  QSize sizeHint() const override;

 signals:
  void cellReleased(int row, int column);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  double Scale() const;
  const Grid<int>* flags_ = nullptr;
  Colour grid_ = kBlack;
  Colour background_ = kLightColour;
};

class CreateOptionsForm : public QDialog {
  Q_OBJECT
 public:
  // The pattern choices: the three levels' presets, then a random set.
  enum class PatternOption { VeryEasy = 0, Easy = 1, Hard = 2, Random = 3 };
  static constexpr int kPatternOptionCount = 4;

  CreateOptionsForm(RandomSource& random, QWidget* parent = nullptr);

  // Colours: frames, labels, options and grid background take the scheme's
  // background; text boxes and buttons the control colour; cells and lines
  // the grid colour.
  void SetColours(Colour background, Colour control, Colour grid);

  // Prepares the window for a new batch as CreateMany does: default output
  // file when the current one does not exist, not accepted, "9" fixed
  // cells, "Very Easy" selected, pattern cleared.
  void Prepare(const QString& defaultOutputFile, const QString& appFolder);

  // True when the window was left with "Create" and its checks passed.
  bool Accepted() const { return result() == QDialog::Accepted; }
  const Grid<int>& Pattern() const { return flags_; }
  // The grade the created puzzles must have; none for any grade.
  std::optional<Grade> ChosenGrade() const;
  void SetGrade(std::optional<Grade> grade);
  QString OutputFile() const;
  QString PuzzleCountText() const;

  // The window's operations, also reachable by their controls.
  void ClearGrid();
  void SetPattern();
  void ToggleCell(int row, int column);
  void SelectOption(PatternOption option);
  void ChooseOutputFile();
  void AcceptOptions();
  void ExitWindow();

 private:
  QWidget* MakeGridFrame();
  QWidget* MakePatternFrame();
  QWidget* MakeCountFrame();
  QWidget* MakeGradeFrame();
  QWidget* MakeFileFrame();
  void PatternChanged();
  void UpdateGradeNote();
  // A button of the window, its mouse-up connected to `action`.
  BoxControl* MakeButton(const QString& caption, const char* objectName, QWidget* parent,
                         void (CreateOptionsForm::*action)());
  int Message(const QString& text);
  bool Chosen(PatternOption option) const;

  RandomSource& random_;
  Grid<int> flags_{};
  QString appFolder_;
  PatternGrid* grid_ = nullptr;
  std::array<QRadioButton*, kPatternOptionCount> patternOptions_{};
  QLineEdit* randomCellCount_ = nullptr;  // fixed cells of a random pattern
  QLineEdit* puzzleCount_ = nullptr;
  QLineEdit* outputFile_ = nullptr;
  FNDialog* outputChooser_ = nullptr;
  QComboBox* grade_ = nullptr;
  QLabel* gradeNote_ = nullptr;           // says when the grade is very rare with the pattern
  std::vector<BoxControl*> buttons_;      // every button, for the control colour
};

}  // namespace kalvero
