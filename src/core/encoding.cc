// Implementation details: one table gives the code point of each byte from 0x80 up; the reverse
// direction searches it, which is fast enough for the short texts that cross a boundary.
#include "core/encoding.h"

#include "core/cp1250_code_page.h"

namespace orvello::core {

void AppendUtf8(char32_t code, std::string* out) {
  if (code < 0x80) {
    out->push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (code >> 6)));
    out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (code >> 12)));
    out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (code >> 18)));
    out->push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

std::string Cp1250ToUtf8(std::string_view cp1250) {
  std::string out;
  out.reserve(cp1250.size() * 2);
  for (char byte : cp1250) AppendUtf8(Cp1250CodePoint(byte), &out);
  return out;
}

bool IsUtf8(std::string_view text) {
  size_t pos = 0;
  char32_t code = 0;
  while (pos < text.size()) {
    if (!DecodeUtf8(text, &pos, &code)) return false;
  }
  return true;
}

bool Utf8ToCp1250(std::string_view utf8, std::string* out) {
  out->clear();
  out->reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t code = 0;
    char byte = 0;
    if (!DecodeUtf8(utf8, &pos, &code) || !Cp1250ByteOf(code, &byte)) return false;
    out->push_back(byte);
  }
  return true;
}

}  // namespace orvello::core
