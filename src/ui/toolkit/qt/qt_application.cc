// Implementation details: the application keeps no list of its windows; ApplicationBase keeps
// the main one, which Run() shows and whose closing ends the loop.
#include "ui/toolkit/qt/qt_application.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>

#include "ui/toolkit/native_application.h"
#include "ui/toolkit/qt/qt_controls.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/qt/qt_window.h"
#include "ui/toolkit/toolkit_texts.h"

namespace orvello::ui::qt {

namespace {

/// "Rm files (*.rm)|*.rm|All (*.*)|*.*" as Qt writes it: "Rm files (*.rm);;All (*.*)".
QString QtFilter(const std::string& filter) {
  QStringList parts = ToQString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    QString description = parts[i];
    filters << (description.contains(u'(' + patterns + u')')
                    ? description
                    : description + QStringLiteral(" (") + patterns + u')');
  }
  return filters.join(QStringLiteral(";;"));
}

class QtApplication : public ApplicationBase {
 public:
  QtApplication(int& argc, char** argv) {
    if (!QApplication::instance()) owned_ = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    // The windows place their controls in pixels; a small font keeps the texts inside them.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QApplication::setQuitOnLastWindowClosed(false);
  }

  int Run() override {
    if (main_window()) main_window()->Show();
    return QApplication::exec();
  }

 protected:
  std::unique_ptr<Window> MakeWindow(bool main,
                                     std::function<void(Window*)> on_destroyed) override {
    return std::make_unique<QtWindow>(*this, main, std::move(on_destroyed));
  }

  void ShowErrorDialog(const std::string& text) override {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kProgramName), ToQString(text),
                    QMessageBox::Ok, Owner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
  }

  bool AskForFile(const std::string& filter, std::string* utf8) override {
    QString chosen =
        QFileDialog::getOpenFileName(Owner(), QString(), QDir::currentPath(), QtFilter(filter));
    *utf8 = QDir::toNativeSeparators(chosen).toUtf8().toStdString();
    return !chosen.isEmpty();
  }

 private:
  QWidget* Owner() const { return WidgetOf(main_window()); }

  std::unique_ptr<QApplication> owned_;
};

}  // namespace

std::unique_ptr<ApplicationBase> MakeApplication(int& argc, char** argv) {
  return std::make_unique<QtApplication>(argc, argv);
}

}  // namespace orvello::ui::qt

namespace orvello::ui {

std::unique_ptr<Application> MakeNativeApplication(int& argc, char** argv) {
  return qt::MakeApplication(argc, argv);
}

}  // namespace orvello::ui

namespace orvello::ui::qt {

QWidget* WidgetOf(Control* control) {
  auto* holder = dynamic_cast<WidgetHolder*>(control);
  return holder ? holder->widget() : nullptr;
}

QWidget* WidgetOf(Window* window) {
  auto* qt_window = dynamic_cast<QtWindow*>(window);
  return qt_window ? qt_window->widget() : nullptr;
}

}  // namespace orvello::ui::qt
