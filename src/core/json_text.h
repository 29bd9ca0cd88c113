#ifndef ORVELLO_CORE_JSON_TEXT_H_
#define ORVELLO_CORE_JSON_TEXT_H_

#include <string>
#include <string_view>

namespace orvello::core {

/// `utf8` as a JSON string with its double quotes, in printable ASCII that cannot end or comment
/// out the HTML script block it stands in: `"` and `\` as \" and \\, every other character
/// outside 0x20..0x7E and each of < > & ' as \uXXXX (past 0xFFFF a surrogate pair). A byte that
/// is not part of well-formed UTF-8 becomes \ufffd.
std::string JsonString(std::string_view utf8);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_JSON_TEXT_H_
