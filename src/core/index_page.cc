#include "core/index_page.h"

#include "core/cp1250_literal.h"
#include "core/text_writer.h"

namespace orvello::core {

namespace {

constexpr auto& kIndexHeading = "K výberu prednáškového videa, vyberte si danú fóliu."_cp1250;

void WriteThumbnail(TextWriter& out, const Segment& segment, const SegmentNames& names) {
  out.WriteLine("<A NAME=n001>");
  out.Write("<a href=");
  out.Write(names.f);
  out.Write(" target=\"_parent\" alt=\"");
  out.Write(names.p);
  out.WriteLine("\">");
  out.Write("<img src=\"");
  out.Write(ThumbnailFor(segment.file_name));
  out.WriteLine("\" vspace=5 hspace=5 Width=128 >");
  out.WriteLine("</a>");
}

}  // namespace

std::string_view ThumbnailFor(std::string_view file_name) {
  std::string_view ending =
      file_name.size() > 3 ? file_name.substr(file_name.size() - 3) : file_name;
  if (ending == "htm" || ending == "tml") return "web.gif";
  if (ending == "mpg" || ending == "avi") return "video.gif";
  return file_name;
}

void WriteIndexPage(DiskInterface& disk, const RunState& state) {
  TextWriter out(disk, state.params.output_dir + kIndexPageName);
  out.WriteLine(kIndexHeading);
  out.WriteLine("<BR> <FORM>");
  for (int i = 1; i <= state.segments.count(); ++i) {
    WriteThumbnail(out, state.segments.at(i), state.names.at(i));
  }
  out.WriteLine("</FORM>");
  out.Close();
}

}  // namespace orvello::core
