// The desktop program: the main window first, which makes it the main window, then the three
// directory pickers and the timing editor, hidden; then the message loop until the main window
// closes.
#include <string>

#include "platform/browser.h"
#include "platform/real_disk.h"
#include "platform/script_launcher.h"
#include "ui/Strih02.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/toolkit/qt/qt_application.h"

int main(int argc, char** argv) {
  using namespace orvello;
  auto app = ui::qt::MakeApplication(argc, argv);
  auto disk = platform::MakeRealDisk();
  platform::ScriptLauncher launcher(/*wait=*/false);

  ui::TForm1 form1(*app, *disk, launcher, [](const std::string& path) {
    std::string ignored;
    platform::OpenInBrowser(path, &ignored);
  });
  ui::TForm3 form3(*app, form1.Edit4);
  ui::TForm4 form4(*app, form1.Edit5);
  ui::TForm5 form5(*app, form1.Edit2);
  ui::TForm6 form6(*app, *disk, [&form1] { return form1.Edit1->text(); });
  form1.SetPeers({&form3.window(), &form4.window(), &form5.window(), &form6.window()});
  return app->Run();
}
