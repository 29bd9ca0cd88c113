#ifndef ORVELLO_CORE_HTML_TITLE_H_
#define ORVELLO_CORE_HTML_TITLE_H_

#include <string>
#include <string_view>

#include "core/disk_interface.h"

namespace orvello::core {

/// How far into a page its title is looked for: a title stands in the page's head.
inline constexpr size_t kTitleSearchBytes = size_t{64} * 1024;

/// The text of the first <TITLE> element of the page `html` (Windows-1250 bytes, tags in any
/// case), in UTF-8: whitespace runs collapsed to one space and trimmed, the entities &amp; &lt;
/// &gt; &quot; &#39; and numeric ones (&#233; &#xE9;) decoded, other text kept as it stands. ""
/// when the page has no closed title or an empty one.
std::string HtmlTitle(std::string_view html);

/// HtmlTitle of the first kTitleSearchBytes bytes of the file `path`; throws IoError.
std::string ReadHtmlTitle(DiskInterface& disk, const std::string& path);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_HTML_TITLE_H_
