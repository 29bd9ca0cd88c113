#include <iostream>

#include "cli/cli.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  orvello::platform::UseUtf8Output();
  return orvello::cli::RunCli(orvello::platform::Utf8Arguments(argc, argv), std::cout, std::cerr);
}
