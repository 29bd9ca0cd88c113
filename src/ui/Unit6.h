#ifndef ORVELLO_UI_UNIT6_H_
#define ORVELLO_UI_UNIT6_H_

#include <functional>
#include <memory>
#include <string>

#include "core/disk_interface.h"
#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

/// The timing editor "Časovanie": writes, loads, pages through and saves the timing file of the
/// recording named in the main window's media field.
class TForm6 {
 public:
  /// `media_field` reads the main window's `Edit1` whenever the editor loads or saves.
  TForm6(Application& app, core::DiskInterface& disk, std::function<std::string()> media_field);
  ~TForm6();

  Window& window() { return *window_; }
  void Show() { window_->Show(); }

  // Handlers, as the buttons call them.
  void FormCreate();

 private:
  Application& app_;
  core::DiskInterface& disk_;
  std::function<std::string()> media_field_;
  std::unique_ptr<Window> window_;
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_UNIT6_H_
