#include "ui/toolkit/string_grid_base.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvello::ui {
namespace {

// A grid that draws nothing and notes what it hears of.
class NotingGrid : public StringGridBase {
 public:
  using StringGridBase::StringGridBase;
  Bounds bounds() const override { return {}; }
  bool visible() const override { return true; }
  void SetVisible(bool) override {}

  std::vector<std::string> heard;

 private:
  void RowCountChanged(int old_rows) override {
    heard.push_back("rows " + std::to_string(old_rows) + " to " + std::to_string(row_count()));
  }
  void CellChanged(int column, int row) override {
    heard.push_back("cell " + std::to_string(column) + "," + std::to_string(row));
  }
};

TEST(StringGridBase, KeepsCellsAtAnyRowAndTellsTheBackendOfEachChange) {
  NotingGrid grid(5);
  grid.SetRowCount(100);
  grid.SetCell(1, 1, "00:00:00");
  grid.SetCell(4, 120, "hidden.jpg");  // beyond the rows: kept, not shown
  grid.SetCell(4, 120, "again.jpg");
  grid.SetRowCount(-3);
  EXPECT_EQ(5, grid.column_count());
  EXPECT_EQ(0, grid.row_count());
  EXPECT_EQ("00:00:00", grid.cell(1, 1));
  EXPECT_EQ("again.jpg", grid.cell(4, 120));
  EXPECT_EQ("", grid.cell(3, 120));
  EXPECT_EQ((std::vector<std::string>{"rows 0 to 100", "cell 1,1", "cell 4,120", "cell 4,120",
                                      "rows 100 to 0"}),
            grid.heard);
}

}  // namespace
}  // namespace orvello::ui
