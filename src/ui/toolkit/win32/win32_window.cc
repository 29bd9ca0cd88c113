// Implementation details: each window keeps its `this` in GWLP_USERDATA; WM_COMMAND and
// WM_DRAWITEM reach the control whose handle they carry. The window's client area has the size
// the program asked for, scaled; WM_DPICHANGED scales it, the controls and the font anew.
#include "ui/toolkit/win32/win32_window.h"

#include "ui/toolkit/win32/win32_application.h"
#include "ui/toolkit/win32/win32_directory_list.h"
#include "ui/toolkit/win32/win32_dpi.h"
#include "ui/toolkit/win32/win32_string_grid.h"

namespace orvello::ui::win32 {

namespace {

constexpr wchar_t kClassName[] = L"OrvelloWindow";
// Not WS_CLIPCHILDREN: the window's background shows through the frame, which draws only its
// edge. The window never changes size, so nothing flickers.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HICON LoadProgramIcon(int metric_x, int metric_y) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                       IMAGE_ICON, GetSystemMetrics(metric_x),
                                       GetSystemMetrics(metric_y), LR_DEFAULTCOLOR));
}

void RegisterWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = Win32Window::Procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = kClassName;
    window_class.hIcon = LoadProgramIcon(SM_CXICON, SM_CYICON);
    window_class.hIconSm = LoadProgramIcon(SM_CXSMICON, SM_CYSMICON);
    return RegisterClassExW(&window_class);
  }();
  (void)atom;
}

}  // namespace

Win32Window::Win32Window(Application& app, bool main, std::function<void(Window*)> on_destroyed)
    : app_(app), main_(main), on_destroyed_(std::move(on_destroyed)) {
  RegisterWindowClass();
  CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  dpi_ = DpiOf(hwnd_);
  font_ = CreateMessageFont(dpi_);
}

Win32Window::~Win32Window() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
  controls_.clear();
  DeleteObject(font_);
  if (on_destroyed_) on_destroyed_(this);
}

std::vector<Control*> Win32Window::controls() const {
  std::vector<Control*> controls;
  for (const auto& child : controls_) controls.push_back(dynamic_cast<Control*>(child.get()));
  return controls;
}

std::string Win32Window::caption() const { return TextOf(hwnd_); }

void Win32Window::SetCaption(const std::string& caption) { SetTextOf(hwnd_, caption); }

void Win32Window::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  Resize();
}

void Win32Window::Resize() {
  SIZE size = WindowSizeFor(width_, height_, kStyle, dpi_);
  SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame the system draws may differ from the one it computes for a DPI; measure it.
  RECT client;
  GetClientRect(hwnd_, &client);
  int missing_x = Scale(width_, dpi_) - client.right;
  int missing_y = Scale(height_, dpi_) - client.bottom;
  if (missing_x != 0 || missing_y != 0) {
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx + missing_x, size.cy + missing_y,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32Window::Show() {
  ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void Win32Window::Close() { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

bool Win32Window::visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void Win32Window::SetDpi(int dpi, const POINT* position) {
  HFONT old_font = font_;
  dpi_ = dpi;
  font_ = CreateMessageFont(dpi_);
  for (const auto& control : controls_) control->Rescale(dpi_, font_);
  DeleteObject(old_font);
  if (position) {
    SetWindowPos(hwnd_, nullptr, position->x, position->y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Resize();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

template <class T>
T* Win32Window::Keep(std::unique_ptr<T> control) {
  T* raw = control.get();
  raw->Rescale(dpi_, font_);
  controls_.push_back(std::move(control));
  // A new control goes beneath the ones made before it; a frame must stay beneath them all, or
  // it would cover the controls it frames.
  for (const auto& kept : controls_) {
    if (kept->beneath()) {
      SetWindowPos(kept->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  return raw;
}

Button* Win32Window::AddButton(const Bounds& bounds, const std::string& caption) {
  return Keep(std::make_unique<Win32Button>(hwnd_, bounds, caption, dpi_, app_));
}

Label* Win32Window::AddLabel(const Bounds& bounds, const std::string& caption) {
  return Keep(std::make_unique<Win32Label>(hwnd_, bounds, caption, dpi_));
}

Edit* Win32Window::AddEdit(const Bounds& bounds, const std::string& text) {
  return Keep(std::make_unique<Win32Edit>(hwnd_, bounds, text, dpi_));
}

Memo* Win32Window::AddMemo(const Bounds& bounds) {
  return Keep(std::make_unique<Win32Memo>(hwnd_, bounds, dpi_));
}

Frame* Win32Window::AddFrame(const Bounds& bounds) {
  return Keep(std::make_unique<Win32Frame>(hwnd_, bounds, dpi_));
}

StringGrid* Win32Window::AddStringGrid(const Bounds& bounds, int columns, int rows, int cell_width,
                                       int cell_height) {
  return Keep(std::make_unique<Win32StringGrid>(hwnd_, bounds, columns, rows, cell_width,
                                                cell_height, dpi_));
}

DriveList* Win32Window::AddDriveList(const Bounds& bounds) {
  return Keep(std::make_unique<Win32DriveList>(hwnd_, bounds, dpi_, app_));
}

DirectoryList* Win32Window::AddDirectoryList(const Bounds& bounds) {
  return Keep(std::make_unique<Win32DirectoryList>(hwnd_, bounds, dpi_, app_));
}

LRESULT CALLBACK Win32Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window =
        static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wparam, lparam);
  // Handlers run inside the toolkit's guard; nothing else may let an exception through the
  // system's code.
  try {
    return window->Handle(message, wparam, lparam);
  } catch (...) {
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

LRESULT Win32Window::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      auto from = reinterpret_cast<HWND>(lparam);
      if (!from && LOWORD(wparam) == IDOK) from = GetFocus();  // Enter, taken by the loop
      for (const auto& control : controls_) {
        if (control->hwnd() != from) continue;
        if (lparam) {
          control->Command(HIWORD(wparam));
        } else {
          control->EnterPressed();
        }
        break;
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      for (const auto& control : controls_) {
        if (control->hwnd() == item.hwndItem) return control->DrawItem(item);
      }
      break;
    }
    case WM_CLOSE:
      ShowWindow(hwnd_, SW_HIDE);
      if (main_) PostQuitMessage(0);
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      POINT position = {suggested.left, suggested.top};
      SetDpi(HIWORD(wparam), &position);
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace orvello::ui::win32
