#ifndef ORVELLO_UI_PROGRAM_H_
#define ORVELLO_UI_PROGRAM_H_

#include "core/disk_interface.h"
#include "core/script_starter.h"
#include "ui/Strih02.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

/// The desktop program's five windows, made in start-up order: the main window first, which
/// makes it the application's main window, then the style, output and producer pickers and the
/// timing editor, all hidden. The main window's buttons show the others; each picker fills its
/// field of the main window, and the timing editor reads the main window's media field.
class Program {
 public:
  /// `app`, `disk` and `starter` must outlive the program.
  Program(Application& app, core::DiskInterface& disk, core::ScriptStarter& starter,
          HelpOpener open_help);

  /// Shows the main window and runs the message loop until it closes; returns the exit code.
  int Run() { return app_.Run(); }

  // The windows, named as the program names them, in the order they are made.
  TForm1 Form1;
  TForm3 Form3;
  TForm4 Form4;
  TForm5 Form5;
  TForm6 Form6;

 private:
  Application& app_;
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_PROGRAM_H_
