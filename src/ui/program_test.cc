#include "ui/program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "core/segment_table.h"
#include "platform/real_disk.h"
#include "test_util.h"
#include "ui_test_util.h"

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

// Captions are measured in the fonts the controls draw them with, so a change of font that would
// clip one fails here.
TEST_F(ProgramTest, EveryCaptionFitsItsControl) {
  // The editor's number button at the widest number it shows.
  program_->Form6.Button8->SetCaption(std::to_string(core::kMaxSegments));
  int captions = 0;
  for (Window* window : Windows()) {
    window->Show();
    for (Control* control : testing::ControlsOf(*window)) {
      std::string caption;
      if (auto* button = dynamic_cast<Button*>(control)) caption = button->caption();
      if (auto* label = dynamic_cast<Label*>(control)) caption = label->caption();
      if (caption.empty()) continue;
      ++captions;
      EXPECT_LE(testing::CaptionWidth(control), testing::CaptionRoom(control))
          << window->caption() << ": " << caption;
    }
  }
  EXPECT_EQ(13 + 3 * 2 + 10, captions);  // the main window, the pickers, the editor

  // A caption one word too long for its button, as a larger font would make it, does not fit.
  std::unique_ptr<Window> window = app_->CreateWindow();
  Button* button = window->AddButton({0, 0, 100, 33}, "Uložiť nastavenia všetky"_cp1250);
  Label* label = window->AddLabel({0, 40, 84, 16}, "Výstupný adresár:"_cp1250);
  window->Show();
  EXPECT_GT(testing::CaptionWidth(button), testing::CaptionRoom(button));
  EXPECT_GT(testing::CaptionWidth(label), testing::CaptionRoom(label));
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
