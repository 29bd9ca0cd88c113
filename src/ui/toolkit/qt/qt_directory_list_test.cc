#include "ui/toolkit/qt/qt_directory_list.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QListWidget>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "test_util.h"
#include "ui/toolkit/qt/qt_application.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace orvello::ui::qt {
namespace {

class QtDirectoryListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(fs::path(temp_.path()) / "kurz" / "lekcia");
    fs::create_directories(fs::path(temp_.path()) / "kurz" / "úvod");
    fs::create_directories(fs::path(temp_.path()) / "kurz" / "日");
    fs::current_path(temp_.path());
    main_ = app_->CreateWindow();
    list_ = main_->AddDirectoryList({0, 0, 267, 265});
    list_->OnChange([this] { changes_.push_back(list_->directory()); });
    main_->Show();
  }
  void TearDown() override { fs::current_path(saved_); }

  QListWidget* widget() { return static_cast<QListWidget*>(WidgetOf(list_)); }
  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    for (int i = 0; i < widget()->count(); ++i) {
      lines.push_back(widget()->item(i)->text().toStdString());
    }
    return lines;
  }
  // Double-clicks the line reading `utf8`, as the user would.
  void Open(const char* utf8) { ASSERT_TRUE(ui::testing::OpenDirectory(list_, utf8)) << utf8; }
  std::string Cwd() { return fs::current_path().string(); }

  fs::path saved_ = fs::current_path();
  orvello::testing::ScopedTempDir temp_;
  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = ui::testing::MakeTestApplication(&errors_);
  std::unique_ptr<Window> main_;
  DirectoryList* list_ = nullptr;
  std::vector<std::string> changes_;
};

TEST_F(QtDirectoryListTest, StartsAtTheWorkingDirectory) {
  EXPECT_EQ(temp_.path(), list_->directory());
  EXPECT_EQ((std::vector<std::string>{temp_.path(), "..", "kurz"}), Lines());
}

TEST_F(QtDirectoryListTest, BrowsingChangesTheWorkingDirectoryAndRaisesOneChangeEach) {
  Open("kurz");
  Open("lekcia");
  Open("..");
  std::string kurz = temp_.path() + "/kurz";
  EXPECT_EQ((std::vector<std::string>{kurz, kurz + "/lekcia", kurz}), changes_);
  EXPECT_EQ(kurz, Cwd());
  // The folders in name order.
  EXPECT_EQ((std::vector<std::string>{kurz, "..", "lekcia", "úvod", "日"}), Lines());
}

TEST_F(QtDirectoryListTest, AFolderTheCodePageCannotNameIsGreyedAndCannotBeEntered) {
  Open("kurz");
  changes_.clear();
  Open("日");
  EXPECT_TRUE(changes_.empty());
  EXPECT_EQ(temp_.path() + "/kurz", Cwd());
  auto items = widget()->findItems(QString::fromUtf8("日"), Qt::MatchExactly);
  EXPECT_FALSE(items[0]->flags() & Qt::ItemIsEnabled);
  Open("úvod");
  EXPECT_EQ(std::vector<std::string>{temp_.path() + "/kurz/úvod"_cp1250}, changes_);
}

TEST_F(QtDirectoryListTest, SetDirectoryRefusesWhatIsNoFolder) {
  orvello::testing::WriteFileBytes(temp_.path() + "/file.txt", "x");
  EXPECT_FALSE(list_->SetDirectory(temp_.path() + "/missing"));
  EXPECT_FALSE(list_->SetDirectory(temp_.path() + "/file.txt"));
  EXPECT_TRUE(changes_.empty());
  EXPECT_EQ(temp_.path(), list_->directory());
  EXPECT_TRUE(list_->SetDirectory("kurz"));  // relative to the working directory
  EXPECT_EQ(std::vector<std::string>{temp_.path() + "/kurz"}, changes_);
  EXPECT_TRUE(list_->SetDirectory(temp_.path() + "/kurz"));  // no change, no event
  EXPECT_EQ(1u, changes_.size());
}

TEST_F(QtDirectoryListTest, SettingADriveShowsItsLastDirectory) {
  ASSERT_TRUE(list_->SetDirectory(temp_.path() + "/kurz"));
  std::string first_drive = DriveOf(QDir::currentPath(), DriveRoots()).toStdString();
  list_->SetDrive("/");
  if (first_drive == "/") {
    // One file system: setting the drive it is on keeps the directory.
    EXPECT_EQ(temp_.path() + "/kurz", list_->directory());
  } else {
    EXPECT_EQ("/", list_->directory());
    EXPECT_EQ("/", Cwd());
    list_->SetDrive(first_drive);
    EXPECT_EQ(temp_.path() + "/kurz", list_->directory());
  }
}

// A drive remembers the directories that lie on it, whatever drive was chosen last.
TEST_F(QtDirectoryListTest, ADriveThatCannotBeEnteredTakesNoDirectoryOfAnother) {
  ASSERT_TRUE(list_->SetDirectory(temp_.path() + "/kurz"));
  std::string drive = DriveOf(QDir::currentPath(), DriveRoots()).toStdString();
  list_->SetDrive(temp_.path() + "/missing");  // as an unreadable mount point would be
  EXPECT_EQ(temp_.path() + "/kurz", list_->directory());
  ASSERT_TRUE(list_->SetDirectory(temp_.path()));
  list_->SetDrive(drive);
  EXPECT_EQ(temp_.path(), list_->directory());
}

// A file mounted on its own (as containers mount /etc/hosts) is no drive.
TEST(DriveRoots, RootComesFirstEachIsAFolderAndTheLongestRootHoldsAPath) {
  QStringList roots = DriveRoots();
  ASSERT_FALSE(roots.isEmpty());
  EXPECT_EQ(QStringLiteral("/"), roots.first());
  for (const QString& root : roots) EXPECT_TRUE(QFileInfo(root).isDir()) << root.toStdString();
  QStringList some{QStringLiteral("/"), QStringLiteral("/media/usb"), QStringLiteral("/media")};
  EXPECT_EQ(QStringLiteral("/media/usb"), DriveOf(QStringLiteral("/media/usb/a"), some));
  EXPECT_EQ(QStringLiteral("/media"), DriveOf(QStringLiteral("/media/usb2"), some));
  EXPECT_EQ(QStringLiteral("/"), DriveOf(QStringLiteral("/home"), some));
}

}  // namespace
}  // namespace orvello::ui::qt
