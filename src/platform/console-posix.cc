#include "platform/console.h"

namespace orvello::platform {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

void UseUtf8Output() {}

}  // namespace orvello::platform
