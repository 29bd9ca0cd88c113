#ifndef ORVELLO_UI_STRIH02_H_
#define ORVELLO_UI_STRIH02_H_

#include <functional>
#include <memory>
#include <string>

#include "core/disk_interface.h"
#include "core/run_state.h"
#include "core/script_starter.h"
#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

/// Shows the help page `path` in the desktop's browser; what happens then is not looked at.
using HelpOpener = std::function<void(const std::string& path)>;

/// The windows that the main window's buttons show.
struct MainWindowPeers {
  Window* style_picker = nullptr;     ///< `TForm3`, for `Edit4`
  Window* output_picker = nullptr;    ///< `TForm4`, for `Edit5`
  Window* producer_picker = nullptr;  ///< `TForm5`, for `Edit2`
  Window* timing_editor = nullptr;    ///< `TForm6`
};

/// The main window "  Orvello": the five fields of a run, the settings file, the help page, the
/// timing editor and the process button. It owns the run's state, so the media path last chosen
/// in the file dialog and the last run's parameters are one and the same string.
class TForm1 {
 public:
  /// Builds the window hidden and runs FormCreate inside the toolkit's guard.
  TForm1(Application& app, core::DiskInterface& disk, core::ScriptStarter& starter,
         HelpOpener open_help);
  ~TForm1();

  Window& window() { return *window_; }
  void Show() { window_->Show(); }
  void SetPeers(const MainWindowPeers& peers) { peers_ = peers; }
  const core::RunState& run_state() const { return state_; }

  // Handlers, as the window calls them.
  /// Empties the messages and loads the settings from "Style" + separator + "data.txt" in the
  /// working directory: line 1 into `Edit4`, line 2 into `Edit2`. Throws IoError.
  void FormCreate();
  /// The process button: one run on the five fields; its line goes into `Memo1`.
  void Button1Click();
  /// Chooses the recording; `Edit1` then shows the last chosen or last processed media path.
  void Button2Click();
  /// Saves `Edit4` and `Edit2` to `Edit4` + separator + "data.txt", replacing the old file only
  /// when the new one is whole. Throws IoError.
  void Button3Click();
  /// Opens `Edit4` + separator + "pomoc.htm", or says in `Memo1` that it is missing.
  void Button4Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  /// Counts the press; shows the timing editor when `Edit1` names a file that opens.
  void Button9Click();

  // The controls, named as the program names them.
  Label* Label1;  ///< "Media súbor"
  Label* Label2;  ///< "Výst. adresár:"
  Label* Label3;  ///< "Style adresár:"
  Label* Label4;  ///< "RealProducer:"
  Label* Label5;  ///< "Web adresa:"
  Frame* Bevel1;  ///< frames the two saved settings and their button
  Edit* Edit1;    ///< the recording
  Edit* Edit5;    ///< the output folder
  Edit* Edit4;    ///< the style folder
  Edit* Edit2;    ///< the recording tool's folder
  Edit* Edit3;    ///< the web address
  Memo* Memo1;    ///< one line per message
  Button* Button2;
  Button* Button7;
  Button* Button6;
  Button* Button8;
  Button* Button9;
  Button* Button3;
  Button* Button1;
  Button* Button4;

 private:
  void Build();
  static void ShowPeer(Window* peer);

  Application& app_;
  core::DiskInterface& disk_;
  core::ScriptStarter& starter_;
  HelpOpener open_help_;
  MainWindowPeers peers_;
  core::RunState state_;
  std::unique_ptr<Window> window_;
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_STRIH02_H_
