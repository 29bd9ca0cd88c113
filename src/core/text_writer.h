#ifndef ORVELLO_CORE_TEXT_WRITER_H_
#define ORVELLO_CORE_TEXT_WRITER_H_

#include <memory>
#include <string>
#include <string_view>

#include "core/disk_interface.h"

namespace orvello::core {

/// Writes a text file by the program's rules: values exactly as their bytes, line ends as CR LF.
/// Buffered; every failure throws IoError. A writer destroyed without Close() (because an error
/// is on its way) still writes what it holds, so that what was written stays on disk; a
/// replacing writer (DiskInterface::OpenForReplace) then keeps the old version instead.
/// Writing after Close() throws IoError 103.
class TextWriter {
 public:
  /// Creates `path` through `disk` or empties the existing file; throws IoError.
  TextWriter(DiskInterface& disk, const std::string& path);
  explicit TextWriter(std::unique_ptr<OutputFile> file);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void Write(std::string_view text);
  void Write(char c);
  void WriteLineEnd();
  void WriteLine(std::string_view text) {
    Write(text);
    WriteLineEnd();
  }
  /// Writes out the buffer and closes the file; throws IoError.
  void Close();

 private:
  void Flush();

  std::unique_ptr<OutputFile> file_;
  std::string buffer_;
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_TEXT_WRITER_H_
