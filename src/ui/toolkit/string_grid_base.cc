#include "ui/toolkit/string_grid_base.h"

namespace orvello::ui {

void StringGridBase::SetRowCount(int rows) {
  int old_rows = rows_;
  rows_ = rows < 0 ? 0 : rows;
  RowCountChanged(old_rows);
}

std::string StringGridBase::cell(int column, int row) const {
  auto found = cells_.find({column, row});
  return found == cells_.end() ? std::string() : found->second;
}

void StringGridBase::SetCell(int column, int row, const std::string& text) {
  cells_[{column, row}] = text;
  CellChanged(column, row);
}

}  // namespace orvello::ui
