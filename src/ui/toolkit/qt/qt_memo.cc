// Implementation details: Qt's line breaking finds no break opportunity after the separators of a
// path such as "C:\kurz\lekcia", so it would cut one anywhere, or after a hyphen in the middle of
// a name. The memo therefore lays each path out with a zero-width space after every separator and
// a word joiner between all other characters, and takes both out again wherever text leaves it.
// Windows-1250 has neither character, so every one in the box is the memo's own. The box
// scrolls by pixels, not by rows, so that its last row can sit whole at its bottom edge.
#include "ui/toolkit/qt/qt_memo.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>

#include "ui/toolkit/qt/qt_text.h"

namespace orvello::ui::qt {

namespace {

constexpr char16_t kZeroWidthSpace = u'\u200B';
constexpr char16_t kWordJoiner = u'\u2060';

bool IsSeparator(QChar c) { return c == u'\\' || c == u'/'; }

/// The box, whose copies and drags hand out the text without the added characters.
class MemoWidget : public QTextEdit {
 public:
  explicit MemoWidget(QWidget* parent) : QTextEdit(parent) {}

 protected:
  QMimeData* createMimeDataFromSelection() const override {
    auto* data = new QMimeData;
    data->setText(WithoutPathBreaks(textCursor().selection().toPlainText()));
    return data;
  }
};

}  // namespace

QString WithPathBreaks(const QString& line) {
  QString laid_out;
  laid_out.reserve(line.size() * 2);
  for (qsizetype start = 0; start < line.size();) {
    qsizetype end = start;
    bool blank = line.at(start).isSpace();
    while (end < line.size() && line.at(end).isSpace() == blank) ++end;
    QStringView run = QStringView(line).mid(start, end - start);
    bool path = !blank && std::any_of(run.begin(), run.end(), IsSeparator);
    for (qsizetype i = 0; i < run.size(); ++i) {
      laid_out += run[i];
      if (path && i + 1 < run.size()) {
        laid_out += QChar(IsSeparator(run[i]) ? kZeroWidthSpace : kWordJoiner);
      }
    }
    start = end;
  }
  return laid_out;
}

QString WithoutPathBreaks(QString shown) {
  return shown.remove(QChar(kZeroWidthSpace)).remove(QChar(kWordJoiner));
}

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
  end.insertText(WithPathBreaks(ToQString(line)));
  lines_.push_back(line);
  memo_->setTextCursor(end);
  memo_->ensureCursorVisible();
}

}  // namespace orvello::ui::qt
