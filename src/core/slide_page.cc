#include "core/slide_page.h"

#include <string>

#include "core/template_expansion.h"
#include "core/text_writer.h"

namespace orvello::core {

namespace {

void WriteGeneratedSlide(TextWriter& out, const Segment& segment, int i) {
  out.WriteLine("<HTML>");
  out.WriteLine("<HEAD>");
  out.WriteLine("</HEAD>");
  out.WriteLine("<body bgcolor=\"white\">");
  out.WriteLine("<CENTER>");
  // The file name goes out on its own, never copied into a longer string: it may be as long as
  // the timing file.
  if (segment.type == 'V') {
    out.Write("<img dynsrc=\"");
    out.Write(segment.file_name);
    out.WriteLine("\" alt=\"Video\" start=\"fileopen\">");
  } else {
    out.Write("<img src=\"");
    out.Write(segment.file_name);
    out.Write("\" alt=\"Slide ");
    out.Write(std::to_string(i));
    out.WriteLine("\" border=0 usemap=\"#Objmap\">");
  }
  out.WriteLine("</CENTER>");
  out.WriteLine("</HTML>");
}

}  // namespace

void WriteSlidePage(DiskInterface& disk, const RunState& state, int i) {
  const Segment& segment = state.segments.at(i);
  const std::string page = state.params.output_dir + state.names.at(i).slide;
  if (segment.type == 'H') {
    CopyTextFile(disk, state.params.media_dir + segment.file_name, page);
    return;
  }
  TextWriter out(disk, page);
  WriteGeneratedSlide(out, segment, i);
  out.Close();
}

}  // namespace orvello::core
