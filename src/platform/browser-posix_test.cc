#include "platform/browser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

// A fake xdg-open on the PATH that writes its arguments into a file next to it.
class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    saved_cwd_ = fs::current_path();
    std::string opener = temp_.path() + "/xdg-open";
    testing::WriteFileBytes(opener, "#!/bin/sh\nprintf '%s|' \"$@\" > \"" + temp_.path() +
                                        "/args.tmp\"\nmv \"" + temp_.path() + "/args.tmp\" \"" +
                                        temp_.path() + "/args\"\n");
    chmod(opener.c_str(), 0755);
    setenv("PATH", (temp_.path() + ":/usr/bin:/bin").c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", saved_path_.c_str(), 1);
    fs::current_path(saved_cwd_);
  }

  // What the fake opener was given, once it has run.
  std::string ArgumentsWhenDone() {
    for (int i = 0; i < 2000 && !fs::exists(temp_.path() + "/args"); ++i) usleep(5000);
    return testing::ReadFileBytes(temp_.path() + "/args");
  }

  // True once no child of this process is left as a zombie.
  static bool NoZombieChildren() {
    for (int i = 0; i < 2000; ++i) {
      bool zombie = false;
      for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        zombie = zombie || (parent == getpid() && state == 'Z');
      }
      if (!zombie) return true;
      usleep(5000);
    }
    return false;
  }

  testing::ScopedTempDir temp_;
  std::string saved_path_;
  fs::path saved_cwd_;
};

TEST_F(BrowserTest, GivesTheOpenerTheAbsolutePathAndLeavesNoZombie) {
  fs::create_directory(temp_.path() + "/Style");
  fs::current_path(temp_.path());
  std::string err;
  // "Style/pomoc nápoveda.htm": converted to the system's UTF-8 and made absolute, one argument.
  ASSERT_TRUE(
      OpenInBrowser("Style/pomoc n\xE1pove"
                    "da.htm",
                    &err))
      << err;
  EXPECT_EQ(temp_.path() +
                "/Style/pomoc n\xC3\xA1pove"
                "da.htm|",
            ArgumentsWhenDone());
  EXPECT_TRUE(NoZombieChildren());
}

TEST_F(BrowserTest, SaysWhyWhenThereIsNoOpener) {
  setenv("PATH", (temp_.path() + "/nothing").c_str(), 1);
  std::string err;
  EXPECT_FALSE(OpenInBrowser("/pomoc.htm", &err));
  EXPECT_EQ("cannot start xdg-open on '/pomoc.htm': No such file or directory", err);
}

}  // namespace
}  // namespace orvello::platform
