// Implementation details: the header is read front to back; a chunk that is not wanted is
// skipped by reading past it through a small buffer, so a chunk size larger than the file ends
// at the file's end instead of in a seek or an allocation of that size. The media data chunk
// ends the search: the PROP chunk belongs to the header in front of it.
#include "core/realmedia_header.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orvello::core {

namespace {

constexpr size_t kChunkHeaderSize = 8;
// The PROP chunk after its header: object version (2 bytes); maximum and average bit rate,
// maximum and average packet size, packet count (4 bytes each); then the duration.
constexpr size_t kDurationOffset = 2 + 5 * 4;
constexpr size_t kPropNeeded = kDurationOffset + 4;

uint32_t BigEndian(const unsigned char* bytes, size_t count) {
  uint32_t value = 0;
  for (size_t i = 0; i < count; ++i) value = (value << 8) | bytes[i];
  return value;
}

/// The file's bytes in order, with the offset reached.
class ByteSource {
 public:
  explicit ByteSource(InputFile& file) : file_(file) {}

  /// Reads `size` bytes; returns how many there were before the end.
  size_t Read(unsigned char* buffer, size_t size) {
    size_t done = 0;
    while (done < size) {
      size_t got = file_.Read(reinterpret_cast<char*>(buffer) + done, size - done);
      if (got == 0) break;
      done += got;
    }
    offset_ += done;
    return done;
  }

  /// Skips `size` bytes; false when the file ends first.
  bool Skip(uint64_t size) {
    unsigned char scratch[4096];
    while (size > 0) {
      size_t step = size < sizeof scratch ? static_cast<size_t>(size) : sizeof scratch;
      if (Read(scratch, step) != step) return false;
      size -= step;
    }
    return true;
  }

  uint64_t offset() const { return offset_; }

 private:
  InputFile& file_;
  uint64_t offset_ = 0;
};

// The ID in quotes when it is printable, else its four bytes in hex.
std::string ChunkName(const unsigned char* id) {
  bool printable = true;
  for (size_t i = 0; i < 4; ++i) printable = printable && id[i] >= 32 && id[i] < 127;
  if (printable) {
    std::string name(1, '\'');
    name.append(reinterpret_cast<const char*>(id), 4);
    name.push_back('\'');
    return name;
  }
  char hex[11];
  std::snprintf(hex, sizeof hex, "0x%08x", static_cast<unsigned>(BigEndian(id, 4)));
  return hex;
}

bool Fail(const std::string& reason, std::string* err) {
  *err = reason;
  return false;
}

bool ReadDuration(ByteSource& source, uint32_t size, uint32_t* duration_ms, std::string* err) {
  if (size < kChunkHeaderSize + kPropNeeded) return Fail("the PROP chunk is too short", err);
  unsigned char body[kPropNeeded];
  if (source.Read(body, kPropNeeded) != kPropNeeded) {
    return Fail("the file ends inside the PROP chunk", err);
  }
  if (uint32_t version = BigEndian(body, 2); version != 0) {
    return Fail("the PROP chunk has the unknown version " + std::to_string(version), err);
  }
  uint32_t duration = BigEndian(body + kDurationOffset, 4);
  if (duration == 0) return Fail("the PROP chunk gives no duration", err);
  *duration_ms = duration;
  return true;
}

}  // namespace

bool ReadRealMediaDuration(InputFile& file, uint32_t* duration_ms, std::string* err) {
  ByteSource source(file);
  unsigned char header[kChunkHeaderSize];
  size_t got = source.Read(header, kChunkHeaderSize);
  if (got < 4 || std::memcmp(header, ".RMF", 4) != 0) {
    return Fail("not a RealMedia file: it does not begin with \".RMF\"", err);
  }
  for (;;) {
    if (got == 0) return Fail("the header has no PROP chunk", err);
    uint64_t start = source.offset() - got;
    if (got < kChunkHeaderSize) {
      return Fail("the file ends inside a chunk header at byte " + std::to_string(start), err);
    }
    uint32_t size = BigEndian(header + 4, 4);
    if (size < kChunkHeaderSize) {
      return Fail("the chunk " + ChunkName(header) + " at byte " + std::to_string(start) +
                      " gives the impossible size " + std::to_string(size),
                  err);
    }
    if (std::memcmp(header, "PROP", 4) == 0) return ReadDuration(source, size, duration_ms, err);
    if (std::memcmp(header, "DATA", 4) == 0) return Fail("the header has no PROP chunk", err);
    uint64_t rest = size - kChunkHeaderSize;
    uint64_t room = kRealMediaHeaderLimit - std::min(kRealMediaHeaderLimit, source.offset());
    if (!source.Skip(std::min(rest, room))) {
      return Fail("the chunk " + ChunkName(header) + " at byte " + std::to_string(start) +
                      " claims " + std::to_string(size) + " bytes, past the end of the file",
                  err);
    }
    if (rest > room || source.offset() + kChunkHeaderSize > kRealMediaHeaderLimit) {
      return Fail("no PROP chunk among the header's first " +
                      std::to_string(kRealMediaHeaderLimit) + " bytes",
                  err);
    }
    got = source.Read(header, kChunkHeaderSize);
  }
}

bool ReadRealMediaDuration(DiskInterface& disk, const std::string& path, uint32_t* duration_ms,
                           std::string* err) {
  auto file = disk.OpenForRead(path);
  bool found = ReadRealMediaDuration(*file, duration_ms, err);
  file->Close();
  return found;
}

}  // namespace orvello::core
