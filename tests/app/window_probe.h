#pragma once
// Finding the main window's controls by their object names, as a test or an
// assistive tool sees them.
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "ui/box_control.h"
#include "ui/fitted_label.h"

namespace kalvero::test {

// A label's whole text: what a fitted label shows may be cut to its box.
inline QString LabelText(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(QLatin1String(name));
  if (const auto* fitted = qobject_cast<const FittedLabel*>(label)) return fitted->FullText();
  return label->text();
}
inline QAction* Action(const QWidget& window, const QString& name) { return window.findChild<QAction*>(name); }
inline QAction* Action(const QWidget& window, const char* name) { return Action(window, QLatin1String(name)); }
inline BoxControl* Button(const QWidget& window, const char* name) {
  return window.findChild<BoxControl*>(QLatin1String(name));
}
// A creation runs exactly while the Create entry is disabled.
inline bool Creating(const QWidget& window) { return !Action(window, "mnucreateone")->isEnabled(); }
// A left or right click on a button beside the board.
inline void Click(const QWidget& window, const char* name, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(Button(window, name), button);
}

}  // namespace kalvero::test
