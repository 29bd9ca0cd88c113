// Implementation details: std::cout and std::cerr get a stream buffer of their own that writes to
// the standard handle directly, bypassing the C runtime, which would turn "\n" into "\r\n" and
// pass bytes to a console in its code page. Text is kept until the stream is flushed (std::cerr
// flushes after every output operation); a UTF-8 sequence cut by a flush waits for its rest, so a
// console never sees half a character.
#include "platform/console.h"

#include <windows.h>

#include <shellapi.h>

#include <iostream>
#include <streambuf>

#include "platform/win32_text.h"

namespace orvello::platform {

namespace {

constexpr size_t kFlushSize = 4096;

// The length of `text` without an incomplete UTF-8 sequence at its end.
size_t CompleteUtf8Length(const std::string& text) {
  size_t end = text.size();
  for (size_t back = 1; back <= 3 && back <= end; ++back) {
    unsigned char c = static_cast<unsigned char>(text[end - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    size_t needed = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    return needed > back ? end - back : end;
  }
  return end;
}

class HandleBuffer : public std::streambuf {
 public:
  explicit HandleBuffer(DWORD which) : handle_(GetStdHandle(which)) {
    DWORD mode;
    console_ = GetConsoleMode(handle_, &mode) != 0;
  }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    pending_.push_back(traits_type::to_char_type(c));
    if (pending_.size() >= kFlushSize) sync();
    return c;
  }
  std::streamsize xsputn(const char* text, std::streamsize size) override {
    pending_.append(text, static_cast<size_t>(size));
    if (pending_.size() >= kFlushSize) sync();
    return size;
  }
  int sync() override {
    size_t length = console_ ? CompleteUtf8Length(pending_) : pending_.size();
    bool written = console_ ? WriteToConsole(length) : WriteToFile(length);
    pending_.erase(0, length);
    return written ? 0 : -1;
  }

 private:
  bool WriteToConsole(size_t length) {
    std::wstring wide = WideFromUtf8(std::string_view(pending_).substr(0, length));
    DWORD written = 0;
    return wide.empty() ||
           WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  }
  bool WriteToFile(size_t length) {
    for (size_t done = 0; done < length;) {
      DWORD written = 0;
      if (!WriteFile(handle_, pending_.data() + done, static_cast<DWORD>(length - done), &written,
                     nullptr))
        return false;
      done += written;
    }
    return true;
  }

  HANDLE handle_;
  bool console_ = false;
  std::string pending_;
};

}  // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

void UseUtf8Output() {
  // Never destroyed: the streams are flushed at the very end of the program, after every static
  // object of this file would be gone.
  static HandleBuffer* out = new HandleBuffer(STD_OUTPUT_HANDLE);
  static HandleBuffer* err = new HandleBuffer(STD_ERROR_HANDLE);
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
}

}  // namespace orvello::platform
