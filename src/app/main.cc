// The desktop program: its five windows on the platform's toolkit (Qt, or on Windows the native
// controls), the machine's disk, scripts started detached through orvello-script, the help page
// in the desktop's browser.
#include <string>

#include "platform/browser.h"
#include "platform/real_disk.h"
#include "platform/script_launcher.h"
#include "ui/program.h"
#include "ui/toolkit/native_application.h"

int main(int argc, char** argv) {
  using namespace orvello;
  auto app = ui::MakeNativeApplication(argc, argv);
  auto disk = platform::MakeRealDisk();
  platform::ScriptLauncher launcher(/*wait=*/false);
  ui::Program program(*app, *disk, launcher, [](const std::string& path) {
    std::string ignored;
    platform::OpenInBrowser(path, &ignored);
  });
  return program.Run();
}
