#ifndef ORVELLO_CORE_ENCODING_H_
#define ORVELLO_CORE_ENCODING_H_

#include <string>
#include <string_view>

namespace orvello::core {

/// Appends the UTF-8 form of the code point `code` (at most 0x10FFFF, not a surrogate).
void AppendUtf8(char32_t code, std::string* out);

/// Converts Windows-1250 bytes to UTF-8. The five bytes the code page leaves undefined map to
/// the control characters of the same value, so every byte string survives a round trip.
std::string Cp1250ToUtf8(std::string_view cp1250);

/// True when `text` is well-formed UTF-8 (plain ASCII included).
bool IsUtf8(std::string_view text);

/// Converts UTF-8 to Windows-1250. Returns false, leaving `*out` unspecified, when the text is
/// not valid UTF-8 or holds a character Windows-1250 cannot hold.
bool Utf8ToCp1250(std::string_view utf8, std::string* out);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_ENCODING_H_
