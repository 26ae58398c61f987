#include "ui/box_control_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/box_control.h"
#include "view/mouse_buttons.h"

namespace kalvero {
namespace {

// The right-click alternative is offered under the name of the standard
// "show menu" action, which assistive tools list next to "press".
class BoxControlAccessible : public QAccessibleWidget {
 public:
  explicit BoxControlAccessible(BoxControl* control) : QAccessibleWidget(control, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const BoxControl* c = Control();
    switch (t) {
      case QAccessible::Name:
        if (!c->accessibleName().isEmpty()) return c->accessibleName();
        return c->Caption().isEmpty() ? c->toolTip() : c->Caption();
      case QAccessible::Description:
        return c->toolTip();
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = Control()->IsDown();
    return s;
  }

  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << pressAction() << showMenuAction();
  }

  void doAction(const QString& actionName) override {
    if (!Control()->isEnabled()) return;
    if (actionName == pressAction())
      Control()->Click(kLeftMouseButton);
    else if (actionName == showMenuAction())
      Control()->Click(kRightMouseButton);
    else
      QAccessibleWidget::doAction(actionName);
  }

 private:
  BoxControl* Control() const { return static_cast<BoxControl*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* control = qobject_cast<BoxControl*>(object)) return new BoxControlAccessible(control);
  return nullptr;
}

}  // namespace

void InstallBoxControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace kalvero
