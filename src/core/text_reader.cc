// Implementation details: the reader keeps one block of the file in `buffer_` and looks at most
// two bytes ahead (a CR and the byte after it), refilling and compacting the buffer as needed.
#include "core/text_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orvello::core {

namespace {
constexpr size_t kBlockSize = size_t{64} * 1024;
constexpr char kCr = '\r';
constexpr char kLf = '\n';
}  // namespace

TextReader::TextReader(DiskInterface& disk, const std::string& path)
    : TextReader(disk.OpenForRead(path)) {}

TextReader::TextReader(std::unique_ptr<InputFile> file)
    : file_(std::move(file)), buffer_(std::make_unique_for_overwrite<char[]>(kBlockSize)) {}

TextReader::~TextReader() = default;

bool TextReader::Fill(size_t wanted) {
  while (end_ - pos_ < wanted && !physical_end_ && file_) {
    if (pos_ > 0) {
      std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
      end_ -= pos_;
      pos_ = 0;
    }
    size_t got = file_->Read(buffer_.get() + end_, kBlockSize - end_);
    if (got == 0) physical_end_ = true;
    end_ += got;
  }
  return end_ - pos_ >= wanted;
}

int TextReader::Peek(size_t ahead) {
  if (pos_ + ahead >= end_ && !Fill(ahead + 1)) return -1;
  return static_cast<unsigned char>(buffer_[pos_ + ahead]);
}

bool TextReader::Eof() {
  int next = Peek();
  return next < 0 || next == kCtrlZ;
}

bool TextReader::Eoln() { return Eof() || Peek() == kCr; }

bool TextReader::SkipBlanks() {
  for (int next = Peek(); next >= 0 && next <= ' ' && next != kCtrlZ; next = Peek()) Consume();
  return Eof();
}

// Skips whole buffers at a time, so a line of any length goes by in time linear in its length.
void TextReader::SkipLine() {
  while (Peek() >= 0) {
    const char* begin = buffer_.get() + pos_;
    const char* end = buffer_.get() + end_;
    const char* stop = std::find_if(begin, end, [](char c) { return c == kLf || c == kCtrlZ; });
    if (stop == end) {
      Consume(static_cast<size_t>(end - begin));
      continue;
    }
    Consume(static_cast<size_t>(stop - begin) + (*stop == kLf ? 1 : 0));
    return;
  }
}

char TextReader::ReadChar() {
  if (Eof()) return kCtrlZ;
  char c = static_cast<char>(Peek());
  Consume();
  return c;
}

// Ordinary bytes are appended in runs, as many as the buffer holds at once, so a line of any
// length is read in time linear in its length.
std::string TextReader::ReadString(size_t max_chars) {
  std::string text;
  while (text.size() < max_chars) {
    int next = Peek();
    if (next < 0 || next == kLf) break;
    if (next == kCtrlZ) {
      Consume();
      break;
    }
    if (next == kCr) {
      if (Peek(1) == kLf) break;
      Consume();  // a lone CR is dropped
      continue;
    }
    const char* run = buffer_.get() + pos_;
    size_t length = 1;
    size_t limit = std::min(end_ - pos_, max_chars - text.size());
    while (length < limit && run[length] != kLf && run[length] != kCr && run[length] != kCtrlZ)
      ++length;
    text.append(run, length);
    Consume(length);
  }
  return text;
}

std::string TextReader::ReadLine() { return ReadString(std::string::npos); }

// The stop bytes go into a 256-bit set first: a run is scanned byte by byte, and a lookup in the
// set is far cheaper than a search of `stops` per byte.
std::string_view TextReader::ReadRun(std::string_view stops) {
  if (Peek() < 0) return {};
  std::uint64_t set[4] = {};
  auto add = [&set](unsigned char byte) { set[byte >> 6] |= std::uint64_t{1} << (byte & 63); };
  add(kCr);
  add(kCtrlZ);
  for (char byte : stops) add(static_cast<unsigned char>(byte));
  const char* begin = buffer_.get() + pos_;
  const char* end = buffer_.get() + end_;
  const char* stop = begin;
  for (; stop != end; ++stop) {
    auto byte = static_cast<unsigned char>(*stop);
    if ((set[byte >> 6] >> (byte & 63)) & 1) break;
  }
  Consume(static_cast<size_t>(stop - begin));
  return {begin, static_cast<size_t>(stop - begin)};
}

void TextReader::Close() {
  if (!file_) return;
  auto file = std::move(file_);
  pos_ = end_ = 0;
  physical_end_ = true;
  file->Close();
}

}  // namespace orvello::core
