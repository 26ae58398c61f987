#include "app/recent_menu.h"

#include <QAction>
#include <QWidget>

#include "app/std_text.h"

namespace kalvero {

void ShowRecentFiles(QWidget& window, const RecentFiles& recent) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* entry = window.findChild<QAction*>(QStringLiteral("mnuoldfiles_%1").arg(i));
    // A menu caption reads "&" as the mark of a shortcut letter; a path is
    // shown as it is written.
    entry->setText(QStr(recent.caption[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    entry->setVisible(recent.visible[i]);
  }
  window.findChild<QAction*>(QStringLiteral("mnuoldfiles_5"))->setVisible(recent.separatorVisible);
}

}  // namespace kalvero
