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

class QCheckBox;
class QComboBox;
class QGroupBox;
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
  OptionsForm(Settings& settings, SchemeColours& colours, const int& controlColourIndex,
              std::vector<std::string> schemeNames, std::string schemeListPath, QWidget* parent = nullptr);

  // The window's operations, also reachable by its controls.
  void ChooseScheme(const QString& name);
  void ClickSwatch(Swatch swatch);
  // Left button (1) darkens by 10 per channel, right (2) brightens; each
  // channel stays within 10..255.
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
  void ShowSettings();
  void SetSwatch(int index, Colour colour);
  void RecolourOptions();

  Settings& settings_;
  SchemeColours& colours_;
  const int& controlColourIndex_;
  std::string schemeListPath_;
  std::array<Colour, 3> swatchColours_{};

  QGroupBox* frame1_;
  QComboBox* combo1_;
  ColPik* colPik1_;
  std::array<BoxControl*, 3> swatches_{};  // Label2, Label5, Label7
  QLineEdit* text1_;
  QCheckBox* check1_;
  QCheckBox* check2_;
  BoxControl* adjust_;  // cmdadjust4
  BoxControl* apply_;   // Command1
  BoxControl* exit_;    // Command2
};

}  // namespace kalvero
