// Implementation details: a field refuses a foreign character through a subclass of the system's
// edit control that drops the WM_CHAR (typed, or composed by an input method) and the WM_PASTE
// that would bring it in; everything else reaches the control unchanged.
#include "ui/toolkit/win32/win32_controls.h"

#include <commctrl.h>

#include "ui/toolkit/string_grid_base.h"
#include "ui/toolkit/toolkit_texts.h"
#include "ui/toolkit/win32/win32_dpi.h"
#include "ui/toolkit/win32/win32_text.h"

namespace orvello::ui::win32 {

namespace {

constexpr UINT_PTR kRefusingSubclass = 1;
constexpr int kMostPixelsSmaller = 2;  // a button's caption font, to fit

void ShowRefusal(HWND edit) {
  std::wstring tip = ToWide(kRefusedCharacterTip);
  EDITBALLOONTIP balloon = {sizeof balloon, L"", tip.c_str(), TTI_NONE};
  SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&balloon));
}

bool ClipboardHoldsForeignText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return false;
  bool foreign = false;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      std::string unused;
      foreign = !FromWide(text, &unused);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return foreign;
}

LRESULT CALLBACK RefusingEditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                  DWORD_PTR) {
  switch (message) {
    case WM_CHAR:
      if (!Cp1250Holds(static_cast<wchar_t>(wparam))) {
        ShowRefusal(hwnd);
        return 0;
      }
      break;
    case WM_UNICHAR:
      if (wparam == UNICODE_NOCHAR) return TRUE;
      if (wparam > 0xFFFF || !Cp1250Holds(static_cast<wchar_t>(wparam))) {
        ShowRefusal(hwnd);
        return 0;
      }
      break;
    case WM_PASTE:
      if (ClipboardHoldsForeignText(hwnd)) {
        ShowRefusal(hwnd);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, RefusingEditProc, kRefusingSubclass);
      break;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

bool BreaksAfter(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\\' || c == L'/'; }

// Word wrap that may also break a line after a path separator, so a long path wraps whole
// folders rather than cutting a name at the box's edge.
int CALLBACK WrapAtSeparators(LPWSTR text, int current, int length, int code) {
  switch (code) {
    case WB_LEFT: {
      int i = current > 0 ? current - 1 : 0;
      while (i > 0 && !BreaksAfter(text[i - 1])) --i;
      return i;
    }
    case WB_RIGHT: {
      int i = current;
      while (i < length && !BreaksAfter(text[i])) ++i;
      while (i < length && BreaksAfter(text[i])) ++i;
      return i;
    }
    case WB_ISDELIMITER:
      return current < length && (text[current] == L' ' || text[current] == L'\t');
  }
  return 0;
}

}  // namespace

HWND MakeChild(HWND parent, const wchar_t* class_name, const std::string& text, DWORD style,
               DWORD ex_style, const Bounds& bounds, int dpi) {
  Bounds at = Scale(bounds, dpi);
  return CreateWindowExW(ex_style, class_name, ToWide(text).c_str(),
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, at.left, at.top, at.width,
                         at.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring WideTextOf(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string TextOf(HWND hwnd) { return FromWideReplacing(WideTextOf(hwnd)); }

void SetTextOf(HWND hwnd, const std::string& cp1250) {
  SetWindowTextW(hwnd, ToWide(cp1250).c_str());
}

bool RefuseForeignCharacters(HWND edit) {
  return SetWindowSubclass(edit, RefusingEditProc, kRefusingSubclass, 0);
}

template <class Interface>
bool Win32Control<Interface>::visible() const {
  return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

template <class Interface>
void Win32Control<Interface>::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

template <class Interface>
void Win32Control<Interface>::Rescale(int dpi, HFONT font) {
  Bounds at = Scale(bounds_, dpi);
  MoveWindow(hwnd_, at.left, at.top, at.width, at.height, TRUE);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

template class Win32Control<Button>;
template class Win32Control<Label>;
template class Win32Control<Edit>;
template class Win32Control<Memo>;
template class Win32Control<Frame>;
template class Win32Control<StringGridBase>;
template class Win32Control<DriveList>;
template class Win32Control<DirectoryList>;

Win32Button::Win32Button(HWND parent, const Bounds& bounds, const std::string& caption, int dpi,
                         Application& app)
    : Win32Control(
          MakeChild(parent, L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON, 0, bounds, dpi),
          bounds),
      app_(app) {}

Win32Button::~Win32Button() {
  if (own_font_) DeleteObject(own_font_);
}

void Win32Button::SetCaption(const std::string& caption) {
  SetTextOf(hwnd(), caption);
  FitCaption();
}

void Win32Button::Rescale(int dpi, HFONT font) {
  window_font_ = font;
  Win32Control::Rescale(dpi, font);
  FitCaption();
}

void Win32Button::FitCaption() {
  if (!window_font_) return;
  if (own_font_) {
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(window_font_), TRUE);
    DeleteObject(own_font_);
    own_font_ = nullptr;
  }
  RECT client;
  GetClientRect(hwnd(), &client);
  int room = client.right - 2 * GetSystemMetrics(SM_CXEDGE);  // inside the button's edge
  std::wstring caption = WideTextOf(hwnd());
  LOGFONTW smaller = {};
  GetObjectW(window_font_, sizeof smaller, &smaller);
  HDC dc = GetDC(hwnd());
  for (int step = 0; step <= kMostPixelsSmaller; ++step) {
    HFONT font = step == 0 ? window_font_ : CreateFontIndirectW(&smaller);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    if (size.cx <= room) {
      if (step > 0) {
        own_font_ = font;
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(own_font_), TRUE);
      }
      break;
    }
    if (step > 0) DeleteObject(font);
    smaller.lfHeight += smaller.lfHeight < 0 ? 1 : -1;  // one pixel smaller
  }
  ReleaseDC(hwnd(), dc);
}

void Win32Button::Command(int code) {
  if (code != BN_CLICKED) return;
  Handler handler = on_click_;  // the handler may replace itself
  if (handler) app_.RunGuarded(handler);
}

Win32Label::Win32Label(HWND parent, const Bounds& bounds, const std::string& caption, int dpi)
    : Win32Control(MakeChild(parent, L"STATIC", caption, SS_LEFT | SS_NOPREFIX, 0, bounds, dpi),
                   bounds) {}

Win32Edit::Win32Edit(HWND parent, const Bounds& bounds, const std::string& text, int dpi)
    : Win32Control(MakeChild(parent, L"EDIT", text, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                             bounds, dpi),
                   bounds) {
  SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);  // as long as memory allows
  RefuseForeignCharacters(hwnd());
  SetText(text);
}

std::string Win32Edit::text() const {
  std::wstring now = WideTextOf(hwnd());
  return now == shown_ ? set_ : FromWideReplacing(now);
}

void Win32Edit::SetText(const std::string& text) {
  set_ = text;
  shown_ = ToWide(text);
  for (wchar_t& c : shown_) {
    if (c == L'\0') c = L' ';
  }
  SetWindowTextW(hwnd(), shown_.c_str());
}

Win32Memo::Win32Memo(HWND parent, const Bounds& bounds, int dpi)
    : Win32Control(MakeChild(parent, L"EDIT", "",
                             WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                             WS_EX_CLIENTEDGE, bounds, dpi),
                   bounds) {
  SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);  // as many lines as memory allows
  SendMessageW(hwnd(), EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(WrapAtSeparators));
  ShowScrollBar(hwnd(), SB_VERT, FALSE);
}

void Win32Memo::Rescale(int dpi, HFONT font) {
  Win32Control::Rescale(dpi, font);
  // The new font wraps the lines anew: they may fit now, or no longer.
  ShowScrollBar(hwnd(), SB_VERT, FALSE);
  ShowLastLine();
}

bool Win32Memo::scroll_bar_shown() const {
  return (GetWindowLongW(hwnd(), GWL_STYLE) & WS_VSCROLL) != 0;
}

bool Win32Memo::LinesFit() const {
  HDC dc = GetDC(hwnd());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  RECT format;
  SendMessageW(hwnd(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  LRESULT wrapped = SendMessageW(hwnd(), EM_GETLINECOUNT, 0, 0);
  return wrapped * metrics.tmHeight <= format.bottom - format.top;
}

void Win32Memo::Clear() {
  lines_.clear();
  SetTextOf(hwnd(), "");
  ShowScrollBar(hwnd(), SB_VERT, FALSE);
}

void Win32Memo::Append(const std::string& line) {
  std::wstring added = ToWide(lines_.empty() ? line : "\r\n" + line);
  lines_.push_back(line);
  LRESULT end = SendMessageW(hwnd(), WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(hwnd(), EM_SETSEL, end, end);
  SendMessageW(hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  ShowLastLine();
}

void Win32Memo::ShowLastLine() {
  // The scroll bar only while the wrapped lines do not fit. Showing it narrows the lines, so the
  // test runs without it; once shown, it stays until the lines are cleared or wrapped anew.
  if (!scroll_bar_shown() && !LinesFit()) ShowScrollBar(hwnd(), SB_VERT, TRUE);
  SendMessageW(hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
}

Win32Frame::Win32Frame(HWND parent, const Bounds& bounds, int dpi)
    : Win32Control(MakeChild(parent, L"STATIC", "", SS_ETCHEDFRAME, 0, bounds, dpi), bounds) {}

}  // namespace orvello::ui::win32
