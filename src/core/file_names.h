#ifndef ORVELLO_CORE_FILE_NAMES_H_
#define ORVELLO_CORE_FILE_NAMES_H_

#include <string_view>

namespace orvello::core {

/// True when the Windows-1250 names `a` and `b` are equal ignoring case, as the original
/// platform's file systems compare them (Skus.txt and skus.txt, ŠTÚDIUM.txt and štúdium.txt).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

/// The last component of the relative name `name`: what follows its last '/' or '\\' (a name in a
/// timing file may use either, as Windows does).
std::string_view LastComponent(std::string_view name);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_FILE_NAMES_H_
