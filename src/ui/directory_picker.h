#ifndef ORVELLO_UI_DIRECTORY_PICKER_H_
#define ORVELLO_UI_DIRECTORY_PICKER_H_

#include <memory>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

/// What sets one directory picker apart from the others (Windows-1250).
struct PickerTexts {
  const char* caption;
  const char* ok_caption;
};

/// A small window in which the user browses drives and directories and copies the chosen one, as
/// a full path, into one field of the main window. Browsing changes the program's working
/// directory. The three pickers (`TForm3`, `TForm4`, `TForm5`) are this window with their texts.
class DirectoryPicker {
 public:
  /// Builds the window hidden and runs FormCreate inside the toolkit's guard. `field` is the main
  /// window's field that OK fills; it must outlive the picker.
  DirectoryPicker(Application& app, const PickerTexts& texts, Edit* field);
  ~DirectoryPicker();

  Window& window() { return *window_; }
  void Show() { window_->Show(); }

  // Handlers, as the window calls them.
  void FormCreate();
  void DriveComboBox1Change();
  void DirectoryListBox1Change();
  /// OK: the list's directory into the field, then the window closes.
  void Button1Click();
  /// Cancel: the window closes, the field stays.
  void Button2Click();

  Memo* Memo1;                       ///< "Vybraný adresár:" and the chosen directory
  Button* Button1;                   ///< OK
  Button* Button2;                   ///< "Cancel"
  DriveList* DriveComboBox1;         ///< the system's drives
  DirectoryList* DirectoryListBox1;  ///< the current directory and its neighbours

 private:
  Edit* field_;
  std::unique_ptr<Window> window_;
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_DIRECTORY_PICKER_H_
