#include "ui/toolkit/qt/qt_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

#include "ui/toolkit/qt/qt_controls.h"
#include "ui/toolkit/qt/qt_directory_list.h"
#include "ui/toolkit/qt/qt_memo.h"
#include "ui/toolkit/qt/qt_string_grid.h"
#include "ui/toolkit/qt/qt_text.h"

namespace orvello::ui::qt {

/// The top-level widget. A close (from the title bar or from Close()) only hides it, as for every
/// top-level widget; for the main window it also ends the message loop.
class FormWidget : public QWidget {
 public:
  explicit FormWidget(bool main) : main_(main) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    QWidget::closeEvent(event);
    if (main_) QCoreApplication::quit();
  }

 private:
  bool main_;
};

QtWindow::QtWindow(Application& app, bool main, std::function<void(Window*)> on_destroyed)
    : app_(app),
      main_(main),
      on_destroyed_(std::move(on_destroyed)),
      widget_(std::make_unique<FormWidget>(main)) {}

QtWindow::~QtWindow() {
  widget_.reset();
  if (on_destroyed_) on_destroyed_(this);
}

QWidget* QtWindow::widget() const { return widget_.get(); }

std::vector<Control*> QtWindow::controls() const {
  std::vector<Control*> controls;
  for (const auto& control : controls_) controls.push_back(control.get());
  return controls;
}

std::string QtWindow::caption() const { return FromQStringReplacing(widget_->windowTitle()); }

void QtWindow::SetCaption(const std::string& caption) {
  widget_->setWindowTitle(ToQString(caption));
}

void QtWindow::SetSize(int width, int height) { widget_->setFixedSize(width, height); }

int QtWindow::width() const { return widget_->width(); }

int QtWindow::height() const { return widget_->height(); }

void QtWindow::Show() {
  if (widget_->isVisible()) widget_->raise();
  widget_->show();
  widget_->activateWindow();
}

void QtWindow::Close() { widget_->close(); }

bool QtWindow::visible() const { return widget_->isVisible(); }

template <class T>
T* QtWindow::Keep(std::unique_ptr<T> control) {
  T* raw = control.get();
  controls_.push_back(std::move(control));
  return raw;
}

Button* QtWindow::AddButton(const Bounds& bounds, const std::string& caption) {
  return Keep(std::make_unique<QtButton>(widget_.get(), bounds, caption, app_));
}

Label* QtWindow::AddLabel(const Bounds& bounds, const std::string& caption) {
  return Keep(std::make_unique<QtLabel>(widget_.get(), bounds, caption));
}

Edit* QtWindow::AddEdit(const Bounds& bounds, const std::string& text) {
  return Keep(std::make_unique<QtEdit>(widget_.get(), bounds, text));
}

Memo* QtWindow::AddMemo(const Bounds& bounds) {
  return Keep(std::make_unique<QtMemo>(widget_.get(), bounds));
}

Frame* QtWindow::AddFrame(const Bounds& bounds) {
  return Keep(std::make_unique<QtFrame>(widget_.get(), bounds));
}

StringGrid* QtWindow::AddStringGrid(const Bounds& bounds, int columns, int rows, int cell_width,
                                    int cell_height) {
  return Keep(std::make_unique<QtStringGrid>(widget_.get(), bounds, columns, rows, cell_width,
                                             cell_height));
}

DriveList* QtWindow::AddDriveList(const Bounds& bounds) {
  return Keep(std::make_unique<QtDriveList>(widget_.get(), bounds, app_));
}

DirectoryList* QtWindow::AddDirectoryList(const Bounds& bounds) {
  return Keep(std::make_unique<QtDirectoryList>(widget_.get(), bounds, app_));
}

}  // namespace orvello::ui::qt
