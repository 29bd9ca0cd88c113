#include "ui/toolkit/win32/win32_text.h"

#include "core/cp1250_code_page.h"
#include "core/encoding.h"
#include "ui/toolkit/win32/win32_api.h"

namespace orvello::ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide API is UTF-16");

std::wstring ToWide(std::string_view cp1250) {
  std::u16string utf16 = core::Cp1250ToUtf16(cp1250);
  return std::wstring(utf16.begin(), utf16.end());
}

bool FromWide(std::wstring_view text, std::string* cp1250) {
  return core::Utf16ToCp1250(std::u16string(text.begin(), text.end()), cp1250);
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

std::wstring Utf8ToWide(std::string_view utf8) {
  int size = static_cast<int>(utf8.size());
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

bool Cp1250Holds(wchar_t unit) {
  char byte = 0;
  return core::Cp1250ByteOf(static_cast<char16_t>(unit), &byte);
}

}  // namespace orvello::ui::win32
