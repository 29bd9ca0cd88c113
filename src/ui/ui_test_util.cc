#include "ui/ui_test_util.h"

#include <QLineEdit>
#include <QString>
#include <QTest>

#include "ui/toolkit/qt/qt_application.h"

namespace orvello::ui::testing {

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

}  // namespace orvello::ui::testing
