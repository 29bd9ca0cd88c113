// Implementation details: the application keeps no list of its windows, only the main one, which
// Run() shows and whose closing ends the loop. Errors and the file dialog go through one member
// each, where the tests' replacements take over.
#include "ui/toolkit/qt/qt_application.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>

#include "core/io_error.h"
#include "ui/toolkit/handler_guard.h"
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

class QtApplication : public Application {
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

  std::unique_ptr<Window> CreateWindow() override {
    bool main = main_ == nullptr && !had_main_;
    auto window = std::make_unique<QtWindow>(*this, main, [this](QtWindow* gone) {
      if (gone == main_) main_ = nullptr;
    });
    if (main) {
      main_ = window.get();
      had_main_ = true;
    }
    return window;
  }

  void RunGuarded(const Handler& handler) override {
    RunHandlerGuarded(handler, [this](const std::string& text) { ShowError(text); });
  }

  int Run() override {
    if (main_) main_->Show();
    return QApplication::exec();
  }

  void ShowError(const std::string& text) override {
    if (recorder_) {
      recorder_(text);
      return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kProgramName), ToQString(text),
                    QMessageBox::Ok, main_ ? main_->widget() : nullptr);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  }

  bool RunFileOpenDialog(const std::string& filter, std::string* path) override {
    QString chosen;
    if (next_answer_) {
      if (*next_answer_) chosen = QString::fromUtf8(**next_answer_);
      next_answer_.reset();
    } else {
      chosen = QFileDialog::getOpenFileName(main_ ? main_->widget() : nullptr, QString(),
                                            QDir::currentPath(), QtFilter(filter));
    }
    if (chosen.isEmpty()) return false;
    chosen = QDir::toNativeSeparators(chosen);
    if (!FromQString(chosen, path)) {
      ShowError(core::WithPeriod(kUnnamableFileMessage + FromQStringReplacing(chosen)));
      return false;
    }
    return true;
  }

  void set_recorder(std::function<void(const std::string&)> recorder) {
    recorder_ = std::move(recorder);
  }
  void set_next_answer(std::optional<std::string> answer) {
    next_answer_.emplace(std::move(answer));
  }

 private:
  std::unique_ptr<QApplication> owned_;
  QtWindow* main_ = nullptr;
  bool had_main_ = false;
  std::function<void(const std::string&)> recorder_;
  std::optional<std::optional<std::string>> next_answer_;
};

}  // namespace

std::unique_ptr<Application> MakeApplication(int& argc, char** argv) {
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

void SetErrorRecorder(Application& app, std::function<void(const std::string&)> recorder) {
  static_cast<QtApplication&>(app).set_recorder(std::move(recorder));
}

void SetNextFileName(Application& app, std::optional<std::string> answer) {
  static_cast<QtApplication&>(app).set_next_answer(std::move(answer));
}

}  // namespace orvello::ui::qt
