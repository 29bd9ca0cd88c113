#include "ui/directory_picker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "core/script_starter.h"
#include "platform/real_disk.h"
#include "test_util.h"
#include "ui/Strih02.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace orvello::ui {
namespace {

using testing::Click;

constexpr auto& kHeading = "Vybraný adresár:"_cp1250;

struct PickerCase {
  const char* name;
  std::function<std::unique_ptr<DirectoryPicker>(Application&, TForm1&)> make;
  std::function<Edit*(TForm1&)> field;
  const char* caption;
  const char* ok;
};

void PrintTo(const PickerCase& picker, std::ostream* out) { *out << picker.name; }

const PickerCase kPickers[] = {
    {"TForm3",
     [](Application& app, TForm1& main) { return std::make_unique<TForm3>(app, main.Edit4); },
     [](TForm1& main) { return main.Edit4; }, "Výber Style adresáru"_cp1250, "OK"},
    {"TForm4",
     [](Application& app, TForm1& main) { return std::make_unique<TForm4>(app, main.Edit5); },
     [](TForm1& main) { return main.Edit5; }, "Adresár pre prednášku"_cp1250, "Ok"},
    {"TForm5",
     [](Application& app, TForm1& main) { return std::make_unique<TForm5>(app, main.Edit2); },
     [](TForm1& main) { return main.Edit2; }, "Výber adresár RealProduceru"_cp1250, "Ok"},
};

class DirectoryPickerTest : public ::testing::TestWithParam<PickerCase> {
 protected:
  void SetUp() override {
    fs::create_directories(fs::path(temp_.path()) / "kurz" / "lekcia");
    fs::current_path(temp_.path());
    main_ = std::make_unique<TForm1>(*app_, *disk_, starter_, [](const std::string&) {});
    picker_ = GetParam().make(*app_, *main_);
    field_ = GetParam().field(*main_);
    main_->Show();
    errors_.clear();  // the main window found no settings
  }
  void TearDown() override {
    picker_.reset();
    main_.reset();
    fs::current_path(saved_);
  }

  // Double-clicks the line `text` of the directory list, as the user would.
  void Open(const char* text) {
    ASSERT_TRUE(testing::OpenDirectory(picker_->DirectoryListBox1, text)) << text;
  }
  // `name` in the temporary folder.
  std::string Here(const std::string& name) { return testing::PathIn(temp_.path(), name); }

  fs::path saved_ = fs::current_path();
  orvello::testing::ScopedTempDir temp_;
  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = testing::MakeTestApplication(&errors_);
  std::unique_ptr<core::DiskInterface> disk_ = platform::MakeRealDisk();
  core::NoScriptStarter starter_;
  std::unique_ptr<TForm1> main_;
  std::unique_ptr<DirectoryPicker> picker_;
  Edit* field_ = nullptr;
};

TEST_P(DirectoryPickerTest, IsBuiltHiddenWithItsTexts) {
  EXPECT_FALSE(picker_->window().visible());
  EXPECT_EQ(GetParam().caption, picker_->window().caption());
  EXPECT_EQ((Bounds{0, 0, 285, 365}), testing::ShownBounds(&picker_->window()));
  EXPECT_EQ(GetParam().ok, picker_->Button1->caption());
  EXPECT_EQ("Cancel", picker_->Button2->caption());
  EXPECT_EQ(std::vector<std::string>{kHeading}, picker_->Memo1->lines());
  // OK and Cancel right of the memo, the drive list below them, the directory list below it.
  Bounds memo = picker_->Memo1->bounds();
  Bounds ok = picker_->Button1->bounds();
  Bounds cancel = picker_->Button2->bounds();
  Bounds drives = picker_->DriveComboBox1->bounds();
  Bounds list = picker_->DirectoryListBox1->bounds();
  EXPECT_LE(memo.left + memo.width, ok.left);
  EXPECT_EQ(ok.left, cancel.left);
  EXPECT_LE(ok.top + ok.height, cancel.top);
  EXPECT_LE(cancel.top + cancel.height, drives.top);
  EXPECT_LE(drives.top + drives.height, list.top);
  EXPECT_LE(list.top + list.height, 365);
  EXPECT_LE(drives.left + drives.width, 285);
  EXPECT_TRUE(errors_.empty());
}

TEST_P(DirectoryPickerTest, OkWithoutBrowsingCopiesTheStartingDirectory) {
  picker_->Show();
  Click(picker_->Button1);
  EXPECT_EQ(temp_.path(), field_->text());
  EXPECT_FALSE(picker_->window().visible());
  EXPECT_TRUE(main_->window().visible());
}

TEST_P(DirectoryPickerTest, CancelLeavesTheFieldButKeepsTheBrowsedDirectory) {
  std::string before = field_->text();
  picker_->Show();
  Open("kurz");
  EXPECT_EQ((std::vector<std::string>{kHeading, Here("kurz")}), picker_->Memo1->lines());
  Click(picker_->Button2);
  EXPECT_EQ(before, field_->text());
  EXPECT_FALSE(picker_->window().visible());
  EXPECT_EQ(fs::path(temp_.path()) / "kurz", fs::current_path());

  picker_->Show();  // shows the directory chosen last time
  Open("lekcia");
  Click(picker_->Button1);
  EXPECT_EQ(Here("kurz/lekcia"), field_->text());
}

TEST_P(DirectoryPickerTest, ChangingTheDriveMovesTheListAndTheMemo) {
  picker_->Show();
  std::vector<std::string> drives = picker_->DriveComboBox1->drives();
  std::string start = picker_->DriveComboBox1->drive();
  ASSERT_FALSE(drives.empty());
  EXPECT_NE(drives.end(), std::find(drives.begin(), drives.end(), start)) << start;
  std::string other;
  for (const std::string& drive : drives) {
    if (drive != start && fs::is_directory(drive)) other = drive;
  }
  if (other.empty()) GTEST_SKIP() << "only one file system is mounted";
  picker_->DriveComboBox1->SetDrive(other);
  EXPECT_EQ(other, picker_->DirectoryListBox1->directory());
  EXPECT_EQ((std::vector<std::string>{kHeading, other}), picker_->Memo1->lines());
  picker_->DriveComboBox1->SetDrive(start);  // back where the list was on that drive
  EXPECT_EQ(temp_.path(), picker_->DirectoryListBox1->directory());
}

TEST_P(DirectoryPickerTest, ALongPathWrapsAfterItsSeparatorsAndStaysInView) {
  fs::path deep = fs::path(temp_.path()) / "prednasky" / "zimny-semester" / "2024" / "tyzden-12" /
                  "zaznamy" / "hotove";
  fs::create_directories(deep);
  picker_->Show();
  ASSERT_TRUE(picker_->DirectoryListBox1->SetDirectory(deep.string()));
  std::vector<std::string> rows = testing::ShownRows(picker_->Memo1);
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(kHeading, rows[0]);
  std::vector<std::string> path_rows(rows.begin() + 1, rows.end());
  EXPECT_EQ(deep.string(), testing::Joined(path_rows));
  for (size_t i = 0; i + 1 < path_rows.size(); ++i) {
    EXPECT_EQ(platform::kPathSeparator, path_rows[i].back());
  }
  EXPECT_FALSE(testing::ScrollBarsOf(picker_->Memo1).horizontal);
  EXPECT_TRUE(testing::LastRowInView(picker_->Memo1));
}

TEST_P(DirectoryPickerTest, RelativeFieldsFollowTheDirectoryBrowsedToLast) {
  fs::path lecture = fs::path(temp_.path()) / "kurz" / "a.rm";
  orvello::testing::WriteFileBytes(lecture.string(), "");
  main_->Edit1->SetText("a.rm");
  picker_->Show();
  Open("kurz");
  Click(picker_->Button2);  // even after Cancel
  Click(main_->Button9);
  Click(main_->Button9);
  // Both presses found kurz/a.rm, so neither left a message; back in the start folder, it is gone.
  EXPECT_TRUE(main_->Memo1->lines().empty());
  fs::current_path(temp_.path());
  Click(main_->Button9);
  EXPECT_EQ(std::vector<std::string>{"3: Najprv nastavte Media súbor."_cp1250},
            main_->Memo1->lines());
}

INSTANTIATE_TEST_SUITE_P(Pickers, DirectoryPickerTest, ::testing::ValuesIn(kPickers),
                         [](const ::testing::TestParamInfo<PickerCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace orvello::ui
