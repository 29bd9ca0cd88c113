#include "platform/win32_text.h"

#include <windows.h>

namespace orvello::platform {

namespace {

constexpr UINT kCp1250 = 1250;
// Paths from this length on need the "\\?\" prefix: a folder's name must leave room for an 8.3
// file name below the old limit of MAX_PATH.
constexpr size_t kLongPath = MAX_PATH - 12;

std::wstring Widen(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int count = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), count);
  return wide;
}

}  // namespace

std::wstring WideFromCp1250(std::string_view text) { return Widen(kCp1250, text); }

std::wstring WideFromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }

bool Cp1250FromWide(std::wstring_view text, std::string* out) {
  out->clear();
  if (text.empty()) return true;
  int size = static_cast<int>(text.size());
  BOOL lossy = FALSE;
  int count = WideCharToMultiByte(kCp1250, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0,
                                  nullptr, &lossy);
  if (count == 0 || lossy) return false;
  out->resize(static_cast<size_t>(count));
  WideCharToMultiByte(kCp1250, WC_NO_BEST_FIT_CHARS, text.data(), size, out->data(), count, nullptr,
                      &lossy);
  return !lossy;
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int count = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), count, nullptr, nullptr);
  return utf8;
}

std::wstring FullPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  size = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  full.resize(size);
  return full;
}

std::wstring WidePath(const std::string& path) { return LongPathForm(WideFromCp1250(path)); }

std::wstring LongPathForm(const std::wstring& path) {
  if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) return path;
  std::wstring full = FullPath(path);
  if (full.size() < kLongPath) return path;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::string Win32ErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer, length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
    text.pop_back();
  // Appended piece by piece: g++ 12 at -O3 takes "(" + number for an overlapping copy.
  std::string shown = text.empty() ? std::string("error") : Utf8FromWide(text);
  return shown.append(" (").append(std::to_string(code)).append(")");
}

}  // namespace orvello::platform
