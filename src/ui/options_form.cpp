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
#include <functional>

#include "model/text.h"
#include "ui/box_control.h"
#include "ui/col_pik.h"
#include "ui/msg_form.h"
#include "ui/translate.h"
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

// The colour swatches: caption (also their accessible name), object name
// and the setting each one edits, in Swatch order.
struct SwatchRow {
  const char* caption;
  const char* objectName;
  Colour Settings::*setting;
};
constexpr std::array<SwatchRow, 3> kSwatchRows = {{
    {QT_TRANSLATE_NOOP("Kalvero", "Grid Colour"), "Label2", &Settings::GridColour},
    {QT_TRANSLATE_NOOP("Kalvero", "Numbers Colour"), "Label5", &Settings::NumbersColour},
    {QT_TRANSLATE_NOOP("Kalvero", "Pencilmark Colour"), "Label7", &Settings::PencilColour},
}};

// The two tooltip switches and the setting each one edits (1 on, 0 off).
struct SwitchRow {
  const char* caption;
  const char* objectName;
  std::int32_t Settings::*setting;
};
constexpr std::array<SwitchRow, 2> kSwitchRows = {{
    {QT_TRANSLATE_NOOP("Kalvero", "Show Pencil Marks as Tooltip"), "Check1", &Settings::PencilTooltip},
    {QT_TRANSLATE_NOOP("Kalvero", "Show Sum Areas as Tooltip"), "Check2", &Settings::SumAreaTooltip},
}};

// The player's aids, kept in the per-user settings file.
struct HighlightRow {
  const char* caption;
  const char* objectName;
  bool PlayerAids::*option;
};

constexpr std::array<HighlightRow, 4> kHighlightRows = {{
    {QT_TRANSLATE_NOOP("Kalvero", "Highlight the same digit"), "Check3", &PlayerAids::sameDigit},
    //: Follows "Highlight the same digit": also highlight the row, column and box of that digit
    {QT_TRANSLATE_NOOP("Kalvero", "Also its row, column and box"), "Check4", &PlayerAids::sameDigitLines},
    {QT_TRANSLATE_NOOP("Kalvero", "Show mistakes as you go"), "Check5", &PlayerAids::mistakes},
    {QT_TRANSLATE_NOOP("Kalvero", "Show the timer"), "Check6", &PlayerAids::timer},
}};

}  // namespace

OptionsForm::OptionsForm(Settings& settings, PlayerAids& highlights, SchemeColours& colours,
                         const int& controlColourIndex, std::vector<std::string> schemeNames,
                         std::string schemeListPath, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      highlights_(highlights),
      colours_(colours),
      controlColourIndex_(controlColourIndex),
      schemeListPath_(std::move(schemeListPath)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(tr("Kalvero options"));

  QWidget* schemes = MakeSchemeFrame();
  for (const std::string& name : schemeNames) schemeList_->addItem(QStr(name));
  auto* left = new QVBoxLayout;
  left->addWidget(schemes);
  left->addWidget(MakePickerFrame());
  auto* right = new QVBoxLayout;
  right->addWidget(MakeColourFrame());
  for (std::size_t i = 0; i < kSwitchRows.size(); ++i) {
    tooltipSwitches_[i] = new QCheckBox(Translated(kSwitchRows[i].caption), this);
    tooltipSwitches_[i]->setObjectName(QLatin1String(kSwitchRows[i].objectName));
    right->addWidget(tooltipSwitches_[i]);
  }
  for (std::size_t i = 0; i < kHighlightRows.size(); ++i) {
    highlightSwitches_[i] = new QCheckBox(Translated(kHighlightRows[i].caption), this);
    highlightSwitches_[i]->setObjectName(QLatin1String(kHighlightRows[i].objectName));
    right->addWidget(highlightSwitches_[i]);
  }
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(MakeButtonRow());
  ShowSettings();
}

QWidget* OptionsForm::MakeSchemeFrame() {
  schemeFrame_ = new QGroupBox(this);
  schemeFrame_->setObjectName(QStringLiteral("Frame1"));
  schemeList_ = new QComboBox(schemeFrame_);
  schemeList_->setObjectName(QStringLiteral("Combo1"));
  schemeList_->setAccessibleName(tr("Colour Scheme"));
  (new QVBoxLayout(schemeFrame_))->addWidget(schemeList_);
  connect(schemeList_, &QComboBox::activated, this, [this](int index) { ChooseScheme(schemeList_->itemText(index)); });
  return schemeFrame_;
}

QWidget* OptionsForm::MakePickerFrame() {
  auto* frame = new QGroupBox(tr("Select Colour"), this);
  colourPicker_ = new ColPik(frame);
  colourPicker_->setObjectName(QStringLiteral("ColPik1"));
  (new QVBoxLayout(frame))->addWidget(colourPicker_);
  return frame;
}

QWidget* OptionsForm::MakeColourFrame() {
  auto* frame = new QGroupBox(tr("Colours"), this);
  auto* layout = new QGridLayout(frame);
  for (std::size_t i = 0; i < kSwatchRows.size(); ++i) {
    const QString caption = Translated(kSwatchRows[i].caption);
    BoxControl* swatch = swatches_[i] = new BoxControl(frame);
    swatch->setObjectName(QLatin1String(kSwatchRows[i].objectName));
    swatch->SetBorderStyle(BoxControl::Border::None);
    // The three swatches share one tooltip.
    swatch->setToolTip(tr("Click to set Grid Colour; select colour first"));
    swatch->setAccessibleName(caption);
    swatch->setMinimumSize(40, 20);
    layout->addWidget(new QLabel(caption, frame), static_cast<int>(i), 0);
    layout->addWidget(swatch, static_cast<int>(i), 1);
    connect(swatch, &BoxControl::mouseUp, this, [this, i] { ClickSwatch(static_cast<Swatch>(i)); });
  }
  auto* lineSizeLabel = new QLabel(tr("Printer Line Size"), frame);
  printerLineSize_ = new QLineEdit(frame);
  printerLineSize_->setObjectName(QStringLiteral("Text1"));
  printerLineSize_->setAccessibleName(tr("Printer Line Size"));
  printerLineSize_->setMaximumWidth(60);
  lineSizeLabel->setBuddy(printerLineSize_);
  const int row = static_cast<int>(kSwatchRows.size());
  layout->addWidget(lineSizeLabel, row, 0);
  layout->addWidget(printerLineSize_, row, 1);
  return frame;
}

QLayout* OptionsForm::MakeButtonRow() {
  struct ButtonRow {
    QString caption;
    const char* objectName;
    QString toolTip;
    std::function<void(int)> action;  // gets the mouse button
  };
  const ButtonRow rows[] = {
      {QStringLiteral("+-"), "cmdadjust4", tr("Darken the button colour; rightclick to brighten it"),
       [this](int button) { AdjustControlColour(button); }},
      {tr("Apply"), "Command1", QString(), [this](int) { Apply(); }},
      {tr("Exit"), "Command2", QString(), [this](int) { ExitWindow(); }},
  };
  auto* row = new QHBoxLayout;
  for (const ButtonRow& r : rows) {
    auto* button = new BoxControl(r.caption, this);
    button->setObjectName(QLatin1String(r.objectName));
    if (!r.toolTip.isEmpty()) button->setToolTip(r.toolTip);
    connect(button, &BoxControl::mouseUp, this, [action = r.action](int mouse) { action(mouse); });
    buttons_.push_back(button);
    row->addWidget(button);
    // "+-" stands apart at the left, the window's own buttons at the right.
    if (buttons_.size() == 1) row->addStretch(1);
  }
  return row;
}

void OptionsForm::showEvent(QShowEvent* event) {
  ShowSettings();
  QDialog::showEvent(event);
}

void OptionsForm::ShowSchemeTitle() {
  schemeFrame_->setTitle(tr("Colour Scheme: %1").arg(QStr(settings_.SchemeFile)));
}

void OptionsForm::ShowSettings() {
  schemeList_->setCurrentIndex(schemeList_->findText(SchemeTitle(settings_.SchemeFile)));
  ShowSchemeTitle();
  for (std::size_t i = 0; i < kSwatchRows.size(); ++i) SetSwatch(static_cast<int>(i), settings_.*kSwatchRows[i].setting);
  printerLineSize_->setText(QString::number(settings_.PrinterLineSize));
  for (std::size_t i = 0; i < kSwitchRows.size(); ++i)
    tooltipSwitches_[i]->setChecked(settings_.*kSwitchRows[i].setting == 1);
  for (std::size_t i = 0; i < kHighlightRows.size(); ++i)
    highlightSwitches_[i]->setChecked(highlights_.*kHighlightRows[i].option);
  RecolourOptions();
}

void OptionsForm::SetSwatch(int index, Colour colour) {
  swatchColours_[index] = colour;
  swatches_[index]->SetBackColor(ToQColor(colour));
}

void OptionsForm::RecolourOptions() {
  const Colour background = colours_[kBackgroundEntry];
  const Colour fields = controlColourIndex_ < kSchemeEntryCount ? colours_[controlColourIndex_] : background;
  QPalette own = palette();
  own.setColor(QPalette::Window, ToQColor(background));
  // Check boxes draw their box in the field colour and the tick in its text colour.
  own.setColor(QPalette::Base, ToQColor(fields));
  SetTextColours(own, background, fields);
  setPalette(own);
  setAutoFillBackground(true);
  for (QCheckBox* toggle : tooltipSwitches_) SetBackground(toggle, QPalette::Window, colours_[kBackgroundEntry]);
  for (QCheckBox* toggle : highlightSwitches_) SetBackground(toggle, QPalette::Window, colours_[kBackgroundEntry]);
  SetBackground(schemeList_, QPalette::Base, colours_[kBackgroundEntry]);
  SetBackground(schemeList_, QPalette::Button, colours_[kBackgroundEntry]);
  colourPicker_->SetBackColor(ToQColor(colours_[kBackgroundEntry]));
  if (controlColourIndex_ >= kSchemeEntryCount) return;
  const Colour control = colours_[controlColourIndex_];
  for (BoxControl* b : buttons_) {
    b->SetBackColor(ToQColor(control));
    b->SetForeColor(ToQColor(TextColourOn(control)));
  }
  SetBackground(printerLineSize_, QPalette::Base, control);
}

void OptionsForm::ChooseScheme(const QString& name) {
  const std::string file = name.toStdString() + ".col";
  const Colour defaultBackground = FromQColor(QApplication::palette().color(QPalette::Base));
  if (!PreviewScheme(schemeListPath_, file, defaultBackground, colours_)) {
    MsgboxA(this, tr("Color Scheme: %1 not found").arg(QStr(file)), kMsgInformation);
    settings_.SchemeFile = "default.col";
  }
  if (controlColourIndex_ < kSchemeEntryCount) {
    colours_[kUserControlEntry] = colours_[controlColourIndex_];
    settings_.SchemeColour13 = colours_[kUserControlEntry];
  }
  ProposeBoardColours();
  RecolourOptions();
}

// On a dark scheme, grid, numbers and marks that would not read are offered
// in light colours; the player may set their own before Apply.
void OptionsForm::ProposeBoardColours() {
  const Colour background = colours_[kBackgroundEntry];
  static constexpr std::array<Colour, 3> kNight = {kNightGridColour, kNightNumbersColour, kNightPencilColour};
  for (std::size_t i = 0; i < kSwatchRows.size(); ++i)
    if (ContrastRatio(swatchColours_[i], background) < kLeastTextContrast && IsDarkBackground(background))
      SetSwatch(static_cast<int>(i), kNight[i]);
}

void OptionsForm::ClickSwatch(Swatch swatch) { SetSwatch(static_cast<int>(swatch), colourPicker_->SchemeColor()); }

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
  if (!schemeList_->currentText().isEmpty()) settings_.SchemeFile = schemeList_->currentText().toStdString() + ".col";
  settings_.PrinterLineSize = WholeNumber(printerLineSize_->text().toStdString(), Rounding::HalfEven);
  for (std::size_t i = 0; i < kSwatchRows.size(); ++i) settings_.*kSwatchRows[i].setting = swatchColours_[i];
  for (std::size_t i = 0; i < kSwitchRows.size(); ++i)
    settings_.*kSwitchRows[i].setting = tooltipSwitches_[i]->isChecked() ? 1 : 0;
  for (std::size_t i = 0; i < kHighlightRows.size(); ++i)
    highlights_.*kHighlightRows[i].option = highlightSwitches_[i]->isChecked();
  ShowSchemeTitle();
  emit applied();
}

}  // namespace kalvero
