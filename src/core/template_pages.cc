// Implementation details: the pages stream from template to page through the buffered reader
// and writer; the N page's option lists are written straight into the page, line by line, so a
// run's memory stays flat although the N pages together grow with the square of the segments.
#include "core/template_pages.h"

#include "core/template_expansion.h"

namespace orvello::core {

namespace {

void WriteOptionLine(TextWriter& out, std::string_view value_prefix, std::string_view value,
                     std::string_view label) {
  out.Write("<OPTION Value=\"");
  out.Write(value_prefix);
  out.Write(value);
  out.Write("\">");
  out.WriteLine(label);
}

void WriteNOptions(TextWriter& out, const RunState& state) {
  for (int j = 1; j <= state.segments.count(); ++j) {
    const SegmentNames& names = state.names.at(j);
    WriteOptionLine(out, state.params.web_address, names.n, names.n);
  }
}

void WritePOptions(TextWriter& out, const RunState& state) {
  for (int j = 1; j <= state.segments.count(); ++j) {
    const SegmentNames& names = state.names.at(j);
    WriteOptionLine(out, "", names.p, names.slide);
  }
}

// The byte after a '#', '&' or '%'; false when the template has ended there.
bool NextByte(TextReader& in, char* byte) {
  if (in.Eof()) return false;
  *byte = in.ReadChar();
  return true;
}

}  // namespace

void WritePPage(DiskInterface& disk, const RunState& state, int i) {
  const JobParameters& params = state.params;
  const SegmentNames& names = state.names.at(i);
  const std::string& previous = state.names.at(i - 1).p;
  const std::string& next = state.names.at(i + 1).p;
  ExpandTemplate(disk, params.style_dir + kPTemplateName, params.output_dir + names.p, "#$%@",
                 [&](char byte, TextReader&, TextWriter& out) {
                   switch (byte) {
                     case '#':
                       out.Write(names.slide);
                       break;
                     case '$':
                       out.Write(previous);
                       break;
                     case '%':
                       out.Write(names.n);
                       break;
                     case '@':
                       out.Write(next);
                       break;
                     default:
                       out.Write(byte);
                   }
                 });
}

void WriteFPage(DiskInterface& disk, const RunState& state, int i) {
  const JobParameters& params = state.params;
  const SegmentNames& names = state.names.at(i);
  ExpandTemplate(disk, params.style_dir + kFTemplateName, params.output_dir + names.f, "#$",
                 [&](char byte, TextReader&, TextWriter& out) {
                   switch (byte) {
                     case '#':
                       out.Write(names.n);
                       break;
                     case '$':
                       out.Write(names.p);
                       break;
                     default:
                       out.Write(byte);
                   }
                 });
}

void WriteNPage(DiskInterface& disk, const RunState& state, int i) {
  const JobParameters& params = state.params;
  const SegmentNames& names = state.names.at(i);
  ExpandTemplate(disk, params.style_dir + kNTemplateName, params.output_dir + names.n, "#&%@",
                 [&](char byte, TextReader& in, TextWriter& out) {
                   if (byte == '#') {
                     out.Write(params.web_address);
                     out.Write(names.rpm);
                     if (!NextByte(in, &byte)) return;
                   }
                   if (byte == '&') {
                     WriteNOptions(out, state);
                     if (!NextByte(in, &byte)) return;
                   }
                   if (byte == '%') {
                     WritePOptions(out, state);
                     if (!NextByte(in, &byte)) return;
                   }
                   if (byte == '@') {
                     out.Write(names.n);
                   } else {
                     out.Write(byte);
                   }
                 });
}

}  // namespace orvello::core
