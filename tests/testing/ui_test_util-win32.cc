// Implementation details: a click is BM_CLICK, the button's own mouse press and release; typing
// sends each UTF-16 unit as the WM_CHAR that a key press turns into, and Ctrl+A and Ctrl+C are
// the characters those keys type; a double click and a resting mouse go to the control as the
// mouse messages it answers. All of them go through the controls' own code. A memo's rows are
// read back from the edit control's own line breaks.
#include "ui_test_util.h"

// The backend's view of <windows.h> first, before the system headers that need it.
#include "ui/toolkit/win32/win32_api.h"

#include <commctrl.h>

#include <map>

#include "ui/toolkit/win32/win32_application.h"
#include "ui/toolkit/win32/win32_directory_list.h"
#include "ui/toolkit/win32/win32_string_grid.h"
#include "ui/toolkit/win32/win32_text.h"
#include "ui/toolkit/win32/win32_window.h"

namespace orvello::ui::testing {

namespace {

constexpr wchar_t kSelectAll = 0x01;  // Ctrl+A
constexpr wchar_t kCopy = 0x03;       // Ctrl+C

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

void TypeKeys(HWND hwnd, const std::string& utf8) {
  SetFocus(hwnd);
  SendMessageW(hwnd, EM_SETSEL, 0, -1);
  for (wchar_t unit : win32::Utf8ToWide(utf8)) SendMessageW(hwnd, WM_CHAR, unit, 1);
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

int RowHeight(HWND edit) {
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  return metrics.tmHeight > 0 ? metrics.tmHeight : 1;
}

SIZE TextSize(HWND hwnd, const std::wstring& text) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return size;
}

bool IsButton(HWND hwnd) {
  wchar_t name[16] = {};
  GetClassNameW(hwnd, name, 16);
  return lstrcmpiW(name, L"Button") == 0;
}

}  // namespace

std::unique_ptr<Application> MakeTestApplication(std::vector<std::string>* errors) {
  auto app = win32::MakeApplication();
  app->SetErrorRecorder([errors](const std::string& text) { errors->push_back(text); });
  return app;
}

void Click(Button* button) { SendMessageW(win32::HandleOf(button), BM_CLICK, 0, 0); }

void TypeInto(Edit* edit, const std::string& utf8) { TypeKeys(win32::HandleOf(edit), utf8); }

void TypeInto(Memo* memo, const std::string& utf8) { TypeKeys(win32::HandleOf(memo), utf8); }

std::string CopyAll(Memo* memo) {
  HWND hwnd = win32::HandleOf(memo);
  if (OpenClipboard(hwnd)) {
    EmptyClipboard();
    CloseClipboard();
  }
  SetFocus(hwnd);
  SendMessageW(hwnd, WM_CHAR, kSelectAll, 1);
  SendMessageW(hwnd, WM_CHAR, kCopy, 1);
  std::wstring text = ClipboardText();
  std::wstring lines;
  for (wchar_t c : text) {
    if (c != L'\r') lines.push_back(c);
  }
  return win32::FromWideReplacing(lines);
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

void RunSoon(std::function<void()> task) {
  UINT_PTR id = SetTimer(nullptr, 0, 0, RunTask);
  PendingTasks()[id] = std::move(task);
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

std::vector<Control*> ControlsOf(Window& window) {
  return dynamic_cast<win32::Win32Window&>(window).controls();
}

ScrollBars ScrollBarsOf(Control* control) {
  LONG style = GetWindowLongW(win32::HandleOf(control), GWL_STYLE);
  return {(style & WS_VSCROLL) != 0, (style & WS_HSCROLL) != 0};
}

std::vector<std::string> ShownRows(Memo* memo) {
  HWND hwnd = win32::HandleOf(memo);
  std::wstring text = win32::WideTextOf(hwnd);
  LRESULT count = SendMessageW(hwnd, EM_GETLINECOUNT, 0, 0);
  std::vector<std::string> rows;
  for (LRESULT row = 0; row < count; ++row) {
    auto start = static_cast<size_t>(SendMessageW(hwnd, EM_LINEINDEX, row, 0));
    auto end = row + 1 < count ? static_cast<size_t>(SendMessageW(hwnd, EM_LINEINDEX, row + 1, 0))
                               : text.size();
    std::wstring shown = text.substr(start, end - start);
    while (!shown.empty() && (shown.back() == L'\n' || shown.back() == L'\r')) shown.pop_back();
    rows.push_back(win32::FromWideReplacing(shown));
  }
  return rows;
}

void ScrollToFirstRow(Memo* memo) { SendMessageW(win32::HandleOf(memo), WM_VSCROLL, SB_TOP, 0); }

bool LastRowInView(Memo* memo) {
  HWND hwnd = win32::HandleOf(memo);
  RECT format;
  SendMessageW(hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  LRESULT first = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  LRESULT last = SendMessageW(hwnd, EM_GETLINECOUNT, 0, 0) - 1;
  LRESULT rows = (format.bottom - format.top) / RowHeight(hwnd);
  return last >= first && last < first + rows;
}

std::string CellToolTip(StringGrid* grid, int column, int row) {
  auto* win32_grid = dynamic_cast<win32::Win32StringGrid*>(grid);
  win32_grid->ScrollIntoView(row);
  RECT cell = win32_grid->CellRect(column, row);
  LPARAM centre = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  SendMessageW(win32_grid->hwnd(), WM_MOUSEMOVE, 0, centre);  // the mouse comes to rest there
  wchar_t tip[1024] = {};
  TOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = win32_grid->hwnd();
  tool.uId = 1;
  tool.lpszText = tip;
  SendMessageW(win32_grid->tooltip(), TTM_GETTEXTW, std::size(tip),
               reinterpret_cast<LPARAM>(&tool));
  return win32::FromWideReplacing(tip);
}

Bounds CellBounds(StringGrid* grid, int column, int row) {
  auto* win32_grid = dynamic_cast<win32::Win32StringGrid*>(grid);
  return InParent(win32_grid->hwnd(), win32_grid->hwnd(), win32_grid->CellRect(column, row));
}

Bounds ScrollingArea(StringGrid* grid) {
  HWND hwnd = win32::HandleOf(grid);
  RECT client;
  GetClientRect(hwnd, &client);
  return InParent(hwnd, hwnd, client);
}

int CaptionWidth(Control* control) {
  HWND hwnd = win32::HandleOf(control);
  return TextSize(hwnd, win32::WideTextOf(hwnd)).cx;
}

int CaptionRoom(Control* control) {
  HWND hwnd = win32::HandleOf(control);
  RECT client;
  GetClientRect(hwnd, &client);
  if (!IsButton(hwnd)) return client.right;
  // A push button draws its caption inside its edge and the text margins of its style.
  RECT margin = {};
  SendMessageW(hwnd, BCM_GETTEXTMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
  return client.right - margin.left - margin.right - 2 * GetSystemMetrics(SM_CXEDGE);
}

}  // namespace orvello::ui::testing
