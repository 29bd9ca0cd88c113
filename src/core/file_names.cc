#include "core/file_names.h"

namespace orvello::core {

namespace {

unsigned char UpperCase(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:  // š
    case 0x9C:  // ś
    case 0x9D:  // ť
    case 0x9E:  // ž
    case 0x9F:  // ź
      return static_cast<unsigned char>(c - 0x10);
    case 0xB3:  // ł
      return 0xA3;
    case 0xB9:  // ą
      return 0xA5;
    case 0xBA:  // ş
      return 0xAA;
    case 0xBE:  // ľ
      return 0xBC;
    case 0xBF:  // ż
      return 0xAF;
    default:
      return c;
  }
}

}  // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperCase(static_cast<unsigned char>(a[i])) != UpperCase(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string UpperCaseName(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = static_cast<char>(UpperCase(static_cast<unsigned char>(c)));
  return upper;
}

// A plain loop: find_last_of searches its set once per byte, which a name as long as a whole
// timing file makes slow.
size_t LastSeparator(std::string_view name) {
  for (const char* at = name.data() + name.size(); at != name.data();) {
    --at;
    if (*at == '/' || *at == '\\') return static_cast<size_t>(at - name.data());
  }
  return std::string_view::npos;
}

std::string_view LastComponent(std::string_view name) {
  size_t cut = LastSeparator(name);
  if (cut != std::string_view::npos) return name.substr(cut + 1);
  bool drive = name.size() >= 2 && name[1] == ':' &&
               ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'));
  return drive ? name.substr(2) : name;
}

}  // namespace orvello::core
