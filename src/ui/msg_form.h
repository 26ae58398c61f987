#pragma once
// MsgForm: the program's own modal message and input window. Every question,
// confirmation and report goes through it instead of the system message box.
// One form serves the whole program: it is created on first use as a child
// of the top-level window it is asked from and reused for every later call.
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QString>
#include <array>

#include "ui/msg_style.h"

class QLabel;
class QLineEdit;
class QRegularExpressionValidator;

namespace kalvero {

class BoxControl;
class MsgIconView;

class MsgForm : public QDialog {
  Q_OBJECT

 public:
  explicit MsgForm(QWidget* parent = nullptr);
  ~MsgForm() override;

  // Shows the message (CR LF or LF line breaks) with the icons and buttons
  // of the style string and returns the chosen button's result code.
  // Escape and the close box answer Cancel when a "Cancel" button is
  // offered, else the code of the last button.
  int MsgboxA(const QString& message, const QString& style);

  // Asks for one line of text, pre-filled with defaultText. "Enter" returns
  // the text (so does Enter in the field), "Cancel", Escape and the close
  // box return "", "Default" puts the default text back and keeps asking.
  // With digitsOnly set the field accepts digits only.
  QString Inputbox(const QString& prompt, const QString& defaultText, bool digitsOnly);

  // The window's colours and font, set by the main window at start-up and
  // whenever a colour scheme is applied. Buttons and the text field take the
  // control colour; a black background is replaced by the control colour.
  void SetAppearance(const QColor& background, const QColor& controlColour, const QFont& font,
                     const QColor& textColour);

  int LastResult() const { return static_cast<int>(result_); }
  QString LastText() const { return text_; }

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  enum class Mode { Message, Input };
  // What an input box's buttons do.
  enum class InputAction { Enter, Default, Cancel };
  // A shown button's meaning: its result in a message box, its action in an
  // input box.
  struct ButtonRole {
    MsgResult result = MsgResult::Ok;
    InputAction action = InputAction::Cancel;
  };

  void ResetControls();
  void AssignButton(const QString& caption, ButtonRole role);
  // The answer of Escape and the close box: the "Cancel" button's result
  // when there is one, else the last button's.
  MsgResult DismissResult() const;
  void ApplyAppearance();
  void Run();
  // The widest the box may be: its window or two thirds of the screen,
  // whichever is wider.
  int WidestBox() const;
  void FitText();
  static constexpr int kLabelMinWidth = 160;
  void ButtonChosen(int index);

  QLabel* label_;       // Label1
  QLineEdit* field_;    // Text1
  MsgIconView* icons_;  // the icon images, slots 0..10
  std::array<BoxControl*, kMsgMaxButtons> buttons_{};  // cmd 0..2
  std::array<ButtonRole, kMsgMaxButtons> roles_{};
  QRegularExpressionValidator* digitsValidator_;

  Mode mode_ = Mode::Message;
  int buttonCount_ = 0;  // buttons shown, the first buttonCount_ of buttons_
  QString defaultText_;
  MsgResult result_ = MsgResult::Normal;
  QString text_;

  QColor background_{240, 240, 240};
  QColor controlColour_{240, 240, 240};
  QColor textColour_{10, 10, 10};
  QFont font_;
};

// The message styles the windows use, each spelled once.
inline const QString kMsgError = QStringLiteral("vbok+vbcritical");
inline const QString kMsgWarning = QStringLiteral("vbok+vbexclamation");
inline const QString kMsgInformation = QStringLiteral("vbok+vbinformation");
inline const QString kMsgQuestion = QStringLiteral("vbYesNo+vbquestion");

// The program's one MsgForm, owned by the top-level window above
// anyWidget, created on first use. The main window styles it through this.
MsgForm& MessageForm(QWidget& anyWidget);

// MsgboxA and Inputbox on the one form of parent's top-level window. With no
// parent they use a temporary form.
int MsgboxA(QWidget* parent, const QString& message, const QString& style);
QString Inputbox(QWidget* parent, const QString& prompt, const QString& defaultText = {}, bool digitsOnly = false);

}  // namespace kalvero
