#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_STRING_GRID_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_STRING_GRID_H_

#include "ui/toolkit/win32/win32_api.h"

#include <string>

#include "ui/toolkit/string_grid_base.h"
#include "ui/toolkit/win32/win32_controls.h"

namespace orvello::ui::win32 {

/// A string grid drawn by the program, of the texts StringGridBase keeps: cells of a fixed size
/// with grid lines, the header row and the number column drawn as fixed cells that stay in place
/// while the rest scrolls, one current cell that the mouse and the arrow keys move, and the last
/// column stretched over the width left. A cell too narrow for its text shows it shortened and
/// whole in a tooltip.
class Win32StringGrid : public Win32Control<StringGridBase> {
 public:
  Win32StringGrid(HWND parent, const Bounds& bounds, int columns, int rows, int cell_width,
                  int cell_height, int dpi);

  void Rescale(int dpi, HFONT font) override;

  int current_column() const { return current_column_; }
  int current_row() const { return current_row_; }
  /// The first scrolling row shown below the header row.
  int top_row() const { return top_row_; }
  /// Scrolls `row` into view, unless it is the header row.
  void ScrollIntoView(int row);
  /// The tooltip control that shows a cell's whole text.
  HWND tooltip() const { return tooltip_; }
  /// Makes a scrolling cell current, as a click would, and scrolls it into view; fixed cells
  /// and cells outside the grid are refused.
  bool Select(int column, int row);
  /// The cell's rectangle in the grid's client area; empty when it is not in view.
  RECT CellRect(int column, int row) const;
  /// The cell's tooltip: its whole text when the cell is too narrow for it, else empty.
  std::wstring TipOf(int column, int row) const;

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void RowCountChanged(int old_rows) override;
  void CellChanged(int column, int row) override;

  /// Hands each message to the handler of its group; the system's default for the rest.
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void OnPaint();
  void OnSize();
  void OnVScroll(int request);
  void OnMouseWheel(int delta);
  void OnButtonDown(POINT point);
  /// False for a key the grid leaves to the system.
  bool OnKeyDown(WPARAM key);
  /// False for a notification that is not the tooltip asking for its text.
  bool OnNotify(NMHDR* header);
  void OnDestroy();

  void Paint(HDC dc, const RECT& client);
  void PaintCell(HDC dc, int column, int row);
  int ColumnLeft(int column) const;
  int ColumnWidth(int column) const;
  int RowTop(int row) const;
  int ShownRows() const;
  void UpdateScrollBars();
  void ScrollTo(int top_row);
  bool HitTest(POINT point, int* column, int* row) const;
  void TrackTip(POINT point);
  void MoveCurrent(int columns, int rows);

  int cell_width_;   // at 96 DPI
  int cell_height_;  // at 96 DPI
  int dpi_;
  HFONT font_ = nullptr;
  HWND tooltip_ = nullptr;
  int top_row_ = 1;
  int current_column_ = 1;
  int current_row_ = 1;
  int tip_column_ = -1;
  int tip_row_ = -1;
  std::wstring tip_text_;
};

}  // namespace orvello::ui::win32

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_STRING_GRID_H_
