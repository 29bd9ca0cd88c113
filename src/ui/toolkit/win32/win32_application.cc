// Implementation details: as on Qt, the application keeps no list of its windows; ApplicationBase
// keeps the main one, which Run() shows and whose closing ends the loop. The loop lets each
// top-level window handle its keyboard navigation (Tab, Enter) the way dialog boxes do.
#include "ui/toolkit/win32/win32_application.h"

#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>

#include "platform/win32_text.h"
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

class Win32Application : public ApplicationBase {
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

  int Run() override {
    // A main window closed before the loop ran leaves its quit message; the loop starts afresh.
    MSG message = {};
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    if (main_window()) main_window()->Show();
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      HWND root = GetAncestor(message.hwnd, GA_ROOT);
      if (root && IsDialogMessageW(root, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
  }

 protected:
  std::unique_ptr<Window> MakeWindow(bool main,
                                     std::function<void(Window*)> on_destroyed) override {
    return std::make_unique<Win32Window>(*this, main, std::move(on_destroyed));
  }

  void ShowErrorDialog(const std::string& text) override {
    MessageBoxW(Owner(), ToWide(text).c_str(), ToWide(kProgramName).c_str(), MB_OK | MB_ICONSTOP);
  }

  bool AskForFile(const std::string& filter, std::string* utf8) override {
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
    *utf8 = platform::Utf8FromWide(buffer.c_str());
    return true;
  }

 private:
  HWND Owner() const { return HandleOf(main_window()); }

  bool com_ = false;
};

}  // namespace

std::unique_ptr<ApplicationBase> MakeApplication() { return std::make_unique<Win32Application>(); }

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

}  // namespace orvello::ui::win32
