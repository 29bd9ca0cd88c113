#ifndef ORVELLO_UI_TOOLKIT_APPLICATION_BASE_H_
#define ORVELLO_UI_TOOLKIT_APPLICATION_BASE_H_

// What the application of every toolkit backend does alike: it tracks the main window, runs
// handlers inside the guard, and takes the tests' replacements for the error dialog and the
// file-open dialog. A backend adds its windows, its message loop and the two dialogs themselves.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

class ApplicationBase : public Application {
 public:
  /// The first window made is the main window; it stays the main one until it goes, and no
  /// later window becomes one.
  std::unique_ptr<Window> CreateWindow() final;
  void RunGuarded(const Handler& handler) final;
  void ShowError(const std::string& text) final;
  /// A chosen file that Windows-1250 cannot name is refused with an error naming it, '?' for
  /// each character the code page lacks.
  bool RunFileOpenDialog(const std::string& filter, std::string* path) final;

  /// Sends every later error to `recorder` as the dialog's Windows-1250 text instead of showing
  /// the dialog; an empty function puts the dialog back.
  void SetErrorRecorder(std::function<void(const std::string&)> recorder);
  /// Answers the next file-open dialog without showing it: `utf8` is the chosen file as the
  /// dialog gives it, std::nullopt a cancel. One answer serves one dialog.
  void SetNextFileName(std::optional<std::string> utf8);

 protected:
  /// The main window while it lives, else nullptr.
  Window* main_window() const { return main_; }

  /// A new window of the backend; `main` for the main window. `on_destroyed` must run with it
  /// when it goes.
  virtual std::unique_ptr<Window> MakeWindow(bool main,
                                             std::function<void(Window*)> on_destroyed) = 0;
  /// The error dialog itself.
  virtual void ShowErrorDialog(const std::string& text) = 0;
  /// The system's file-open dialog; true with the chosen file's full path, UTF-8 with the
  /// platform's separators, in `*utf8` when the user confirmed.
  virtual bool AskForFile(const std::string& filter, std::string* utf8) = 0;

 private:
  Window* main_ = nullptr;
  bool had_main_ = false;
  std::function<void(const std::string&)> recorder_;
  std::optional<std::optional<std::string>> next_answer_;
};

/// The toolkit's application behind `app`, for the test seams; throws std::bad_cast when no
/// backend of this toolkit made it.
ApplicationBase& BaseOf(Application& app);

}  // namespace orvello::ui

#endif  // ORVELLO_UI_TOOLKIT_APPLICATION_BASE_H_
