#ifndef ORVELLO_CORE_TEXT_READER_H_
#define ORVELLO_CORE_TEXT_READER_H_

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/disk_interface.h"

namespace orvello::core {

/// The byte that ends a text file before its physical end.
inline constexpr char kCtrlZ = 26;

/// Reads a text file by the program's rules: CR LF line ends; the file ends at its physical end
/// or at the first Ctrl-Z. The end test, blank skipping, line skipping and single-character reads
/// stop at a Ctrl-Z without consuming it; a string read that meets one stops and consumes it, so
/// later reads carry on with the bytes after it. Reading at the end is never an error.
/// Buffered: the file is read in large blocks. Failures of the file throw IoError.
class TextReader {
 public:
  /// Opens `path` through `disk` for shared reading; throws IoError.
  TextReader(DiskInterface& disk, const std::string& path);
  explicit TextReader(std::unique_ptr<InputFile> file);
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  /// True at the physical end or when the next byte is a Ctrl-Z.
  bool Eof();
  /// True when the next byte is a CR or the end is reached; a bare LF is an ordinary byte.
  bool Eoln();
  /// Skips every byte of value 32 or less (never a Ctrl-Z); returns Eof().
  bool SkipBlanks();
  /// Consumes everything up to and including the next LF; stops before a Ctrl-Z.
  void SkipLine();
  /// The next byte, CR and LF included; at the end a Ctrl-Z, consuming nothing.
  char ReadChar();
  /// At most `max_chars` characters, stopping before an LF or a CR LF; a lone CR is dropped and
  /// not counted; a Ctrl-Z stops the read and is consumed.
  std::string ReadString(size_t max_chars);
  /// The rest of the line by the rules of ReadString, of any length.
  std::string ReadLine();
  /// Consumes and returns the bytes before the next CR, Ctrl-Z, byte of `stops` or the end, as
  /// many as the buffer holds at once; empty when one of those comes next. Lets a copy loop move
  /// ordinary bytes in bulk. The view is valid until the next call on the reader.
  std::string_view ReadRun(std::string_view stops);
  /// Closes the file; later calls read as at the end.
  void Close();
  /// The number of the line the next byte lies on, from 1: one more than the LF bytes consumed
  /// so far, which is how an editor numbers the lines of a CR LF or an LF file.
  size_t line() const { return line_; }

 private:
  /// The byte `ahead` positions on, or -1 past the physical end.
  int Peek(size_t ahead = 0);
  void Consume(size_t count = 1) {
    const char* begin = buffer_.get() + pos_;
    line_ += static_cast<size_t>(std::count(begin, begin + count, '\n'));
    pos_ += count;
  }
  bool Fill(size_t wanted);

  std::unique_ptr<InputFile> file_;
  std::unique_ptr<char[]> buffer_;  ///< kBlockSize bytes, never zeroed: only read once filled
  size_t pos_ = 0;
  size_t end_ = 0;
  bool physical_end_ = false;
  size_t line_ = 1;
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_TEXT_READER_H_
