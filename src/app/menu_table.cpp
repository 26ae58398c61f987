#include "app/menu_table.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kalvero {

void BuildMenuBar(QMenuBar& bar, const std::vector<MenuRow>& rows) {
  std::vector<QMenu*> open;
  for (const MenuRow& row : rows) {
    QAction* action = nullptr;
    switch (row.kind) {
      case MenuRow::Kind::Submenu: {
        QMenu* menu = open.empty() ? bar.addMenu(row.caption) : open.back()->addMenu(row.caption);
        menu->setObjectName(row.objectName);
        action = menu->menuAction();
        open.push_back(menu);
        break;
      }
      case MenuRow::Kind::End:
        open.pop_back();
        continue;
      case MenuRow::Kind::Separator:
        action = open.back()->addSeparator();
        break;
      case MenuRow::Kind::Item:
        action = open.back()->addAction(row.caption);
        if (!row.shortcut.isEmpty()) action->setShortcut(QKeySequence(row.shortcut));
        if (row.handler) QObject::connect(action, &QAction::triggered, action, [handler = row.handler] { handler(); });
        break;
    }
    if (!row.objectName.isEmpty()) action->setObjectName(row.objectName);
    action->setVisible(row.visible);
  }
}

}  // namespace kalvero
