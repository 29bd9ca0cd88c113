// Feeds arbitrary bytes as the P, F and N templates of a three-segment lecture and compares each
// page with the page the template rules give, computed here the plain way, one byte at a time:
// a CR starts a line end that runs through the next LF and becomes CR LF, a Ctrl-Z ends the
// template, every marker becomes its replacement, the N page's markers chain. The writers read
// through a buffer in uneven chunks and copy ordinary bytes in runs, so every buffer edge and
// every marker position is compared with the model.
//
// The templates lie on the tests' in-memory disk, which hands them out in reads of 1 to 7 bytes
// (by the input's length), so the writers' buffer edges fall at every offset.
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/run_state.h"
#include "core/template_pages.h"
#include "memory_disk.h"

namespace {

using orvello::core::RunState;
using orvello::core::SegmentNames;

constexpr int kSegments = 3;
constexpr char kCr = '\r', kLf = '\n', kCtrlZ = 26;

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string OptionLines(const RunState& state, bool n_list) {
  std::string lines;
  for (int j = 1; j <= kSegments; ++j) {
    const SegmentNames& names = state.names.at(j);
    lines += "<OPTION Value=\"";
    lines += n_list ? state.params.web_address + names.n : names.p;
    lines += "\">";
    lines += n_list ? names.n : names.slide;
    lines += "\r\n";
  }
  return lines;
}

// The replacement of each of at most four marker bytes.
class Markers {
 public:
  Markers(std::initializer_list<std::pair<char, std::string>> markers) : markers_(markers) {}
  const std::string* find(char byte) const {
    for (const auto& [marker, text] : markers_) {
      if (marker == byte) return &text;
    }
    return nullptr;
  }

 private:
  std::vector<std::pair<char, std::string>> markers_;
};

// The page `bytes` gives with `markers`; `n_chain` follows the N page's rule: after '#', '&' or
// '%' the next byte, whatever it is, goes on through the rest of the chain '#', '&', '%', '@' in
// that order, and a marker at the very end writes its replacement only.
std::string Expand(std::string_view bytes, const Markers& markers, bool n_chain) {
  bytes = bytes.substr(0, bytes.find(kCtrlZ));
  std::string page;
  size_t pos = 0;
  while (pos < bytes.size()) {
    char byte = bytes[pos++];
    if (byte == kCr) {
      size_t lf = bytes.find(kLf, pos - 1);
      pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
      page += "\r\n";
      continue;
    }
    if (!n_chain) {
      const std::string* replacement = markers.find(byte);
      if (replacement) {
        page += *replacement;
      } else {
        page += byte;
      }
      continue;
    }
    bool ended = false;
    for (char link : {'#', '&', '%'}) {
      if (byte != link || ended) continue;
      page += *markers.find(link);
      if (pos == bytes.size()) {
        ended = true;
      } else {
        byte = bytes[pos++];
      }
    }
    if (ended) continue;
    if (byte == '@') {
      page += *markers.find('@');
    } else {
      page += byte;
    }
  }
  return page;
}

RunState Lecture(bool with_web) {
  orvello::core::RunFields fields{"M\\talk.rm", "", with_web ? "http://w/" : "", "S", "O"};
  RunState state;
  state.params = orvello::core::DeriveJobParameters(fields, '\\');
  for (int i = 1; i <= kSegments; ++i)
    state.segments.Add({"00:00:0" + std::to_string(i), "00:00:09", 'P', "s.jpg"});
  orvello::core::BuildOutputNames(kSegments, &state.names);
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const RunState kLectures[] = {Lecture(false), Lecture(true)};
  const RunState& state = kLectures[size % 2];
  const int i = 1 + static_cast<int>(size % kSegments);
  const SegmentNames& names = state.names.at(i);
  orvello::testing::MemoryDisk disk;
  for (const char* name : {orvello::core::kPTemplateName, orvello::core::kFTemplateName,
                           orvello::core::kNTemplateName})
    disk.AddFile(state.params.style_dir + name, std::string(bytes));
  disk.set_read_chunk(1 + size % 7);
  orvello::core::WritePPage(disk, state, i);
  orvello::core::WriteFPage(disk, state, i);
  orvello::core::WriteNPage(disk, state, i);

  const std::string p_page = disk.Contents("O\\" + names.p);
  Check(p_page == Expand(bytes,
                         {{'#', names.slide},
                          {'$', state.names.at(i - 1).p},
                          {'%', names.n},
                          {'@', state.names.at(i + 1).p}},
                         false));
  Check(disk.Contents("O\\" + names.f) == Expand(bytes, {{'#', names.n}, {'$', names.p}}, false));
  Check(disk.Contents("O\\" + names.n) == Expand(bytes,
                                                 {{'#', state.params.web_address + names.rpm},
                                                  {'&', OptionLines(state, true)},
                                                  {'%', OptionLines(state, false)},
                                                  {'@', names.n}},
                                                 true));
  return 0;
}
