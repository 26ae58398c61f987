#include "ui/create_options_form.h"

#include <QComboBox>
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
#include "view/qt_surface.h"
#include "ui/translate.h"

namespace kalvero {

PatternGrid::PatternGrid(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture1"));
  setAccessibleName(tr("Fixed cells pattern"));
  setMinimumSize(sizeHint());
}

QSize PatternGrid::sizeHint() const {
  // The grid at twice its true size: 1800 twips would be only 120 pixels.
  const int side = qRound(2 * kGridTwips * logicalDpiX() / 1440.0);
  return {side, side};
}

double PatternGrid::Scale() const {
  return std::min(width(), height()) / static_cast<double>(kGridTwips + 2 * kMarginTwips);
}

std::pair<int, int> PatternGrid::CellAt(const QPointF& pixel) const {
  const QPointF twips = pixel / Scale() - QPointF(kMarginTwips, kMarginTwips);
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
  p.translate(kMarginTwips, kMarginTwips);
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
    for (int c = 0; c < 3; ++c) surface.Box({c * kBoxTwips, r * kBoxTwips, kBoxTwips, kBoxTwips}, grid_, false);
}

void PatternGrid::mouseReleaseEvent(QMouseEvent* event) {
  const auto [r, c] = CellAt(event->position());
  if (r > 0) emit cellReleased(r, c);
}

namespace {

// A text field with the object name tests and assistive tools know it by
// and the name a screen reader announces.
QLineEdit* MakeField(const char* objectName, const QString& accessibleName, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QLatin1String(objectName));
  field->setAccessibleName(accessibleName);
  return field;
}

}  // namespace

CreateOptionsForm::CreateOptionsForm(RandomSource& random, QWidget* parent) : QDialog(parent), random_(random) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(tr("Kalvero Create Options"));
  setModal(true);

  auto* right = new QVBoxLayout;
  right->addWidget(MakePatternFrame());
  right->addWidget(MakeCountFrame());
  right->addWidget(MakeGradeFrame());
  right->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(MakeGridFrame());
  top->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  //: Button that starts creating the puzzles
  buttons->addWidget(MakeButton(tr("Create"), "BoxControl2", this, &CreateOptionsForm::AcceptOptions));
  buttons->addWidget(MakeButton(tr("Exit"), "BoxControl3", this, &CreateOptionsForm::ExitWindow));
  // The note on a very rare grade spans the window, under the grid.
  gradeNote_ = new QLabel(this);
  gradeNote_->setObjectName(QStringLiteral("lblGradeNote"));
  gradeNote_->setWordWrap(true);
  gradeNote_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(gradeNote_);
  layout->addWidget(MakeFileFrame());
  layout->addLayout(buttons);

  ClearGrid();
}

BoxControl* CreateOptionsForm::MakeButton(const QString& caption, const char* objectName, QWidget* parent,
                                          void (CreateOptionsForm::*action)()) {
  auto* button = new BoxControl(caption, parent);
  button->setObjectName(QLatin1String(objectName));
  connect(button, &BoxControl::mouseUp, this, [this, action] { (this->*action)(); });
  buttons_.push_back(button);
  return button;
}

QWidget* CreateOptionsForm::MakeGridFrame() {
  auto* frame = new QGroupBox(tr("Grid"), this);
  grid_ = new PatternGrid(frame);
  grid_->SetFlags(&flags_);
  connect(grid_, &PatternGrid::cellReleased, this, &CreateOptionsForm::ToggleCell);
  (new QVBoxLayout(frame))->addWidget(grid_);
  return frame;
}

QWidget* CreateOptionsForm::MakePatternFrame() {
  auto* frame = new QGroupBox(tr("Fixed Cells"), this);
  auto* layout = new QGridLayout(frame);
  for (int i = 0; i < kPatternOptionCount; ++i) {
    //: Pattern choice: the fixed cells are placed at random
    const QString caption =
        i < static_cast<int>(kCreateLevels.size()) ? Translated(kCreateLevels[i].menuText) : tr("Random");
    QRadioButton* option = patternOptions_[i] = new QRadioButton(caption, frame);
    option->setObjectName(QStringLiteral("Option1_%1").arg(i));
    layout->addWidget(option, i, 0, 1, 2);
    connect(option, &QRadioButton::clicked, this, [this, i] { SelectOption(static_cast<PatternOption>(i)); });
  }
  auto* countLabel = new QLabel(tr("# of Fixed Cells"), frame);
  countLabel->setObjectName(QStringLiteral("Label1"));
  randomCellCount_ = MakeField("Text3", tr("Number of fixed cells"), frame);
  randomCellCount_->setMaximumWidth(60);
  layout->addWidget(countLabel, kPatternOptionCount, 0);
  layout->addWidget(randomCellCount_, kPatternOptionCount, 1);
  //: Button that fills the grid with the chosen pattern of fixed cells
  BoxControl* set = MakeButton(tr("Set"), "command1", frame, &CreateOptionsForm::SetPattern);
  BoxControl* clear = MakeButton(tr("Clear"), "BoxControl1", frame, &CreateOptionsForm::ClearGrid);
  layout->addWidget(set, kPatternOptionCount + 1, 0);
  layout->addWidget(clear, kPatternOptionCount + 1, 1);
  return frame;
}

QWidget* CreateOptionsForm::MakeCountFrame() {
  auto* frame = new QGroupBox(tr("# of Puzzles"), this);
  puzzleCount_ = MakeField("Text2", tr("Number of puzzles"), frame);
  puzzleCount_->setText(QStringLiteral("10"));
  (new QHBoxLayout(frame))->addWidget(puzzleCount_);
  return frame;
}

QWidget* CreateOptionsForm::MakeGradeFrame() {
  auto* frame = new QGroupBox(tr("Grade"), this);
  grade_ = new QComboBox(frame);
  grade_->setObjectName(QStringLiteral("cboGrade"));
  grade_->setAccessibleName(tr("Grade"));
  //: Grade list entry: puzzles of any grade
  grade_->addItem(tr("Any"));
  for (const GradeInfo& info : kGrades) grade_->addItem(Translated(info.name));
  connect(grade_, &QComboBox::currentIndexChanged, this, [this] { UpdateGradeNote(); });
  (new QVBoxLayout(frame))->addWidget(grade_);
  return frame;
}

QWidget* CreateOptionsForm::MakeFileFrame() {
  auto* frame = new QGroupBox(tr("Puzzle Output File"), this);
  outputFile_ = MakeField("Text1", tr("Puzzle output file"), frame);
  outputChooser_ = new FNDialog(frame);
  outputChooser_->setObjectName(QStringLiteral("gf1"));
  outputChooser_->setAccessibleName(tr("Choose output file"));
  connect(outputChooser_, &BoxControl::mouseUp, this, [this] { ChooseOutputFile(); });
  buttons_.push_back(outputChooser_);
  auto* layout = new QHBoxLayout(frame);
  layout->addWidget(outputFile_, 1);
  layout->addWidget(outputChooser_);
  return frame;
}

void CreateOptionsForm::SetColours(Colour background, Colour control, Colour grid) {
  QPalette window = palette();
  window.setColor(QPalette::Window, ToQColor(background));
  window.setColor(QPalette::Base, ToQColor(control));
  window.setColor(QPalette::Button, ToQColor(control));
  SetTextColours(window, background, control);
  setPalette(window);
  for (BoxControl* b : buttons_) {
    b->SetBackColor(ToQColor(control));
    b->SetForeColor(ToQColor(TextColourOn(control)));
  }
  grid_->SetColours(grid, background);
}

void CreateOptionsForm::Prepare(const QString& defaultOutputFile, const QString& appFolder) {
  appFolder_ = appFolder;
  // A relative output name is written inside the application folder, so
  // that is where it must exist.
  const QString current = outputFile_->text().trimmed();
  if (current.isEmpty() || !FileExists(QDir(appFolder).absoluteFilePath(current).toStdString()))
    outputFile_->setText(defaultOutputFile);
  setResult(QDialog::Rejected);
  randomCellCount_->setText(QString::number(kCreateLevels[0].fixedCount));
  patternOptions_[0]->setChecked(true);
  ClearGrid();
}

QString CreateOptionsForm::OutputFile() const { return outputFile_->text(); }
QString CreateOptionsForm::PuzzleCountText() const { return puzzleCount_->text(); }

std::optional<Grade> CreateOptionsForm::ChosenGrade() const {
  const int index = grade_->currentIndex();
  if (index < 1) return std::nullopt;
  return kGrades[static_cast<std::size_t>(index - 1)].grade;
}

void CreateOptionsForm::SetGrade(std::optional<Grade> grade) {
  grade_->setCurrentIndex(grade ? static_cast<int>(*grade) + 1 : 0);
}

void CreateOptionsForm::PatternChanged() {
  grid_->update();
  UpdateGradeNote();
}

// A grade that is very rare with the pattern's number of given cells is
// said at once, not left to a long wait.
void CreateOptionsForm::UpdateGradeNote() {
  const std::optional<Grade> grade = ChosenGrade();
  const int fixed = PatternCount(flags_);
  const bool rare = grade && fixed > 0 && GradeIsRare(*grade, fixed);
  gradeNote_->setText(rare ? QString::fromStdString(RareGradeText(*grade, fixed, QtWords())) : QString());
  if (gradeNote_->isVisibleTo(this) == rare) return;
  gradeNote_->setVisible(rare);
  // Grow (or shrink back) rather than squeeze the frames above.
  if (isVisible()) {
    layout()->activate();
    resize(width(), sizeHint().height());
  }
}

int CreateOptionsForm::Message(const QString& text) { return MsgboxA(this, text, kMsgError); }

bool CreateOptionsForm::Chosen(PatternOption option) const {
  return patternOptions_[static_cast<int>(option)]->isChecked();
}

void CreateOptionsForm::ClearGrid() {
  flags_ = {};
  PatternChanged();
}

void CreateOptionsForm::ToggleCell(int row, int column) {
  if (row < 1 || row > 9 || column < 1 || column > 9) return;
  flags_[row][column] = flags_[row][column] == 1 ? 0 : 1;
  PatternChanged();
}

void CreateOptionsForm::SelectOption(PatternOption option) {
  patternOptions_[static_cast<int>(option)]->setChecked(true);
  if (option != PatternOption::Random)
    randomCellCount_->setText(QString::number(kCreateLevels[static_cast<int>(option)].fixedCount));
}

void CreateOptionsForm::SetPattern() {
  if (Chosen(PatternOption::Random)) {
    constexpr int kFewest = 1;
    const int m = WholeNumber(randomCellCount_->text().toStdString(), Rounding::HalfEven);
    if (m < kFewest || m > kRandomPatternMax) {
      Message(tr("Fixed cells must be %1 to %2").arg(kFewest).arg(kRandomPatternMax));
      return;
    }
    flags_ = {};
    for (int cell : RandomPatternCells(random_, m)) flags_[kTables.RowOf[cell]][kTables.ColOf[cell]] = 1;
  } else {
    for (std::size_t i = 0; i < kCreateLevels.size(); ++i)
      if (Chosen(static_cast<PatternOption>(i))) SetPresetPattern(flags_, kCreateLevels[i].fixedCount);
  }
  PatternChanged();
}

void CreateOptionsForm::ChooseOutputFile() {
  const QString name = outputChooser_->ChoosePuzzleFile(QStringLiteral("SAVE"), appFolder_);
  if (!name.isEmpty()) outputFile_->setText(name);
}

void CreateOptionsForm::AcceptOptions() {
  if (PatternCount(flags_) == 0) {
    Message(tr("There must be at least one fixed cell"));
    return;
  }
  if (WholeNumber(puzzleCount_->text().toStdString(), Rounding::HalfEven) <= 0) {
    Message(tr("Set number of puzzles to create"));
    return;
  }
  if (outputFile_->text().trimmed().isEmpty()) {
    Message(tr("Specify the puzzle output file name"));
    return;
  }
  accept();
}

void CreateOptionsForm::ExitWindow() { reject(); }

}  // namespace kalvero
