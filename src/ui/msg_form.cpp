#include "ui/msg_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/box_control.h"
#include "ui/msg_icons.h"
#include "ui/translate.h"

namespace kalvero {

// The row of icon images left of the message; every shown slot is drawn,
// side by side in slot order.
class MsgIconView : public QWidget {
 public:
  explicit MsgIconView(QWidget* parent) : QWidget(parent) {}

  void SetShown(const std::array<bool, kMsgIconSlots>& shown) {
    shown_ = shown;
    setVisible(Count() > 0);
    updateGeometry();
    update();
  }

  QSize sizeHint() const override {
    const int n = Count();
    return {n * kSide + std::max(0, n - 1) * kGap, kSide};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    qreal x = 0;
    for (int slot = 0; slot < kMsgIconSlots; ++slot) {
      if (!shown_[slot]) continue;
      DrawMessageIcon(p, QRectF(x, 0, kSide, kSide), slot);
      x += kSide + kGap;
    }
  }

 private:
  static constexpr int kSide = 36;
  static constexpr int kGap = 6;

  int Count() const { return static_cast<int>(std::count(shown_.begin(), shown_.end(), true)); }

  std::array<bool, kMsgIconSlots> shown_{};
};

namespace {

constexpr int kButtonMinWidth = 76;

QString NormaliseLineBreaks(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QFont DefaultMessageFont() {
  QFont font(QStringLiteral("Ariel"));
  font.setPointSize(9);
  font.setBold(false);
  return font;
}

}  // namespace

MsgForm::MsgForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      label_(new QLabel(this)),
      field_(new QLineEdit(this)),
      icons_(new MsgIconView(this)),
      digitsValidator_(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this)),
      font_(DefaultMessageFont()) {
  setWindowTitle(QStringLiteral("Kalvero"));
  setModal(true);
  setAutoFillBackground(true);

  label_->setObjectName(QStringLiteral("Label1"));
  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(false);
  label_->setMinimumWidth(kLabelMinWidth);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  field_->setObjectName(QStringLiteral("Text1"));
  icons_->setObjectName(QStringLiteral("icons"));

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(18, 16, 18, 12);
  layout->setSpacing(12);

  auto* top = new QHBoxLayout;
  layout->addLayout(top);
  top->setSpacing(14);
  top->addWidget(icons_, 0, Qt::AlignTop);
  top->addWidget(label_, 1);

  layout->addWidget(field_);
  // Enter in the text field answers like the "Enter" button.
  connect(field_, &QLineEdit::returnPressed, this, [this] { ButtonChosen(0); });

  // The button row, centred by equal stretches on both sides.
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  row->setSpacing(8);
  row->addStretch(1);
  for (int i = 0; i < kMsgMaxButtons; ++i) {
    auto* button = new BoxControl(this);
    button->setObjectName(QStringLiteral("cmd%1").arg(i));
    button->setMinimumWidth(kButtonMinWidth);
    row->addWidget(button);
    buttons_[i] = button;
    connect(button, &BoxControl::mouseUp, this, [this, i, button](int, Qt::KeyboardModifiers, QPointF pos) {
      if (button->rect().contains(pos.toPoint())) ButtonChosen(i);
    });
    connect(button, &BoxControl::keyDown, this, [this, i](int key, Qt::KeyboardModifiers) {
      if (key == Qt::Key_Return || key == Qt::Key_Enter) ButtonChosen(i);
    });
  }
  row->addStretch(1);

  ResetControls();
}

MsgForm::~MsgForm() = default;

void MsgForm::SetAppearance(const QColor& background, const QColor& controlColour, const QFont& font,
                            const QColor& textColour) {
  background_ = background;
  controlColour_ = controlColour;
  font_ = font;
  textColour_ = textColour;
}

void MsgForm::ResetControls() {
  icons_->SetShown({});
  buttonCount_ = 0;
  roles_.fill({});
  for (int i = 0; i < kMsgMaxButtons; ++i) {
    buttons_[i]->SetCaption(QString());
    buttons_[i]->Release();
    buttons_[i]->hide();
  }
  field_->hide();
}

void MsgForm::AssignButton(const QString& caption, ButtonRole role) {
  if (buttonCount_ >= kMsgMaxButtons) return;
  buttons_[buttonCount_]->SetCaption(caption);
  buttons_[buttonCount_]->show();
  roles_[buttonCount_] = role;
  ++buttonCount_;
}

void MsgForm::ApplyAppearance() {
  const QColor background = (background_ == QColor(Qt::black)) ? controlColour_ : background_;
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, background);
  windowPalette.setColor(QPalette::WindowText, textColour_);
  setPalette(windowPalette);

  label_->setFont(font_);
  QPalette labelPalette = label_->palette();
  labelPalette.setColor(QPalette::Window, background);
  labelPalette.setColor(QPalette::WindowText, textColour_);
  label_->setPalette(labelPalette);

  QPalette fieldPalette = field_->palette();
  fieldPalette.setColor(QPalette::Base, controlColour_);
  fieldPalette.setColor(QPalette::Text, textColour_);
  field_->setPalette(fieldPalette);
  field_->setFont(font_);

  // Buttons: one point smaller than the message, same boldness.
  QFont buttonFont = font_;
  if (font_.pointSizeF() > 2) buttonFont.setPointSizeF(font_.pointSizeF() - 1);
  for (BoxControl* button : buttons_) {
    button->setFont(buttonFont);
    button->SetBackColor(controlColour_);
    button->SetForeColor(textColour_);
  }
}

int MsgForm::WidestBox() const {
  const QWidget* owner = parentWidget();
  const int window = owner ? owner->window()->width() : 0;
  const QScreen* shown = screen();
  const int twoThirds = shown ? shown->availableGeometry().width() * 2 / 3 : 0;
  return std::max(window, twoThirds);
}

// A text wider than the widest box wraps at word boundaries, in a label
// narrowed by what the box is too wide; shorter texts keep their own lines.
void MsgForm::FitText() {
  label_->setWordWrap(false);
  label_->setMinimumWidth(kLabelMinWidth);
  label_->setMaximumWidth(QWIDGETSIZE_MAX);
  layout()->activate();
  const int unwrapped = label_->sizeHint().width();
  const int tooWide = sizeHint().width() - WidestBox();
  if (WidestBox() <= 0 || tooWide <= 0) return;
  label_->setWordWrap(true);
  label_->setFixedWidth(std::max(kLabelMinWidth, unwrapped - tooWide));
}

void MsgForm::Run() {
  ApplyAppearance();
  FitText();
  adjustSize();
  exec();
}

int MsgForm::MsgboxA(const QString& message, const QString& style) {
  ResetControls();
  mode_ = Mode::Message;
  label_->setText(NormaliseLineBreaks(message));
  const MsgStyle parsed = ParseMsgStyle(style.toStdString());
  icons_->SetShown(parsed.icons);
  for (const MsgButton& button : parsed.buttons) AssignButton(Translated(button.caption.c_str()), {button.result});
  result_ = MsgResult::Normal;
  Run();
  return static_cast<int>(result_);
}

QString MsgForm::Inputbox(const QString& prompt, const QString& defaultText, bool digitsOnly) {
  ResetControls();
  mode_ = Mode::Input;
  label_->setText(NormaliseLineBreaks(prompt));
  defaultText_ = defaultText;
  field_->setValidator(digitsOnly ? digitsValidator_ : nullptr);
  field_->setText(defaultText);
  field_->show();
  //: Input box button that accepts the typed text
  AssignButton(tr("Enter"), {.action = InputAction::Enter});
  //: Input box button that puts the suggested text back into the field
  AssignButton(tr("Default"), {.action = InputAction::Default});
  AssignButton(tr("Cancel"), {.action = InputAction::Cancel});
  text_.clear();
  Run();
  return text_;
}

void MsgForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (mode_ == Mode::Input) {
    field_->setCursorPosition(0);
    field_->selectAll();
    field_->setFocus(Qt::OtherFocusReason);
  } else {
    buttons_[0]->setFocus(Qt::OtherFocusReason);
  }
}

void MsgForm::ButtonChosen(int index) {
  if (index >= buttonCount_ || !isVisible()) return;
  const ButtonRole& role = roles_[index];
  if (mode_ == Mode::Message) {
    result_ = role.result;
    accept();
    return;
  }
  if (role.action == InputAction::Default) {
    field_->setText(defaultText_);
    buttons_[index]->Release();
    field_->setFocus(Qt::OtherFocusReason);
    return;
  }
  text_ = role.action == InputAction::Enter ? field_->text() : QString();
  accept();
}

MsgResult MsgForm::DismissResult() const {
  const auto shown = roles_.begin() + std::max(buttonCount_, 1);
  const auto cancel = std::find_if(roles_.begin(), shown, [](const ButtonRole& r) { return r.result == MsgResult::Cancel; });
  return cancel != shown ? MsgResult::Cancel : (shown - 1)->result;
}

void MsgForm::reject() {
  if (mode_ == Mode::Message)
    result_ = DismissResult();
  else
    text_.clear();
  QDialog::reject();
}

namespace {

QWidget* TopOwner(QWidget* widget) {
  while (widget != nullptr && widget->parentWidget() != nullptr) widget = widget->parentWidget();
  return widget;
}

// A window's form is its own direct child: the window owns it and deletes it
// with itself.
MsgForm* OwnForm(QWidget& owner) { return owner.findChild<MsgForm*>(QString(), Qt::FindDirectChildrenOnly); }

template <typename Call>
auto WithForm(QWidget* parent, Call call) {
  QWidget* owner = TopOwner(parent);
  if (owner != nullptr) {
    auto answer = call(MessageForm(*owner));
    // Without a window manager nothing hands the focus back when the box
    // closes; the owner's shortcuts would then stay dead until a click.
    if (owner->isVisible()) owner->activateWindow();
    return answer;
  }
  // Asked from no window at all: a form of its own for this one call.
  MsgForm temporary;
  return call(temporary);
}

}  // namespace

MsgForm& MessageForm(QWidget& anyWidget) {
  QWidget* owner = TopOwner(&anyWidget);
  if (MsgForm* form = OwnForm(*owner)) return *form;
  return *new MsgForm(owner);
}

int MsgboxA(QWidget* parent, const QString& message, const QString& style) {
  return WithForm(parent, [&](MsgForm& form) { return form.MsgboxA(message, style); });
}

QString Inputbox(QWidget* parent, const QString& prompt, const QString& defaultText, bool digitsOnly) {
  return WithForm(parent, [&](MsgForm& form) { return form.Inputbox(prompt, defaultText, digitsOnly); });
}

}  // namespace kalvero
