#ifndef ORVELLO_UI_UI_TEST_UTIL_H_
#define ORVELLO_UI_UI_TEST_UTIL_H_

// What the window tests share, for every backend of the toolkit: an application whose error
// dialog is a recorder, and the few steps that click, type and look at a control as a user
// would. Each backend has its own file of them (ui_test_util-qt.cc, ui_test_util-win32.cc); the
// tests themselves see the toolkit interface only.

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

// So that tests compare and print places whole.
inline bool operator==(const Bounds& a, const Bounds& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
inline void PrintTo(const Bounds& b, std::ostream* out) {
  *out << b.left << "," << b.top << " " << b.width << "x" << b.height;
}

}  // namespace orvello::ui

namespace orvello::ui::testing {

/// The application for one test. Every error it would show lands in `*errors` (Windows-1250)
/// instead of a dialog. Make it before the windows; they must go before it.
std::unique_ptr<Application> MakeTestApplication(std::vector<std::string>* errors);

/// Clicks `button` with the left mouse button, as the user would.
void Click(Button* button);

/// Selects all of `edit` and types `utf8` into it character by character, as the user would.
void TypeInto(Edit* edit, const std::string& utf8);

/// Answers the next file-open dialog of `app` with `utf8_path` without showing it, as if the
/// user had chosen that file; std::nullopt answers as a cancel.
void SetNextFileName(Application& app, std::optional<std::string> utf8_path);

/// Double-clicks the line of `list` that reads `utf8_name`, as the user opening that folder.
/// Returns false when no line reads so.
bool OpenDirectory(DirectoryList* list, const std::string& utf8_name);

/// Where `control` is drawn: its rectangle in its window's client area, in screen pixels.
Bounds ShownBounds(Control* control);

/// Whether `control` is on the screen: shown, in a shown window.
bool IsShown(Control* control);

/// The size of `window`'s client area in screen pixels (left and top are 0).
Bounds ShownBounds(Window* window);

/// Where the cell (`column`, `row`) of `grid` is drawn, in its window's client area.
Bounds ShownCell(StringGrid* grid, int column, int row);

/// Runs `task` once, as soon as the message loop runs.
void RunSoon(std::function<void()> task);

}  // namespace orvello::ui::testing

#endif  // ORVELLO_UI_UI_TEST_UTIL_H_
