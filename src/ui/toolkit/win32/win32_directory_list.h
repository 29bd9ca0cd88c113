#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_DIRECTORY_LIST_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_DIRECTORY_LIST_H_

// The drive list and the directory list of the Win32 backend.

#include "ui/toolkit/win32/win32_api.h"

#include <map>
#include <string>
#include <vector>

#include "ui/toolkit/win32/win32_controls.h"

namespace orvello::ui::win32 {

/// A drop-down list of the system's drive letters ("C:"); the drive of the working directory is
/// chosen at first.
class Win32DriveList : public Win32Control<DriveList> {
 public:
  Win32DriveList(HWND parent, const Bounds& bounds, int dpi, Application& app);
  std::string drive() const override;
  std::vector<std::string> drives() const override { return drives_; }
  void SetDrive(const std::string& drive) override;
  void OnChange(Handler handler) override { on_change_ = std::move(handler); }
  void Command(int code) override;

 private:
  void Changed();

  Application& app_;
  std::vector<std::string> drives_;
  Handler on_change_;
};

/// The folders of one drive in the usual tree look: the current directory's path from the root
/// down, one open folder a line, each indented below its parent, then the current directory's
/// subdirectories as closed folders. Double-clicking a line (or Enter) goes there. A folder whose
/// name Windows-1250 cannot hold is greyed and cannot be entered.
class Win32DirectoryList : public Win32Control<DirectoryList> {
 public:
  Win32DirectoryList(HWND parent, const Bounds& bounds, int dpi, Application& app);
  ~Win32DirectoryList() override;
  std::string directory() const override;
  bool SetDirectory(const std::string& path) override;
  void SetDrive(const std::string& drive) override;
  void OnChange(Handler handler) override { on_change_ = std::move(handler); }
  void Command(int code) override;
  void EnterPressed() override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  void Rescale(int dpi, HFONT font) override;

  /// The lines as shown, one folder name each (the root as "C:\").
  std::vector<std::wstring> lines() const;

 private:
  struct Line {
    std::wstring name;
    std::wstring path;
    int indent;
    bool open;       // on the path to the current directory, or the current directory itself
    bool enterable;  // Windows-1250 can name it
  };

  /// Makes the full path `path` current and the program's working directory; false when it is
  /// not a readable directory or Windows-1250 cannot name it.
  bool GoTo(const std::wstring& path);
  void Fill();
  void OpenSelected();

  Application& app_;
  int dpi_;
  HICON open_icon_ = nullptr;
  HICON closed_icon_ = nullptr;
  HICON drive_icon_ = nullptr;
  std::wstring current_;
  std::vector<Line> lines_;
  std::map<std::wstring, std::wstring> last_directory_of_drive_;
  Handler on_change_;
};

/// The program's working directory, which the directory list browses and the file dialog opens.
std::wstring WorkingDirectory();

/// The drive of `path` as the drive list names it ("C:"), or the root of a network path.
std::wstring DriveOf(const std::wstring& path);

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_DIRECTORY_LIST_H_
