#pragma once
// Form2, "Kalvero options": the colour scheme, the grid, number and pencil
// colours, the printer line size and the two tooltip switches. "Apply"
// copies the window's values into the settings and announces it so the
// main window recolours and redraws itself; the window stays open. Choosing
// a scheme previews it and "+-" brightens or darkens the control colour at
// once, in the shared colour table.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "model/config.h"
#include "model/scheme_file.h"
#include "play/highlights.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;

namespace kalvero {

class BoxControl;
class ColPik;

class OptionsForm : public QDialog {
  Q_OBJECT
 public:
  enum class Swatch { Grid = 0, Numbers = 1, Pencil = 2 };

  // `controlColourIndex` is the colour-table entry used for controls; an
  // index of 14 or more leaves the control colour alone.
  OptionsForm(Settings& settings, PlayerAids& highlights, SchemeColours& colours, const int& controlColourIndex,
              std::vector<std::string> schemeNames, std::string schemeListPath, QWidget* parent = nullptr);

  // The window's operations, also reachable by its controls.
  void ChooseScheme(const QString& name);
  void ClickSwatch(Swatch swatch);
  // The left mouse button darkens by 10 per channel, the right one
  // brightens; each channel stays within 10..255.
  void AdjustControlColour(int button);
  void Apply();
  void ExitWindow() { close(); }

  Colour SwatchColour(Swatch swatch) const { return swatchColours_[static_cast<int>(swatch)]; }

 signals:
  // "Apply" changed the settings: reload the scheme and redraw the board.
  void applied();

 protected:
  // Every opening shows the current settings.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakeSchemeFrame();
  QWidget* MakePickerFrame();
  QWidget* MakeColourFrame();
  QLayout* MakeButtonRow();
  void ShowSettings();
  void ShowSchemeTitle();
  void SetSwatch(int index, Colour colour);
  void RecolourOptions();
  void ProposeBoardColours();

  Settings& settings_;
  PlayerAids& highlights_;
  SchemeColours& colours_;
  const int& controlColourIndex_;
  std::string schemeListPath_;
  std::array<Colour, 3> swatchColours_{};

  QGroupBox* schemeFrame_ = nullptr;     // titled with the scheme in force
  QComboBox* schemeList_ = nullptr;
  ColPik* colourPicker_ = nullptr;
  std::array<BoxControl*, 3> swatches_{};  // in Swatch order
  QLineEdit* printerLineSize_ = nullptr;
  std::array<QCheckBox*, 2> tooltipSwitches_{};    // pencil marks, sum areas
  std::array<QCheckBox*, 4> highlightSwitches_{};  // same digit, its lines, mistakes, timer
  std::vector<BoxControl*> buttons_;             // take the control colour
};

}  // namespace kalvero
