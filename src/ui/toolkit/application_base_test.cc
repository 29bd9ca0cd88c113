#include "ui/toolkit/application_base.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "core/cp1250_literal.h"

namespace orvello::ui {
namespace {

// A window with no controls, which tells when it goes.
class BareWindow : public Window {
 public:
  explicit BareWindow(std::function<void(Window*)> on_destroyed)
      : on_destroyed_(std::move(on_destroyed)) {}
  ~BareWindow() override { on_destroyed_(this); }
  std::string caption() const override { return ""; }
  void SetCaption(const std::string&) override {}
  void SetSize(int, int) override {}
  int width() const override { return 0; }
  int height() const override { return 0; }
  void Show() override {}
  void Close() override {}
  bool visible() const override { return false; }
  Button* AddButton(const Bounds&, const std::string&) override { return nullptr; }
  Label* AddLabel(const Bounds&, const std::string&) override { return nullptr; }
  Edit* AddEdit(const Bounds&, const std::string&) override { return nullptr; }
  Memo* AddMemo(const Bounds&) override { return nullptr; }
  Frame* AddFrame(const Bounds&) override { return nullptr; }
  StringGrid* AddStringGrid(const Bounds&, int, int, int, int) override { return nullptr; }
  DriveList* AddDriveList(const Bounds&) override { return nullptr; }
  DirectoryList* AddDirectoryList(const Bounds&) override { return nullptr; }

 private:
  std::function<void(Window*)> on_destroyed_;
};

// A backend whose dialogs note what they show and give what the test put in `chosen`.
class FakeBackend : public ApplicationBase {
 public:
  int Run() override { return 0; }
  using ApplicationBase::main_window;

  std::optional<std::string> chosen;  // the user's answer to the file dialog; none: a cancel
  std::vector<std::string> dialogs;

 protected:
  std::unique_ptr<Window> MakeWindow(bool, std::function<void(Window*)> on_destroyed) override {
    return std::make_unique<BareWindow>(std::move(on_destroyed));
  }
  void ShowErrorDialog(const std::string& text) override { dialogs.push_back(text); }
  bool AskForFile(const std::string& filter, std::string* utf8) override {
    dialogs.push_back(filter);
    if (chosen) *utf8 = *chosen;
    return chosen.has_value();
  }
};

TEST(ApplicationBase, TheFirstWindowIsTheMainOneWhileItLivesAndNoLaterOne) {
  FakeBackend app;
  std::unique_ptr<Window> first = app.CreateWindow();
  std::unique_ptr<Window> second = app.CreateWindow();
  EXPECT_EQ(first.get(), app.main_window());
  first.reset();
  EXPECT_EQ(nullptr, app.main_window());
  std::unique_ptr<Window> third = app.CreateWindow();
  EXPECT_EQ(nullptr, app.main_window());
}

TEST(ApplicationBase, TheDialogsAnswerInWindows1250AndAnUnnamableFileIsAnError) {
  FakeBackend app;
  std::string path = "unchanged";
  app.chosen = "/lekcie/čas.rm";
  ASSERT_TRUE(app.RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_EQ("/lekcie/čas.rm"_cp1250, path);
  app.chosen = "/日😀/\xFF.rm";  // two characters the code page lacks and a malformed byte
  EXPECT_FALSE(app.RunFileOpenDialog("A|*.a", &path));
  app.chosen.reset();
  EXPECT_FALSE(app.RunFileOpenDialog("B|*.b", &path));
  app.SetNextFileName("/lekcie/a.rm");  // the test's answer takes the dialog's place once
  ASSERT_TRUE(app.RunFileOpenDialog("C|*.c", &path));
  EXPECT_EQ("/lekcie/a.rm", path);
  std::vector<std::string> recorded;
  app.SetErrorRecorder([&](const std::string& text) { recorded.push_back(text); });
  app.ShowError("Recorded.");
  EXPECT_EQ((std::vector<std::string>{"Rm files (*.rm)|*.rm", "A|*.a",
                                      "Cesta obsahuje znaky mimo kódovej stránky Windows-1250: "
                                      "/?\?/?.rm."_cp1250,
                                      "B|*.b"}),
            app.dialogs);
  EXPECT_EQ(std::vector<std::string>{"Recorded."}, recorded);
}

// The test seams refuse an application that no backend of the toolkit made.
TEST(ApplicationBase, BaseOfAnotherApplicationThrows) {
  struct Other : Application {
    std::unique_ptr<Window> CreateWindow() override { return nullptr; }
    void RunGuarded(const Handler&) override {}
    int Run() override { return 0; }
    void ShowError(const std::string&) override {}
    bool RunFileOpenDialog(const std::string&, std::string*) override { return false; }
  } other;
  FakeBackend ours;
  EXPECT_THROW(BaseOf(other), std::bad_cast);
  EXPECT_EQ(&ours, &BaseOf(ours));
}

}  // namespace
}  // namespace orvello::ui
