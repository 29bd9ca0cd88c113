// The toolkit's controls as a user reads them, on whichever backend the tests are built with.
#include "ui/toolkit/toolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "core/io_error.h"
#include "ui_test_util.h"

namespace orvello::ui {
namespace {

using testing::Joined;
using testing::LastRowInView;
using testing::ScrollBarsOf;
using testing::ShownRows;

class ToolkitTest : public ::testing::Test {
 protected:
  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = testing::MakeTestApplication(&errors_);
  std::unique_ptr<Window> window_ = app_->CreateWindow();
  // The main window's message box.
  Memo* memo_ = window_->AddMemo({24, 176, 225, 49});
};

// The guard around the handlers is the same for every backend.
TEST_F(ToolkitTest, AClickedHandlersErrorIsShownAndTheNextClickStillRuns) {
  struct Case {
    std::function<void()> fail;
    std::string shown;
  };
  const Case cases[] = {
      {[] { throw core::IoError(core::kFileNotFound); }, "File not found."},
      {[] { throw core::IoError(32); }, "I/O error 32."},
      {[] { throw std::runtime_error("zlyhal (1)"); }, "zlyhal (1)"},  // ')' is below '.'
      {[] { throw std::runtime_error("Zlý stav"_cp1250); }, "Zlý stav."_cp1250},
      {[] { throw std::runtime_error("done."); }, "done."},
      {[] { throw 42; }, "Unknown error."},
  };
  Button* button = window_->AddButton({10, 10, 80, 20}, "Go");
  window_->Show();
  for (const Case& c : cases) {
    errors_.clear();
    int after = 0;
    button->OnClick([&] {
      c.fail();
      ++after;
    });
    testing::Click(button);
    EXPECT_EQ(std::vector<std::string>{c.shown}, errors_);
    EXPECT_EQ(0, after);
  }
  int clicks = 0;
  button->OnClick([&] { ++clicks; });
  testing::Click(button);
  EXPECT_EQ(1, clicks);
}

TEST_F(ToolkitTest, MemoRowsEndBetweenWordsOrAfterSeparatorsAndAnywhereOnlyInALongWord) {
  struct Case {
    std::string line;
    std::string row_ends;  // what a row but the last may end with; empty: anything
    size_t rows_at_least = 2;
  };
  const Case cases[] = {
      {"1: Najprv nastavte Media súbor alebo výstupný adresár."_cp1250, " "},
      {"C:\\Users\\lektor\\Documents\\Prednášky\\2024\\zimny\\prednaska.rm"_cp1250, "\\"},
      {"/home/lektor/Dokumenty/Prednášky/2024/zimny/prednaska.rm"_cp1250, "/"},
      {"/tmp/zimny-semester-2024/prednasky-a-cvicenia/prednaska-01.rm", "/"},  // not at '-'
      {"Cesta /tmp/zimny-semester-2024/prednasky-a-cvicenia/ je už hotová"_cp1250, " /"},
      {std::string(90, 'a'), ""},
      {"/tmp/" + std::string(60, 'b') + "/x.rm", "", 4},  // the long name broken too
  };
  window_->Show();
  for (const Case& c : cases) {
    memo_->Clear();
    memo_->Append(c.line);
    std::vector<std::string> rows = ShownRows(memo_);
    EXPECT_GE(rows.size(), c.rows_at_least) << c.line;
    EXPECT_EQ(c.line, Joined(rows));
    for (size_t i = 0; !c.row_ends.empty() && i + 1 < rows.size(); ++i) {
      EXPECT_NE(std::string::npos, c.row_ends.find(rows[i].back())) << rows[i];
    }
    EXPECT_FALSE(ScrollBarsOf(memo_).horizontal) << c.line;
    EXPECT_EQ((std::vector<std::string>{c.line}), memo_->lines());
  }
}

TEST_F(ToolkitTest, MemoScrollsEachNewLineIntoView) {
  window_->Show();
  memo_->Append("first");
  EXPECT_FALSE(ScrollBarsOf(memo_).vertical);
  EXPECT_TRUE(LastRowInView(memo_));
  for (int i = 2; i <= 8; ++i) memo_->Append("line " + std::to_string(i));
  EXPECT_TRUE(ScrollBarsOf(memo_).vertical);
  EXPECT_FALSE(ScrollBarsOf(memo_).horizontal);
  EXPECT_TRUE(LastRowInView(memo_));

  testing::ScrollToFirstRow(memo_);  // the user reads back
  ASSERT_FALSE(LastRowInView(memo_));
  memo_->Append("line 9");
  EXPECT_TRUE(LastRowInView(memo_));

  window_->Close();
  for (int i = 9; i <= 20; ++i) memo_->Append("hidden line " + std::to_string(i));
  window_->Show();
  EXPECT_EQ("hidden line 20", ShownRows(memo_).back());
  EXPECT_TRUE(LastRowInView(memo_));
}

TEST_F(ToolkitTest, MemoTakesNoTypingAndCopiesTheLinesAsAppended) {
  const std::string path = "C:\\kurz\\lekcia\\prednaska s dlhým názvom.rm"_cp1250;
  window_->Show();
  memo_->Append("Vybraný adresár:"_cp1250);
  memo_->Append(path);
  std::vector<std::string> rows = ShownRows(memo_);
  testing::TypeInto(memo_, "xš");
  EXPECT_EQ(rows, ShownRows(memo_));
  EXPECT_EQ("Vybraný adresár:\n"_cp1250 + path, testing::CopyAll(memo_));
}

}  // namespace
}  // namespace orvello::ui
