#include "ui/toolkit/win32/win32_text.h"

#include "core/cp1250_code_page.h"
#include "platform/win32_text.h"

namespace orvello::ui::win32 {

std::wstring ToWide(std::string_view cp1250) { return platform::WideFromCp1250(cp1250); }

bool FromWide(std::wstring_view text, std::string* cp1250) {
  return platform::Cp1250FromWide(text, cp1250);
}

std::string FromWideReplacing(std::wstring_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char byte = '?';
    core::Cp1250ByteOf(static_cast<char16_t>(text[i]), &byte);
    // One '?' for a whole surrogate pair: it is one character.
    bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
    result.push_back(byte);
  }
  return result;
}

std::wstring Utf8ToWide(std::string_view utf8) { return platform::WideFromUtf8(utf8); }

bool Cp1250Holds(wchar_t unit) {
  char byte = 0;
  return core::Cp1250ByteOf(static_cast<char16_t>(unit), &byte);
}

}  // namespace orvello::ui::win32
