#pragma once
// PrntForm, "Print Puzzles": prints the current puzzle or a range of the
// current file. The window's tag tells its owner what happened: "X" while
// it is open, "Y" after "Print" accepted the input, "" after "Cancel" or
// the close box. An accepted range is kept as the field's ten-character tag.
#include <QDialog>

#include "output/print_layout.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kalvero {

class BoxControl;
class PrinterChoice;

class PrntForm : public QDialog {
  Q_OBJECT
 public:
  explicit PrntForm(PrinterChoice& printer, QWidget* parent = nullptr);

  // Fills the printer and file labels and sets the tag to "X".
  void Prepare(const QString& fileLabel, const QString& filePath, int puzzleCount);

  QString Tag() const { return tag_; }
  QString RangeTag() const { return range_.check == RangeCheck::Accepted ? range_.Tag() : QString(); }
  // The accepted range itself: its numbers are carried whole, however many
  // digits they have.
  const PrintRange& Range() const { return range_; }
  bool CurrentPuzzleChosen() const;

  // The window's buttons.
  void PrintPressed();
  void CancelPressed();
  void SelectPrinter();

 public slots:
  // Escape and the close box cancel like "Cancel".
  void reject() override;

 private:
  void ShowPrinter();

  PrinterChoice& printer_;
  int puzzleCount_ = 0;
  QString tag_;
  PrintRange range_;
  QRadioButton* option1_;
  QRadioButton* option2_;
  QLineEdit* text1_;
  QLabel* label2_;
  QLabel* fileLabel_;
  BoxControl* print_;
  BoxControl* cancel_;
  BoxControl* select_;
};

}  // namespace kalvero
