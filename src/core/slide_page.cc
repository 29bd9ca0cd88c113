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
  if (segment.type == 'V') {
    out.WriteLine("<img dynsrc=\"" + segment.file_name + "\" alt=\"Video\" start=\"fileopen\">");
  } else {
    out.WriteLine("<img src=\"" + segment.file_name + "\" alt=\"Slide " + std::to_string(i) +
                  "\" border=0 usemap=\"#Objmap\">");
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
