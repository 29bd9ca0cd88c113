#ifndef ORVELLO_TESTS_TESTING_UI_TEST_UTIL_H_
#define ORVELLO_TESTS_TESTING_UI_TEST_UTIL_H_

// What the window tests share: an application whose error dialog is a recorder, the user's
// clicks and key presses, and a look at what a control shows. Only the definitions know the
// toolkit's backend, one file for each (ui_test_util-qt.cc, ui_test_util-win32.cc); the tests use
// these and the toolkit interface, so one test source covers every backend.

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

/// Clicks the widget of `button` with the left mouse button, as the user would.
void Click(Button* button);

/// Types `utf8` into the widget of `edit` key by key after selecting all, as the user would.
void TypeInto(Edit* edit, const std::string& utf8);
/// The same into a memo, which should take none of it.
void TypeInto(Memo* memo, const std::string& utf8);

/// Selects all of `memo` and copies it, with the keys a user would press; returns what the
/// clipboard then holds (Windows-1250, lines joined by "\n").
std::string CopyAll(Memo* memo);

/// Answers the next file-open dialog of `app` with `utf8_path` without showing it, as if the
/// user had chosen that file; std::nullopt answers as a cancel.
void SetNextFileName(Application& app, std::optional<std::string> utf8_path);

/// Double-clicks the line of `list` that reads `utf8_name`, as the user opening that folder.
/// Returns false when no line reads so.
bool OpenDirectory(DirectoryList* list, const std::string& utf8_name);

/// Runs `task` once, as soon as the message loop runs.
void RunSoon(std::function<void()> task);

/// Where `control` is drawn: its rectangle in its window's client area, in screen pixels.
Bounds ShownBounds(Control* control);

/// Whether `control` is on the screen: shown, in a shown window.
bool IsShown(Control* control);

/// The size of `window`'s client area in screen pixels (left and top are 0).
Bounds ShownBounds(Window* window);

/// The controls of `window`, in the order they were made.
std::vector<Control*> ControlsOf(Window& window);

/// Which scroll bars a memo or a grid shows. Its window must be shown.
struct ScrollBars {
  bool vertical = false;
  bool horizontal = false;
};
ScrollBars ScrollBarsOf(Control* control);

/// The rows that `memo` shows from top to bottom, each line broken as the box wraps it at its
/// width (Windows-1250). Its window must be shown.
std::vector<std::string> ShownRows(Memo* memo);

/// `rows` run together, as the line or lines they were broken from.
std::string Joined(const std::vector<std::string>& rows);

/// `relative` in `folder`, each '/' of it written as the platform's separator, as the windows
/// show paths.
std::string PathIn(const std::string& folder, std::string relative);

/// Scrolls `memo` back to its first row, as the user would with its scroll bar.
void ScrollToFirstRow(Memo* memo);

/// Whether the last row of `memo` is in view, whole. Its window must be shown.
bool LastRowInView(Memo* memo);

/// The tool tip that a cell of `grid` shows while the mouse rests over it (Windows-1250; empty
/// when it shows none). The cell is scrolled into view first. Its window must be shown.
std::string CellToolTip(StringGrid* grid, int column, int row);

/// Where `grid` draws a cell, as scrolled now, grid lines excluded; and the area its cells
/// scroll in. Both in its window's coordinates.
Bounds CellBounds(StringGrid* grid, int column, int row);
Bounds ScrollingArea(StringGrid* grid);

/// How wide the caption of a button or a label is, in pixels, in the font the control draws it
/// with; and how wide the control's room for it is: its width less its frame and padding.
int CaptionWidth(Control* control);
int CaptionRoom(Control* control);

}  // namespace orvello::ui::testing

#endif  // ORVELLO_TESTS_TESTING_UI_TEST_UTIL_H_
