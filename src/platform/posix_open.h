#ifndef ORVELLO_PLATFORM_POSIX_OPEN_H_
#define ORVELLO_PLATFORM_POSIX_OPEN_H_

#include <sys/types.h>

#include <string>

// POSIX only: opening files, the way every open of the platform layer does it.
namespace orvello::platform {

/// Opens the native file name `native` with `flags` and O_CLOEXEC, again when a signal interrupts
/// the open. Returns the descriptor, or -1 with errno set.
int OpenRetrying(const std::string& native, int flags, mode_t mode = 0);

/// Opens the native file name `native` for writing, creating it with `mode` or emptying it, in
/// non-blocking mode (so that a pipe cannot hang the open; the caller looks at what it got and
/// clears O_NONBLOCK). A symbolic link at `native` is never followed: it is removed and a new file
/// takes its name. Returns the descriptor, or -1 with errno set.
int OpenForWriteNoFollow(const std::string& native, mode_t mode);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_POSIX_OPEN_H_
