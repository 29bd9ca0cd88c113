#include "platform/browser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "platform/win32_text.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

const HKEY kRoots[] = {HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};

// `key` among the classes of `root`.
std::wstring ClassKey(HKEY root, const std::wstring& key) {
  return (root == HKEY_CURRENT_USER ? L"Software\\Classes\\" : L"") + key;
}

// Files ending in .orvellotest<process id> open with a command that copies the file it is given
// to "opened.txt" in the temporary folder: the shell's default action, as for a page. The type is
// registered for the user (where Windows looks first) and for the machine (where Wine looks); the
// process id keeps test runs at the same time apart.
class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Copied under another name first, so that "opened.txt" appears whole.
    std::wstring folder = WideFromUtf8(temp_.path());
    std::wstring command = L"cmd.exe /d /c copy /y \"%1\" \"" + folder +
                           L"\\opened.tmp\" && move /y \"" + folder + L"\\opened.tmp\" \"" +
                           folder + L"\\opened.txt\"";
    for (HKEY root : kRoots) {
      registered_ += SetValue(root, extension_, file_type_);
      registered_ += SetValue(root, file_type_ + L"\\shell\\open\\command", command);
    }
    ASSERT_GE(registered_, 2) << "cannot register the file type";
  }
  void TearDown() override {
    for (HKEY root : kRoots) {
      RegDeleteTreeW(root, ClassKey(root, extension_).c_str());
      RegDeleteTreeW(root, ClassKey(root, file_type_).c_str());
    }
  }
  // Sets the default value of `key` among `root`'s classes; 1 when it was set.
  static int SetValue(HKEY root, const std::wstring& key, const std::wstring& value) {
    return RegSetKeyValueW(root, ClassKey(root, key).c_str(), nullptr, REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size() * 2 + 2)) == ERROR_SUCCESS;
  }
  // What the command copied, once it has run. The file may appear before the move lets go of
  // it (seen under Wine on a busy machine), so it is read once it opens, not once it exists.
  std::string OpenedWhenDone() {
    const fs::path opened = fs::u8path(temp_.path() + "\\opened.txt");
    for (int i = 0; i < 6000; ++i) {
      std::ifstream in(opened, std::ios::binary);
      if (in) return std::string(std::istreambuf_iterator<char>(in), {});
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ADD_FAILURE() << "the command wrote no " << temp_.path() << "\\opened.txt";
    return "";
  }

  const std::wstring id_ = std::to_wstring(GetCurrentProcessId());
  const std::wstring extension_ = L".orvellotest" + id_;
  const std::wstring file_type_ = L"OrvelloTest.File" + id_;
  testing::ScopedTempDir temp_;
  int registered_ = 0;
};

TEST_F(BrowserTest, TheShellOpensTheFileByARelativeSlovakPath) {
  fs::path saved = fs::current_path();
  fs::create_directory(fs::u8path(temp_.path() + "\\Style"));
  std::string suffix = Utf8FromWide(extension_);
  testing::WriteFileBytes(temp_.path() + "\\Style\\pomoc n\xC3\xA1poveda" + suffix, "help");
  fs::current_path(fs::u8path(temp_.path()));
  std::string err;
  bool opened = OpenInBrowser("Style\\pomoc n\xE1poveda" + suffix, &err);  // "nápoveda"
  fs::current_path(saved);
  ASSERT_TRUE(opened) << err;
  EXPECT_EQ("help", OpenedWhenDone());
}

}  // namespace
}  // namespace orvello::platform
