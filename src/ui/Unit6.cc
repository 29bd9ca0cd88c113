#include "ui/Unit6.h"

#include "core/cp1250_literal.h"

#include <charconv>
#include <utility>

#include "core/segment_table.h"
#include "core/text_reader.h"
#include "core/text_writer.h"
#include "core/timing_file.h"

namespace orvello::ui {

namespace {

// The window and its grid: 5 columns of 70 x 15 cells, scrolling within 377 x 185 below the fields.
constexpr int kWindowWidth = 473;
constexpr int kWindowHeight = 329;
constexpr int kColumns = 5;
constexpr int kFirstRows = 100;  // the header row and segments 1 to 99
constexpr int kLastFirstRow = kFirstRows - 1;
constexpr int kCellWidth = 70;
constexpr int kCellHeight = 15;
constexpr Bounds kGridBounds{8, 40, 377, 185};
// Where column c of the grid begins: the grid's frame, then one grid line after each cell.
constexpr int kGridFrame = 2;
constexpr int kCellPitch = kCellWidth + 1;

constexpr int kFieldTop = 12;
constexpr int kFieldHeight = 21;
constexpr int kNumberWidth = 25;  // Button8, just left of the first field
constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 7;
constexpr int kButtonLeft = kGridBounds.left + kGridBounds.width + 8;
constexpr int kQuestionTop = kGridBounds.top + kGridBounds.height + 10;

constexpr auto& kCaption = "Časovanie"_cp1250;
constexpr const char* kHeaders[kColumns] = {"Číslo"_cp1250, "Štart"_cp1250, "Koniec", "Typ",
                                            "Súbor"_cp1250};
constexpr char kStartTime[] = "00:00:00";

constexpr auto& kLoadCaption = "Načítať"_cp1250;
constexpr auto& kStoreCaption = "Uložiť"_cp1250;
constexpr auto& kNextCaption = "Ďalší"_cp1250;
constexpr auto& kPreviousCaption = "Predošlý"_cp1250;
constexpr auto& kCloseCaption = "Zavrieť"_cp1250;
constexpr auto& kQuestionCaption = "Uložiť súbor?"_cp1250;
constexpr auto& kYesCaption = "Áno"_cp1250;
constexpr auto& kCancelCaption = "Zrušiť"_cp1250;

int ColumnLeft(int column) { return kGridBounds.left + kGridFrame + column * kCellPitch; }

// The buttons right of the grid, from the top.
Bounds SideButton(int index) {
  return {kButtonLeft, kGridBounds.top + index * (kButtonHeight + kButtonGap), kButtonWidth,
          kButtonHeight};
}

// The close question's buttons, after its label below the grid.
Bounds QuestionButton(int index) {
  return {110 + index * (75 + 8), kQuestionTop, 75, kButtonHeight};
}

}  // namespace

TForm6::TForm6(Application& app, core::DiskInterface& disk,
               std::function<std::string()> media_field)
    : app_(app), disk_(disk), media_field_(std::move(media_field)), window_(app.CreateWindow()) {
  window_->SetCaption(kCaption);
  window_->SetSize(kWindowWidth, kWindowHeight);
  BuildControls();
  app_.RunGuarded([this] { FormCreate(); });
}

TForm6::~TForm6() = default;

void TForm6::BuildControls() {
  auto field = [this](int column) {
    return window_->AddEdit({ColumnLeft(column), kFieldTop, kCellWidth, kFieldHeight}, "");
  };
  Edit1 = field(1);
  Edit2 = field(2);
  Edit3 = field(3);
  Edit4 = field(4);
  Button8 = window_->AddButton(
      {ColumnLeft(1) - 4 - kNumberWidth, kFieldTop, kNumberWidth, kFieldHeight}, "1");
  StringGrid1 = window_->AddStringGrid(kGridBounds, kColumns, kFirstRows, kCellWidth, kCellHeight);

  Button5 = window_->AddButton(SideButton(0), kLoadCaption);
  Button9 = window_->AddButton(SideButton(1), kStoreCaption);
  Button2 = window_->AddButton(SideButton(2), kNextCaption);
  Button1 = window_->AddButton(SideButton(3), kPreviousCaption);
  Button4 = window_->AddButton(SideButton(4), kCloseCaption);

  Label1 = window_->AddLabel({kGridBounds.left, kQuestionTop + 4, 95, 17}, kQuestionCaption);
  Button3 = window_->AddButton(QuestionButton(0), kYesCaption);
  Button7 = window_->AddButton(QuestionButton(1), "Nie");
  Button6 = window_->AddButton(QuestionButton(2), kCancelCaption);
  ShowQuestion(false);

  Button5->OnClick([this] { Button5Click(); });
  Button9->OnClick([this] { Button9Click(); });
  Button2->OnClick([this] { Button2Click(); });
  Button1->OnClick([this] { Button1Click(); });
  Button4->OnClick([this] { Button4Click(); });
  Button6->OnClick([this] { Button6Click(); });
  Button7->OnClick([this] { Button7Click(); });
  Button3->OnClick([this] { Button3Click(); });
}

void TForm6::FormCreate() {
  CurrentRow = 1;
  for (int row = 1; row <= kLastFirstRow; ++row) {
    StringGrid1->SetCell(0, row, std::to_string(row));
  }
  for (int column = 0; column < kColumns; ++column) {
    StringGrid1->SetCell(column, 0, kHeaders[column]);
  }
  Reset("", kStartTime);
}

void TForm6::Button5Click() {
  SetCurrentRow(1);
  core::TextReader reader(disk_, TimingPath());
  core::Segment segment;
  for (int row = 1; core::ReadTimingSegment(reader, &segment); ++row) {
    StoreCell(1, row, segment.start);
    StoreCell(2, row, segment.end);
    StoreCell(3, row, std::string(1, segment.type));
    StoreCell(4, row, segment.file_name);
    if (row == 1) ShowRowInFields(1);
  }
  reader.Close();
}

void TForm6::Button9Click() {
  int row = Button8Number();
  CurrentRow = row;
  StoreCell(1, row, Edit1->text());
  StoreCell(2, row, Edit2->text());
  StoreCell(3, row, Edit3->text());
  StoreCell(4, row, Edit4->text());
}

void TForm6::Button2Click() {
  int row = CurrentRow + 1;
  if (row > core::kMaxSegments) return;
  SetCurrentRow(row);
  StoreCell(1, row, Edit2->text());
  ShowRowInFields(row);
}

void TForm6::Button1Click() {
  int row = Button8Number();
  CurrentRow = row;
  if (row <= 1) return;
  SetCurrentRow(row - 1);
  StoreCell(2, row - 1, Edit1->text());
  ShowRowInFields(row - 1);
}

void TForm6::Button4Click() { ShowQuestion(true); }

void TForm6::Button6Click() { ShowQuestion(false); }

void TForm6::Button7Click() {
  ShowQuestion(false);
  Reset("", kStartTime);
  window_->Close();
}

void TForm6::Button3Click() {
  ShowQuestion(false);
  core::TextWriter writer(disk_.OpenForReplace(TimingPath()));
  const StringGrid& grid = *StringGrid1;
  for (int row = 1; grid.cell(2, row) != grid.cell(3, row); ++row) {
    core::WriteTimingLine(writer, grid.cell(1, row), grid.cell(2, row), grid.cell(3, row),
                          grid.cell(4, row));
  }
  writer.Close();
  Reset(" ", "");
  window_->Close();
}

void TForm6::SetCurrentRow(int row) {
  CurrentRow = row;
  Button8->SetCaption(std::to_string(row));
}

// Only the handlers write the caption, always a number; 1 stands in should that ever change.
int TForm6::Button8Number() const {
  std::string caption = Button8->caption();
  int number = 1;
  std::from_chars(caption.data(), caption.data() + caption.size(), number);
  return number;
}

void TForm6::StoreCell(int column, int row, const std::string& text) {
  int shown = StringGrid1->row_count();
  if (row >= shown) {
    StringGrid1->SetRowCount(row + 1);
    for (int added = shown; added <= row; ++added) {
      StringGrid1->SetCell(0, added, std::to_string(added));
    }
  }
  StringGrid1->SetCell(column, row, text);
}

void TForm6::ShowRowInFields(int row) {
  Edit1->SetText(StringGrid1->cell(1, row));
  Edit2->SetText(StringGrid1->cell(2, row));
  Edit3->SetText(StringGrid1->cell(3, row));
  Edit4->SetText(StringGrid1->cell(4, row));
}

void TForm6::Reset(const std::string& filler, const std::string& start_field) {
  CurrentRow = 1;
  for (int row = 1; row <= kLastFirstRow; ++row) {
    StringGrid1->SetCell(1, row, "");
    for (int column = 2; column <= 4; ++column) StringGrid1->SetCell(column, row, filler);
  }
  Edit1->SetText(start_field);
  Edit2->SetText("");
  Edit3->SetText("");
  Edit4->SetText("");
  Button8->SetCaption("1");
}

void TForm6::ShowQuestion(bool shown) {
  Label1->SetVisible(shown);
  Button3->SetVisible(shown);
  Button7->SetVisible(shown);
  Button6->SetVisible(shown);
}

std::string TForm6::TimingPath() const { return core::TimingPathFor(media_field_()); }

}  // namespace orvello::ui
