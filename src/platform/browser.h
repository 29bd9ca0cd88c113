#ifndef ORVELLO_PLATFORM_BROWSER_H_
#define ORVELLO_PLATFORM_BROWSER_H_

#include <string>

namespace orvello::platform {

/// Asks the desktop to show the file `path` (Windows-1250; a relative path is taken from the
/// working directory) in the default web browser: on Windows the shell opens the file with its
/// default action (ShellExecuteExW), elsewhere xdg-open, started directly (no shell) and
/// detached, leaving no zombie behind.
/// Returns at once; false with `*err` set when the opener could not be started. What the browser
/// then does is never known.
bool OpenInBrowser(const std::string& path, std::string* err);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_BROWSER_H_
