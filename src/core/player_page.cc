// Implementation details: the template is copied in blocks as it is read; the last bytes of a
// block that could begin a marker wait for the next block. The data block is written piece by
// piece, never built whole.
#include "core/player_page.h"

#include <algorithm>
#include <string>

#include "core/encoding.h"
#include "core/json_text.h"
#include "core/player_names.h"

namespace orvello::core {

namespace {

constexpr size_t kBlockSize = size_t{64} * 1024;

void WriteField(TextWriter& out, std::string_view name, std::string_view utf8) {
  out.Write(",\"");
  out.Write(name);
  out.Write("\":");
  out.Write(JsonString(utf8));
}

void WriteSegment(TextWriter& out, const PlayerSegment& segment) {
  out.Write("{\"number\":");
  out.Write(std::to_string(segment.number));
  out.Write(",\"start\":");
  out.Write(std::to_string(segment.start));
  out.Write(",\"end\":");
  out.Write(std::to_string(segment.end));
  WriteField(out, "type", segment.type);
  WriteField(out, "shows", segment.shows);
  WriteField(out, "thumbnail", segment.thumbnail);
  WriteField(out, "title", segment.title);
  WriteField(out, "page", segment.page);
  out.Write('}');
}

// Copies `text` to `out` with each marker replaced by the data block; returns how many bytes at
// its end were kept back because a marker may begin there.
size_t CopyBlock(std::string_view text, bool last, TextWriter& out, std::string_view title,
                 const std::vector<PlayerSegment>& segments) {
  for (size_t at; (at = text.find(kPlayerDataMarker)) != std::string_view::npos;) {
    out.Write(text.substr(0, at));
    WritePlayerData(out, title, segments);
    text.remove_prefix(at + kPlayerDataMarker.size());
  }
  size_t kept = last ? 0 : std::min(text.size(), kPlayerDataMarker.size() - 1);
  out.Write(text.substr(0, text.size() - kept));
  return kept;
}

std::string TwoDigits(int64_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 1, '0');
  return text;
}

std::string CueTime(int64_t seconds) {
  return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
         TwoDigits(seconds % 60) + ".000";
}

std::string CueText(std::string_view title) {
  std::string text;
  for (char c : title) {
    if (c == '&') {
      text.append("&amp;");
    } else if (c == '<') {
      text.append("&lt;");
    } else if (c == '>') {
      text.append("&gt;");
    } else {
      text.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
    }
  }
  return text;
}

}  // namespace

void WritePlayerData(TextWriter& out, std::string_view title,
                     const std::vector<PlayerSegment>& segments) {
  out.Write("<script type=\"application/json\" id=\"prednaska\">{\"title\":");
  out.Write(JsonString(title));
  WriteField(out, "video", kVideoName);
  out.Write(",\"segments\":[");
  for (size_t i = 0; i < segments.size(); ++i) {
    if (i > 0) out.Write(',');
    WriteSegment(out, segments[i]);
  }
  out.Write("]}</script>");
}

void WritePlayerPage(DiskInterface& disk, const RunState& state,
                     const std::vector<PlayerSegment>& segments) {
  auto in = disk.OpenForRead(state.params.style_dir + kPlayerPageName);
  TextWriter out(disk, state.params.output_dir + kPlayerPageName);
  const std::string title = Cp1250ToUtf8(NameWithoutExtension(state.params.media_name));
  std::string block(kBlockSize, '\0');
  size_t kept = 0;
  for (;;) {
    size_t read = in->Read(block.data() + kept, block.size() - kept);
    std::string_view text(block.data(), kept + read);
    size_t now_kept = CopyBlock(text, read == 0, out, title, segments);
    if (read == 0) break;
    std::copy(text.end() - static_cast<std::ptrdiff_t>(now_kept), text.end(), block.begin());
    kept = now_kept;
  }
  in->Close();
  out.Close();
}

void WriteChapters(DiskInterface& disk, const RunState& state,
                   const std::vector<PlayerSegment>& segments) {
  TextWriter out(disk, state.params.output_dir + kChaptersName);
  out.WriteLine("WEBVTT");
  for (const PlayerSegment& segment : segments) {
    out.WriteLineEnd();
    out.WriteLine(std::to_string(segment.number));
    out.WriteLine(CueTime(segment.start) + " --> " + CueTime(std::max(segment.end, segment.start)));
    out.WriteLine(CueText(segment.title));
  }
  out.Close();
}

}  // namespace orvello::core
