// Implementation details: the title is found by a plain search for its two tags, which is what a
// browser does for any page a lecturer would publish; the text between them is only ever text
// (a browser does not parse markup inside a title either).
#include "core/html_title.h"

#include <optional>

#include "core/cp1250_code_page.h"
#include "core/encoding.h"

namespace orvello::core {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Where `tag` (lower case) starts in `html` at or after `from`, in any case; npos when nowhere.
size_t FindTag(std::string_view html, std::string_view tag, size_t from) {
  for (size_t at = from; at + tag.size() <= html.size(); ++at) {
    size_t i = 0;
    while (i < tag.size() && Lower(html[at + i]) == tag[i]) ++i;
    if (i == tag.size()) return at;
  }
  return std::string_view::npos;
}

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// The code point of the numeric entity's digits ("233", "xE9"); nothing when not one.
std::optional<char32_t> NumericEntity(std::string_view digits) {
  int base = 10;
  if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
    base = 16;
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  char32_t code = 0;
  for (char c : digits) {
    int value = c >= '0' && c <= '9'                               ? c - '0'
                : base == 16 && Lower(c) >= 'a' && Lower(c) <= 'f' ? Lower(c) - 'a' + 10
                                                                   : -1;
    if (value < 0) return std::nullopt;
    code = code * static_cast<char32_t>(base) + static_cast<char32_t>(value);
  }
  bool usable = code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
  return usable ? code : U'\uFFFD';
}

// The code point of the entity `name` (between '&' and ';'); nothing when it is none of those
// that are decoded.
std::optional<char32_t> Entity(std::string_view name) {
  if (!name.empty() && name[0] == '#') return NumericEntity(name.substr(1));
  constexpr std::pair<std::string_view, char32_t> kNamed[] = {
      {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}};
  for (const auto& [entity, code] : kNamed) {
    if (name == entity) return code;
  }
  return std::nullopt;
}

// The text between the first title tag and its closing tag; nothing when there is none.
std::optional<std::string_view> TitleText(std::string_view html) {
  constexpr std::string_view kOpen = "<title";
  size_t open = FindTag(html, kOpen, 0);
  while (open != std::string_view::npos && open + kOpen.size() < html.size() &&
         html[open + kOpen.size()] != '>' && !IsHtmlSpace(html[open + kOpen.size()]))
    open = FindTag(html, kOpen, open + kOpen.size());
  size_t start = open == std::string_view::npos ? open : html.find('>', open);
  size_t end = start == std::string_view::npos ? start : FindTag(html, "</title", start);
  if (end == std::string_view::npos) return std::nullopt;
  return html.substr(start + 1, end - start - 1);
}

// Appends the character at `*i` of `text`, or the entity that starts there, and moves `*i` to its
// last byte.
void AppendCharacter(std::string_view text, size_t* i, std::string* out) {
  size_t semicolon = text[*i] == '&' ? text.find(';', *i) : std::string_view::npos;
  std::optional<char32_t> entity;
  if (semicolon != std::string_view::npos && semicolon - *i <= 10)
    entity = Entity(text.substr(*i + 1, semicolon - *i - 1));
  if (!entity) {
    AppendUtf8(Cp1250CodePoint(text[*i]), out);
    return;
  }
  AppendUtf8(*entity, out);
  *i = semicolon;
}

}  // namespace

std::string HtmlTitle(std::string_view html) {
  std::optional<std::string_view> text = TitleText(html);
  if (!text) return "";
  std::string title;
  bool space = false;
  for (size_t i = 0; i < text->size(); ++i) {
    if (IsHtmlSpace((*text)[i])) {
      space = !title.empty();
      continue;
    }
    if (space) title.push_back(' ');
    space = false;
    AppendCharacter(*text, &i, &title);
  }
  return title;
}

std::string ReadHtmlTitle(DiskInterface& disk, const std::string& path) {
  auto file = disk.OpenForRead(path);
  std::string head(kTitleSearchBytes, '\0');
  size_t size = 0;
  while (size < head.size()) {
    size_t read = file->Read(head.data() + size, head.size() - size);
    if (read == 0) break;
    size += read;
  }
  file->Close();
  head.resize(size);
  return HtmlTitle(head);
}

}  // namespace orvello::core
