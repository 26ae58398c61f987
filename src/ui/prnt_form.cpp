#include "ui/prnt_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "output/print_layout.h"
#include "output/printer_choice.h"
#include "ui/box_control.h"
#include "ui/msg_form.h"

namespace kalvero {

namespace {
BoxControl* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new BoxControl(caption, parent);
  button->setObjectName(QLatin1String(name));
  return button;
}
}  // namespace

PrntForm::PrntForm(PrinterChoice& printer, QWidget* parent) : QDialog(parent), printer_(printer) {
  setObjectName(QStringLiteral("PrntForm"));
  setWindowTitle(tr("Print Puzzles"));
  setModal(true);

  auto* puzzles = new QGroupBox(tr("Puzzles"), this);
  option1_ = new QRadioButton(tr("Current Puzzle"), puzzles);
  option1_->setObjectName(QStringLiteral("Option1"));
  option1_->setChecked(true);
  //: Print choice: a range of puzzles of the file, such as 5-10
  option2_ = new QRadioButton(tr("Range"), puzzles);
  option2_->setObjectName(QStringLiteral("Option2"));
  text1_ = new QLineEdit(puzzles);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setToolTip(tr("Enter range like 5-10"));
  text1_->setAccessibleName(tr("Range"));
  auto* puzzlesLayout = new QVBoxLayout(puzzles);
  puzzlesLayout->addWidget(option1_);
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(option2_);
  rangeRow->addWidget(text1_, 1);
  puzzlesLayout->addLayout(rangeRow);
  // Typing a range chooses "Range".
  connect(text1_, &QLineEdit::textEdited, this, [this] { option2_->setChecked(true); });

  auto* printers = new QGroupBox(tr("Printers"), this);
  auto* label1 = new QLabel(tr("Current printer"), printers);
  label1->setObjectName(QStringLiteral("Label1"));
  label2_ = new QLabel(printers);
  label2_->setObjectName(QStringLiteral("Label2"));
  auto* printersLayout = new QVBoxLayout(printers);
  printersLayout->addWidget(label1);
  printersLayout->addWidget(label2_);

  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName(QStringLiteral("Label3"));

  //: Button that prints the chosen puzzles
  print_ = Button(tr("Print"), "Command1", this);
  cancel_ = Button(tr("Cancel"), "Command2", this);
  select_ = Button(tr("Select a printer"), "Command3", this);
  connect(print_, &BoxControl::mouseUp, this, [this] { PrintPressed(); });
  connect(cancel_, &BoxControl::mouseUp, this, [this] { CancelPressed(); });
  connect(select_, &BoxControl::mouseUp, this, [this] { SelectPrinter(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);
  buttons->addStretch(1);
  buttons->addWidget(select_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileLabel_);
  layout->addWidget(puzzles);
  layout->addWidget(printers);
  layout->addLayout(buttons);
  ShowPrinter();
}

void PrntForm::Prepare(const QString& fileLabel, const QString& filePath, int puzzleCount) {
  puzzleCount_ = puzzleCount;
  fileLabel_->setText(fileLabel);
  fileLabel_->setToolTip(filePath);
  ShowPrinter();
  tag_ = QStringLiteral("X");
  range_ = PrintRange();
}

bool PrntForm::CurrentPuzzleChosen() const { return !option2_->isChecked(); }

void PrntForm::ShowPrinter() {
  label2_->setText(printer_.DeviceName());
  label2_->setToolTip(printer_.DeviceName());
}

void PrntForm::PrintPressed() {
  if (!CurrentPuzzleChosen()) {
    const PrintRange range = CheckPrintRange(text1_->text(), puzzleCount_);
    if (range.check != RangeCheck::Accepted) {
      MsgboxA(this, range.Message(), kMsgError);
      return;
    }
    range_ = range;
  }
  tag_ = QStringLiteral("Y");
  hide();
  done(QDialog::Accepted);
}

void PrntForm::CancelPressed() { reject(); }

void PrntForm::reject() {
  tag_.clear();
  QDialog::reject();
}

void PrntForm::SelectPrinter() {
  if (printer_.Select(this)) ShowPrinter();
}

}  // namespace kalvero
