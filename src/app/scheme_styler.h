#pragma once
// Colours every window of the program from the colour scheme in force: the
// main window's client area, labels, level list, pencil-value field and
// buttons, its menu bar (for schemes that paint it) and the message box.
#include <string>

#include "app/app_context.h"
#include "app/main_widgets.h"

class QMainWindow;

namespace kalvero {

class SchemeStyler {
 public:
  SchemeStyler(AppContext& ctx, QMainWindow& window, const MainWidgets& widgets)
      : ctx_(ctx), window_(window), w_(widgets) {}

  // Gives the message box its look before any scheme is known: the
  // background of a plain list, so the first-run message is readable.
  void StyleMessageBoxForStart();

  // Loads the scheme `name` from "all.col" into the context (a missing
  // scheme is reported and "xp.col" is named instead), applies entry 13 from
  // the settings, and recolours every window.
  void ApplyScheme(const std::string& name);

 private:
  void StyleMessageBox(const QColor& background, const QColor& control);

  AppContext& ctx_;
  QMainWindow& window_;
  const MainWidgets& w_;
};

}  // namespace kalvero
