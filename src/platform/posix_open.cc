// Implementation details: O_NOFOLLOW refuses a link at the name with ELOOP, and only then is the
// name looked at: a link is unlinked (the link itself, never its target) and the file created
// anew with O_EXCL, which follows no link either, so a link planted again in between makes the
// open fail rather than lead it elsewhere. An existing regular file is emptied in place, as
// before, keeping its other names and its permissions. ELOOP for a name that is no link (a loop of
// links on the way) stays the error.
#include "platform/posix_open.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvello::platform {

int OpenRetrying(const std::string& native, int flags, mode_t mode) {
  int fd;
  do {
    fd = ::open(native.c_str(), flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

int OpenForWriteNoFollow(const std::string& native, mode_t mode) {
  constexpr int kFlags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK;
  int fd = OpenRetrying(native, kFlags | O_CREAT | O_TRUNC, mode);
  if (fd >= 0 || errno != ELOOP) return fd;
  struct stat info;
  if (::lstat(native.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
    errno = ELOOP;
    return -1;
  }
  if (::unlink(native.c_str()) != 0) return -1;
  return OpenRetrying(native, kFlags | O_CREAT | O_EXCL, mode);
}

}  // namespace orvello::platform
