#include "ui/program.h"

#include <utility>

namespace orvello::ui {

Program::Program(Application& app, core::DiskInterface& disk, core::ScriptStarter& starter,
                 HelpOpener open_help)
    : Form1(app, disk, starter, std::move(open_help)),
      Form3(app, Form1.Edit4),
      Form4(app, Form1.Edit5),
      Form5(app, Form1.Edit2),
      Form6(app, disk, [this] { return Form1.Edit1->text(); }),
      app_(app) {
  Form1.SetPeers({&Form3.window(), &Form4.window(), &Form5.window(), &Form6.window()});
}

}  // namespace orvello::ui
