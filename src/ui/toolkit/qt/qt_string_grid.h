#ifndef ORVELLO_UI_TOOLKIT_QT_QT_STRING_GRID_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_STRING_GRID_H_

#include <map>
#include <string>
#include <utility>

#include "ui/toolkit/qt/qt_controls.h"

class QTableWidget;

namespace orvello::ui::qt {

/// A string grid on a QTableWidget. The texts live in a map of their own, so a cell set at or
/// beyond the row or column count keeps its text, shows it once the grid grows that far, and never
/// depends on what the table widget happens to hold. Row 0 and column 0 are drawn as headers and
/// cannot be selected; no cell can be typed into. Every cell has the size asked for, except that
/// the last column stretches over the width the scrolling area has left; a cell too narrow for its
/// text shows the whole text in a tool tip.
class QtStringGrid : public QtControl<StringGrid> {
 public:
  QtStringGrid(QWidget* parent, const Bounds& bounds, int columns, int rows, int cell_width,
               int cell_height);

  int column_count() const override { return columns_; }
  int row_count() const override { return rows_; }
  void SetRowCount(int rows) override;
  std::string cell(int column, int row) const override;
  void SetCell(int column, int row, const std::string& text) override;

 private:
  /// Puts the stored text of one shown cell into the table.
  void ShowCell(int column, int row);

  QTableWidget* table_;
  int columns_;
  int rows_;
  std::map<std::pair<int, int>, std::string> cells_;  // (column, row) -> text
};

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_STRING_GRID_H_
