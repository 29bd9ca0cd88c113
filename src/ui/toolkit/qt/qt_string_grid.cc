#include "ui/toolkit/qt/qt_string_grid.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextDocument>
#include <QToolTip>

#include "ui/toolkit/qt/qt_text.h"

namespace orvello::ui::qt {

namespace {

/// Draws cells as usual; the mouse resting over a cell whose text does not fit shows its whole
/// text as a tool tip, always as plain text.
class WholeTextTipDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event->type() != QEvent::ToolTip) {
      return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    QStyleOptionViewItem item = option;
    if (index.isValid()) initStyleOption(&item, index);
    if (!index.isValid() || TextFits(item, view)) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(event->globalPos(),
                         Qt::convertFromPlainText(item.text, Qt::WhiteSpaceNoWrap),
                         view->viewport(), option.rect);
    }
    return true;
  }

 private:
  /// Whether the style draws `item`'s text whole, as it does when the text is no wider than the
  /// cell's text area less the margin kept on either side.
  static bool TextFits(const QStyleOptionViewItem& item, const QWidget* view) {
    const QStyle* style = view->style();
    QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
    int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return item.fontMetrics.horizontalAdvance(item.text) <= area.width() - 2 * margin;
  }
};

}  // namespace

QtStringGrid::QtStringGrid(QWidget* parent, const Bounds& bounds, int columns, int rows,
                           int cell_width, int cell_height)
    : QtControl(new QTableWidget(parent), columns), table_(static_cast<QTableWidget*>(widget())) {
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
  // The last column takes whatever width the scrolling area has left, so long names fit more
  // often; texts that still do not fit show whole in a tool tip.
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setItemDelegate(new WholeTextTipDelegate(table_));
  table_->setColumnCount(columns);
  SetRowCount(rows);
}

void QtStringGrid::RowCountChanged(int old_rows) {
  table_->setRowCount(row_count());
  for (int row = old_rows; row < row_count(); ++row) {
    for (int column = 0; column < column_count(); ++column) ShowCell(column, row);
  }
}

void QtStringGrid::CellChanged(int column, int row) {
  if (column >= 0 && column < column_count() && row >= 0 && row < row_count()) {
    ShowCell(column, row);
  }
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
