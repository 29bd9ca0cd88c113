#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_CONTROLS_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_CONTROLS_H_

// The plain controls of the Win32 backend: button, label, one-line edit, memo and frame, on the
// system's own window classes.

#include "ui/toolkit/win32/win32_api.h"

#include <string>
#include <utility>
#include <vector>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui::win32 {

/// What a window needs of each of its controls: the handle, the notifications the control sends
/// its parent, and a new place and font when the DPI changes.
class Child {
 public:
  virtual ~Child() = default;
  virtual HWND hwnd() const = 0;
  /// A WM_COMMAND notification `code` from the control.
  virtual void Command(int /*code*/) {}
  /// Enter pressed while the control has the focus (the window's message loop takes it first).
  virtual void EnterPressed() {}
  /// Draws an item of an owner-drawn control; false when the control draws none.
  virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  /// Puts the control at its bounds scaled to `dpi`, in `font`.
  virtual void Rescale(int dpi, HFONT font) = 0;
  /// True for a control that lies beneath every other, as a frame around them does.
  virtual bool beneath() const { return false; }
};

/// Makes a child window of the system class `class_name` at `bounds` scaled to `dpi`.
HWND MakeChild(HWND parent, const wchar_t* class_name, const std::string& text, DWORD style,
               DWORD ex_style, const Bounds& bounds, int dpi);

/// The text of a window, in Windows-1250 ('?' for what the code page lacks).
std::string TextOf(HWND hwnd);
std::wstring WideTextOf(HWND hwnd);
void SetTextOf(HWND hwnd, const std::string& cp1250);

/// The parts of Control that only need the handle. Bounds are kept at 96 DPI, as given; `args`
/// go to the interface's constructor.
template <class Interface>
class Win32Control : public Interface, public Child {
 public:
  template <class... Args>
  Win32Control(HWND hwnd, const Bounds& bounds, Args&&... args)
      : Interface(std::forward<Args>(args)...), hwnd_(hwnd), bounds_(bounds) {}
  HWND hwnd() const override { return hwnd_; }
  Bounds bounds() const override { return bounds_; }
  /// The control's own visibility, whatever its window's.
  bool visible() const override;
  void SetVisible(bool visible) override;
  void Rescale(int dpi, HFONT font) override;

 private:
  HWND hwnd_;
  Bounds bounds_;
};

/// A push button. A caption a pixel or two too wide for it in the window's font, as a system
/// font slightly larger than the layout's may make it, is drawn a pixel or two smaller rather
/// than clipped.
class Win32Button : public Win32Control<Button> {
 public:
  Win32Button(HWND parent, const Bounds& bounds, const std::string& caption, int dpi,
              Application& app);
  ~Win32Button() override;
  std::string caption() const override { return TextOf(hwnd()); }
  void SetCaption(const std::string& caption) override;
  void OnClick(Handler handler) override { on_click_ = std::move(handler); }
  void Command(int code) override;
  void Rescale(int dpi, HFONT font) override;

 private:
  void FitCaption();

  Application& app_;
  Handler on_click_;
  HFONT window_font_ = nullptr;
  HFONT own_font_ = nullptr;
};

class Win32Label : public Win32Control<Label> {
 public:
  Win32Label(HWND parent, const Bounds& bounds, const std::string& caption, int dpi);
  std::string caption() const override { return TextOf(hwnd()); }
  void SetCaption(const std::string& caption) override { SetTextOf(hwnd(), caption); }
};

/// A one-line field that refuses every character Windows-1250 cannot hold: such a key press or
/// paste leaves the text as it was and says why in a balloon tip.
class Win32Edit : public Win32Control<Edit> {
 public:
  Win32Edit(HWND parent, const Bounds& bounds, const std::string& text, int dpi);
  /// The text the program set, every byte of it, until the user changes it.
  std::string text() const override;
  /// Shows `text`; a zero byte, which the control cannot hold, shows as a space.
  void SetText(const std::string& text) override;

 private:
  std::string set_;
  std::wstring shown_;
};

/// A read-only box of lines that wraps them at its width, scrolls vertically when they do not
/// fit and shows the last line appended. A long path wraps at its separators. Each line is added
/// at the end of the text, which stays as it was: a long session's lines come as quickly as the
/// first.
class Win32Memo : public Win32Control<Memo> {
 public:
  Win32Memo(HWND parent, const Bounds& bounds, int dpi);
  void Clear() override;
  void Append(const std::string& line) override;
  std::vector<std::string> lines() const override { return lines_; }
  void Rescale(int dpi, HFONT font) override;
  /// Whether the vertical scroll bar is shown: only while the lines do not fit.
  bool scroll_bar_shown() const;

 private:
  /// Shows the scroll bar if the lines no longer fit, and scrolls to the last line.
  void ShowLastLine();
  bool LinesFit() const;
  std::vector<std::string> lines_;
};

/// An etched rectangle.
class Win32Frame : public Win32Control<Frame> {
 public:
  Win32Frame(HWND parent, const Bounds& bounds, int dpi);
  bool beneath() const override { return true; }
};

/// Installs the refusal of foreign characters on the edit control `edit`. Returns false when
/// the system refused the subclass.
bool RefuseForeignCharacters(HWND edit);

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_CONTROLS_H_
