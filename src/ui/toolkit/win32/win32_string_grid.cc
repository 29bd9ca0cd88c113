// Implementation details: a cell's pitch is its size plus one grid line, scaled. Row 0 and
// column 0 never scroll; the rows below scroll a whole row at a time. The grid paints into a
// memory bitmap first, so scrolling does not flicker. One tooltip tool covers the cell under the
// mouse; it asks the grid for its text, which is empty, and so no tip, while the text fits.
#include "ui/toolkit/win32/win32_string_grid.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/toolkit/win32/win32_dpi.h"
#include "ui/toolkit/win32/win32_text.h"

namespace orvello::ui::win32 {

namespace {

constexpr wchar_t kClassName[] = L"OrvelloStringGrid";
constexpr int kPadding = 2;     // text from the cell's left edge, at 96 DPI
constexpr int kTipWidth = 400;  // a longer tip wraps, at 96 DPI
constexpr int kWheelRows = 3;

const wchar_t* GridClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = Win32StringGrid::Procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class);
  }();
  (void)atom;
  return kClassName;
}

}  // namespace

Win32StringGrid::Win32StringGrid(HWND parent, const Bounds& bounds, int columns, int rows,
                                 int cell_width, int cell_height, int dpi)
    : Win32Control(MakeChild(parent, GridClass(), "", WS_TABSTOP | WS_VSCROLL, WS_EX_CLIENTEDGE,
                             bounds, dpi),
                   bounds, columns),
      cell_width_(cell_width),
      cell_height_(cell_height),
      dpi_(dpi) {
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  TOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = hwnd();
  tool.uId = 1;
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SetRowCount(rows);
}

void Win32StringGrid::RowCountChanged(int) {
  current_row_ = std::clamp(current_row_, 1, std::max(row_count() - 1, 1));
  UpdateScrollBars();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Win32StringGrid::CellChanged(int column, int row) {
  RECT rect = CellRect(column, row);
  if (!IsRectEmpty(&rect)) InvalidateRect(hwnd(), &rect, FALSE);
}

void Win32StringGrid::Rescale(int dpi, HFONT font) {
  dpi_ = dpi;
  font_ = font;
  Win32Control::Rescale(dpi, font);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(kTipWidth, dpi_));
  UpdateScrollBars();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

bool Win32StringGrid::Select(int column, int row) {
  if (column < 1 || column >= column_count() || row < 1 || row >= row_count()) return false;
  current_column_ = column;
  current_row_ = row;
  ScrollIntoView(row);
  InvalidateRect(hwnd(), nullptr, FALSE);
  return true;
}

void Win32StringGrid::ScrollIntoView(int row) {
  int shown = std::max(ShownRows(), 1);
  if (row < 1) return;
  if (row < top_row_) ScrollTo(row);
  if (row >= top_row_ + shown) ScrollTo(row - shown + 1);
}

RECT Win32StringGrid::CellRect(int column, int row) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  if (column < 0 || column >= column_count() || row < 0 || row >= row_count()) return {};
  if (row != 0 && (row < top_row_ || row >= top_row_ + ShownRows() + 1)) return {};
  RECT rect = {ColumnLeft(column), RowTop(row), ColumnLeft(column) + ColumnWidth(column),
               RowTop(row) + Scale(cell_height_, dpi_)};
  RECT shown;
  return IntersectRect(&shown, &rect, &client) ? rect : RECT{};
}

std::wstring Win32StringGrid::TipOf(int column, int row) const {
  std::wstring text = ToWide(cell(column, row));
  if (text.empty()) return text;
  HDC dc = GetDC(hwnd());
  HGDIOBJ old = SelectObject(dc, font_);
  SIZE extent = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  bool fits = extent.cx <= ColumnWidth(column) - 2 * Scale(kPadding, dpi_);
  return fits ? std::wstring() : text;
}

int Win32StringGrid::ColumnLeft(int column) const { return column * Scale(cell_width_ + 1, dpi_); }

int Win32StringGrid::ColumnWidth(int column) const {
  int width = Scale(cell_width_, dpi_);
  if (column != column_count() - 1 || column == 0) return width;
  RECT client;
  GetClientRect(hwnd(), &client);
  return std::max(width, static_cast<int>(client.right) - ColumnLeft(column));
}

int Win32StringGrid::RowTop(int row) const {
  int pitch = Scale(cell_height_ + 1, dpi_);
  return row == 0 ? 0 : (row - top_row_ + 1) * pitch;
}

// The scrolling rows that fit wholly below the header row.
int Win32StringGrid::ShownRows() const {
  RECT client;
  GetClientRect(hwnd(), &client);
  int pitch = Scale(cell_height_ + 1, dpi_);
  return std::max(0, static_cast<int>(client.bottom) / pitch - 1);
}

void Win32StringGrid::UpdateScrollBars() {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 1;
  info.nMax = std::max(row_count() - 1, 1);
  info.nPage = static_cast<UINT>(ShownRows());
  top_row_ = std::clamp(top_row_, 1, std::max(1, row_count() - ShownRows()));
  info.nPos = top_row_;
  // Redrawn with the next paint, so that a handler growing the grid row by row stays quick.
  SetScrollInfo(hwnd(), SB_VERT, &info, FALSE);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void Win32StringGrid::ScrollTo(int top_row) {
  int last_top = std::max(1, row_count() - ShownRows());
  top_row = std::clamp(top_row, 1, last_top);
  if (top_row == top_row_) return;
  top_row_ = top_row;
  UpdateScrollBars();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

bool Win32StringGrid::HitTest(POINT point, int* column, int* row) const {
  for (int r = 0; r < row_count(); r = r == 0 ? top_row_ : r + 1) {
    for (int c = 0; c < column_count(); ++c) {
      RECT rect = CellRect(c, r);
      if (IsRectEmpty(&rect) && r != 0) return false;  // below the rows in view
      if (PtInRect(&rect, point)) {
        *column = c;
        *row = r;
        return true;
      }
    }
  }
  return false;
}

void Win32StringGrid::TrackTip(POINT point) {
  int column = -1;
  int row = -1;
  HitTest(point, &column, &row);
  if (column == tip_column_ && row == tip_row_) return;
  tip_column_ = column;
  tip_row_ = row;
  TOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd();
  tool.uId = 1;
  tool.rect = CellRect(column, row);
  SendMessageW(tooltip_, TTM_POP, 0, 0);
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32StringGrid::MoveCurrent(int columns, int rows) {
  Select(std::clamp(current_column_ + columns, 1, column_count() - 1),
         std::clamp(current_row_ + rows, 1, std::max(row_count() - 1, 1)));
}

void Win32StringGrid::Paint(HDC dc, const RECT& client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ old_font = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  int last = std::min(row_count() - 1, top_row_ + ShownRows());
  if (row_count() > 0) {
    for (int column = 0; column < column_count(); ++column) PaintCell(dc, column, 0);
  }
  for (int row = top_row_; row <= last; ++row) {
    for (int column = 0; column < column_count(); ++column) PaintCell(dc, column, row);
  }
  SelectObject(dc, old_font);
}

void Win32StringGrid::PaintCell(HDC dc, int column, int row) {
  RECT rect = CellRect(column, row);
  if (IsRectEmpty(&rect)) return;
  bool fixed = column == 0 || row == 0;
  bool current = column == current_column_ && row == current_row_;
  int fill = fixed ? COLOR_BTNFACE : current ? COLOR_HIGHLIGHT : COLOR_WINDOW;
  RECT lined = {rect.left, rect.top, rect.right + 1, rect.bottom + 1};
  FillRect(dc, &lined, GetSysColorBrush(fixed ? COLOR_BTNSHADOW : COLOR_BTNFACE));
  FillRect(dc, &rect, GetSysColorBrush(fill));
  if (fixed) DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  SetTextColor(dc, GetSysColor(current && !fixed ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  std::wstring text = ToWide(cell(column, row));
  RECT text_rect = rect;
  InflateRect(&text_rect, -Scale(kPadding, dpi_), 0);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_rect,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (current && !fixed && GetFocus() == hwnd()) DrawFocusRect(dc, &rect);
}

LRESULT CALLBACK Win32StringGrid::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* grid = reinterpret_cast<Win32StringGrid*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!grid) return DefWindowProcW(hwnd, message, wparam, lparam);
  try {
    return grid->Handle(message, wparam, lparam);
  } catch (...) {
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

LRESULT Win32StringGrid::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wparam));
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wparam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_MOUSEMOVE:
      TrackTip({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      break;
    case WM_KEYDOWN:
      if (OnKeyDown(wparam)) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);  // the focus rectangle
      return 0;
    case WM_NOTIFY:
      if (OnNotify(reinterpret_cast<NMHDR*>(lparam))) return 0;
      break;
    case WM_DESTROY:
      OnDestroy();
      break;
  }
  return DefWindowProcW(hwnd(), message, wparam, lparam);
}

void Win32StringGrid::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT client;
  GetClientRect(hwnd(), &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  Paint(memory, client);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd(), &paint);
}

void Win32StringGrid::OnSize() {
  UpdateScrollBars();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Win32StringGrid::OnVScroll(int request) {
  int page = std::max(ShownRows(), 1);
  switch (request) {
    case SB_LINEUP:
      return ScrollTo(top_row_ - 1);
    case SB_LINEDOWN:
      return ScrollTo(top_row_ + 1);
    case SB_PAGEUP:
      return ScrollTo(top_row_ - page);
    case SB_PAGEDOWN:
      return ScrollTo(top_row_ + page);
    case SB_TOP:
      return ScrollTo(1);
    case SB_BOTTOM:
      return ScrollTo(row_count());
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info = {};
      info.cbSize = sizeof info;
      info.fMask = SIF_ALL;
      GetScrollInfo(hwnd(), SB_VERT, &info);
      return ScrollTo(info.nTrackPos);
    }
  }
}

void Win32StringGrid::OnMouseWheel(int delta) {
  ScrollTo(top_row_ - delta / WHEEL_DELTA * kWheelRows);
}

void Win32StringGrid::OnButtonDown(POINT point) {
  SetFocus(hwnd());
  int column = 0;
  int row = 0;
  if (HitTest(point, &column, &row)) Select(column, row);
}

bool Win32StringGrid::OnKeyDown(WPARAM key) {
  int page = std::max(ShownRows(), 1);
  switch (key) {
    case VK_LEFT:
      MoveCurrent(-1, 0);
      return true;
    case VK_RIGHT:
      MoveCurrent(1, 0);
      return true;
    case VK_UP:
      MoveCurrent(0, -1);
      return true;
    case VK_DOWN:
      MoveCurrent(0, 1);
      return true;
    case VK_PRIOR:
      MoveCurrent(0, -page);
      return true;
    case VK_NEXT:
      MoveCurrent(0, page);
      return true;
    case VK_HOME:
      Select(current_column_, 1);
      return true;
    case VK_END:
      Select(current_column_, row_count() - 1);
      return true;
  }
  return false;
}

bool Win32StringGrid::OnNotify(NMHDR* header) {
  if (header->hwndFrom != tooltip_ || header->code != TTN_GETDISPINFOW) return false;
  tip_text_ = TipOf(tip_column_, tip_row_);
  reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = tip_text_.data();
  return true;
}

void Win32StringGrid::OnDestroy() {
  DestroyWindow(tooltip_);
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
}

}  // namespace orvello::ui::win32
