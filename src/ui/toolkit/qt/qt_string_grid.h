#ifndef ORVELLO_UI_TOOLKIT_QT_QT_STRING_GRID_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_STRING_GRID_H_

#include "ui/toolkit/qt/qt_controls.h"
#include "ui/toolkit/string_grid_base.h"

class QTableWidget;

namespace orvello::ui::qt {

/// A string grid on a QTableWidget, which shows the texts StringGridBase keeps. Row 0 and column
/// 0 are drawn as headers and cannot be selected; no cell can be typed into. Every cell has the
/// size asked for, except that the last column stretches over the width the scrolling area has
/// left; a cell too narrow for its text shows the whole text in a tool tip.
class QtStringGrid : public QtControl<StringGridBase> {
 public:
  QtStringGrid(QWidget* parent, const Bounds& bounds, int columns, int rows, int cell_width,
               int cell_height);

 private:
  void RowCountChanged(int old_rows) override;
  void CellChanged(int column, int row) override;
  /// Puts the stored text of one shown cell into the table.
  void ShowCell(int column, int row);

  QTableWidget* table_;
};

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_STRING_GRID_H_
