// Implementation details: texts are Windows-1250 like the names they quote; the front end turns
// them into whatever its user reads. Times are compared in whole seconds, the recording's length
// in milliseconds.
#include "core/segment_checks.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/cp1250_code_page.h"
#include "core/encoding.h"
#include "core/run_refusals.h"
#include "core/text_reader.h"

namespace orvello::core {

namespace {

enum class Kind { kPicture, kPage, kVideo, kUnknown };

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::kPage:
      return "an HTML page";
    case Kind::kVideo:
      return "a video clip";
    default:
      return "a picture";
  }
}

Kind KindOfType(char type) {
  return type == 'H' ? Kind::kPage : type == 'V' ? Kind::kVideo : Kind::kPicture;
}

// The kind a file name's extension suggests, compared without regard to case. Only the name's
// end is looked at: the extensions known are at most 4 characters long.
Kind KindOfName(std::string_view name) {
  name = name.substr(name.size() - std::min<size_t>(name.size(), 5));
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return Kind::kUnknown;
  std::string extension;
  for (char c : name.substr(dot + 1)) extension.push_back(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  static const std::pair<const char*, Kind> kExtensions[] = {
      {"htm", Kind::kPage},     {"html", Kind::kPage},   {"jpg", Kind::kPicture},
      {"jpeg", Kind::kPicture}, {"gif", Kind::kPicture}, {"png", Kind::kPicture},
      {"bmp", Kind::kPicture},  {"avi", Kind::kVideo},   {"mpg", Kind::kVideo},
      {"mpeg", Kind::kVideo},   {"mp4", Kind::kVideo},   {"wmv", Kind::kVideo},
      {"mov", Kind::kVideo},    {"rm", Kind::kVideo},
  };
  for (const auto& [known, kind] : kExtensions) {
    if (extension == known) return kind;
  }
  return Kind::kUnknown;
}

// Characters that a URL or a web server's file system reads otherwise or refuses. Spaces are
// fine: browsers and servers escape them.
bool WebUnsafe(unsigned char c) {
  switch (c) {
    case '#':
    case '%':
    case '&':
    case '*':
    case ':':
    case '<':
    case '>':
    case '?':
    case '|':
      return true;
    default:
      return c < 32 || c == 127;
  }
}

std::string Hex(unsigned char c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", c);
  return hex;
}

std::string WhatTheRunReads(const Segment& segment) {
  return "start " + Quoted(segment.start) + ", end " + Quoted(segment.end) + ", type " +
         Quoted(std::string(1, segment.type)) + ", file " + Quoted(segment.file_name);
}

std::string FormatMilliseconds(uint32_t ms) {
  char text[32];
  unsigned seconds = ms / 1000;
  std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", seconds / 3600, seconds / 60 % 60,
                seconds % 60, static_cast<unsigned>(ms % 1000));
  return text;
}

}  // namespace

std::optional<int64_t> ParseTime(std::string_view text) {
  if (text.size() != kTimeLength || text[2] != ':' || text[5] != ':') return std::nullopt;
  int64_t parts[3];
  for (int i = 0; i < 3; ++i) {
    char tens = text[3 * i], ones = text[3 * i + 1];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return std::nullopt;
    parts[i] = (tens - '0') * 10 + (ones - '0');
  }
  if (parts[1] >= 60 || parts[2] >= 60) return std::nullopt;
  return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : ShownName(text)) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (byte < 32 || byte == 127) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      quoted += hex;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string ListOf(const std::vector<std::string>& items) {
  std::string list;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list += i + 1 == items.size() ? " and " : ", ";
    list += items[i];
  }
  return list;
}

SegmentChecker::SegmentChecker(std::string timing_path, std::optional<uint32_t> recording_ms,
                               std::vector<Finding>* findings)
    : timing_path_(std::move(timing_path)), recording_ms_(recording_ms), findings_(findings) {}

bool SegmentChecker::Check(const Segment& segment, SegmentLines lines, bool refused) {
  if (!CheckLayout(segment, lines)) {
    previous_end_.reset();
    return false;
  }
  CheckType(segment, lines.first);
  if (!refused) CheckName(segment.file_name, lines.first);
  CheckTimes(segment, lines.first);
  return true;
}

bool SegmentChecker::CheckLayout(const Segment& segment, SegmentLines lines) {
  bool no_type = segment.type == '\r' || segment.type == '\n' || segment.type == kCtrlZ;
  if (lines.last != lines.first && !(no_type && segment.file_name.empty())) {
    std::string others =
        lines.last == lines.first + 1
            ? "line " + std::to_string(lines.last)
            : "lines " + std::to_string(lines.first + 1) + " to " + std::to_string(lines.last);
    Add(Severity::kError, lines.first,
        std::string("the line is shorter than \"HH:MM:SS HH:MM:SS T FILE\", so the run reads ") +
            "it together with " + others + " as " + WhatTheRunReads(segment));
    return false;
  }
  if (no_type) {
    Add(Severity::kError, lines.first,
        "the line ends before its type and file name; the run reads " + WhatTheRunReads(segment));
    return false;
  }
  std::vector<std::string> bad;
  if (!ParseTime(segment.start)) bad.push_back("start " + Quoted(segment.start));
  if (!ParseTime(segment.end)) bad.push_back("end " + Quoted(segment.end));
  if (bad.empty()) return true;
  Add(Severity::kError, lines.first,
      ListOf(bad) + (bad.size() == 1 ? " is not a time" : " are not times") +
          " HH:MM:SS with minutes and seconds below 60; the run reads " + WhatTheRunReads(segment));
  return false;
}

void SegmentChecker::CheckType(const Segment& segment, size_t line) {
  char type = segment.type;
  std::string quoted_type = Quoted(std::string(1, type));
  if (type == 'h' || type == 'v') {
    char meant = type == 'h' ? 'H' : 'V';
    Add(Severity::kWarning, line,
        "type " + quoted_type + " publishes the segment as a picture; " +
            KindName(KindOfType(meant)) + " is type " + Quoted(std::string(1, meant)));
    return;
  }
  if (type != 'P' && type != 'V' && type != 'H') {
    Add(Severity::kWarning, line,
        "type " + quoted_type + " is not P, V or H; the segment is published as a picture");
    return;
  }
  Kind expected = KindOfType(type), found = KindOfName(segment.file_name);
  if (found != Kind::kUnknown && found != expected) {
    Add(Severity::kWarning, line,
        "type " + quoted_type + " publishes " + KindName(expected) + ", but " +
            Quoted(segment.file_name) + " looks like " + KindName(found));
  }
}

void SegmentChecker::CheckName(const std::string& name, size_t line) {
  std::vector<std::string> undefined, unsafe;
  bool high = false;
  bool seen[256] = {};
  for (char c : name) {
    auto byte = static_cast<unsigned char>(c);
    high = high || byte >= 0x80;
    if (seen[byte]) continue;
    seen[byte] = true;
    if (!Cp1250Defines(c)) undefined.push_back(Hex(byte));
    if (WebUnsafe(byte)) unsafe.push_back(Quoted(std::string(1, c)));
  }
  if (!undefined.empty()) {
    Add(Severity::kWarning, line,
        Quoted(name) + " holds " + ListOf(undefined) + ", which Windows-1250 does not define");
  }
  std::string meant;
  if (high && IsUtf8(name)) {
    Add(Severity::kWarning, line,
        Utf8ToCp1250(name, &meant)
            ? Quoted(name) + " looks like UTF-8 for " + Quoted(meant) +
                  "; the timing file is read as Windows-1250"
            : Quoted(name) + " looks like UTF-8 for a name that Windows-1250 cannot hold");
  }
  if (!unsafe.empty()) {
    Add(Severity::kWarning, line,
        Quoted(name) + " holds " + ListOf(unsafe) + ", which a web server may refuse or misread");
  }
}

void SegmentChecker::CheckTimes(const Segment& segment, size_t line) {
  int64_t start = *ParseTime(segment.start), end = *ParseTime(segment.end);
  if (end < start) {
    Add(Severity::kWarning, line,
        "the segment ends at " + segment.end + ", before it starts at " + segment.start);
  }
  if (previous_end_ && start != *previous_end_) {
    Add(Severity::kWarning, line,
        "the segment starts at " + segment.start + ", but the one before it (line " +
            std::to_string(previous_line_) + ") ends at " + previous_segment_end_ +
            (start > *previous_end_ ? ": a gap" : ": they overlap"));
  }
  if (recording_ms_) {
    bool starts_after = start * 1000 > *recording_ms_;
    if (starts_after || end * 1000 > *recording_ms_) {
      Add(Severity::kWarning, line,
          std::string("the segment ") +
              (starts_after ? "starts at " + segment.start : "ends at " + segment.end) +
              ", after the recording ends at " + FormatMilliseconds(*recording_ms_));
    }
  }
  previous_end_ = end;
  previous_segment_end_ = segment.end;
  previous_line_ = line;
}

void SegmentChecker::Add(Severity severity, size_t line, std::string text) {
  findings_->push_back({timing_path_, line, severity, std::move(text)});
}

}  // namespace orvello::core
