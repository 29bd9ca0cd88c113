#include "ui/program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/real_disk.h"
#include "test_util.h"
#include "ui/ui_test_util.h"

namespace fs = std::filesystem;

namespace orvello::ui {
namespace {

using testing::Click;

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(fs::path(temp_.path()) / "Style");
    orvello::testing::WriteFileBytes(temp_.path() + "/Style/data.txt", "Style\r\nProducer");
    fs::current_path(temp_.path());
    program_ = std::make_unique<Program>(*app_, *disk_, starter_, [](const std::string&) {});
  }
  void TearDown() override {
    program_.reset();
    fs::current_path(saved_);
  }

  std::vector<Window*> Windows() {
    return {&program_->Form1.window(), &program_->Form3.window(), &program_->Form4.window(),
            &program_->Form5.window(), &program_->Form6.window()};
  }

  fs::path saved_ = fs::current_path();
  orvello::testing::ScopedTempDir temp_;
  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = testing::MakeTestApplication(&errors_);
  std::unique_ptr<core::DiskInterface> disk_ = platform::MakeRealDisk();
  core::NoScriptStarter starter_;
  std::unique_ptr<Program> program_;
};

TEST_F(ProgramTest, ShowsTheMainWindowOnlyAndEndsWhenItCloses) {
  std::vector<bool> shown;
  testing::RunSoon([&] {
    for (Window* window : Windows()) shown.push_back(window->visible());
    program_->Form3.Show();  // an open picker does not keep the program alive
    program_->Form1.window().Close();
  });
  EXPECT_EQ(0, program_->Run());
  EXPECT_EQ((std::vector<bool>{true, false, false, false, false}), shown);
  EXPECT_EQ("Style", program_->Form1.Edit4->text());
  EXPECT_TRUE(errors_.empty());
}

TEST_F(ProgramTest, EachOpenButtonShowsThePickerThatFillsItsField) {
  TForm1& main = program_->Form1;
  struct Case {
    Button* open;
    DirectoryPicker* picker;
    Edit* field;
  };
  const Case cases[] = {
      {main.Button6, &program_->Form3, main.Edit4},
      {main.Button7, &program_->Form4, main.Edit5},
      {main.Button8, &program_->Form5, main.Edit2},
  };
  main.Show();
  for (const Case& c : cases) {
    Click(c.open);
    for (const Case& other : cases) {
      EXPECT_EQ(&other == &c, other.picker->window().visible()) << c.picker->window().caption();
    }
    c.field->SetText("-");
    Click(c.picker->Button1);
    EXPECT_EQ(temp_.path(), c.field->text());
    for (Edit* field : {main.Edit1, main.Edit2, main.Edit3, main.Edit4, main.Edit5}) {
      if (field != c.field) {
        EXPECT_NE(temp_.path(), field->text());
      }
    }
    EXPECT_FALSE(c.picker->window().visible());
    c.field->SetText("-");
  }
}

TEST_F(ProgramTest, TheTimingEditorReadsTheMainWindowsMediaField) {
  orvello::testing::WriteFileBytes(temp_.path() + "/a.rm", "");
  orvello::testing::WriteFileBytes(temp_.path() + "/a.txt", "00:00:00 00:00:05 P a.jpg\r\n");
  TForm1& main = program_->Form1;
  main.Show();
  main.Edit1->SetText("a.rm");
  Click(main.Button9);
  ASSERT_TRUE(program_->Form6.window().visible());
  program_->Form6.Button5Click();
  EXPECT_EQ("a.jpg", program_->Form6.StringGrid1->cell(4, 1));
  EXPECT_TRUE(errors_.empty());
}

}  // namespace
}  // namespace orvello::ui
