#include "ui/ui_test_util.h"

#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "ui/toolkit/qt/qt_application.h"

namespace orvello::ui::testing {

namespace {

Bounds BoundsOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

}  // namespace

std::unique_ptr<Application> MakeTestApplication(std::vector<std::string>* errors) {
  static int argc = 1;
  static char arg0[] = "ui_tests";
  static char* argv[] = {arg0, nullptr};
  auto app = qt::MakeApplication(argc, argv);
  qt::SetErrorRecorder(*app, [errors](const std::string& text) { errors->push_back(text); });
  return app;
}

void Click(Button* button) { QTest::mouseClick(qt::WidgetOf(button), Qt::LeftButton); }

void TypeInto(Edit* edit, const std::string& utf8) {
  QWidget* widget = qt::WidgetOf(edit);
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

void SetNextFileName(Application& app, std::optional<std::string> utf8_path) {
  qt::SetNextFileName(app, std::move(utf8_path));
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

Bounds ShownBounds(Control* control) { return BoundsOf(qt::WidgetOf(control)->geometry()); }

bool IsShown(Control* control) { return qt::WidgetOf(control)->isVisible(); }

Bounds ShownBounds(Window* window) {
  QSize size = qt::WidgetOf(window)->size();
  return {0, 0, size.width(), size.height()};
}

Bounds ShownCell(StringGrid* grid, int column, int row) {
  auto* table = static_cast<QTableWidget*>(qt::WidgetOf(grid));
  QPoint at = table->viewport()->mapTo(
      table->window(),
      QPoint(table->columnViewportPosition(column), table->rowViewportPosition(row)));
  return {at.x(), at.y(), table->columnWidth(column), table->rowHeight(row)};
}

void RunSoon(std::function<void()> task) { QTimer::singleShot(0, std::move(task)); }

}  // namespace orvello::ui::testing
