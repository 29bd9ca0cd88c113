#include "ui/toolkit/qt/qt_string_grid.h"

#include <QHeaderView>
#include <QTableWidget>

#include "ui/toolkit/qt/qt_text.h"

namespace orvello::ui::qt {

QtStringGrid::QtStringGrid(QWidget* parent, const Bounds& bounds, int columns, int rows,
                           int cell_width, int cell_height)
    : QtControl(new QTableWidget(parent)),
      table_(static_cast<QTableWidget*>(widget())),
      columns_(columns),
      rows_(0) {
  Place(table_, bounds);
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setMinimumSectionSize(1);
  table_->verticalHeader()->setMinimumSectionSize(1);
  // A cell's section holds the cell and the grid line after it.
  table_->horizontalHeader()->setDefaultSectionSize(cell_width + 1);
  table_->verticalHeader()->setDefaultSectionSize(cell_height + 1);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setWordWrap(false);
  table_->setColumnCount(columns_);
  SetRowCount(rows);
}

void QtStringGrid::SetRowCount(int rows) {
  int old_rows = rows_;
  rows_ = rows < 0 ? 0 : rows;
  table_->setRowCount(rows_);
  for (int row = old_rows; row < rows_; ++row) {
    for (int column = 0; column < columns_; ++column) ShowCell(column, row);
  }
}

std::string QtStringGrid::cell(int column, int row) const {
  auto found = cells_.find({column, row});
  return found == cells_.end() ? std::string() : found->second;
}

void QtStringGrid::SetCell(int column, int row, const std::string& text) {
  cells_[{column, row}] = text;
  if (column >= 0 && column < columns_ && row >= 0 && row < rows_) ShowCell(column, row);
}

void QtStringGrid::ShowCell(int column, int row) {
  QTableWidgetItem* item = table_->item(row, column);
  if (!item) {
    item = new QTableWidgetItem();
    if (row == 0 || column == 0) {
      item->setFlags(Qt::ItemIsEnabled);
      item->setBackground(table_->palette().button());
    } else {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    table_->setItem(row, column, item);
  }
  item->setText(ToQString(cell(column, row)));
}

}  // namespace orvello::ui::qt
