#ifndef ORVELLO_CORE_IO_ERROR_H_
#define ORVELLO_CORE_IO_ERROR_H_

#include <exception>
#include <string>

namespace orvello::core {

/// Error codes of the program's I/O error, as the original platform reports them.
enum IoErrorCode : int {
  kFileNotFound = 2,
  kInvalidFilename = 3,
  kTooManyOpenFiles = 4,
  kFileAccessDenied = 5,
  kReadBeyondEnd = 100,
  kDiskFull = 101,
  kFileNotOpen = 103,
  kInvalidNumericInput = 106,
};

/// The program's one exception: a failed open, read, write or close of a file.
/// Only the boundaries (a window's handler guard, the command line) catch it.
class IoError : public std::exception {
 public:
  explicit IoError(int code);
  /// An error of the file at `path` (Windows-1250), which a boundary may name beside the text.
  IoError(int code, std::string path);

  int code() const { return code_; }
  /// The file the error is about, when the thrower knew it; else empty. Not part of the text.
  const std::string& path() const { return path_; }
  /// The short text, e.g. "File not found" or "I/O error 32".
  const std::string& text() const { return text_; }
  /// The text as the error dialog shows it, with the period rule applied.
  std::string DisplayText() const;
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  int code_;
  std::string text_;
  std::string path_;
};

/// The short text for `code`: the named ones, else "I/O error <code>".
std::string IoErrorText(int code);

/// Appends a period when the last byte's value is above that of '.' (bytes compared unsigned).
std::string WithPeriod(const std::string& text);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_IO_ERROR_H_
