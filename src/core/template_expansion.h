#ifndef ORVELLO_CORE_TEMPLATE_EXPANSION_H_
#define ORVELLO_CORE_TEMPLATE_EXPANSION_H_

#include <string>

#include "core/disk_interface.h"
#include "core/text_reader.h"
#include "core/text_writer.h"

namespace orvello::core {

/// Copies `in` to `out` by the page rules: at a line end (the next byte is a CR) everything up to
/// and including the next LF is skipped and CR LF written; a bare LF is an ordinary byte; the copy
/// ends at the end of `in` or at a Ctrl-Z. Every other byte is read and handed to
/// `on_byte(byte, in, out)`, which writes the byte or its replacement and may read further bytes.
template <typename OnByte>
void ExpandText(TextReader& in, TextWriter& out, OnByte&& on_byte) {
  while (!in.Eof()) {
    if (in.Eoln()) {
      in.SkipLine();
      out.WriteLineEnd();
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
                    OnByte&& on_byte) {
  TextReader in(disk, source);
  TextWriter out(disk, target);
  ExpandText(in, out, on_byte);
  in.Close();
  out.Close();
}

/// ExpandTemplate without markers: every byte is copied as it is.
inline void CopyTextFile(DiskInterface& disk, const std::string& source,
                         const std::string& target) {
  ExpandTemplate(disk, source, target,
                 [](char byte, TextReader&, TextWriter& out) { out.Write(byte); });
}

}  // namespace orvello::core

#endif  // ORVELLO_CORE_TEMPLATE_EXPANSION_H_
