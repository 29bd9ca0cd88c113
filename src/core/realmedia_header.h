#ifndef ORVELLO_CORE_REALMEDIA_HEADER_H_
#define ORVELLO_CORE_REALMEDIA_HEADER_H_

#include <cstdint>
#include <string>

#include "core/disk_interface.h"

namespace orvello::core {

/// How far into a recording its header is looked for. The header chunks (".RMF", "PROP", "CONT"
/// and one "MDPR" per stream) stand in front of the media data and take a few kilobytes; even
/// the longest texts a "CONT" chunk can hold fit in a quarter of this.
inline constexpr uint64_t kRealMediaHeaderLimit = uint64_t{1} << 20;

/// Reads a recording's length from its RealMedia header: the file is a row of chunks, each an
/// ID of 4 bytes and a big-endian size of 4 that counts the whole chunk; the first is ".RMF",
/// and the "PROP" chunk holds the duration in milliseconds. Chunk sizes are followed only as
/// far as the file's bytes reach, and nothing is allocated by them. The search stops at the media
/// data ("DATA") and at kRealMediaHeaderLimit bytes, so a file of any size is read only that far.
/// Returns false with the reason in `*err` when the file is not RealMedia or its header holds no
/// readable duration. Failures of the file itself throw IoError.
bool ReadRealMediaDuration(InputFile& file, uint32_t* duration_ms, std::string* err);

/// Opens `path` through `disk` and reads its duration as above; throws IoError.
bool ReadRealMediaDuration(DiskInterface& disk, const std::string& path, uint32_t* duration_ms,
                           std::string* err);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_REALMEDIA_HEADER_H_
