#ifndef ORVELLO_UI_TOOLKIT_QT_QT_MEMO_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_MEMO_H_

#include <QString>

#include <string>
#include <vector>

#include "ui/toolkit/qt/qt_controls.h"

class QTextEdit;

namespace orvello::ui::qt {

/// A read-only box of lines; the program appends them, the user reads, selects and copies them.
/// Lines wrap at the box's width: between words, in a path only after a separator ('\' or '/'),
/// and anywhere only within a word or a name longer than a row. A vertical scroll bar appears when
/// the rows do not fit, a horizontal one never, and each appended line is scrolled into view.
class QtMemo : public QtControl<Memo> {
 public:
  QtMemo(QWidget* parent, const Bounds& bounds);
  void Clear() override;
  void Append(const std::string& line) override;
  std::vector<std::string> lines() const override { return lines_; }

 private:
  QTextEdit* memo_;
  std::vector<std::string> lines_;
};

/// `line` as the memo lays it out. Within a path (a run of non-blank characters that holds a
/// separator) a row may end only after a separator: a zero-width space follows each separator and
/// a word joiner each other character but the run's last. Elsewhere words break as usual.
QString WithPathBreaks(const QString& line);

/// The text of `shown`, laid out by the memo, as the user reads and copies it: without the
/// characters that WithPathBreaks added.
QString WithoutPathBreaks(QString shown);

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_MEMO_H_
