#include "ui/help_windows.h"

#include <QEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/box_control.h"
#include "ui/translate.h"
#include "view/qt_colour.h"

namespace kalvero {

namespace {

void Colourise(QWidget* widget, Colour colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, ToQColor(colour));
  SetTextColours(p, colour, colour);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

//: "File > Help" names the File menu and its Help command, as the menus call them.
const char* const kAboutText = QT_TRANSLATE_NOOP(
    "Kalvero",
    "Kalvero is a 9 x 9 digit-placement puzzle whose clues are the 36 sums of the three-cell blocks "
    "around the edge of the grid, together with a few given cells.\n\n"
    "Play the puzzles of a puzzle file, create new ones at three levels, one at a time or many at once, "
    "keep pencil marks, check your work, print puzzles and copy them to the clipboard as pictures.\n\n"
    "File > Help explains the rules and every command.");

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(tr("Kalvero Help"));
  webctl_ = new QTextBrowser(this);
  webctl_->setObjectName(QStringLiteral("webctl"));
  webctl_->setOpenExternalLinks(true);
  webctl_->setAccessibleName(tr("Help page"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(webctl_);
  resize(720, 640);
}

void HelpWindow::SetUrl(const QUrl& url) { webctl_->setSource(url); }

QUrl HelpWindow::Url() const { return webctl_->source(); }

AboutForm::AboutForm(Colour window, Colour text, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(tr("About Kalvero"));
  setModal(true);
  Colourise(this, window);

  label_ = new QLabel(QStringLiteral("Kalvero"), this);
  label_->setObjectName(QStringLiteral("Label1"));
  QFont big = label_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  label_->setFont(big);
  label_->setAlignment(Qt::AlignCenter);
  text_ = new QLabel(Translated(kAboutText), this);
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setWordWrap(true);
  text_->setMargin(8);
  text_->setFrameShape(QFrame::StyledPanel);
  text_->installEventFilter(this);
  aboutOk_ = new BoxControl(tr("Ok"), this);
  aboutOk_->setObjectName(QStringLiteral("AboutOk"));
  for (QWidget* w : {static_cast<QWidget*>(label_), static_cast<QWidget*>(text_)}) Colourise(w, text);
  aboutOk_->SetBackColor(ToQColor(text));
  connect(aboutOk_, &BoxControl::mouseUp, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(text_, 1);
  layout->addWidget(aboutOk_, 0, Qt::AlignHCenter);
  setMinimumWidth(380);
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kalvero
