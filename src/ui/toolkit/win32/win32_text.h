#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_TEXT_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_TEXT_H_

// The one place where the windows' Windows-1250 strings and the wide Win32 API meet. The
// conversion is always through code page 1250 (the platform layer's), never the system's ANSI
// code page, so a Slovak caption reads the same on every Windows.

#include <string>
#include <string_view>

namespace orvello::ui::win32 {

/// `cp1250` as UTF-16. Every byte string converts.
std::wstring ToWide(std::string_view cp1250);

/// True with `text` in Windows-1250 in `*cp1250` when the code page holds every character of it.
bool FromWide(std::wstring_view text, std::string* cp1250);

/// `text` in Windows-1250, each character the code page cannot hold (a surrogate pair counts as
/// one) replaced by '?'.
std::string FromWideReplacing(std::wstring_view text);

/// `utf8` as UTF-16, for paths that come from outside the program (tests' answers) and may hold
/// any character.
std::wstring Utf8ToWide(std::string_view utf8);

/// True when Windows-1250 holds the UTF-16 unit `unit` (never for half of a surrogate pair).
bool Cp1250Holds(wchar_t unit);

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_TEXT_H_
