#include "app/recent_menu.h"

#include <QAction>
#include <QWidget>

#include "view/std_text.h"

namespace kalvero {

void ShowRecentFiles(QWidget& window, const RecentFiles& recent) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* entry = window.findChild<QAction*>(RecentEntryName(i));
    // A menu caption reads "&" as the mark of a shortcut letter; a path is
    // shown as it is written.
    entry->setText(QStr(recent.caption[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    entry->setVisible(recent.visible[i]);
  }
  window.findChild<QAction*>(RecentEntryName(kRecentSeparatorIndex))->setVisible(recent.separatorVisible);
}

}  // namespace kalvero
