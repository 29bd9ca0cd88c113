// Publishes a copy of the bundled example with --wait: the whole way from the command line
// through the run, the script runner and the stand-in recording tool.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "test_util.h"

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

class PublishExampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    example_ = dir_.path() + "/examples";
    out_ = dir_.path() + "/out";
    fs::copy(ORVELLO_SOURCE_DIR "/examples", example_, fs::copy_options::recursive);
    fs::create_directories(out_);
    testing::RemovePlayerFiles(example_ + "/Style");  // the player has tests of its own
    // The example's own style files when it has them, stand-ins until then.
    for (const char* name : {"p00.htm", "f00.htm", "n00.htm", "problems.htm", "freeplayer_g2.gif",
                             "web.gif", "video.gif"}) {
      std::string path = example_ + "/Style/" + name;
      if (!fs::exists(path)) WriteFileBytes(path, std::string("placeholder ") + name);
    }
  }

  int Publish(const std::string& producer) {
    std::ostringstream out, err;
    int status = RunCli({"publish", "--media", example_ + "/lecture/prednaska.rm", "--out", out_,
                         "--style", example_ + "/Style", "--producer", producer, "--wait"},
                        out, err);
    out_text_ = out.str();
    err_text_ = err.str();
    return status;
  }
  std::string Out(const std::string& name) const { return ReadFileBytes(out_ + "/" + name); }

  ScopedTempDir dir_;
  std::string example_, out_, out_text_, err_text_;
};

TEST_F(PublishExampleTest, WaitRunsBothScriptsThroughTheStandIn) {
  ASSERT_EQ(Publish(example_ + "/Producer"), kExitSuccess) << err_text_;
  EXPECT_EQ(out_text_, "On line prednaska: OK\n");
  EXPECT_EQ(err_text_,
            "orvello-cli: kopiruj: exit status 0\n"
            "orvello-cli: proces: exit status 0\n");
  for (const char* name :
       {"slide01.jpg", "slide02.gif", "klip.avi", "slide04.png", "slide06.jpg"}) {
    EXPECT_EQ(Out(name), ReadFileBytes(example_ + "/lecture/" + name)) << name;
  }
  for (const char* name : {"problems.htm", "freeplayer_g2.gif", "web.gif", "video.gif"})
    EXPECT_EQ(Out(name), ReadFileBytes(example_ + "/Style/" + name)) << name;
  EXPECT_EQ(Out("prednaska.rm"), ReadFileBytes(example_ + "/lecture/prednaska.rm"));
  EXPECT_FALSE(fs::exists(out_ + "/Skus.txt"));
  EXPECT_FALSE(fs::exists(out_ + "/kopiruj.bat"));
  EXPECT_FALSE(fs::exists(out_ + "/stranka.htm")) << "HTML segments are not copied";
  EXPECT_TRUE(fs::exists(out_ + "/proces.bat"));
}

// The pages show a slide as "slides/s.jpg"; the copy once put it at "out/s.jpg".
TEST_F(PublishExampleTest, SlidesInSubFoldersArePublishedWhereThePagesLookForThem) {
  fs::create_directories(example_ + "/lecture/slides/deep");
  WriteFileBytes(example_ + "/lecture/slides/s.jpg", "S");
  WriteFileBytes(example_ + "/lecture/slides/deep/t.gif", "T");
  std::string timing = ReadFileBytes(example_ + "/lecture/prednaska.txt");
  WriteFileBytes(example_ + "/lecture/prednaska.txt",
                 timing +
                     "00:00:14 00:00:14 P slides/s.jpg\r\n00:00:14 00:00:14 P "
                     "slides/deep/t.gif\r\n");
  ASSERT_EQ(Publish(example_ + "/Producer"), kExitSuccess) << err_text_;
  EXPECT_EQ(Out("slides/s.jpg"), "S");
  EXPECT_EQ(Out("slides/deep/t.gif"), "T");
  EXPECT_FALSE(fs::exists(out_ + "/s.jpg"));
  EXPECT_NE(Out("sld08.htm").find("slides/s.jpg"), std::string::npos);
}

// The output folder may come with the lecture, links included: neither the run nor its scripts
// write through one. A link for a sub-folder the run needs stops the run before any copy.
TEST_F(PublishExampleTest, PlantedLinksInTheOutputFolderAreNeverWrittenThrough) {
  const std::string victims = dir_.path() + "/home";
  fs::create_directories(victims);
  for (const char* name : {"Skus.txt", "p01.htm", "slide01.jpg", "web.gif"}) {
    WriteFileBytes(victims + "/" + name, "precious");
    fs::create_symlink(victims + "/" + name, out_ + "/" + name);
  }
  fs::create_symlink(victims + "/new.txt", out_ + "/event.txt");
  ASSERT_EQ(Publish(example_ + "/Producer"), kExitSuccess) << err_text_;
  for (const char* name : {"Skus.txt", "p01.htm", "slide01.jpg", "web.gif"})
    EXPECT_EQ(ReadFileBytes(victims + "/" + name), "precious") << name;
  EXPECT_FALSE(fs::exists(victims + "/new.txt"));
  EXPECT_EQ(Out("slide01.jpg"), ReadFileBytes(example_ + "/lecture/slide01.jpg"));
  EXPECT_EQ(Out("web.gif"), ReadFileBytes(example_ + "/Style/web.gif"));
  EXPECT_FALSE(fs::is_symlink(out_ + "/p01.htm"));

  fs::create_directories(example_ + "/lecture/slides");
  WriteFileBytes(example_ + "/lecture/slides/s.jpg", "S");
  WriteFileBytes(example_ + "/lecture/prednaska.txt", "00:00:00 00:00:14 P slides/s.jpg\r\n");
  fs::create_directory_symlink(victims, out_ + "/slides");
  EXPECT_EQ(Publish(example_ + "/Producer"), kExitIoError);
  EXPECT_EQ(err_text_, "orvello-cli: " + out_ + "/slides: File access denied.\n");
  EXPECT_FALSE(fs::exists(victims + "/s.jpg"));
}

// The run's message stays as it is; the check before it says that the tool is missing.
TEST_F(PublishExampleTest, AFailedScriptEndsWithStatusThree) {
  fs::create_directories(dir_.path() + "/NoTool");
  EXPECT_EQ(Publish(dir_.path() + "/NoTool"), kExitScriptFailed);
  EXPECT_EQ(out_text_, "On line prednaska: OK\n");
  EXPECT_EQ(err_text_, dir_.path() +
                           "/NoTool/rmevents: error: there is no such program; proces.bat "
                           "cannot process the recording, though the run says OK\n"
                           "1 error, 0 warnings\n"
                           "orvello-cli: kopiruj: exit status 0\n"
                           "orvello-cli: proces: exit status 1\n");
  EXPECT_FALSE(fs::exists(out_ + "/prednaska.rm"));
}

}  // namespace
}  // namespace orvello::cli
