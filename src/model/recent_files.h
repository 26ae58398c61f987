#pragma once
// The recent-files list of the File menu: up to five puzzle file paths,
// newest first, kept in the settings and saved with the configuration.
#include <string>

#include "model/config.h"

namespace kalvero {

// Puts a just-opened file at the head of the list. A path already listed
// (compared case-sensitively) leaves the list as it is, order included.
// Otherwise the listed paths move down one place, the oldest dropping off
// when five are listed, and the separator shows. Entries hidden among listed
// ones (blank lines in the configuration file) are closed up rather than
// copied over, so no path is ever listed twice. Returns true when the list
// changed.
bool AddRecentFile(RecentFiles& recent, const std::string& path);

}  // namespace kalvero
