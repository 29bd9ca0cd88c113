// Implementation details: the mounted file systems come from /proc/self/mounts (the system's
// mount table where there is no /proc). Those whose source is not a device path (proc, sysfs,
// tmpfs, cgroups and the like) are no drives a user would browse, and neither is a single file
// mounted onto another (as containers mount their /etc/hosts).
#include "platform/drives.h"

#include <mntent.h>
#include <stdio.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/encoding.h"

namespace orvello::platform {

std::vector<std::string> ListDrives() {
  std::vector<std::string> others;
  FILE* table = setmntent("/proc/self/mounts", "r");
  if (table == nullptr) table = setmntent(MOUNTED, "r");
  if (table != nullptr) {
    while (const mntent* entry = getmntent(table)) {
      std::string root;
      if (entry->mnt_fsname[0] != '/' || !core::Utf8ToCp1250(entry->mnt_dir, &root)) continue;
      std::error_code ec;
      if (!std::filesystem::is_directory(entry->mnt_dir, ec)) continue;
      if (root != "/") others.push_back(root);
    }
    endmntent(table);
  }
  std::sort(others.begin(), others.end());
  others.erase(std::unique(others.begin(), others.end()), others.end());
  others.insert(others.begin(), "/");
  return others;
}

}  // namespace orvello::platform
