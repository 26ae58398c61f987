#pragma once
// The recent-file entries of the File menu ("mnuoldfiles_0".."_4" and the
// separator "_5"), shown from the settings' list.
#include "model/config.h"

class QWidget;

namespace kalvero {

// Gives entries 0..4 the list's captions and visibility, and shows the
// separator when the list says so.
void ShowRecentFiles(QWidget& window, const RecentFiles& recent);

}  // namespace kalvero
