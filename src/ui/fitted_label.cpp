#include "ui/fitted_label.h"

#include <QEvent>

namespace kalvero {

namespace {

const QString kEllipsis = QStringLiteral("\u2026");

}  // namespace

FittedLabel::FittedLabel(Telling telling, QWidget* parent) : QLabel(parent), telling_(telling) {}

void FittedLabel::SetFullText(const QString& text) {
  full_ = text;
  Fit();
}

void FittedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Fit();
}

void FittedLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) Fit();
}

bool FittedLabel::Fits(const QString& text) const {
  const QRect box = contentsRect();
  if (!wordWrap()) return fontMetrics().horizontalAdvance(text) <= box.width();
  return fontMetrics().boundingRect(box, Qt::TextWordWrap | static_cast<int>(alignment()), text).height() <= box.height();
}

// The longest start of the text that fits with "…" after it, found by
// halving; a wrapped text is cut after a whole word when there is one.
void FittedLabel::Fit() {
  QString shown = full_;
  if (!full_.isEmpty() && contentsRect().width() > 0 && !Fits(full_)) {
    qsizetype low = 0;
    qsizetype high = full_.size();
    while (low < high) {
      const qsizetype middle = (low + high + 1) / 2;
      if (Fits(full_.left(middle) + kEllipsis))
        low = middle;
      else
        high = middle - 1;
    }
    QString start = full_.left(low);
    if (wordWrap()) {
      const qsizetype space = start.lastIndexOf(QLatin1Char(' '));
      if (space > 0) start.truncate(space);
    }
    shown = start.trimmed() + kEllipsis;
  }
  setText(shown);
  switch (telling_) {
    case Telling::CutTextAsToolTip: setToolTip(Cut() ? full_ : QString()); break;
    case Telling::WholeTextEverywhere:
      setToolTip(Cut() ? full_ : QString());
      setAccessibleDescription(full_);
      break;
    case Telling::Nothing: break;
  }
}

}  // namespace kalvero
