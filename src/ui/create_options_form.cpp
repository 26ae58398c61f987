#include "ui/create_options_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "generator/creation.h"
#include "generator/patterns.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "ui/box_control.h"
#include "ui/fn_dialog.h"
#include "ui/msg_form.h"
#include "view/qt_colour.h"
#include "view/surface.h"

namespace kalvero {

namespace {
constexpr int kGridTwips = 9 * PatternGrid::kCellTwips;
}  // namespace


PatternGrid::PatternGrid(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture1"));
  setAccessibleName(QStringLiteral("Fixed cells pattern"));
  setMinimumSize(sizeHint());
}

QSize PatternGrid::sizeHint() const {
  // The grid at twice its true size: 1800 twips would be only 120 pixels.
  const int side = qRound(2 * kGridTwips * logicalDpiX() / 1440.0);
  return {side, side};
}

double PatternGrid::Scale() const { return std::min(width(), height()) / static_cast<double>(kGridTwips + 30); }

std::pair<int, int> PatternGrid::CellAt(const QPointF& pixel) const {
  const QPointF twips = pixel / Scale() - QPointF(15, 15);
  if (twips.x() < 0 || twips.y() < 0) return {0, 0};
  const int r = static_cast<int>(twips.y() / kCellTwips) + 1;
  const int c = static_cast<int>(twips.x() / kCellTwips) + 1;
  if (r > 9 || c > 9) return {0, 0};
  return {r, c};
}

void PatternGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(background_));
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(Scale(), Scale());
  p.translate(15, 15);  // room for the outer box lines
  PainterSurface surface(p, kGridTwips, kGridTwips);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const TwipRect cell{(c - 1) * kCellTwips, (r - 1) * kCellTwips, kCellTwips, kCellTwips};
      const bool fixed = flags_ && (*flags_)[r][c] == 1;
      surface.Box(cell, fixed ? grid_ : background_, true);
      surface.Box(cell, grid_, false);
    }
  surface.SetLineWidth(2);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) surface.Box({c * 600, r * 600, 600, 600}, grid_, false);
}

void PatternGrid::mouseReleaseEvent(QMouseEvent* event) {
  const auto [r, c] = CellAt(event->position());
  if (r > 0) emit cellReleased(r, c);
}

CreateOptionsForm::CreateOptionsForm(RandomSource& random, QWidget* parent) : QDialog(parent), random_(random) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Kalvero Create Options"));
  setModal(true);

  auto* gridFrame = new QGroupBox(QStringLiteral("Grid"), this);
  grid_ = new PatternGrid(gridFrame);
  grid_->SetFlags(&flags_);
  auto* gridLayout = new QVBoxLayout(gridFrame);
  gridLayout->addWidget(grid_);
  connect(grid_, &PatternGrid::cellReleased, this, &CreateOptionsForm::ToggleCell);

  auto* fixedFrame = new QGroupBox(QStringLiteral("Fixed Cells"), this);
  auto* fixedLayout = new QGridLayout(fixedFrame);
  for (int i = 0; i < 4; ++i) {
    const char* text = i < static_cast<int>(kCreateLevels.size()) ? kCreateLevels[i].menuText : "Random";
    option1_[i] = new QRadioButton(QLatin1String(text), fixedFrame);
    option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    fixedLayout->addWidget(option1_[i], i, 0, 1, 2);
    connect(option1_[i], &QRadioButton::clicked, this,
            [this, i] { SelectOption(static_cast<PatternOption>(i)); });
  }
  auto* label1 = new QLabel(QStringLiteral("# of Fixed Cells"), fixedFrame);
  label1->setObjectName(QStringLiteral("Label1"));
  text3_ = new QLineEdit(fixedFrame);
  text3_->setObjectName(QStringLiteral("Text3"));
  text3_->setAccessibleName(QStringLiteral("Number of fixed cells"));
  text3_->setMaximumWidth(60);
  fixedLayout->addWidget(label1, 4, 0);
  fixedLayout->addWidget(text3_, 4, 1);
  set_ = new BoxControl(QStringLiteral("Set"), fixedFrame);
  set_->setObjectName(QStringLiteral("command1"));
  clear_ = new BoxControl(QStringLiteral("Clear"), fixedFrame);
  clear_->setObjectName(QStringLiteral("BoxControl1"));
  fixedLayout->addWidget(set_, 5, 0);
  fixedLayout->addWidget(clear_, 5, 1);
  connect(set_, &BoxControl::mouseUp, this, [this] { SetPattern(); });
  connect(clear_, &BoxControl::mouseUp, this, [this] { ClearGrid(); });

  auto* countFrame = new QGroupBox(QStringLiteral("# of Puzzles"), this);
  text2_ = new QLineEdit(QStringLiteral("10"), countFrame);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setAccessibleName(QStringLiteral("Number of puzzles"));
  auto* countLayout = new QHBoxLayout(countFrame);
  countLayout->addWidget(text2_);

  auto* fileFrame = new QGroupBox(QStringLiteral("Puzzle Output File"), this);
  text1_ = new QLineEdit(fileFrame);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setAccessibleName(QStringLiteral("Puzzle output file"));
  gf1_ = new FNDialog(fileFrame);
  gf1_->setObjectName(QStringLiteral("gf1"));
  gf1_->setAccessibleName(QStringLiteral("Choose output file"));
  auto* fileLayout = new QHBoxLayout(fileFrame);
  fileLayout->addWidget(text1_, 1);
  fileLayout->addWidget(gf1_);
  connect(gf1_, &BoxControl::mouseUp, this, [this] { ChooseOutputFile(); });

  create_ = new BoxControl(QStringLiteral("Create"), this);
  create_->setObjectName(QStringLiteral("BoxControl2"));
  exit_ = new BoxControl(QStringLiteral("Exit"), this);
  exit_->setObjectName(QStringLiteral("BoxControl3"));
  connect(create_, &BoxControl::mouseUp, this, [this] { AcceptOptions(); });
  connect(exit_, &BoxControl::mouseUp, this, [this] { ExitWindow(); });

  auto* right = new QVBoxLayout;
  right->addWidget(fixedFrame);
  right->addWidget(countFrame);
  right->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(gridFrame);
  top->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(create_);
  buttons->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(fileFrame);
  layout->addLayout(buttons);

  ClearGrid();
}

void CreateOptionsForm::SetColours(Colour background, Colour control, Colour grid) {
  QPalette window = palette();
  window.setColor(QPalette::Window, ToQColor(background));
  window.setColor(QPalette::Base, ToQColor(control));
  window.setColor(QPalette::Button, ToQColor(control));
  setPalette(window);
  for (BoxControl* b : {set_, clear_, create_, exit_, static_cast<BoxControl*>(gf1_)}) b->SetBackColor(ToQColor(control));
  grid_->SetColours(grid, background);
}

void CreateOptionsForm::Prepare(const QString& defaultOutputFile, const QString& appFolder) {
  appFolder_ = appFolder;
  // A relative output name is written inside the application folder, so
  // that is where it must exist.
  const QString current = text1_->text().trimmed();
  if (current.isEmpty() || !FileExists(QDir(appFolder).absoluteFilePath(current).toStdString()))
    text1_->setText(defaultOutputFile);
  tag_.clear();
  text3_->setText(QStringLiteral("9"));
  option1_[0]->setChecked(true);
  ClearGrid();
}

QString CreateOptionsForm::OutputFile() const { return text1_->text(); }
QString CreateOptionsForm::PuzzleCountText() const { return text2_->text(); }

int CreateOptionsForm::Message(const QString& text) { return MsgboxA(this, text, kMsgError); }

void CreateOptionsForm::ClearGrid() {
  flags_ = {};
  grid_->update();
}

void CreateOptionsForm::ToggleCell(int row, int column) {
  if (row < 1 || row > 9 || column < 1 || column > 9) return;
  flags_[row][column] = flags_[row][column] == 1 ? 0 : 1;
  grid_->update();
}

void CreateOptionsForm::SelectOption(PatternOption option) {
  option1_[static_cast<int>(option)]->setChecked(true);
  if (option != PatternOption::Random)
    text3_->setText(QString::number(kCreateLevels[static_cast<int>(option)].fixedCount));
}

void CreateOptionsForm::SetPattern() {
  if (option1_[static_cast<int>(PatternOption::Random)]->isChecked()) {
    const int m = WholeNumber(text3_->text().toStdString(), Rounding::HalfEven);
    if (m < 1 || m > kRandomPatternMax) {
      Message(QStringLiteral("Fixed cells must be 1 to 49"));
      return;
    }
    flags_ = {};
    for (int cell : RandomPatternCells(random_, m)) flags_[kTables.RowOf[cell]][kTables.ColOf[cell]] = 1;
  } else {
    for (int i = 0; i < 3; ++i)
      if (option1_[i]->isChecked()) SetPresetPattern(flags_, kCreateLevels[i].fixedCount);
  }
  grid_->update();
}

void CreateOptionsForm::ChooseOutputFile() {
  const QString name = gf1_->ChoosePuzzleFile(QStringLiteral("SAVE"), appFolder_);
  if (!name.isEmpty()) text1_->setText(name);
}

void CreateOptionsForm::AcceptOptions() {
  if (PatternCount(flags_) == 0) {
    Message(QStringLiteral("There must be at least one fixed cell"));
    return;
  }
  if (WholeNumber(text2_->text().toStdString(), Rounding::HalfEven) <= 0) {
    Message(QStringLiteral("Set number of puzzles to create"));
    return;
  }
  if (text1_->text().trimmed().isEmpty()) {
    Message(QStringLiteral("Specify the puzzle output file name"));
    return;
  }
  tag_ = QStringLiteral("Y");
  accept();
}

void CreateOptionsForm::ExitWindow() {
  tag_.clear();
  reject();
}

void CreateOptionsForm::closeEvent(QCloseEvent* event) {
  tag_.clear();
  QDialog::closeEvent(event);
}

}  // namespace kalvero
