#include "core/io_error.h"

#include <utility>

namespace orvello::core {

IoError::IoError(int code) : code_(code), text_(IoErrorText(code)) {}

IoError::IoError(int code, std::string path)
    : code_(code), text_(IoErrorText(code)), path_(std::move(path)) {}

std::string IoError::DisplayText() const { return WithPeriod(text_); }

std::string IoErrorText(int code) {
  switch (code) {
    case kFileNotFound:
      return "File not found";
    case kInvalidFilename:
      return "Invalid filename";
    case kTooManyOpenFiles:
      return "Too many open files";
    case kFileAccessDenied:
      return "File access denied";
    case kReadBeyondEnd:
      return "Read beyond end of file";
    case kDiskFull:
      return "Disk full";
    case kInvalidNumericInput:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(code);
  }
}

std::string WithPeriod(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + ".";
  return text;
}

}  // namespace orvello::core
