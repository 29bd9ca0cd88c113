// Implementation details: as on Qt, the application keeps only its main window, which Run()
// shows and whose closing ends the loop. The loop lets each top-level window handle its
// keyboard navigation (Tab, Enter) the way dialog boxes do.
#include "ui/toolkit/win32/win32_application.h"

#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>

#include "core/io_error.h"
#include "ui/toolkit/handler_guard.h"
#include "ui/toolkit/native_application.h"
#include "ui/toolkit/toolkit_texts.h"
#include "ui/toolkit/win32/win32_controls.h"
#include "ui/toolkit/win32/win32_directory_list.h"
#include "ui/toolkit/win32/win32_text.h"
#include "ui/toolkit/win32/win32_window.h"

namespace orvello::ui::win32 {

namespace {

/// "Rm files (*.rm)|*.rm" as the dialog takes it: pairs of strings ending in two zeros.
std::wstring DialogFilter(const std::string& filter) {
  std::wstring result = ToWide(filter);
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

class Win32Application : public Application {
 public:
  Win32Application() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The file dialog hosts shell extensions, which expect a single-threaded apartment.
    com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  }
  ~Win32Application() override {
    if (com_) CoUninitialize();
  }

  std::unique_ptr<Window> CreateWindow() override {
    bool main = main_ == nullptr && !had_main_;
    auto window = std::make_unique<Win32Window>(*this, main, [this](Win32Window* gone) {
      if (gone == main_) main_ = nullptr;
    });
    if (main) {
      main_ = window.get();
      had_main_ = true;
    }
    return window;
  }

  void RunGuarded(const Handler& handler) override {
    RunHandlerGuarded(handler, [this](const std::string& text) { ShowError(text); });
  }

  int Run() override {
    // A main window closed before the loop ran leaves its quit message; the loop starts afresh.
    MSG message = {};
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    if (main_) main_->Show();
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      HWND root = GetAncestor(message.hwnd, GA_ROOT);
      if (root && IsDialogMessageW(root, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
  }

  void ShowError(const std::string& text) override {
    if (recorder_) {
      recorder_(text);
      return;
    }
    MessageBoxW(Owner(), ToWide(text).c_str(), ToWide(kProgramName).c_str(), MB_OK | MB_ICONSTOP);
  }

  bool RunFileOpenDialog(const std::string& filter, std::string* path) override {
    std::wstring chosen;
    if (next_answer_) {
      if (*next_answer_) chosen = Utf8ToWide(**next_answer_);
      next_answer_.reset();
    } else if (!AskForFile(filter, &chosen)) {
      return false;
    }
    if (chosen.empty()) return false;
    if (!FromWide(chosen, path)) {
      ShowError(core::WithPeriod(kUnnamableFileMessage + FromWideReplacing(chosen)));
      return false;
    }
    return true;
  }

  void set_recorder(std::function<void(const std::string&)> recorder) {
    recorder_ = std::move(recorder);
  }
  void set_next_answer(std::optional<std::string> answer) {
    next_answer_.emplace(std::move(answer));
  }

 private:
  HWND Owner() const { return main_ ? main_->hwnd() : nullptr; }

  bool AskForFile(const std::string& filter, std::wstring* chosen) {
    std::wstring dialog_filter = DialogFilter(filter);
    std::wstring folder = WorkingDirectory();
    std::wstring buffer(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Owner();
    dialog.lpstrFilter = dialog_filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = folder.c_str();
    // The dialog leaves the working directory alone: only the directory pickers change it.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   OFN_NOCHANGEDIR | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&dialog)) return false;
    *chosen = buffer.c_str();
    return true;
  }

  bool com_ = false;
  Win32Window* main_ = nullptr;
  bool had_main_ = false;
  std::function<void(const std::string&)> recorder_;
  std::optional<std::optional<std::string>> next_answer_;
};

}  // namespace

std::unique_ptr<Application> MakeApplication() { return std::make_unique<Win32Application>(); }

}  // namespace orvello::ui::win32

namespace orvello::ui {

// Windows gives the program its arguments itself; the windows take none.
std::unique_ptr<Application> MakeNativeApplication(int&, char**) {
  return win32::MakeApplication();
}

}  // namespace orvello::ui

namespace orvello::ui::win32 {

HWND HandleOf(Control* control) {
  auto* child = dynamic_cast<Child*>(control);
  return child ? child->hwnd() : nullptr;
}

HWND HandleOf(Window* window) {
  auto* win32_window = dynamic_cast<Win32Window*>(window);
  return win32_window ? win32_window->hwnd() : nullptr;
}

void SetErrorRecorder(Application& app, std::function<void(const std::string&)> recorder) {
  static_cast<Win32Application&>(app).set_recorder(std::move(recorder));
}

void SetNextFileName(Application& app, std::optional<std::string> answer) {
  static_cast<Win32Application&>(app).set_next_answer(std::move(answer));
}

}  // namespace orvello::ui::win32
