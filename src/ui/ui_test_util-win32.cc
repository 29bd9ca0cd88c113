// Implementation details: a click is BM_CLICK, the button's own mouse press and release; typing
// sends each UTF-16 unit as the WM_CHAR that a key press turns into; a double click goes to the
// list box as the mouse messages it answers. All of them go through the controls' own code.
#include "ui/ui_test_util.h"

#include <map>

#include "ui/toolkit/win32/win32_application.h"
#include "ui/toolkit/win32/win32_directory_list.h"
#include "ui/toolkit/win32/win32_string_grid.h"
#include "ui/toolkit/win32/win32_text.h"

namespace orvello::ui::testing {

namespace {

// `rect` in `from`'s coordinates (nullptr: the screen's) in the client area of `hwnd`'s parent.
Bounds InParent(HWND from, HWND hwnd, RECT rect) {
  MapWindowPoints(from, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::map<UINT_PTR, std::function<void()>>& PendingTasks() {
  static std::map<UINT_PTR, std::function<void()>> tasks;
  return tasks;
}

void CALLBACK RunTask(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto found = PendingTasks().find(id);
  if (found == PendingTasks().end()) return;
  std::function<void()> task = std::move(found->second);
  PendingTasks().erase(found);
  task();
}

}  // namespace

std::unique_ptr<Application> MakeTestApplication(std::vector<std::string>* errors) {
  auto app = win32::MakeApplication();
  win32::SetErrorRecorder(*app, [errors](const std::string& text) { errors->push_back(text); });
  return app;
}

void Click(Button* button) { SendMessageW(win32::HandleOf(button), BM_CLICK, 0, 0); }

void TypeInto(Edit* edit, const std::string& utf8) {
  HWND hwnd = win32::HandleOf(edit);
  SetFocus(hwnd);
  SendMessageW(hwnd, EM_SETSEL, 0, -1);
  for (wchar_t unit : win32::Utf8ToWide(utf8)) SendMessageW(hwnd, WM_CHAR, unit, 1);
}

void SetNextFileName(Application& app, std::optional<std::string> utf8_path) {
  win32::SetNextFileName(app, std::move(utf8_path));
}

bool OpenDirectory(DirectoryList* list, const std::string& utf8_name) {
  auto* win32_list = dynamic_cast<win32::Win32DirectoryList*>(list);
  std::vector<std::wstring> lines = win32_list->lines();
  std::wstring name = win32::Utf8ToWide(utf8_name);
  for (size_t index = 0; index < lines.size(); ++index) {
    if (lines[index] != name) continue;
    HWND hwnd = win32_list->hwnd();
    RECT item;
    SendMessageW(hwnd, LB_SETTOPINDEX, index, 0);
    SendMessageW(hwnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    LPARAM center = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, center);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, center);
    SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, center);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, center);
    return true;
  }
  return false;
}

Bounds ShownBounds(Control* control) {
  HWND hwnd = win32::HandleOf(control);
  RECT rect;
  GetWindowRect(hwnd, &rect);
  return InParent(nullptr, hwnd, rect);
}

bool IsShown(Control* control) { return IsWindowVisible(win32::HandleOf(control)) != FALSE; }

Bounds ShownBounds(Window* window) {
  RECT client;
  GetClientRect(win32::HandleOf(window), &client);
  return {0, 0, client.right, client.bottom};
}

Bounds ShownCell(StringGrid* grid, int column, int row) {
  auto* win32_grid = dynamic_cast<win32::Win32StringGrid*>(grid);
  return InParent(win32_grid->hwnd(), win32_grid->hwnd(), win32_grid->CellRect(column, row));
}

void RunSoon(std::function<void()> task) {
  UINT_PTR id = SetTimer(nullptr, 0, 0, RunTask);
  PendingTasks()[id] = std::move(task);
}

}  // namespace orvello::ui::testing
