#ifndef ORVELLO_PLATFORM_WIN32_TEXT_H_
#define ORVELLO_PLATFORM_WIN32_TEXT_H_

#include <string>
#include <string_view>

// Windows only: the text conversions at the edge of the wide Win32 API.
namespace orvello::platform {

/// Windows-1250 text as UTF-16, always through code page 1250, never the system's ANSI code page:
/// a Slovak name means the same on an English, Slovak or Japanese Windows.
std::wstring WideFromCp1250(std::string_view text);

/// UTF-16 text as Windows-1250; false, leaving `*out` unspecified, when it holds a character that
/// code page cannot hold (no look-alike is ever substituted).
bool Cp1250FromWide(std::wstring_view text, std::string* out);

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

/// `path` made absolute by the system (GetFullPathNameW), or "" when it cannot be.
std::wstring FullPath(const std::wstring& path);

/// The name the wide file API is given for the Windows-1250 path `path`: LongPathForm of its
/// UTF-16 text.
std::wstring WidePath(const std::string& path);

/// `path` as the wide file API takes it whole: a path whose absolute form is too long for the
/// API's old limit (a short name in a long working directory too) is made absolute and given the
/// "\\?\" prefix rather than refused; any other path stays as it is.
std::wstring LongPathForm(const std::wstring& path);

/// The system's description of the Win32 error `code`, in UTF-8, followed by the code:
/// "The system cannot find the file specified. (2)".
std::string Win32ErrorText(unsigned long code);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WIN32_TEXT_H_
