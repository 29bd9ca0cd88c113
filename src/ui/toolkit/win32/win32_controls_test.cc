#include "ui/toolkit/win32/win32_controls.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "test_util.h"
#include "ui/toolkit/win32/win32_application.h"
#include "ui/toolkit/win32/win32_directory_list.h"
#include "ui/toolkit/win32/win32_string_grid.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace orvello::ui::win32 {
namespace {

using ui::testing::TypeInto;

class Win32ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { main_->Show(); }

  // Puts `text` on the clipboard and pastes it into `edit`, as Ctrl+V does.
  static void Paste(Edit* edit, const std::wstring& text) {
    HWND hwnd = HandleOf(edit);
    ASSERT_TRUE(OpenClipboard(hwnd));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(hwnd, EM_SETSEL, 0, -1);
    SendMessageW(hwnd, WM_PASTE, 0, 0);
  }

  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = ui::testing::MakeTestApplication(&errors_);
  std::unique_ptr<Window> main_ = app_->CreateWindow();
};

TEST_F(Win32ControlsTest, AFieldRefusesForeignCharactersTypedOrPasted) {
  Edit* edit = main_->AddEdit({0, 0, 200, 21}, "old");
  TypeInto(edit, "C:\\lekcia\\č日😀x");
  EXPECT_EQ("C:\\lekcia\\čx"_cp1250, edit->text());
  Paste(edit, L"\u65E5 pasted");
  EXPECT_EQ("C:\\lekcia\\čx"_cp1250, edit->text()) << "a paste is refused as a whole";
  Paste(edit, L"ďalší");
  EXPECT_EQ("ďalší"_cp1250, edit->text());
}

TEST_F(Win32ControlsTest, TheMemoWrapsAndScrollsOnlyWhenTheLinesDoNotFit) {
  auto* memo = static_cast<Win32Memo*>(main_->AddMemo({24, 176, 225, 49}));
  memo->Append("1: kratka");
  EXPECT_FALSE(memo->scroll_bar_shown());
  EXPECT_FALSE(GetWindowLongW(memo->hwnd(), GWL_STYLE) & WS_HSCROLL);
  memo->Append("2: Najprv nastavte Media súbor alebo výstupný adresár."_cp1250);
  memo->Append("3: a third line");
  EXPECT_TRUE(memo->scroll_bar_shown());
  EXPECT_GT(SendMessageW(memo->hwnd(), EM_GETLINECOUNT, 0, 0), 3) << "the long line wraps";
  EXPECT_GT(SendMessageW(memo->hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the last in sight";
  memo->Clear();
  EXPECT_FALSE(memo->scroll_bar_shown());
  EXPECT_TRUE(memo->lines().empty());
}

TEST_F(Win32ControlsTest, TheGridKeepsHiddenRowsAndTipsWhatDoesNotFit) {
  auto* grid =
      static_cast<Win32StringGrid*>(main_->AddStringGrid({8, 40, 377, 185}, 5, 100, 70, 15));
  grid->SetCell(3, 1, "P");
  grid->SetCell(3, 2, "klip ťažký na dlhé meno.avi"_cp1250);
  grid->SetCell(4, 2, "klip ťažký na dlhé meno.avi"_cp1250);
  grid->SetCell(4, 120, "hidden.jpg");
  EXPECT_EQ(L"", grid->TipOf(3, 1));
  EXPECT_EQ(L"klip ťažký na dlhé meno.avi", grid->TipOf(3, 2));
  EXPECT_EQ("hidden.jpg", grid->cell(4, 120));
  EXPECT_EQ("", grid->cell(3, 120));
  RECT hidden = grid->CellRect(4, 120);
  EXPECT_TRUE(IsRectEmpty(&hidden));
  grid->SetRowCount(121);
  EXPECT_TRUE(grid->Select(4, 120));
  RECT shown = grid->CellRect(4, 120);
  EXPECT_FALSE(IsRectEmpty(&shown)) << "selecting scrolls the row into view";
  EXPECT_FALSE(grid->Select(0, 5)) << "fixed cells are not selectable";
  EXPECT_FALSE(grid->Select(2, 0));
  EXPECT_EQ(4, grid->current_column());
  EXPECT_EQ(120, grid->current_row());
  grid->SetRowCount(50);
  EXPECT_EQ("hidden.jpg", grid->cell(4, 120));
  EXPECT_EQ(49, grid->current_row());
}

TEST_F(Win32ControlsTest, TheDirectoryListShowsThePathAsATreeAndGreysForeignNames) {
  orvello::testing::ScopedTempDir temp;
  fs::path saved = fs::current_path();
  fs::create_directories(fs::path(temp.path()) / "kurz" / u8"úvod");
  fs::create_directories(fs::path(temp.path()) / "kurz" / u8"日");
  fs::current_path(fs::path(temp.path()) / "kurz");
  auto* list = static_cast<Win32DirectoryList*>(main_->AddDirectoryList({8, 100, 269, 257}));
  std::vector<std::string> changes;
  list->OnChange([&] { changes.push_back(list->directory()); });
  std::vector<std::wstring> lines = list->lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(L"\\", lines.front().substr(lines.front().size() - 1)) << "the root first";
  EXPECT_EQ((std::vector<std::wstring>{L"kurz", L"úvod", L"日"}),
            std::vector<std::wstring>(lines.end() - 3, lines.end()));
  EXPECT_FALSE(ui::testing::OpenDirectory(list, "kurz/none"));
  EXPECT_TRUE(ui::testing::OpenDirectory(list, "日"));
  EXPECT_TRUE(changes.empty()) << "a folder the code page cannot name is not entered";
  EXPECT_TRUE(ui::testing::OpenDirectory(list, "úvod"));
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ(fs::path(temp.path()) / "kurz" / u8"úvod", fs::current_path());
  fs::current_path(saved);
}

}  // namespace
}  // namespace orvello::ui::win32
