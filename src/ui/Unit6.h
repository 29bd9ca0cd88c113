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
///
/// The grid shows one segment per row from row 1; the user edits the current segment in the four
/// fields and stores it with Uložiť. Ďalší counts from CurrentRow, Predošlý and Uložiť from
/// `Button8`'s caption; every handler that changes one sets the other to the same number.
///
/// Rows: the grid starts with rows 1 to 99 shown. A handler that writes a cell past the shown
/// rows (Ďalší going on, Načítať of a longer file, Uložiť into such a row) first grows the grid
/// to that row and numbers the new rows, so the user sees every row that Áno may write. The
/// resets of Nie and Áno clear rows 1 to 99 only; rows past 99 keep their texts and stay shown,
/// because a later Áno still writes them once rows 1 to 99 are filled again. The shown row count
/// therefore never shrinks while the program runs.
///
/// Limit: Ďalší stops at segment 999, the most a processing run accepts. Načítať reads the whole
/// file, however many segments it holds, and shows them all, so that saving never drops a line
/// of the user's file; a file of more than 999 segments stays one the run refuses.
class TForm6 {
 public:
  /// Builds the hidden window and runs FormCreate in the application's guard. `media_field`
  /// reads the main window's `Edit1` whenever the editor loads or saves.
  TForm6(Application& app, core::DiskInterface& disk, std::function<std::string()> media_field);
  ~TForm6();
  TForm6(const TForm6&) = delete;
  TForm6& operator=(const TForm6&) = delete;

  Window& window() { return *window_; }
  void Show() { window_->Show(); }

  // Handlers, as the buttons call them. A failed open, read or write of the timing file throws
  // core::IoError out of the handler; the toolkit's guard shows it.

  /// Numbers rows 1 to 99, empties their segments, writes the headers; `Edit1` "00:00:00".
  void FormCreate();
  /// Načítať: segment 1 becomes current, then the timing file's segments fill rows 1 on and the
  /// first one also the fields. The grid is not cleared first.
  void Button5Click();
  /// Uložiť: stores the four fields into the row that `Button8` shows.
  void Button9Click();
  /// Ďalší: the next row becomes current, starting where the fields' segment ends.
  void Button2Click();
  /// Predošlý: the previous row becomes current, ending where the fields' segment starts.
  void Button1Click();
  /// Zavrieť: asks "Uložiť súbor?".
  void Button4Click();
  /// Zrušiť: withdraws the question.
  void Button6Click();
  /// Nie: empties rows 1 to 99 and closes the window without writing anything.
  void Button7Click();
  /// Áno: writes the rows up to the first whose Koniec equals its Typ into the timing file, then
  /// resets rows 1 to 99 (empty Štart, a space in Koniec, Typ and Súbor) and closes the window.
  /// When the file cannot be created, the question is gone and the grid keeps its contents.
  void Button3Click();

  // Controls, owned by the window.
  StringGrid* StringGrid1 = nullptr;
  Edit* Edit1 = nullptr;      ///< Štart of the current segment
  Edit* Edit2 = nullptr;      ///< Koniec
  Edit* Edit3 = nullptr;      ///< Typ
  Edit* Edit4 = nullptr;      ///< Súbor
  Button* Button1 = nullptr;  ///< Predošlý
  Button* Button2 = nullptr;  ///< Ďalší
  Button* Button3 = nullptr;  ///< Áno
  Button* Button4 = nullptr;  ///< Zavrieť
  Button* Button5 = nullptr;  ///< Načítať
  Button* Button6 = nullptr;  ///< Zrušiť
  Button* Button7 = nullptr;  ///< Nie
  Button* Button8 = nullptr;  ///< the current segment's number; does nothing
  Button* Button9 = nullptr;  ///< Uložiť
  Label* Label1 = nullptr;    ///< the close question "Uložiť súbor?"

  /// The current segment's number.
  int CurrentRow = 1;

 private:
  void BuildControls();
  void SetCurrentRow(int row);
  int Button8Number() const;
  /// Stores `text` in a cell, first growing the shown grid to `row` when it lies past it.
  void StoreCell(int column, int row, const std::string& text);
  void ShowRowInFields(int row);
  /// Segment 1 becomes current; rows 1 to 99 get an empty Štart and `filler` in Koniec, Typ
  /// and Súbor; the fields are emptied but for `start_field` in `Edit1`.
  void Reset(const std::string& filler, const std::string& start_field);
  void ShowQuestion(bool shown);
  std::string TimingPath() const;

  Application& app_;
  core::DiskInterface& disk_;
  std::function<std::string()> media_field_;
  std::unique_ptr<Window> window_;
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_UNIT6_H_
