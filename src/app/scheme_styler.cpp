#include "app/scheme_styler.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

#include "app/client_area.h"
#include "view/std_text.h"
#include "ui/fitted_label.h"
#include "ui/box_control.h"
#include "ui/msg_form.h"
#include "view/qt_colour.h"

namespace kalvero {

void SchemeStyler::StyleMessageBoxForStart() {
  const QPalette plain = QApplication::palette();
  StyleMessageBox(plain.color(QPalette::Base), plain.color(QPalette::Button));
}

void SchemeStyler::StyleMessageBox(const QColor& background, const QColor& control) {
  QFont messageFont(QStringLiteral("Ariel"), 9);
  messageFont.setBold(false);
  MessageForm(window_).SetAppearance(background, control, messageFont,
                                     ToQColor(TextColourOn(FromQColor(background))));
}

void SchemeStyler::ApplyScheme(const std::string& name) {
  Settings& settings = ctx_.settings;
  if (!LoadScheme(Std(ctx_.paths.schemeList), name, ctx_.scheme)) {
    ctx_.Message(QCoreApplication::translate("Kalvero", "Colour Scheme: %1 not found").arg(QStr(name)), kMsgWarning);
    ctx_.ProcessEvents();
    ctx_.ProcessEvents();
    settings.SchemeFile = "xp.col";
    // A table never filled would paint every window black.
    if (!ctx_.schemeFilled) ctx_.scheme = kBuiltInScheme;
  }
  ctx_.schemeFilled = true;
  ctx_.controlColourIndex = kControlEntry;
  if (settings.SchemeColour13 > 0) ctx_.scheme[kControlEntry] = settings.SchemeColour13;
  ctx_.scheme[kUserControlEntry] = settings.SchemeColour13;

  const QColor background = ToQColor(ctx_.scheme[kBackgroundEntry]);
  const QColor control = ToQColor(ctx_.ControlColour());
  if (PaintsMenuBar(settings.SchemeFile)) {
    const QString menuColour = ToQColor(ctx_.scheme[kMenuBarEntry]).name();
    window_.menuBar()->setStyleSheet(
        QStringLiteral("QMenuBar { background-color: %1; } QMenu { background-color: %1; }"
                       // A styled menu otherwise loses its highlight, hiding the caption under the pointer.
                       " QMenuBar::item:selected, QMenu::item:selected {"
                       " background-color: palette(highlight); color: palette(highlighted-text); }")
            .arg(menuColour));
  } else {
    window_.menuBar()->setStyleSheet(QString());
  }

  // The message box's buttons take the control colour (entry 4), like every
  // other push button of the program; its text reads on its background.
  StyleMessageBox(background, control);

  const Colour windowColour = ctx_.scheme[kBackgroundEntry];
  const Colour fieldColour = ctx_.ControlColour();
  QPalette windowPalette = window_.palette();
  windowPalette.setColor(QPalette::Window, background);
  SetTextColours(windowPalette, windowColour, fieldColour);
  w_.client->setPalette(windowPalette);
  for (QLabel* label :
       std::initializer_list<QLabel*>{w_.fileLabel, w_.numberLabel, w_.levelLabel, w_.statusLabel, w_.timeLabel}) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, background);
    SetTextColours(p, windowColour, fieldColour);
    label->setPalette(p);
  }
  for (QWidget* box : {static_cast<QWidget*>(w_.levelList), static_cast<QWidget*>(w_.pencilValue)}) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, control);
    p.setColor(QPalette::Button, control);
    SetTextColours(p, windowColour, fieldColour);
    box->setPalette(p);
  }
  for (BoxControl* button : w_.buttons) {
    button->SetBackColor(control);
    button->SetForeColor(ToQColor(TextColourOn(fieldColour)));
  }
}

}  // namespace kalvero
