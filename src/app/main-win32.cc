// orvello.exe: the desktop program on Windows. The same start-up as elsewhere, on the native
// toolkit: its five windows, the machine's disk, the scripts started detached through
// orvello-script.exe, the help page in the default browser.
#include <string>

#include "platform/browser.h"
#include "platform/real_disk.h"
#include "platform/script_launcher.h"
#include "ui/program.h"
#include "ui/toolkit/win32/win32_application.h"

int wmain() {
  using namespace orvello;
  auto app = ui::win32::MakeApplication();
  auto disk = platform::MakeRealDisk();
  platform::ScriptLauncher launcher(/*wait=*/false);
  ui::Program program(*app, *disk, launcher, [](const std::string& path) {
    std::string ignored;
    platform::OpenInBrowser(path, &ignored);
  });
  return program.Run();
}
