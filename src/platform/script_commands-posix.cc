// Implementation details: files are deleted through std::filesystem and copied through plain
// descriptors, with the names converted to the system's UTF-8. A copy opens its destination
// without following a symbolic link there (posix_open.h). A destination that is not a folder
// is a file's name, except when the working folder is gone: the one folder a script copies into is
// the output folder, its working folder, and a file of that folder's name must never appear in
// its parent instead. A program runs through posix_spawn with the runner's own
// environment and standard streams; the runner waits for it before it goes on, as the
// interpreter does.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "core/encoding.h"
#include "core/file_names.h"
#include "platform/posix_open.h"
#include "platform/real_disk.h"
#include "platform/script_commands.h"

extern char** environ;

namespace orvello::platform {

namespace fs = std::filesystem;

namespace {

std::string SingleQuoted(const fs::path& path) { return platform::SingleQuoted(path.string()); }

// The entries of the working directory whose names match `name` in any case, an exact match
// among them or not: where case matters, Skus.txt and the user's own skus.txt may both be there,
// and the interpreter the scripts were written for knows no way to tell which one is meant.
std::vector<fs::path> MatchingEntries(const std::string& name, std::error_code* ec) {
  std::vector<fs::path> matches;
  for (fs::directory_iterator it(".", *ec), end; !*ec && it != end; it.increment(*ec)) {
    std::string entry;
    if (!core::Utf8ToCp1250(it->path().filename().string(), &entry)) continue;
    if (core::SameNameIgnoringCase(entry, name)) matches.push_back(it->path().filename());
  }
  return matches;
}

std::string ErrorText(int error) { return std::generic_category().message(error); }

/// A descriptor, closed when it goes away.
struct Descriptor {
  explicit Descriptor(int opened) : fd(opened) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  int fd;
};

// Asking for the working folder's path fails once the folder has been removed.
bool WorkingFolderExists() {
  std::error_code ec;
  return !fs::current_path(ec).empty() && !ec;
}

// Copies what is left of `in` to `out`, a regular file; returns "" or what went wrong.
std::string CopyRest(int in, int out) {
  struct stat info;
  if (::fstat(out, &info) != 0) return ErrorText(errno);
  if (!S_ISREG(info.st_mode)) return "not a regular file";
  if (::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) & ~O_NONBLOCK) != 0 ||
      ::fcntl(out, F_SETFL, ::fcntl(out, F_GETFL) & ~O_NONBLOCK) != 0) {
    return ErrorText(errno);
  }
  std::vector<char> buffer(size_t{1} << 16);
  for (;;) {
    ssize_t got = ::read(in, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return got == 0 ? "" : ErrorText(errno);
    for (ssize_t done = 0; done < got;) {
      ssize_t put = ::write(out, buffer.data() + done, static_cast<size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return ErrorText(put < 0 ? errno : EIO);
      done += put;
    }
  }
}

// Copies `in` into the file `destination`, which is opened without following a link there: a
// link in the output folder, planted by whoever made the lecture folder, is replaced by the copy
// rather than written through. Returns "" or what went wrong.
std::string CopyBytes(int in, mode_t mode, const fs::path& destination) {
  Descriptor out(OpenForWriteNoFollow(destination.native(), mode));
  if (out.fd < 0) return errno == ENXIO ? "not a regular file" : ErrorText(errno);  // a pipe
  std::string problem = CopyRest(in, out.fd);
  int fd = std::exchange(out.fd, -1);
  if (::close(fd) != 0 && errno != EINTR && problem.empty()) problem = ErrorText(errno);
  return problem;
}

// Starts `argv` with its standard output on the runner's standard error, where the reports go:
// standard output belongs to whoever started the runner (orvello-cli prints its message line
// alone there); its standard error goes to `error_fd` when that is not -1. A program named
// without a folder is looked for on PATH, never in the working directory. Returns 0 or the
// error number.
int Spawn(std::vector<char*>& argv, int error_fd, pid_t* pid) {
  posix_spawn_file_actions_t actions;
  int error = posix_spawn_file_actions_init(&actions);
  if (error != 0) return error;
  error = posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
  if (error == 0 && error_fd >= 0)
    error = posix_spawn_file_actions_adddup2(&actions, error_fd, STDERR_FILENO);
  bool bare = std::string_view(argv[0]).find('/') == std::string_view::npos;
  if (error == 0) {
    error = bare ? posix_spawnp(pid, argv[0], &actions, nullptr, argv.data(), environ)
                 : posix_spawn(pid, argv[0], &actions, nullptr, argv.data(), environ);
  }
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

// Starts `argv` with its standard error on a pipe whose reading end goes to `*read_fd`.
int SpawnPiped(std::vector<char*>& argv, pid_t* pid, int* read_fd) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return errno;
  int error = Spawn(argv, ends[1], pid);
  close(ends[1]);
  if (error != 0) {
    close(ends[0]);
    return error;
  }
  *read_fd = ends[0];
  return 0;
}

// Hands everything that arrives on `fd` to `errors` until its writer closes it, then closes it.
void Drain(int fd, ErrorSink& errors) {
  char buffer[4096];
  for (;;) {
    ssize_t read_bytes = read(fd, buffer, sizeof(buffer));
    if (read_bytes < 0 && errno == EINTR) continue;
    if (read_bytes <= 0) break;
    errors.Take(std::string_view(buffer, static_cast<size_t>(read_bytes)));
  }
  close(fd);
  errors.Finish();
}

}  // namespace

bool CopyCommand(const std::string& source_name, const std::string& destination_name,
                 LineLog& log) {
  fs::path source = NativeFileName(source_name);
  fs::path destination = NativeFileName(destination_name);
  Descriptor in(OpenRetrying(source.native(), O_RDONLY | O_NONBLOCK));
  struct stat source_info;
  if (in.fd < 0 || ::fstat(in.fd, &source_info) != 0 || !S_ISREG(source_info.st_mode)) {
    log.Say("cannot copy " + SingleQuoted(source) + ": " +
            (in.fd < 0 ? ErrorText(errno) : "not a file"));
    return false;
  }
  std::error_code ec;
  if (fs::is_directory(destination, ec)) {
    destination /= source.filename();
  } else if (!WorkingFolderExists()) {
    log.Say("cannot copy " + SingleQuoted(source) + " to " + SingleQuoted(destination) +
            ": the working folder is gone");
    return false;
  }
  struct stat existing;
  if (::lstat(destination.c_str(), &existing) == 0 && existing.st_dev == source_info.st_dev &&
      existing.st_ino == source_info.st_ino) {
    log.Say("cannot copy " + SingleQuoted(source) + " onto itself");
    return false;
  }
  std::string problem = CopyBytes(in.fd, source_info.st_mode & 0777, destination);
  if (!problem.empty()) {
    log.Say("cannot copy " + SingleQuoted(source) + " to " + SingleQuoted(destination) + ": " +
            problem);
    return false;
  }
  log.Say("copied " + SingleQuoted(source) + " to " + SingleQuoted(destination));
  return true;
}

bool DeleteCommand(const std::string& name, LineLog& log) {
  std::string shown = SingleQuoted(NativeFileName(name));
  std::error_code ec;
  std::vector<fs::path> matches = MatchingEntries(name, &ec);
  if (ec) {
    log.Say("cannot delete " + shown + ": " + ec.message());
    return false;
  }
  if (matches.size() != 1) {
    log.Say("cannot delete " + shown +
            (matches.empty() ? ": no such file" : ": several files match it in case"));
    return false;
  }
  const fs::path& path = matches.front();
  if (fs::is_directory(fs::symlink_status(path, ec))) {
    log.Say("cannot delete " + SingleQuoted(path) + ": a folder");
    return false;
  }
  if (!fs::remove(path, ec)) {
    log.Say("cannot delete " + SingleQuoted(path) + ": " + ec.message());
    return false;
  }
  log.Say("deleted " + SingleQuoted(path));
  return true;
}

bool MoveCommand(const std::string& source_name, const std::string& destination_name,
                 LineLog& log) {
  fs::path source = NativeFileName(source_name);
  fs::path destination = NativeFileName(destination_name);
  std::error_code ec;
  if (fs::is_directory(destination, ec)) {
    log.Say("cannot move " + SingleQuoted(source) + " onto the folder " +
            SingleQuoted(destination));
    return false;
  }
  fs::rename(source, destination, ec);
  if (ec) {
    log.Say("cannot move " + SingleQuoted(source) + " to " + SingleQuoted(destination) + ": " +
            ec.message());
    return false;
  }
  log.Say("moved " + SingleQuoted(source) + " to " + SingleQuoted(destination));
  return true;
}

bool RunCommand(const std::vector<std::string>& args, LineLog& log, ErrorSink* errors) {
  std::vector<std::string> native;
  for (const std::string& arg : args) native.push_back(NativeFileName(arg));
  std::vector<char*> argv;
  for (std::string& arg : native) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const std::string shown = "'" + native[0] + "'";
  pid_t pid;
  int read_fd = -1;
  int error = errors ? SpawnPiped(argv, &pid, &read_fd) : Spawn(argv, -1, &pid);
  if (error != 0) {
    log.Say("cannot run " + shown + ": " + std::generic_category().message(error));
    return false;
  }
  if (errors) Drain(read_fd, *errors);
  int status;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      log.Say("lost " + shown + ": " + std::generic_category().message(errno));
      return false;
    }
  }
  if (WIFSIGNALED(status)) {
    log.Say(shown + " was ended by signal " + std::to_string(WTERMSIG(status)));
    return false;
  }
  log.Say(shown + " exited with status " + std::to_string(WEXITSTATUS(status)));
  return WEXITSTATUS(status) == 0;
}

}  // namespace orvello::platform
