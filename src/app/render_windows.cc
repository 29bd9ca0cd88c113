// render_windows: draws each of the program's windows into a PNG file, for the README.
//
//   cd examples && QT_QPA_PLATFORM=offscreen ../build/debug/bin/render_windows ../docs
//
// Run in examples/, the main window loads the example's settings as at a real start and shows
// the message of a process button pressed before anything was chosen; the pickers show the
// working directory, the output picker also in its box, as after browsing into a folder and back;
// the timing editor shows the example lecture's segments. Errors go to standard error.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <iostream>
#include <string>

#include "core/script_starter.h"
#include "platform/real_disk.h"
#include "ui/program.h"
#include "ui/toolkit/qt/qt_application.h"

namespace {

constexpr char kExampleMedia[] = "lecture/prednaska.rm";

bool Render(orvello::ui::Window& window, const QDir& folder, const char* name) {
  QWidget* widget = orvello::ui::qt::WidgetOf(&window);
  widget->show();
  QApplication::processEvents();
  QString path = folder.filePath(QString::fromLatin1(name));
  bool saved = widget->grab().save(path, "PNG");
  std::cerr << (saved ? "wrote " : "cannot write ") << path.toStdString() << "\n";
  widget->hide();
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvello;
  if (argc != 2) {
    std::cerr << "usage: render_windows OUTPUT_FOLDER   (run it in examples/)\n";
    return 64;
  }
  auto app = ui::qt::MakeApplication(argc, argv);
  int errors = 0;
  app->SetErrorRecorder([&errors](const std::string& text) {
    std::cerr << "error: " << text << "\n";
    ++errors;
  });
  QDir folder(QString::fromLocal8Bit(argv[1]));
  auto disk = platform::MakeRealDisk();
  core::NoScriptStarter starter;

  ui::Program program(*app, *disk, starter, [](const std::string&) {});
  app->RunGuarded([&program] { program.Form1.Button1Click(); });
  ui::DirectoryList& list = *program.Form4.DirectoryListBox1;
  if (!list.SetDirectory("lecture") || !list.SetDirectory("..")) {
    std::cerr << "cannot browse into lecture/ and back: run me in examples/\n";
    return 1;
  }
  bool ok = Render(program.Form1.window(), folder, "main-window.png") &&
            Render(program.Form3.window(), folder, "style-picker.png") &&
            Render(program.Form4.window(), folder, "output-picker.png") &&
            Render(program.Form5.window(), folder, "producer-picker.png");
  program.Form1.Edit1->SetText(kExampleMedia);
  app->RunGuarded([&program] { program.Form6.Button5Click(); });
  ok = ok && Render(program.Form6.window(), folder, "timing-editor.png");
  return ok && errors == 0 ? 0 : 1;
}
