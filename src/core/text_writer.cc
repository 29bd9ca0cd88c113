#include "core/text_writer.h"

#include "core/io_error.h"

namespace orvello::core {

namespace {
constexpr size_t kFlushSize = size_t{64} * 1024;
}  // namespace

TextWriter::TextWriter(DiskInterface& disk, const std::string& path)
    : TextWriter(disk.OpenForWrite(path)) {}

TextWriter::TextWriter(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {
  buffer_.reserve(kFlushSize);
}

// Not closed: an error is on its way. What was written still goes to the file (the file's own
// destructor then closes it, or, for a replacing writer, drops the unfinished new version);
// a second failure here is not reported, the first one is.
TextWriter::~TextWriter() {
  if (!file_) return;
  try {
    Flush();
  } catch (const IoError&) {
  }
}

void TextWriter::Write(std::string_view text) {
  if (!file_) throw IoError(kFileNotOpen);
  if (buffer_.size() + text.size() > kFlushSize) Flush();
  if (text.size() >= kFlushSize) {
    file_->Write(text.data(), text.size());
    return;
  }
  buffer_.append(text);
}

void TextWriter::Write(char c) {
  if (!file_) throw IoError(kFileNotOpen);
  if (buffer_.size() >= kFlushSize) Flush();
  buffer_.push_back(c);
}

void TextWriter::WriteLineEnd() { Write(std::string_view("\r\n")); }

void TextWriter::Flush() {
  if (buffer_.empty()) return;
  file_->Write(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void TextWriter::Close() {
  if (!file_) return;
  auto file = std::move(file_);
  if (!buffer_.empty()) file->Write(buffer_.data(), buffer_.size());
  buffer_.clear();
  file->Close();
}

}  // namespace orvello::core
