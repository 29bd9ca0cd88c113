#include "ui/toolkit/application_base.h"

#include <string_view>

#include "core/cp1250_code_page.h"
#include "core/encoding.h"
#include "core/io_error.h"
#include "ui/toolkit/handler_guard.h"
#include "ui/toolkit/toolkit_texts.h"

namespace orvello::ui {

namespace {

// `utf8` in Windows-1250, one '?' for each character the code page lacks or malformed byte.
std::string Cp1250Replacing(std::string_view utf8) {
  std::string result;
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t code = 0;
    char byte = '?';
    if (!core::DecodeUtf8(utf8, &pos, &code)) {
      ++pos;
    } else if (!core::Cp1250ByteOf(code, &byte)) {
      byte = '?';
    }
    result.push_back(byte);
  }
  return result;
}

}  // namespace

std::unique_ptr<Window> ApplicationBase::CreateWindow() {
  bool main = main_ == nullptr && !had_main_;
  auto window = MakeWindow(main, [this](Window* gone) {
    if (gone == main_) main_ = nullptr;
  });
  if (main) {
    main_ = window.get();
    had_main_ = true;
  }
  return window;
}

void ApplicationBase::RunGuarded(const Handler& handler) {
  RunHandlerGuarded(handler, [this](const std::string& text) { ShowError(text); });
}

void ApplicationBase::ShowError(const std::string& text) {
  if (recorder_) {
    recorder_(text);
  } else {
    ShowErrorDialog(text);
  }
}

bool ApplicationBase::RunFileOpenDialog(const std::string& filter, std::string* path) {
  std::string chosen;
  if (next_answer_) {
    if (*next_answer_) chosen = **next_answer_;
    next_answer_.reset();
  } else if (!AskForFile(filter, &chosen)) {
    return false;
  }
  std::string cp1250;
  if (chosen.empty()) return false;
  if (!core::Utf8ToCp1250(chosen, &cp1250)) {
    ShowError(core::WithPeriod(kUnnamableFileMessage + Cp1250Replacing(chosen)));
    return false;
  }
  *path = std::move(cp1250);
  return true;
}

void ApplicationBase::SetErrorRecorder(std::function<void(const std::string&)> recorder) {
  recorder_ = std::move(recorder);
}

void ApplicationBase::SetNextFileName(std::optional<std::string> utf8) {
  next_answer_.emplace(std::move(utf8));
}

ApplicationBase& BaseOf(Application& app) { return dynamic_cast<ApplicationBase&>(app); }

}  // namespace orvello::ui
