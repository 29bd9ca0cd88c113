#include "core/realmedia_header.h"

#include <gtest/gtest.h>

#include "core/io_error.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;

std::string BigEndian(uint32_t value, int bytes) {
  std::string text;
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
    text.push_back(static_cast<char>((value >> shift) & 0xFF));
  }
  return text;
}

std::string Chunk(const std::string& id, const std::string& body) {
  return id + BigEndian(static_cast<uint32_t>(8 + body.size()), 4) + body;
}

// A PROP chunk's body as recorders write it: version, five counts, the duration, then preroll,
// index and data offsets, stream count and flags.
std::string PropBody(uint32_t duration_ms, uint32_t version = 0) {
  return BigEndian(version, 2) + std::string(20, '\x07') + BigEndian(duration_ms, 4) +
         std::string(12, '\0') + BigEndian(2, 2) + BigEndian(3, 2);
}

const std::string kFileHeader = Chunk(".RMF", BigEndian(0, 2) + BigEndian(0, 4) + BigEndian(4, 4));

TEST(ReadRealMediaDuration, FollowsTheChunksToTheDuration) {
  struct Case {
    const char* name;
    std::string bytes;
    uint32_t duration_ms;
  } cases[] = {
      {"PROP right after .RMF", kFileHeader + Chunk("PROP", PropBody(14016)), 14016},
      {"other chunks first",
       kFileHeader + Chunk("CONT", "title") + Chunk("MDPR", "xy") +
           Chunk("PROP", PropBody(0x01020304)),
       0x01020304},
      {"followed by media data", kFileHeader + Chunk("PROP", PropBody(5000)) + Chunk("DATA", "z"),
       5000},
      {"a shorter .RMF chunk", Chunk(".RMF", "") + Chunk("PROP", PropBody(1)), 1},
  };
  for (const auto& c : cases) {
    for (size_t chunk : {size_t{0}, size_t{1}, size_t{5}}) {
      MemoryDisk disk;
      disk.AddFile("a.rm", c.bytes);
      disk.set_read_chunk(chunk);
      uint32_t duration = 0;
      std::string err;
      EXPECT_TRUE(ReadRealMediaDuration(disk, "a.rm", &duration, &err)) << c.name << ": " << err;
      EXPECT_EQ(duration, c.duration_ms) << c.name;
    }
  }
}

TEST(ReadRealMediaDuration, RefusesWhatHoldsNoReadableDuration) {
  const std::string prop = Chunk("PROP", PropBody(14016));
  struct Case {
    const char* name;
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"empty", "", "not a RealMedia file"},
      {"three bytes", ".RM", "not a RealMedia file"},
      {"another format", "RIFF\0\0\0\0AVI LIST", "not a RealMedia file"},
      {"only .RMF", kFileHeader, "no PROP chunk"},
      {"media data before PROP", kFileHeader + Chunk("DATA", "") + prop, "no PROP chunk"},
      {"cut in a chunk header", kFileHeader + "PRO", "ends inside a chunk header at byte 18"},
      {"cut inside PROP", kFileHeader + prop.substr(0, 30), "ends inside the PROP chunk"},
      {"PROP too short", kFileHeader + Chunk("PROP", PropBody(9).substr(0, 20)), "too short"},
      {"zero duration", kFileHeader + Chunk("PROP", PropBody(0)), "gives no duration"},
      {"unknown PROP version", kFileHeader + Chunk("PROP", PropBody(9, 1)), "unknown version 1"},
      {"size past the end", ".RMF" + BigEndian(0xFFFFFFF0, 4) + std::string(100, '\0') + prop,
       "'.RMF' at byte 0 claims 4294967280 bytes, past the end"},
      {"size below its own header", kFileHeader + "CONT" + BigEndian(7, 4) + prop,
       "'CONT' at byte 18 gives the impossible size 7"},
      {"zero size would loop", kFileHeader + std::string("\x01\x02\x03\x04", 4) + BigEndian(0, 4),
       "0x01020304 at byte 18 gives the impossible size 0"},
  };
  for (const auto& c : cases) {
    MemoryDisk disk;
    disk.AddFile("a.rm", c.bytes);
    uint32_t duration = 77;
    std::string err;
    EXPECT_FALSE(ReadRealMediaDuration(disk, "a.rm", &duration, &err)) << c.name;
    EXPECT_NE(err.find(c.reason), std::string::npos) << c.name << ": " << err;
    EXPECT_EQ(duration, 77u) << c.name;
  }
}

// 131,072 chunks of 4 KB before the PROP chunk once made every check (and publish) read half a
// gigabyte. The search reads no byte past the header's limit: the failure asked for there would
// reach the caller.
TEST(ReadRealMediaDuration, StopsLookingAfterTheHeader) {
  const std::string filler = Chunk("CONT", std::string(4096 - 8, 'x'));
  std::string many;
  while (many.size() <= kRealMediaHeaderLimit) many += filler;
  const std::string prop = Chunk("PROP", PropBody(14016));
  const std::string big_chunk = "CONT" + BigEndian(0x7FFFFFFF, 4);
  const std::string cases[] = {
      kFileHeader + many + prop,
      kFileHeader + big_chunk + std::string(kRealMediaHeaderLimit, 'x') + prop,
      // The next chunk's header would end past the limit.
      kFileHeader + Chunk("CONT", std::string(kRealMediaHeaderLimit - 30, 'x')) + prop,
  };
  for (const std::string& bytes : cases) {
    MemoryDisk disk;
    disk.AddFile("a.rm", bytes);
    disk.FailReadAfter("a.rm", kRealMediaHeaderLimit, 23);
    uint32_t duration = 77;
    std::string err;
    EXPECT_FALSE(ReadRealMediaDuration(disk, "a.rm", &duration, &err)) << bytes.size();
    EXPECT_EQ(err, "no PROP chunk among the header's first 1048576 bytes");
    EXPECT_EQ(duration, 77u);
  }
  MemoryDisk disk;  // a PROP chunk that begins inside the limit is read whole
  disk.AddFile("a.rm", kFileHeader + Chunk("CONT", std::string(kRealMediaHeaderLimit - 48, 'x')) +
                           prop + many);
  uint32_t duration = 0;
  std::string err;
  EXPECT_TRUE(ReadRealMediaDuration(disk, "a.rm", &duration, &err)) << err;
  EXPECT_EQ(duration, 14016u);
}

TEST(ReadRealMediaDuration, FileErrorsReachTheCaller) {
  MemoryDisk disk;
  disk.AddFile("a.rm",
               kFileHeader + Chunk("CONT", std::string(100, 'x')) + Chunk("PROP", PropBody(1)));
  disk.FailReadAfter("a.rm", 40, 23);
  uint32_t duration = 0;
  std::string err;
  for (const char* path : {"a.rm", "missing.rm"}) {
    try {
      ReadRealMediaDuration(disk, path, &duration, &err);
      ADD_FAILURE() << path << ": no error";
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), path[0] == 'a' ? 23 : kFileNotFound) << path;
    }
  }
}

}  // namespace
}  // namespace orvello::core
