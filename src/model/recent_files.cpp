#include "model/recent_files.h"

#include <algorithm>
#include <vector>

namespace kalvero {

bool AddRecentFile(RecentFiles& recent, const std::string& path) {
  if (std::find(recent.caption.begin(), recent.caption.end(), path) != recent.caption.end()) return false;
  std::vector<std::string> listed{path};
  for (int i = 0; i < kRecentFileCount; ++i)
    if (recent.visible[i]) listed.push_back(recent.caption[i]);
  for (int i = 0; i < kRecentFileCount; ++i) {
    const bool shown = static_cast<std::size_t>(i) < listed.size();
    recent.caption[i] = shown ? listed[i] : std::string();
    recent.visible[i] = shown;
  }
  recent.separatorVisible = true;
  return true;
}

}  // namespace kalvero
