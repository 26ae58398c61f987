#pragma once
// A label that shows as much of its text as fits its box and keeps the whole
// text at hand: cut at the end with "…" (on one line, or after the last
// word that fits when it wraps), with the whole text as its tooltip and,
// when asked, as its accessible description. It fits the text again when
// the box or the font changes.
#include <QLabel>

namespace kalvero {

class FittedLabel : public QLabel {
  Q_OBJECT
 public:
  // What the label tells beside what it shows: the whole text in the tooltip
  // when it is cut, and in the accessible description always (for a status
  // a screen reader should read whole), or nothing (another part sets them).
  enum class Telling { CutTextAsToolTip, WholeTextEverywhere, Nothing };

  explicit FittedLabel(Telling telling, QWidget* parent = nullptr);

  void SetFullText(const QString& text);
  const QString& FullText() const { return full_; }
  bool Cut() const { return text() != full_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Fit();
  bool Fits(const QString& text) const;

  Telling telling_;
  QString full_;
};

}  // namespace kalvero
