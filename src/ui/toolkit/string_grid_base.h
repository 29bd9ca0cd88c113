#ifndef ORVELLO_UI_TOOLKIT_STRING_GRID_BASE_H_
#define ORVELLO_UI_TOOLKIT_STRING_GRID_BASE_H_

// The part of a string grid that every toolkit backend shares: its size and its cells' texts.

#include <map>
#include <string>
#include <utility>

#include "ui/toolkit/toolkit.h"

namespace orvello::ui {

/// A string grid's texts, kept apart from what the backend draws: a cell set at any column or
/// row, even beyond the grid, keeps its text, shows it once the grid grows that far, and a cell
/// never set reads empty. The backend draws and hears of each change.
class StringGridBase : public StringGrid {
 public:
  explicit StringGridBase(int columns) : columns_(columns) {}

  int column_count() const final { return columns_; }
  int row_count() const final { return rows_; }
  /// A negative count is taken as 0.
  void SetRowCount(int rows) final;
  std::string cell(int column, int row) const final;
  void SetCell(int column, int row, const std::string& text) final;

 protected:
  /// The row count has changed from `old_rows` to row_count() (or stayed, when set again).
  virtual void RowCountChanged(int old_rows) = 0;
  /// The text of one cell has been set; it may lie outside the grid.
  virtual void CellChanged(int column, int row) = 0;

 private:
  int columns_;
  int rows_ = 0;
  std::map<std::pair<int, int>, std::string> cells_;  // (column, row) -> text
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_TOOLKIT_STRING_GRID_BASE_H_
