#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_WINDOW_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_WINDOW_H_

#include "ui/toolkit/win32/win32_api.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/win32_controls.h"

namespace orvello::ui::win32 {

/// A top-level window of fixed client size whose controls sit at fixed positions, given at
/// 96 DPI and scaled to the DPI of the monitor that shows it, in the system's message font.
/// Closing it hides it; closing the main window also ends the message loop.
class Win32Window : public Window {
 public:
  /// `on_destroyed` runs when the window goes away, so the application forgets its main window.
  Win32Window(Application& app, bool main, std::function<void(Window*)> on_destroyed);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  HWND hwnd() const { return hwnd_; }
  int dpi() const { return dpi_; }
  /// The controls made so far, in the order they were made.
  std::vector<Control*> controls() const;

  std::string caption() const override;
  void SetCaption(const std::string& caption) override;
  void SetSize(int width, int height) override;
  int width() const override { return width_; }
  int height() const override { return height_; }
  void Show() override;
  void Close() override;
  bool visible() const override;

  Button* AddButton(const Bounds& bounds, const std::string& caption) override;
  Label* AddLabel(const Bounds& bounds, const std::string& caption) override;
  Edit* AddEdit(const Bounds& bounds, const std::string& text) override;
  Memo* AddMemo(const Bounds& bounds) override;
  Frame* AddFrame(const Bounds& bounds) override;
  StringGrid* AddStringGrid(const Bounds& bounds, int columns, int rows, int cell_width,
                            int cell_height) override;
  DriveList* AddDriveList(const Bounds& bounds) override;
  DirectoryList* AddDirectoryList(const Bounds& bounds) override;

  /// Takes the DPI `dpi`: the client size, every control's place and the font scale to it; the
  /// window's top left corner moves to `position` when given.
  void SetDpi(int dpi, const POINT* position);

  /// The window procedure of every window of this class.
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Resize();
  template <class T>
  T* Keep(std::unique_ptr<T> control);

  Application& app_;
  bool main_;
  std::function<void(Window*)> on_destroyed_;
  HWND hwnd_ = nullptr;
  int dpi_;
  HFONT font_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::unique_ptr<Child>> controls_;
};

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_WINDOW_H_
