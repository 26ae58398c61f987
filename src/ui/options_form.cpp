#include "ui/options_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/text.h"
#include "ui/box_control.h"
#include "ui/col_pik.h"
#include "ui/msg_form.h"
#include "view/mouse_buttons.h"
#include "view/qt_colour.h"
#include "view/std_text.h"

namespace kalvero {

namespace {

constexpr int kAdjustStep = 10;
constexpr int kChannelFloor = 10;


// The scheme name shown in the list: the file name up to its first ".".
QString SchemeTitle(const std::string& schemeFile) { return QStr(schemeFile).section(QLatin1Char('.'), 0, 0); }

void SetBackground(QWidget* widget, QPalette::ColorRole role, Colour colour) {
  QPalette p = widget->palette();
  p.setColor(role, ToQColor(colour));
  widget->setPalette(p);
}

}  // namespace

OptionsForm::OptionsForm(Settings& settings, SchemeColours& colours, const int& controlColourIndex,
                         std::vector<std::string> schemeNames, std::string schemeListPath, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      colours_(colours),
      controlColourIndex_(controlColourIndex),
      schemeListPath_(std::move(schemeListPath)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Kalvero options"));

  frame1_ = new QGroupBox(this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  combo1_ = new QComboBox(frame1_);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setAccessibleName(QStringLiteral("Colour Scheme"));
  for (const std::string& name : schemeNames) combo1_->addItem(QStr(name));
  auto* schemeLayout = new QVBoxLayout(frame1_);
  schemeLayout->addWidget(combo1_);
  connect(combo1_, &QComboBox::activated, this, [this](int index) { ChooseScheme(combo1_->itemText(index)); });

  auto* pickFrame = new QGroupBox(QStringLiteral("Select Colour"), this);
  colPik1_ = new ColPik(pickFrame);
  colPik1_->setObjectName(QStringLiteral("ColPik1"));
  auto* pickLayout = new QVBoxLayout(pickFrame);
  pickLayout->addWidget(colPik1_);

  auto* colourFrame = new QGroupBox(QStringLiteral("Colours"), this);
  auto* colourLayout = new QGridLayout(colourFrame);
  const char* captions[] = {"Grid Colour", "Numbers Colour", "Pencilmark Colour"};
  const char* names[] = {"Label2", "Label5", "Label7"};
  for (int i = 0; i < 3; ++i) {
    auto* caption = new QLabel(QLatin1String(captions[i]), colourFrame);
    swatches_[i] = new BoxControl(colourFrame);
    swatches_[i]->setObjectName(QLatin1String(names[i]));
    swatches_[i]->SetBorderStyle(BoxControl::Border::None);
    // The three swatches share one tooltip.
    swatches_[i]->setToolTip(QStringLiteral("Click to set Grid Colour; select colour first"));
    swatches_[i]->setAccessibleName(QLatin1String(captions[i]));
    swatches_[i]->setMinimumSize(40, 20);
    colourLayout->addWidget(caption, i, 0);
    colourLayout->addWidget(swatches_[i], i, 1);
    connect(swatches_[i], &BoxControl::mouseUp, this, [this, i] { ClickSwatch(static_cast<Swatch>(i)); });
  }
  auto* lineSizeLabel = new QLabel(QStringLiteral("Printer Line Size"), colourFrame);
  text1_ = new QLineEdit(colourFrame);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setAccessibleName(QStringLiteral("Printer Line Size"));
  text1_->setMaximumWidth(60);
  lineSizeLabel->setBuddy(text1_);
  colourLayout->addWidget(lineSizeLabel, 3, 0);
  colourLayout->addWidget(text1_, 3, 1);

  check1_ = new QCheckBox(QStringLiteral("Show Pencil Marks as Tooltip"), this);
  check1_->setObjectName(QStringLiteral("Check1"));
  check2_ = new QCheckBox(QStringLiteral("Show Sum Areas as Tooltip"), this);
  check2_->setObjectName(QStringLiteral("Check2"));

  adjust_ = new BoxControl(QStringLiteral("+-"), this);
  adjust_->setObjectName(QStringLiteral("cmdadjust4"));
  adjust_->setToolTip(QStringLiteral("Darken the button colour; rightclick to brighten it"));
  apply_ = new BoxControl(QStringLiteral("Apply"), this);
  apply_->setObjectName(QStringLiteral("Command1"));
  exit_ = new BoxControl(QStringLiteral("Exit"), this);
  exit_->setObjectName(QStringLiteral("Command2"));
  connect(adjust_, &BoxControl::mouseUp, this, [this](int button) { AdjustControlColour(button); });
  connect(apply_, &BoxControl::mouseUp, this, [this] { Apply(); });
  connect(exit_, &BoxControl::mouseUp, this, [this] { ExitWindow(); });

  auto* left = new QVBoxLayout;
  left->addWidget(frame1_);
  left->addWidget(pickFrame);
  auto* right = new QVBoxLayout;
  right->addWidget(colourFrame);
  right->addWidget(check1_);
  right->addWidget(check2_);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(adjust_);
  buttons->addStretch(1);
  buttons->addWidget(apply_);
  buttons->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  ShowSettings();
}

void OptionsForm::showEvent(QShowEvent* event) {
  ShowSettings();
  QDialog::showEvent(event);
}

void OptionsForm::ShowSettings() {
  combo1_->setCurrentIndex(combo1_->findText(SchemeTitle(settings_.SchemeFile)));
  frame1_->setTitle(QStringLiteral("Colour Scheme: ") + QStr(settings_.SchemeFile));
  SetSwatch(0, settings_.GridColour);
  SetSwatch(1, settings_.NumbersColour);
  SetSwatch(2, settings_.PencilColour);
  text1_->setText(QString::number(settings_.PrinterLineSize));
  check1_->setChecked(settings_.PencilTooltip == 1);
  check2_->setChecked(settings_.SumAreaTooltip == 1);
  RecolourOptions();
}

void OptionsForm::SetSwatch(int index, Colour colour) {
  swatchColours_[index] = colour;
  swatches_[index]->SetBackColor(ToQColor(colour));
}

void OptionsForm::RecolourOptions() {
  SetBackground(this, QPalette::Window, colours_[kBackgroundEntry]);
  setAutoFillBackground(true);
  for (QWidget* w : {static_cast<QWidget*>(check1_), static_cast<QWidget*>(check2_)})
    SetBackground(w, QPalette::Window, colours_[kBackgroundEntry]);
  SetBackground(combo1_, QPalette::Base, colours_[kBackgroundEntry]);
  SetBackground(combo1_, QPalette::Button, colours_[kBackgroundEntry]);
  colPik1_->SetBackColor(ToQColor(colours_[kBackgroundEntry]));
  if (controlColourIndex_ >= kSchemeEntryCount) return;
  const Colour control = colours_[controlColourIndex_];
  for (BoxControl* b : {adjust_, apply_, exit_}) b->SetBackColor(ToQColor(control));
  SetBackground(text1_, QPalette::Base, control);
}

void OptionsForm::ChooseScheme(const QString& name) {
  const std::string file = name.toStdString() + ".col";
  const Colour defaultBackground = FromQColor(QApplication::palette().color(QPalette::Base));
  if (!PreviewScheme(schemeListPath_, file, defaultBackground, colours_)) {
    MsgboxA(this, QStringLiteral("Color Scheme: ") + QStr(file) + QStringLiteral(" not found"),
            kMsgInformation);
    settings_.SchemeFile = "default.col";
  }
  if (controlColourIndex_ < kSchemeEntryCount) {
    colours_[kUserControlEntry] = colours_[controlColourIndex_];
    settings_.SchemeColour13 = colours_[kUserControlEntry];
  }
  RecolourOptions();
}

void OptionsForm::ClickSwatch(Swatch swatch) { SetSwatch(static_cast<int>(swatch), colPik1_->SchemeColor()); }

void OptionsForm::AdjustControlColour(int button) {
  if (controlColourIndex_ >= kSchemeEntryCount || (button != kLeftMouseButton && button != kRightMouseButton)) return;
  const int step = button == kRightMouseButton ? kAdjustStep : -kAdjustStep;
  const Colour c = colours_[controlColourIndex_];
  const auto channel = [step](int v) { return std::clamp(v + step, kChannelFloor, 255); };
  const Colour adjusted = Rgb(channel(RedOf(c)), channel(GreenOf(c)), channel(BlueOf(c)));
  colours_[controlColourIndex_] = adjusted;
  colours_[kUserControlEntry] = adjusted;
  settings_.SchemeColour13 = adjusted;
  RecolourOptions();
}

void OptionsForm::Apply() {
  if (!combo1_->currentText().isEmpty()) settings_.SchemeFile = combo1_->currentText().toStdString() + ".col";
  settings_.PrinterLineSize = WholeNumber(text1_->text().toStdString(), Rounding::HalfEven);
  settings_.GridColour = swatchColours_[0];
  settings_.NumbersColour = swatchColours_[1];
  settings_.PencilColour = swatchColours_[2];
  settings_.PencilTooltip = check1_->isChecked() ? 1 : 0;
  settings_.SumAreaTooltip = check2_->isChecked() ? 1 : 0;
  frame1_->setTitle(QStringLiteral("Colour Scheme: ") + QStr(settings_.SchemeFile));
  emit applied();
}

}  // namespace kalvero
