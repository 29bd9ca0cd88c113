#include "core/json_text.h"

#include "core/cp1250_code_page.h"

namespace orvello::core {

namespace {

void AppendEscape(char32_t unit, std::string* out) {
  constexpr char kHex[] = "0123456789abcdef";
  out->append("\\u");
  for (int shift = 12; shift >= 0; shift -= 4) out->push_back(kHex[(unit >> shift) & 0xF]);
}

void AppendCodePoint(char32_t code, std::string* out) {
  if (code == U'"' || code == U'\\') {
    out->push_back('\\');
    out->push_back(static_cast<char>(code));
  } else if (code >= 0x20 && code <= 0x7E && code != U'<' && code != U'>' && code != U'&' &&
             code != U'\'') {
    out->push_back(static_cast<char>(code));
  } else if (code > 0xFFFF) {
    AppendEscape(0xD800 + ((code - 0x10000) >> 10), out);
    AppendEscape(0xDC00 + ((code - 0x10000) & 0x3FF), out);
  } else {
    AppendEscape(code, out);
  }
}

}  // namespace

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  out.reserve(utf8.size() + 2);
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t code = 0;
    if (!DecodeUtf8(utf8, &pos, &code)) {
      code = U'\uFFFD';
      ++pos;
    }
    AppendCodePoint(code, &out);
  }
  out.push_back('"');
  return out;
}

}  // namespace orvello::core
