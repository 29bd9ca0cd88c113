// Implementation details: the mounted file systems come from /proc/self/mounts (the system's
// mount table where there is no /proc). Those whose source is not a device path (proc, sysfs,
// cgroups and the like) are no drives a user would browse, nor is what is mounted under the
// system's own /dev, /proc, /sys, /var/run and /var/lock, nor a single file mounted onto another
// (as containers mount their /etc/hosts). A tmpfs is a drive: a user may well work in /tmp.
#include "platform/drives.h"

#include <mntent.h>
#include <stdio.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/encoding.h"

namespace orvello::platform {

namespace {

bool IsUnder(std::string_view folder, std::string_view path) {
  return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

bool IsBrowsable(const mntent& entry) {
  std::string_view type = entry.mnt_type;
  if (type == "rootfs" || type == "rpc_pipefs") return false;
  for (std::string_view system : {"/dev", "/proc", "/sys", "/var/run", "/var/lock"}) {
    if (IsUnder(system, entry.mnt_dir)) return false;
  }
  return entry.mnt_fsname[0] == '/' || type == "tmpfs";
}

}  // namespace

std::vector<std::string> ListDrives() {
  std::vector<std::string> others;
  FILE* table = setmntent("/proc/self/mounts", "r");
  if (table == nullptr) table = setmntent(MOUNTED, "r");
  if (table != nullptr) {
    while (const mntent* entry = getmntent(table)) {
      std::string root;
      if (!IsBrowsable(*entry) || !core::Utf8ToCp1250(entry->mnt_dir, &root)) continue;
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
