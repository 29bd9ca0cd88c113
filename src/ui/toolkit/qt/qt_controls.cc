#include "ui/toolkit/qt/qt_controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QValidator>

#include <limits>

#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/string_grid_base.h"
#include "ui/toolkit/toolkit_texts.h"

namespace orvello::ui::qt {

namespace {

/// Accepts exactly the texts that Windows-1250 can hold.
class Cp1250Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return Cp1250Holds(input) ? Acceptable : Invalid;
  }
};

}  // namespace

void Place(QWidget* widget, const Bounds& bounds) {
  widget->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
  widget->setFixedSize(bounds.width, bounds.height);
}

template <class Interface>
Bounds QtControl<Interface>::bounds() const {
  QRect rect = widget_->geometry();
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

template <class Interface>
bool QtControl<Interface>::visible() const {
  return !widget_->isHidden();
}

template <class Interface>
void QtControl<Interface>::SetVisible(bool visible) {
  widget_->setVisible(visible);
}

template class QtControl<Button>;
template class QtControl<Label>;
template class QtControl<Edit>;
template class QtControl<Memo>;
template class QtControl<Frame>;
template class QtControl<StringGridBase>;
template class QtControl<DriveList>;
template class QtControl<DirectoryList>;

QtButton::QtButton(QWidget* parent, const Bounds& bounds, const std::string& caption,
                   Application& app)
    : QtControl(new QPushButton(ToQString(caption), parent)),
      button_(static_cast<QPushButton*>(widget())) {
  Place(button_, bounds);
  button_->setAutoDefault(false);
  QObject::connect(button_, &QPushButton::clicked, button_, [this, &app] {
    Handler handler = on_click_;  // the handler may replace itself
    if (handler) app.RunGuarded(handler);
  });
}

std::string QtButton::caption() const { return FromQStringReplacing(button_->text()); }

void QtButton::SetCaption(const std::string& caption) { button_->setText(ToQString(caption)); }

QtLabel::QtLabel(QWidget* parent, const Bounds& bounds, const std::string& caption)
    : QtControl(new QLabel(ToQString(caption), parent)), label_(static_cast<QLabel*>(widget())) {
  Place(label_, bounds);
  label_->setTextFormat(Qt::PlainText);
}

std::string QtLabel::caption() const { return FromQStringReplacing(label_->text()); }

void QtLabel::SetCaption(const std::string& caption) { label_->setText(ToQString(caption)); }

QtEdit::QtEdit(QWidget* parent, const Bounds& bounds, const std::string& text)
    : QtControl(new QLineEdit(ToQString(text), parent)), edit_(static_cast<QLineEdit*>(widget())) {
  Place(edit_, bounds);
  edit_->setMaxLength(std::numeric_limits<int>::max());  // a field is never cut short
  edit_->setValidator(new Cp1250Validator(edit_));
  QObject::connect(edit_, &QLineEdit::inputRejected, edit_, [edit = edit_] {
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())),
                       ToQString(kRefusedCharacterTip), edit);
  });
}

std::string QtEdit::text() const { return FromQStringReplacing(edit_->text()); }

void QtEdit::SetText(const std::string& text) { edit_->setText(ToQString(text)); }

QtFrame::QtFrame(QWidget* parent, const Bounds& bounds) : QtControl(new QFrame(parent)) {
  auto* frame = static_cast<QFrame*>(widget());
  Place(frame, bounds);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->lower();
}

}  // namespace orvello::ui::qt
