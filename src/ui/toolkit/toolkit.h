#ifndef ORVELLO_UI_TOOLKIT_TOOLKIT_H_
#define ORVELLO_UI_TOOLKIT_TOOLKIT_H_

// The window toolkit as the windows see it: exactly the operations they rely on, with every
// text in Windows-1250. A backend (Qt today, a native one later) implements it; the windows never
// see the backend. Positions and sizes are pixels: left, top, width, height.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvello::ui {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

/// An event handler. The toolkit runs every handler inside a guard: an exception it throws ends
/// the handler and is shown in the default error dialog, and the message loop goes on.
using Handler = std::function<void()>;

/// What all controls share.
class Control {
 public:
  virtual ~Control() = default;
  virtual Bounds bounds() const = 0;
  virtual bool visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

class Button : public Control {
 public:
  virtual std::string caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void OnClick(Handler handler) = 0;
};

class Label : public Control {
 public:
  virtual std::string caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
};

/// A one-line edit field.
class Edit : public Control {
 public:
  virtual std::string text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

/// A multi-line text box that the program fills line by line and the user only reads, selects and
/// copies. Lines wrap at the box's width (between words; in a path after a separator; anywhere
/// only within a word longer than a row); a vertical scroll bar appears when the rows do not fit,
/// a horizontal one never; each appended line is scrolled into view.
class Memo : public Control {
 public:
  virtual void Clear() = 0;
  virtual void Append(const std::string& line) = 0;
  virtual std::vector<std::string> lines() const = 0;
};

/// A plain rectangle that frames other controls.
class Frame : public Control {};

/// A grid of texts addressed by column and row from 0; row 0 and column 0 are fixed headers.
/// The user can select cells but not type into them. A cell never set reads empty; setting a cell
/// at any row stores it, even at or beyond the row count, where it is kept but not shown. Cells
/// have the size asked for, but the last column takes the width the scrolling area has left; the
/// mouse resting over a cell too narrow for its text shows the whole text in a tool tip.
class StringGrid : public Control {
 public:
  virtual int column_count() const = 0;
  virtual int row_count() const = 0;
  /// Grows or shrinks the shown rows; cells stored beyond the count keep their texts.
  virtual void SetRowCount(int rows) = 0;
  virtual std::string cell(int column, int row) const = 0;
  virtual void SetCell(int column, int row, const std::string& text) = 0;
};

/// The list of the system's drives (on POSIX systems: the roots of the mounted file systems).
class DriveList : public Control {
 public:
  /// The chosen drive, e.g. "C:" or "/" or "/media/usb".
  virtual std::string drive() const = 0;
  virtual std::vector<std::string> drives() const = 0;
  /// Chooses `drive` as the user would, raising the change event.
  virtual void SetDrive(const std::string& drive) = 0;
  virtual void OnChange(Handler handler) = 0;
};

/// The directories of one drive, with one current directory given as a full path, initially the
/// program's working directory. Changing the current directory, whether the user picked one or
/// the drive was set, raises the change event and makes it the working directory of the program.
class DirectoryList : public Control {
 public:
  virtual std::string directory() const = 0;
  /// Makes `path` current; returns false, changing nothing, when it is not a readable directory.
  virtual bool SetDirectory(const std::string& path) = 0;
  /// Shows `drive`'s current directory (the drive's root when it has none yet).
  virtual void SetDrive(const std::string& drive) = 0;
  virtual void OnChange(Handler handler) = 0;
};

/// A top-level window. Close() hides it, keeping every control's content for the next Show();
/// closing the main window ends the message loop.
class Window {
 public:
  virtual ~Window() = default;
  virtual std::string caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetSize(int width, int height) = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;
  /// Shows the window non-modally: returns at once.
  virtual void Show() = 0;
  virtual void Close() = 0;
  virtual bool visible() const = 0;

  // The window owns the controls it makes; they live as long as the window.
  virtual Button* AddButton(const Bounds& bounds, const std::string& caption) = 0;
  virtual Label* AddLabel(const Bounds& bounds, const std::string& caption) = 0;
  virtual Edit* AddEdit(const Bounds& bounds, const std::string& text) = 0;
  virtual Memo* AddMemo(const Bounds& bounds) = 0;
  virtual Frame* AddFrame(const Bounds& bounds) = 0;
  /// A grid of `columns` x `rows` cells of `cell_width` x `cell_height`, scrolling within `bounds`.
  virtual StringGrid* AddStringGrid(const Bounds& bounds, int columns, int rows, int cell_width,
                                    int cell_height) = 0;
  virtual DriveList* AddDriveList(const Bounds& bounds) = 0;
  virtual DirectoryList* AddDirectoryList(const Bounds& bounds) = 0;
};

/// The application: its windows, the message loop, and the dialogs every window may need.
class Application {
 public:
  virtual ~Application() = default;
  /// A new window. The first one made is the main window.
  virtual std::unique_ptr<Window> CreateWindow() = 0;
  /// Runs `creation` (a window's FormCreate) inside the guard: an exception is shown in the
  /// default error dialog and the rest of the handler is skipped; the window stays.
  virtual void RunGuarded(const Handler& creation) = 0;
  /// Shows the main window and runs the message loop until it is closed; returns the exit code.
  virtual int Run() = 0;
  /// The default error dialog: title the program's name, stop icon, OK button, `text` as given
  /// (the caller applies the period rule).
  virtual void ShowError(const std::string& text) = 0;
  /// A modal file-open dialog with a filter "description|pattern"; true with the chosen file's
  /// full path in `*path` when the user confirmed.
  virtual bool RunFileOpenDialog(const std::string& filter, std::string* path) = 0;
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_TOOLKIT_TOOLKIT_H_
