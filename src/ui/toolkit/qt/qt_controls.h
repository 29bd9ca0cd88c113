#ifndef ORVELLO_UI_TOOLKIT_QT_QT_CONTROLS_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_CONTROLS_H_

// The plain controls of the Qt backend: button, label, one-line edit and frame.

#include <string>
#include <utility>

#include "ui/toolkit/toolkit.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvello::ui::qt {

/// What every control of this backend offers besides its toolkit interface: its widget.
class WidgetHolder {
 public:
  virtual ~WidgetHolder() = default;
  virtual QWidget* widget() const = 0;
};

/// The parts of Control that only need the widget. The widget belongs to its window's widget;
/// `args` go to the interface's constructor.
template <class Interface>
class QtControl : public Interface, public WidgetHolder {
 public:
  template <class... Args>
  explicit QtControl(QWidget* widget, Args&&... args)
      : Interface(std::forward<Args>(args)...), widget_(widget) {}
  QWidget* widget() const override { return widget_; }
  Bounds bounds() const override;
  /// The control's own visibility, whatever its window's.
  bool visible() const override;
  void SetVisible(bool visible) override;

 private:
  QWidget* widget_;
};

/// Places `widget` at `bounds` in a fixed size.
void Place(QWidget* widget, const Bounds& bounds);

class QtButton : public QtControl<Button> {
 public:
  QtButton(QWidget* parent, const Bounds& bounds, const std::string& caption, Application& app);
  std::string caption() const override;
  void SetCaption(const std::string& caption) override;
  void OnClick(Handler handler) override { on_click_ = std::move(handler); }

 private:
  QPushButton* button_;
  Handler on_click_;
};

class QtLabel : public QtControl<Label> {
 public:
  QtLabel(QWidget* parent, const Bounds& bounds, const std::string& caption);
  std::string caption() const override;
  void SetCaption(const std::string& caption) override;

 private:
  QLabel* label_;
};

/// A one-line field that refuses every character Windows-1250 cannot hold: such a key press or
/// paste leaves the text as it was and says why in a tool tip.
class QtEdit : public QtControl<Edit> {
 public:
  QtEdit(QWidget* parent, const Bounds& bounds, const std::string& text);
  std::string text() const override;
  void SetText(const std::string& text) override;

 private:
  QLineEdit* edit_;
};

class QtFrame : public QtControl<Frame> {
 public:
  QtFrame(QWidget* parent, const Bounds& bounds);
};

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_CONTROLS_H_
