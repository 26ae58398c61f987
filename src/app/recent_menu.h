#pragma once
// The recent-file entries of the File menu ("mnuoldfiles_0".."_4" and the
// separator "_5"), shown from the settings' list.
#include <QString>

#include "model/config.h"

class QWidget;

namespace kalvero {

// The separator below the entries takes the index after the last entry.
inline constexpr int kRecentSeparatorIndex = kRecentFileCount;

// The object name of entry `index` (0..4) or of the separator.
inline QString RecentEntryName(int index) { return QStringLiteral("mnuoldfiles_%1").arg(index); }

// Gives entries 0..4 the list's captions and visibility, and shows the
// separator when the list says so.
void ShowRecentFiles(QWidget& window, const RecentFiles& recent);

}  // namespace kalvero
