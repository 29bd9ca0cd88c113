#ifndef ORVELLO_CORE_TEMPLATE_EXPANSION_H_
#define ORVELLO_CORE_TEMPLATE_EXPANSION_H_

#include <string>
#include <string_view>

#include "core/disk_interface.h"
#include "core/text_reader.h"
#include "core/text_writer.h"

namespace orvello::core {

/// Copies `in` to `out` by the page rules: at a line end (the next byte is a CR) everything up to
/// and including the next LF is skipped and CR LF written; a bare LF is an ordinary byte; the copy
/// ends at the end of `in` or at a Ctrl-Z. A byte of `markers` is read and handed to
/// `on_byte(byte, in, out)`, which writes its replacement and may read further bytes; every other
/// byte is copied as it is, in runs.
template <typename OnByte>
void ExpandText(TextReader& in, TextWriter& out, std::string_view markers, OnByte&& on_byte) {
  while (!in.Eof()) {
    if (in.Eoln()) {
      in.SkipLine();
      out.WriteLineEnd();
    } else if (std::string_view run = in.ReadRun(markers); !run.empty()) {
      out.Write(run);
    } else {
      on_byte(in.ReadChar(), in, out);
    }
  }
}

/// Opens `source` for reading, only then creates `target` (so a missing source leaves no empty
/// page), expands the one into the other with ExpandText, and closes the source, then the target.
/// Throws IoError.
template <typename OnByte>
void ExpandTemplate(DiskInterface& disk, const std::string& source, const std::string& target,
                    std::string_view markers, OnByte&& on_byte) {
  TextReader in(disk, source);
  TextWriter out(disk, target);
  ExpandText(in, out, markers, on_byte);
  in.Close();
  out.Close();
}

/// ExpandTemplate without markers: every byte is copied as it is.
inline void CopyTextFile(DiskInterface& disk, const std::string& source,
                         const std::string& target) {
  ExpandTemplate(disk, source, target, "",
                 [](char byte, TextReader&, TextWriter& out) { out.Write(byte); });
}

}  // namespace orvello::core

#endif  // ORVELLO_CORE_TEMPLATE_EXPANSION_H_
