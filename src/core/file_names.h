#ifndef ORVELLO_CORE_FILE_NAMES_H_
#define ORVELLO_CORE_FILE_NAMES_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace orvello::core {

/// The longest path any file system takes: Windows' long paths hold 32767 characters, POSIX
/// systems' fewer bytes (Linux 4096). A longer name names no file anywhere.
inline constexpr size_t kLongestPath = 32767;

/// True when the Windows-1250 names `a` and `b` are equal ignoring case, as the original
/// platform's file systems compare them (Skus.txt and skus.txt, ŠTÚDIUM.txt and štúdium.txt).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

/// `name` with every letter in upper case: two names are SameNameIgnoringCase exactly when these
/// forms are equal, so the form can key a map of names.
std::string UpperCaseName(std::string_view name);

/// True for '/' and '\\': a name in a timing file may separate folders with either, as Windows
/// does.
inline bool IsNameSeparator(char c) { return c == '/' || c == '\\'; }

/// The position of the last separator in `name`, or npos: what follows it is the file's own name.
size_t LastSeparator(std::string_view name);

/// The file's own name in `name`, as Windows takes the name apart: what follows the last
/// separator, or else a leading drive ("C:x.jpg" is "x.jpg"). Any other ':' stays in it: there
/// Windows names a stream of the file before it ("ab:proces.bat" writes into "ab"). The refusal
/// rules and the Windows script runner both cut names here, so that what a rule checks is the
/// name the copy writes.
std::string_view LastComponent(std::string_view name);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_FILE_NAMES_H_
