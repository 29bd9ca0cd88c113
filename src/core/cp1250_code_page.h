#ifndef ORVELLO_CORE_CP1250_CODE_PAGE_H_
#define ORVELLO_CORE_CP1250_CODE_PAGE_H_

// The Windows-1250 code page and UTF-8 decoding as constant expressions, so that the run-time
// conversions and the compile-time literals share one table.

#include <array>
#include <cstddef>
#include <string_view>

namespace orvello::core {

/// The code points of bytes 0x80 to 0xFF. The undefined 0x81, 0x83, 0x88, 0x90 and 0x98 map to
/// the control characters of the same value, so every byte string survives a round trip.
inline constexpr std::array<char16_t, 128> kCp1250HighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // 0xF8
};

/// The code point of one Windows-1250 byte.
constexpr char32_t Cp1250CodePoint(char byte) {
  auto value = static_cast<unsigned char>(byte);
  return value < 0x80 ? value : kCp1250HighHalf[value - 0x80];
}

/// False for the five bytes the code page leaves undefined (those the table maps to the control
/// characters 0x80 to 0x9F), true for every other byte.
constexpr bool Cp1250Defines(char byte) {
  char32_t code = Cp1250CodePoint(byte);
  return code < 0x80 || code >= 0xA0;
}

/// True with the byte that stands for `code` in `*byte` when Windows-1250 holds it.
constexpr bool Cp1250ByteOf(char32_t code, char* byte) {
  if (code < 0x80) {
    *byte = static_cast<char>(code);
    return true;
  }
  for (std::size_t index = 0; index < kCp1250HighHalf.size(); ++index) {
    if (kCp1250HighHalf[index] == code) {
      *byte = static_cast<char>(0x80 + index);
      return true;
    }
  }
  return false;
}

/// Decodes the UTF-8 sequence at `*pos` into `*code` and moves past it; false, moving nothing, on
/// a malformed, truncated or overlong sequence, a surrogate or a value past U+10FFFF.
constexpr bool DecodeUtf8(std::string_view text, std::size_t* pos, char32_t* code) {
  auto lead = static_cast<unsigned char>(text[*pos]);
  std::size_t extra = 0;
  if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
  } else if (lead >= 0xE0) {
    extra = 2;
  } else if (lead >= 0xC2) {
    extra = 1;
  } else if (lead >= 0x80) {
    return false;
  }
  if (lead > 0xF4 || text.size() - *pos <= extra) return false;
  char32_t value = extra == 0 ? lead : lead & (0x3F >> extra);
  for (std::size_t i = 1; i <= extra; ++i) {
    auto next = static_cast<unsigned char>(text[*pos + i]);
    if ((next & 0xC0) != 0x80) return false;
    value = (value << 6) | (next & 0x3F);
  }
  constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (value < kMinimum[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return false;
  }
  *pos += extra + 1;
  *code = value;
  return true;
}

}  // namespace orvello::core

#endif  // ORVELLO_CORE_CP1250_CODE_PAGE_H_
