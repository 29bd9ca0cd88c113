#ifndef ORVELLO_TESTS_TESTING_TEST_UTIL_H_
#define ORVELLO_TESTS_TESTING_TEST_UTIL_H_

#include <cstdint>
#include <filesystem>
#include <string>

#include "memory_disk.h"

namespace orvello::testing {

/// A fresh folder under $TMPDIR (or the system's temporary folder), removed with everything in it
/// when the object goes away.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  /// The folder's UTF-8 path, without a trailing separator.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

/// The file system's path for the UTF-8 path `utf8`. (A plain narrow string is read in the ANSI
/// code page on Windows, where "prednáška" would name another folder.)
std::filesystem::path HostPath(const std::string& utf8);

/// Writes `bytes` to the UTF-8 host path `path` exactly, replacing any file there.
void WriteFileBytes(const std::string& path, const std::string& bytes);
/// The bytes of the file at the UTF-8 host path `path`; fails the running test when it cannot
/// be read.
std::string ReadFileBytes(const std::string& path);

/// Removes the player's files (prehravac.htm, prehravac.js, prehravac.css) from the copy of a style
/// folder at the UTF-8 path `style`, so that a run with it writes what it wrote before the player.
void RemovePlayerFiles(const std::string& style);

/// Copies the player's minimal template and assets of tests/data/player_style into the style
/// folder at the UTF-8 path `style`.
void AddPlayerFiles(const std::string& style);

/// The header of a RealMedia recording `duration_ms` long, as a recorder writes it: the file
/// header chunk, then the properties chunk with the duration.
std::string RealMediaHeader(uint32_t duration_ms);

}  // namespace orvello::testing

#endif  // ORVELLO_TESTS_TESTING_TEST_UTIL_H_
