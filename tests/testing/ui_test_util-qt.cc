// Implementation details: the Qt backend's controls are looked at through their widgets. A grid
// cell's tool tip is asked for as Qt asks for it, with a help event at the cell's centre; any tip
// left from before is removed first, because a hidden tip lingers while it fades out.
#include "ui_test_util.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

#include "ui/toolkit/qt/qt_application.h"
#include "ui/toolkit/qt/qt_memo.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/qt/qt_window.h"

namespace orvello::ui::testing {

namespace {

// Selects all in `widget`, then types `utf8` key by key.
void TypeKeys(QWidget* widget, const std::string& utf8) {
  widget->setFocus();
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  // Qt Test types ASCII only; other characters arrive as a key press carrying their text.
  QString text = QString::fromUtf8(utf8);
  for (qsizetype i = 0; i < text.size();) {
    qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QString one = text.mid(i, length);
    if (one.at(0).unicode() < 0x80) {
      QTest::keyClick(widget, static_cast<char>(one.at(0).unicode()));
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
    i += length;
  }
}

QTextEdit* MemoWidget(Memo* memo) { return qobject_cast<QTextEdit*>(qt::WidgetOf(memo)); }

QTableWidget* GridWidget(StringGrid* grid) {
  return qobject_cast<QTableWidget*>(qt::WidgetOf(grid));
}

// Lets the widgets finish what they put off: laying out, showing or hiding a scroll bar.
void Settle() { QCoreApplication::processEvents(); }

// `rect` of `widget` in the coordinates of its window.
Bounds InWindow(const QWidget* widget, const QRect& rect) {
  QPoint at = widget->mapTo(widget->window(), rect.topLeft());
  return {at.x(), at.y(), rect.width(), rect.height()};
}

}  // namespace

std::unique_ptr<Application> MakeTestApplication(std::vector<std::string>* errors) {
  static int argc = 1;
  static char arg0[] = "ui_tests";
  static char* argv[] = {arg0, nullptr};
  auto app = qt::MakeApplication(argc, argv);
  app->SetErrorRecorder([errors](const std::string& text) { errors->push_back(text); });
  return app;
}

void Click(Button* button) { QTest::mouseClick(qt::WidgetOf(button), Qt::LeftButton); }

void TypeInto(Edit* edit, const std::string& utf8) { TypeKeys(qt::WidgetOf(edit), utf8); }

void TypeInto(Memo* memo, const std::string& utf8) { TypeKeys(qt::WidgetOf(memo), utf8); }

std::string CopyAll(Memo* memo) {
  QWidget* widget = qt::WidgetOf(memo);
  widget->setFocus();
  QApplication::clipboard()->clear();
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
  return qt::FromQStringReplacing(QApplication::clipboard()->text());
}

bool OpenDirectory(DirectoryList* list, const std::string& utf8_name) {
  auto* widget = static_cast<QListWidget*>(qt::WidgetOf(list));
  auto items = widget->findItems(QString::fromUtf8(utf8_name), Qt::MatchExactly);
  if (items.size() != 1) return false;
  QPoint center = widget->visualItemRect(items[0]).center();
  QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, center);
  QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, center);
  return true;
}

void RunSoon(std::function<void()> task) { QTimer::singleShot(0, std::move(task)); }

Bounds ShownBounds(Control* control) {
  QRect rect = qt::WidgetOf(control)->geometry();
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

bool IsShown(Control* control) { return qt::WidgetOf(control)->isVisible(); }

Bounds ShownBounds(Window* window) {
  QSize size = qt::WidgetOf(window)->size();
  return {0, 0, size.width(), size.height()};
}

std::vector<Control*> ControlsOf(Window& window) {
  return dynamic_cast<qt::QtWindow&>(window).controls();
}

ScrollBars ScrollBarsOf(Control* control) {
  Settle();
  auto* area = qobject_cast<QAbstractScrollArea*>(qt::WidgetOf(control));
  if (!area) return {};
  return {area->verticalScrollBar()->isVisibleTo(area),
          area->horizontalScrollBar()->isVisibleTo(area)};
}

std::vector<std::string> ShownRows(Memo* memo) {
  Settle();
  QTextDocument* document = MemoWidget(memo)->document();
  QAbstractTextDocumentLayout* layout = document->documentLayout();
  std::vector<std::string> rows;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    layout->blockBoundingRect(block);  // lays the block out
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
      QTextLine line = block.layout()->lineAt(i);
      QString row = block.text().mid(line.textStart(), line.textLength());
      rows.push_back(qt::FromQStringReplacing(qt::WithoutPathBreaks(row)));
    }
  }
  return rows;
}

void ScrollToFirstRow(Memo* memo) {
  Settle();
  MemoWidget(memo)->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
}

bool LastRowInView(Memo* memo) {
  Settle();
  QTextEdit* edit = MemoWidget(memo);
  QTextCursor end(edit->document());
  end.movePosition(QTextCursor::End);
  QRect row = edit->cursorRect(end);
  return row.top() >= 0 && row.top() + row.height() <= edit->viewport()->height();
}

std::string CellToolTip(StringGrid* grid, int column, int row) {
  QTableWidget* table = GridWidget(grid);
  QModelIndex cell = table->model()->index(row, column);
  table->scrollTo(cell);
  Settle();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->inherits("QTipLabel")) delete widget;
  }
  QPoint centre = table->visualRect(cell).center();
  QHelpEvent event(QEvent::ToolTip, centre, table->viewport()->mapToGlobal(centre));
  QApplication::sendEvent(table->viewport(), &event);
  if (!QToolTip::isVisible()) return "";
  QString tip = QToolTip::text();
  if (Qt::mightBeRichText(tip)) tip = QTextDocumentFragment::fromHtml(tip).toPlainText();
  return qt::FromQStringReplacing(tip);
}

Bounds CellBounds(StringGrid* grid, int column, int row) {
  Settle();
  QTableWidget* table = GridWidget(grid);
  return InWindow(table->viewport(), table->visualRect(table->model()->index(row, column)));
}

Bounds ScrollingArea(StringGrid* grid) {
  Settle();
  QWidget* viewport = GridWidget(grid)->viewport();
  return InWindow(viewport, viewport->rect());
}

int CaptionWidth(Control* control) {
  QWidget* widget = qt::WidgetOf(control);
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return label->fontMetrics().horizontalAdvance(label->text());
  }
  return 0;
}

int CaptionRoom(Control* control) {
  QWidget* widget = qt::WidgetOf(control);
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
  }
  return widget ? widget->width() : 0;
}

}  // namespace orvello::ui::testing
