#pragma once
// Form4, "Kalvero Help": a resizable window whose browser shows the help
// page shipped beside the program; and AboutForm, "About Kalvero", a small
// modal window with a fixed text, closed by its button, a click in the text
// or Escape.
#include <QDialog>
#include <QUrl>
#include <QWidget>

#include "model/colour.h"

class QLabel;
class QTextBrowser;

namespace kalvero {

class BoxControl;

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Setting the address shows that page.
  void SetUrl(const QUrl& url);
  QUrl Url() const;

  QTextBrowser* Browser() const { return webctl_; }

 private:
  QTextBrowser* webctl_;
};

class AboutForm : public QDialog {
  Q_OBJECT
 public:
  // `window` colours the window itself, `text` its text box, button and
  // label.
  AboutForm(Colour window, Colour text, QWidget* parent = nullptr);

  BoxControl* OkButton() const { return aboutOk_; }
  QLabel* TextBox() const { return text_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* label_;
  QLabel* text_;
  BoxControl* aboutOk_;
};

}  // namespace kalvero
