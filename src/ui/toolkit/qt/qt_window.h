#ifndef ORVELLO_UI_TOOLKIT_QT_QT_WINDOW_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_WINDOW_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/toolkit.h"

class QWidget;

namespace orvello::ui::qt {

class FormWidget;

/// A window of fixed size whose controls sit at fixed positions. Closing it hides it; closing
/// the main window also ends the message loop.
class QtWindow : public Window {
 public:
  /// `on_destroyed` runs when the window goes away, so the application forgets its main window.
  QtWindow(Application& app, bool main, std::function<void(Window*)> on_destroyed);
  ~QtWindow() override;

  QWidget* widget() const;
  bool is_main() const { return main_; }
  /// The controls made so far, in the order they were made.
  std::vector<Control*> controls() const;

  std::string caption() const override;
  void SetCaption(const std::string& caption) override;
  void SetSize(int width, int height) override;
  int width() const override;
  int height() const override;
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

 private:
  template <class T>
  T* Keep(std::unique_ptr<T> control);

  Application& app_;
  bool main_;
  std::function<void(Window*)> on_destroyed_;
  // The controls are declared before the widget so that the widget, and with it every control's
  // widget, goes first; signals raised meanwhile still find their control.
  std::vector<std::unique_ptr<Control>> controls_;
  std::unique_ptr<FormWidget> widget_;
};

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_WINDOW_H_
