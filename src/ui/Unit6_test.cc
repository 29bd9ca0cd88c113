#include "ui/Unit6.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "core/encoding.h"
#include "core/io_error.h"
#include "core/segment_table.h"
#include "core/timing_file.h"
#include "platform/real_disk.h"
#include "test_util.h"
#include "ui_test_util.h"

namespace orvello::ui {
namespace {

using orvello::testing::ReadFileBytes;
using orvello::testing::ScopedTempDir;
using orvello::testing::WriteFileBytes;
using testing::CellBounds;
using testing::ScrollingArea;
using testing::TypeInto;

const std::string kQuestion = "Uložiť súbor?"_cp1250;

// `seconds` as an eight-character time, "00:MM:SS".
std::string Time(int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "00:%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

// The timing line of segment `number`: one second long, `number` seconds in.
std::string Line(int number) {
  return Time(number) + " " + Time(number + 1) + " P s" + std::to_string(number) + ".jpg\r\n";
}

class Unit6Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(core::Utf8ToCp1250(dir_.path(), &dir_cp1250_));
    media_ = InDir("talk.rm");
    form_ = std::make_unique<TForm6>(*app_, *disk_, [this] { return media_; });
    form_->Show();
  }

  std::string InDir(const std::string& name) const {
    return dir_cp1250_ + platform::kPathSeparator + name;
  }
  std::string TimingFile() const { return dir_.path() + "/talk.txt"; }

  static void Click(Button* button, int times = 1) {
    for (int i = 0; i < times; ++i) testing::Click(button);
  }
  // Types one segment into the four fields.
  void Enter(const std::string& start, const std::string& end, const std::string& type,
             const std::string& file) {
    TypeInto(form_->Edit1, start);
    TypeInto(form_->Edit2, end);
    TypeInto(form_->Edit3, type);
    TypeInto(form_->Edit4, file);
  }
  std::string Fields() const {
    return form_->Button8->caption() + "|" + form_->Edit1->text() + "|" + form_->Edit2->text() +
           "|" + form_->Edit3->text() + "|" + form_->Edit4->text();
  }
  // Rows `first` to `last` of the grid, one line each, cells separated by '|'.
  std::string Rows(int first, int last) const {
    std::string rows;
    for (int row = first; row <= last; ++row) {
      for (int column = 0; column < 5; ++column) {
        if (column) rows += '|';
        rows += form_->StringGrid1->cell(column, row);
      }
      rows += "\n";
    }
    return rows;
  }
  bool QuestionShown() const {
    return form_->Label1->visible() && form_->Button3->visible() && form_->Button7->visible() &&
           form_->Button6->visible();
  }
  bool QuestionHidden() const {
    return !form_->Label1->visible() && !form_->Button3->visible() && !form_->Button7->visible() &&
           !form_->Button6->visible();
  }

  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = testing::MakeTestApplication(&errors_);
  // The program's main window comes first; the editor is never the main window.
  std::unique_ptr<Window> main_window_ = app_->CreateWindow();
  ScopedTempDir dir_;
  std::string dir_cp1250_;
  std::unique_ptr<core::DiskInterface> disk_ = platform::MakeRealDisk();
  std::string media_;
  std::unique_ptr<TForm6> form_;
};

TEST_F(Unit6Test, StartsWithNumberedEmptyRowsAndTheQuestionHidden) {
  EXPECT_EQ(form_->window().caption(), "Časovanie"_cp1250);
  EXPECT_EQ(form_->StringGrid1->column_count(), 5);
  EXPECT_EQ(form_->StringGrid1->row_count(), 100);
  EXPECT_EQ(Rows(0, 2) + Rows(99, 100),
            "Číslo|Štart|Koniec|Typ|Súbor\n"_cp1250
            "1||||\n"
            "2||||\n"
            "99||||\n"
            "||||\n");
  EXPECT_EQ(Fields(), "1|00:00:00|||");
  EXPECT_EQ(form_->window().width(), 473);
  EXPECT_EQ(form_->window().height(), 329);
  EXPECT_TRUE(QuestionHidden());
  Click(form_->Button4);
  EXPECT_TRUE(QuestionShown());
  EXPECT_EQ(form_->Label1->caption(), kQuestion);
  Click(form_->Button6);
  EXPECT_TRUE(QuestionHidden());
  EXPECT_TRUE(form_->window().visible()) << "Zrušiť keeps the editor open";
}

// Each field stands above its grid column, whatever frame the style draws around the grid. The
// cells keep their size, but the last column reaches to the end of the scrolling area.
TEST_F(Unit6Test, FieldsStandAboveTheirGridColumnsAndTheLastColumnFillsTheRest) {
  StringGrid* grid = form_->StringGrid1;
  Edit* fields[] = {form_->Edit1, form_->Edit2, form_->Edit3, form_->Edit4};
  for (int column = 0; column <= 4; ++column) {
    Bounds cell = CellBounds(grid, column, 1);
    EXPECT_EQ(cell.height, 15) << "column " << column;
    if (column < 4) {
      EXPECT_EQ(cell.width, 70) << "column " << column;
    }
    if (column == 0) continue;
    Bounds field = fields[column - 1]->bounds();
    EXPECT_NEAR(field.left, cell.left, 1) << "column " << column;
    EXPECT_LE(field.width, cell.width + 1) << "column " << column;
    EXPECT_LT(field.top + field.height, cell.top) << "column " << column;
  }
  Bounds area = ScrollingArea(grid);
  Bounds last = CellBounds(grid, 4, 1);
  EXPECT_GT(last.width, 70);
  EXPECT_NEAR(last.left + last.width, area.left + area.width, 1) << "the grid line may follow";
  EXPECT_TRUE(testing::ScrollBarsOf(grid).vertical);
  EXPECT_FALSE(testing::ScrollBarsOf(grid).horizontal);
  Bounds number = form_->Button8->bounds();
  EXPECT_LE(number.left + number.width, form_->Edit1->bounds().left);
  EXPECT_GE(number.left, grid->bounds().left) << "above column 0";
}

TEST_F(Unit6Test, ACellTooNarrowForItsTextShowsItWholeInATip) {
  const std::string clip = "klip ťažký na koniec prednášky.avi"_cp1250;
  TypeInto(form_->Edit4, "klip ťažký na koniec prednášky.avi");
  Click(form_->Button9);
  StringGrid* grid = form_->StringGrid1;
  grid->SetCell(4, 2, "slide01.jpg");
  grid->SetCell(1, 3, "00:00:00 a dlhý komentár"_cp1250);
  grid->SetCell(4, 95, "stranka s tabuľkou výsledkov.htm"_cp1250);
  grid->SetCell(4, 4, "<b>tučné</b> a ešté dlhšie"_cp1250);  // markup, shown as it is
  struct Case {
    int column;
    int row;
    std::string tip;
  };
  const Case cases[] = {
      {4, 1, clip},
      {1, 1, ""},  // "00:00:00" fits
      {4, 2, ""},
      {0, 0, ""},
      {4, 5, ""},  // empty
      {1, 3, grid->cell(1, 3)},
      {4, 95, grid->cell(4, 95)},  // scrolled to first
      {4, 4, grid->cell(4, 4)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(testing::CellToolTip(grid, c.column, c.row), c.tip)
        << "column " << c.column << ", row " << c.row;
  }
}

TEST_F(Unit6Test, ButtonsStandInAColumnRightOfTheGridAndTheQuestionBelowIt) {
  Bounds grid = form_->StringGrid1->bounds();
  std::string column;
  int top = grid.top - 1;
  for (Button* button :
       {form_->Button5, form_->Button9, form_->Button2, form_->Button1, form_->Button4}) {
    Bounds at = button->bounds();
    EXPECT_GE(at.left, grid.left + grid.width) << button->caption();
    EXPECT_GT(at.top, top) << button->caption();
    top = at.top;
    column += button->caption() + "\n";
  }
  EXPECT_EQ(column, "Načítať\nUložiť\nĎalší\nPredošlý\nZavrieť\n"_cp1250);
  std::string question;
  int left = grid.left - 1;
  for (Button* button : {form_->Button3, form_->Button7, form_->Button6}) {
    Bounds at = button->bounds();
    EXPECT_GE(at.top, grid.top + grid.height) << button->caption();
    EXPECT_GT(at.left, left) << button->caption();
    left = at.left;
    question += button->caption() + "\n";
  }
  EXPECT_EQ(question, "Áno\nNie\nZrušiť\n"_cp1250);
  EXPECT_EQ(grid.width, 377);
  EXPECT_EQ(grid.height, 185);
}

TEST_F(Unit6Test, FreshEditorStoresARowAndStartsTheNextWhereItEnds) {
  Enter("00:00:00", "00:05:00", "P", "a.jpg");
  Click(form_->Button9);
  Click(form_->Button2);
  EXPECT_EQ(Rows(1, 3),
            "1|00:00:00|00:05:00|P|a.jpg\n"
            "2|00:05:00|||\n"
            "3||||\n");
  EXPECT_EQ(Fields(), "2|00:05:00|||");
  EXPECT_EQ(form_->CurrentRow, 2);
}

TEST_F(Unit6Test, PreviousOnSegmentOneChangesNothingAndOnTwoEndsSegmentOne) {
  Enter("00:00:00", "00:05:00", "P", "a.jpg");
  Click(form_->Button9);
  Click(form_->Button1);
  EXPECT_EQ(Rows(1, 2), "1|00:00:00|00:05:00|P|a.jpg\n2||||\n");
  EXPECT_EQ(Fields(), "1|00:00:00|00:05:00|P|a.jpg");

  Click(form_->Button2);
  TypeInto(form_->Edit1, "00:05:10");
  Click(form_->Button1);
  EXPECT_EQ(Rows(1, 2), "1|00:00:00|00:05:10|P|a.jpg\n2|00:05:00|||\n")
      << "the row that was left is not stored";
  EXPECT_EQ(Fields(), "1|00:00:00|00:05:10|P|a.jpg");
  EXPECT_EQ(form_->CurrentRow, 1);
}

TEST_F(Unit6Test, LoadWhileSegmentFiveIsShownGoesBackToSegmentOne) {
  for (int row = 1; row <= 4; ++row) {
    std::string number = std::to_string(row);
    Enter(std::string("0").append(number), std::string("1").append(number), "P", "old.jpg");
    Click(form_->Button9);
    Click(form_->Button2);
  }
  WriteFileBytes(TimingFile(),
                 "00:00:00 00:05:30 P slide01.jpg\r\n\r\n  00:05:30 00:07:00 V b c.avi");
  ASSERT_EQ(form_->Button8->caption(), "5");
  Click(form_->Button5);
  EXPECT_EQ(Fields(), "1|00:00:00|00:05:30|P|slide01.jpg");
  EXPECT_EQ(Rows(1, 5),
            "1|00:00:00|00:05:30|P|slide01.jpg\n"
            "2|00:05:30|00:07:00|V|b c.avi\n"
            "3|03|13|P|old.jpg\n"
            "4|04|14|P|old.jpg\n"
            "5|14|||\n")
      << "rows after the file's segments keep what they held";
  TypeInto(form_->Edit4, "new.jpg");
  Click(form_->Button9);
  EXPECT_EQ(Rows(1, 1), "1|00:00:00|00:05:30|P|new.jpg\n");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Unit6Test, YesWritesTheRowsAndASecondSaveWritesAnEmptyFile) {
  Enter("00:00:00", "00:05:00", "P", "a.jpg");
  Click(form_->Button9);
  Click(form_->Button2);
  Enter("00:05:00", "00:09:30", "V", "my clip.avi");
  Click(form_->Button9);
  Click(form_->Button2);
  TypeInto(form_->Edit2, "00:12:00");
  TypeInto(form_->Edit3, "H");
  TypeInto(form_->Edit4, "c.htm");
  Click(form_->Button9);
  Click(form_->Button4);
  Click(form_->Button3);
  EXPECT_EQ(ReadFileBytes(TimingFile()),
            "00:00:00 00:05:00 P a.jpg\r\n"
            "00:05:00 00:09:30 V my clip.avi\r\n"
            "00:09:30 00:12:00 H c.htm\r\n");
  EXPECT_EQ(Rows(1, 4) + Rows(99, 99),
            "1|| | | \n"
            "2|| | | \n"
            "3|| | | \n"
            "4|| | | \n"
            "99|| | | \n");
  EXPECT_EQ(Fields(), "1||||");
  EXPECT_FALSE(form_->window().visible());
  EXPECT_TRUE(QuestionHidden());

  form_->Show();
  Click(form_->Button4);
  Click(form_->Button3);
  EXPECT_EQ(ReadFileBytes(TimingFile()), "") << "row 1 holds a space in both Koniec and Typ";
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Unit6Test, NoLeavesTheFileAndResetsTheStartTimeWhereYesEmptiesIt) {
  struct Case {
    const char* name;
    int button;  // 3 Áno, 7 Nie
    const char* file;
    const char* fields;
    const char* rows;
  } cases[] = {
      {"Nie", 7, "old\r\n", "1|00:00:00|||", "1||||\n2||||\n"},
      {"Áno"_cp1250, 3, "00:00:00 00:05:00 P a.jpg\r\n", "1||||", "1|| | | \n2|| | | \n"},
  };
  for (const Case& c : cases) {
    WriteFileBytes(TimingFile(), "old\r\n");
    form_->Show();
    Enter("00:00:00", "00:05:00", "P", "a.jpg");
    Click(form_->Button9);
    Click(form_->Button2);
    Click(form_->Button4);
    Click(c.button == 3 ? form_->Button3 : form_->Button7);
    EXPECT_EQ(ReadFileBytes(TimingFile()), c.file) << c.name;
    EXPECT_EQ(Fields(), c.fields) << c.name;
    EXPECT_EQ(Rows(1, 2), c.rows) << c.name;
    EXPECT_EQ(form_->CurrentRow, 1) << c.name;
    EXPECT_FALSE(form_->window().visible()) << c.name;
    EXPECT_TRUE(QuestionHidden()) << c.name;
  }
}

TEST_F(Unit6Test, ATypeOfTwoCharactersIsWrittenWholeAndReadsBackShifted) {
  Enter("00:00:00", "00:05:00", "PV", "a.jpg");
  Click(form_->Button9);
  Click(form_->Button4);
  Click(form_->Button3);
  EXPECT_EQ(ReadFileBytes(TimingFile()), "00:00:00 00:05:00 PV a.jpg\r\n");
  form_->Show();
  Click(form_->Button5);
  EXPECT_EQ(Rows(1, 2), "1|00:00:00|00:05:00|P| a.jpg\n2|| | | \n");
}

TEST_F(Unit6Test, RowsPastNinetyNineAreShownAndSurviveTheResets) {
  Click(form_->Button2, 99);
  EXPECT_EQ(form_->Button8->caption(), "100");
  EXPECT_EQ(form_->StringGrid1->row_count(), 101);
  Enter("01:00:00", "01:00:05", "P", "hundred.jpg");
  Click(form_->Button9);
  Click(form_->Button2);
  EXPECT_EQ(Rows(100, 101), "100|01:00:00|01:00:05|P|hundred.jpg\n101|01:00:05|||\n");
  EXPECT_EQ(form_->StringGrid1->row_count(), 102);

  Click(form_->Button4);
  Click(form_->Button7);
  EXPECT_EQ(Rows(99, 101), "99||||\n100|01:00:00|01:00:05|P|hundred.jpg\n101|01:00:05|||\n");
  EXPECT_EQ(form_->StringGrid1->row_count(), 102) << "kept rows stay in sight";

  std::string file;
  for (int number = 1; number <= 105; ++number) file += Line(number);
  WriteFileBytes(TimingFile(), file);
  form_->Show();
  Click(form_->Button5);
  EXPECT_EQ(form_->StringGrid1->row_count(), 106);
  EXPECT_EQ(Rows(104, 106),
            "104|00:01:44|00:01:45|P|s104.jpg\n"
            "105|00:01:45|00:01:46|P|s105.jpg\n"
            "||||\n");
  Click(form_->Button4);
  Click(form_->Button3);
  EXPECT_EQ(ReadFileBytes(TimingFile()), file) << "every loaded row is written back";
  EXPECT_EQ(Rows(105, 105), "105|00:01:45|00:01:46|P|s105.jpg\n");
}

TEST_F(Unit6Test, NextStopsAtTheLastSegmentARunAccepts) {
  Click(form_->Button2, core::kMaxSegments);
  EXPECT_EQ(form_->Button8->caption(), std::to_string(core::kMaxSegments));
  EXPECT_EQ(form_->CurrentRow, core::kMaxSegments);
  EXPECT_EQ(form_->StringGrid1->row_count(), core::kMaxSegments + 1);
}

TEST_F(Unit6Test, LoadOfAMissingFileShowsTheErrorAndKeepsTheGrid) {
  Enter("00:00:00", "00:05:00", "P", "a.jpg");
  Click(form_->Button9);
  Click(form_->Button5);
  EXPECT_EQ(errors_, std::vector<std::string>{"File not found."});
  EXPECT_EQ(Rows(1, 2), "1|00:00:00|00:05:00|P|a.jpg\n2||||\n");
  EXPECT_EQ(Fields(), "1|00:00:00|00:05:00|P|a.jpg");
}

TEST_F(Unit6Test, YesIntoAMissingFolderShowsTheErrorAndKeepsTheGrid) {
  media_ = InDir("gone") + platform::kPathSeparator + "talk.rm";
  Enter("00:00:00", "00:05:00", "P", "a.jpg");
  Click(form_->Button9);
  Click(form_->Button4);
  Click(form_->Button3);
  EXPECT_EQ(errors_, std::vector<std::string>{"Invalid filename."});
  EXPECT_TRUE(QuestionHidden());
  EXPECT_TRUE(form_->window().visible());
  EXPECT_EQ(Rows(1, 2), "1|00:00:00|00:05:00|P|a.jpg\n2||||\n");
  EXPECT_EQ(Fields(), "1|00:00:00|00:05:00|P|a.jpg");
}

TEST_F(Unit6Test, AFailedSaveKeepsThePreviousFile) {
  orvello::testing::MemoryDisk disk;
  disk.AddFile("C:\\talk.txt", "00:00:00 00:01:00 P old.jpg\r\n");
  disk.FailWriteAfter("C:\\talk.txt", 10, core::kDiskFull);
  TForm6 form(*app_, disk, [] { return std::string("C:\\talk.rm"); });
  form.Show();
  TypeInto(form.Edit2, "00:05:00");
  TypeInto(form.Edit3, "P");
  Click(form.Button9);
  Click(form.Button4);
  Click(form.Button3);
  EXPECT_EQ(errors_, std::vector<std::string>{"Disk full."});
  EXPECT_EQ(disk.Contents("C:\\talk.txt"), "00:00:00 00:01:00 P old.jpg\r\n");
  EXPECT_EQ(form.StringGrid1->cell(2, 1), "00:05:00");
}

TEST_F(Unit6Test, AFileTheEditorWritesReadsBackAsTheSameSegments) {
  const core::Segment segments[] = {
      {"00:00:00", "00:05:30", 'P', "slide01.jpg"},
      {"00:05:30", "00:07:00", 'V', "my clip.avi"},
      {"00:07:00", "01:10:00", 'H', "page.htm"},
  };
  for (const core::Segment& segment : segments) {
    Enter(segment.start, segment.end, std::string(1, segment.type), segment.file_name);
    Click(form_->Button9);
    Click(form_->Button2);
  }
  Click(form_->Button4);
  Click(form_->Button3);
  core::SegmentTable table;
  ASSERT_TRUE(core::ReadTimingFile(*disk_, InDir("talk.txt"), &table));
  ASSERT_EQ(table.count(), 3);
  for (int number = 1; number <= 3; ++number) {
    const core::Segment& read = table.at(number);
    const core::Segment& typed = segments[number - 1];
    EXPECT_EQ(read.start + "|" + read.end + "|" + read.type + "|" + read.file_name,
              typed.start + "|" + typed.end + "|" + typed.type + "|" + typed.file_name);
  }
}

}  // namespace
}  // namespace orvello::ui
