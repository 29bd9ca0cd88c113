#ifndef ORVELLO_CORE_CP1250_LITERAL_H_
#define ORVELLO_CORE_CP1250_LITERAL_H_

// Texts the program shows or writes, written in the source as they read:
//
//   constexpr auto& kCaption = "Časovanie"_cp1250;  // the bytes C8 61 73 6F ...
//
// The UTF-8 literal becomes a Windows-1250 char array at compile time, with its terminating
// zero, so it goes wherever a string literal goes. A character the code page cannot hold, or a
// literal that is not UTF-8, stops the build.

#include <cstddef>
#include <string_view>
#include <utility>

#include "core/cp1250_code_page.h"

namespace orvello {

namespace cp1250_literal {

/// A UTF-8 string literal as a template argument.
template <std::size_t N>
struct Utf8 {
  consteval Utf8(const char (&text)[N]) {  // NOLINT: implicit on purpose, for the literal
    for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
  }
  constexpr std::string_view view() const { return {bytes, N - 1}; }
  char bytes[N] = {};
};

/// The converted bytes and their terminating zero.
template <std::size_t N>
struct Bytes {
  char text[N] = {};
};

// Never defined and not constexpr: reaching one at compile time stops the build with its name.
void TheLiteralIsNotUtf8();
void Windows1250CannotHoldThisCharacter();

/// The number of characters of `utf8`, which is the number of Windows-1250 bytes.
consteval std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++count) {
    char32_t code = 0;
    if (!core::DecodeUtf8(utf8, &pos, &code)) TheLiteralIsNotUtf8();
  }
  return count;
}

template <Utf8 kUtf8>
consteval auto Convert() {
  Bytes<CharacterCount(kUtf8.view()) + 1> out;
  std::size_t length = 0;
  for (std::size_t pos = 0; pos < kUtf8.view().size();) {
    char32_t code = 0;
    core::DecodeUtf8(kUtf8.view(), &pos, &code);
    if (!core::Cp1250ByteOf(code, &out.text[length++])) Windows1250CannotHoldThisCharacter();
  }
  return out;
}

template <Utf8 kUtf8>
inline constexpr auto kConverted = Convert<kUtf8>();

/// The converted bytes as a plain array of their own, which compilers see through as they see
/// through a string literal.
template <Utf8 kUtf8, class Indices>
struct Array;
template <Utf8 kUtf8, std::size_t... kIndex>
struct Array<kUtf8, std::index_sequence<kIndex...>> {
  static constexpr char text[] = {kConverted<kUtf8>.text[kIndex]...};
};

}  // namespace cp1250_literal

/// `"Súbor"_cp1250` is the Windows-1250 char array {'S', '\xFA', 'b', 'o', 'r', '\0'}. It lives in
/// the project's namespace so that every layer finds it.
template <cp1250_literal::Utf8 kUtf8>
consteval const auto& operator""_cp1250() {
  using Converted = decltype(cp1250_literal::kConverted<kUtf8>);
  return cp1250_literal::Array<kUtf8, std::make_index_sequence<sizeof(Converted::text)>>::text;
}

}  // namespace orvello

#endif  // ORVELLO_CORE_CP1250_LITERAL_H_
