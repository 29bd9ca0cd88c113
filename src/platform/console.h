#ifndef ORVELLO_PLATFORM_CONSOLE_H_
#define ORVELLO_PLATFORM_CONSOLE_H_

#include <string>
#include <vector>

namespace orvello::platform {

/// The arguments after the program's name, in UTF-8. On Windows they are read again from the wide
/// command line (GetCommandLineW), since `argv` holds them in the ANSI code page, which may lack
/// a Slovak letter; elsewhere they are `argv` as it is.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

/// Makes std::cout and std::cerr carry UTF-8 text wherever they lead. On Windows a console is
/// given the text as UTF-16 (WriteConsoleW), whatever its code page, while a pipe or a file gets
/// the UTF-8 bytes as they are, line ends untranslated; elsewhere there is nothing to do.
void UseUtf8Output();

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_CONSOLE_H_
