// Implementation details: Qt's line breaking finds no break opportunity inside a path such as
// "C:\kurz\lekcia", so it would cut one anywhere. The memo therefore lays each line out with a
// zero-width space after every separator, and takes those out again wherever text leaves it.
// Windows-1250 has no zero-width space, so every one in the box is the memo's own. The box
// scrolls by pixels, not by rows, so that its last row can sit whole at its bottom edge.
#include "ui/toolkit/qt/qt_memo.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "ui/toolkit/qt/qt_text.h"

namespace orvello::ui::qt {

namespace {

constexpr char16_t kZeroWidthSpace = u'\u200B';

/// The box, whose copies and drags hand out the text without the added breaks.
class MemoWidget : public QTextEdit {
 public:
  explicit MemoWidget(QWidget* parent) : QTextEdit(parent) {}

 protected:
  QMimeData* createMimeDataFromSelection() const override {
    auto* data = new QMimeData;
    data->setText(WithoutAddedBreaks(textCursor().selection().toPlainText()));
    return data;
  }
};

}  // namespace

QString WithBreaksAfterSeparators(const QString& line) {
  QString laid_out;
  laid_out.reserve(line.size() + line.size() / 8);
  for (QChar c : line) {
    laid_out += c;
    if (c == u'\\' || c == u'/') laid_out += QChar(kZeroWidthSpace);
  }
  return laid_out;
}

QString WithoutAddedBreaks(QString shown) { return shown.remove(QChar(kZeroWidthSpace)); }

QtMemo::QtMemo(QWidget* parent, const Bounds& bounds)
    : QtControl(new MemoWidget(parent)), memo_(static_cast<QTextEdit*>(widget())) {
  Place(memo_, bounds);
  memo_->setReadOnly(true);
  memo_->setAcceptRichText(false);
  memo_->setUndoRedoEnabled(false);  // nothing to undo in a box the user cannot edit
  memo_->setLineWrapMode(QTextEdit::WidgetWidth);
  memo_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void QtMemo::Clear() {
  memo_->clear();
  lines_.clear();
}

void QtMemo::Append(const std::string& line) {
  QTextCursor end(memo_->document());
  end.movePosition(QTextCursor::End);
  if (!lines_.empty()) end.insertBlock();
  end.insertText(WithBreaksAfterSeparators(ToQString(line)));
  lines_.push_back(line);
  memo_->setTextCursor(end);
  memo_->ensureCursorVisible();
}

}  // namespace orvello::ui::qt
