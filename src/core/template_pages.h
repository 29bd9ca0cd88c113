#ifndef ORVELLO_CORE_TEMPLATE_PAGES_H_
#define ORVELLO_CORE_TEMPLATE_PAGES_H_

#include "core/disk_interface.h"
#include "core/run_state.h"

namespace orvello::core {

/// The templates in the style folder.
inline constexpr char kPTemplateName[] = "p00.htm";
inline constexpr char kFTemplateName[] = "f00.htm";
inline constexpr char kNTemplateName[] = "n00.htm";

// Each writer expands its template from the style folder into segment `i`'s page in the output
// folder (1 <= i <= the run's segment count). A template is opened before its page is created,
// so a missing one throws IoError and leaves no empty page behind. Markers are single bytes;
// every other byte is copied, line ends as CR LF.

/// p00.htm -> pNN.htm: '#' slide page, '$' previous P page, '%' N page, '@' next P page. The
/// first segment's previous and the last one's next are the segment itself.
void WritePPage(DiskInterface& disk, const RunState& state, int i);

/// f00.htm -> fNN.htm: '#' N page, '$' P page.
void WriteFPage(DiskInterface& disk, const RunState& state, int i);

/// n00.htm -> nNN.htm. A run of bytes is tested in the order '#', '&', '%', '@': '#' gives the web
/// address + the segment's rpm link, '&' one option line per segment naming its N page (value
/// web address + N page), '%' one option line per segment naming its P page (labelled with its
/// slide page), '@' the N page. After each of the first three the next byte is read and tested
/// against the rest of the chain only, so "##" gives the link and a plain '#'. A marker that ends
/// the template writes its replacement only.
void WriteNPage(DiskInterface& disk, const RunState& state, int i);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_TEMPLATE_PAGES_H_
