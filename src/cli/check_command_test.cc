// Checks a copy of the bundled example, sound and broken, the whole way from the command line.
#include "cli/check_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "platform/real_disk.h"
#include "test_util.h"

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

// One broken line of each common kind; line 4 is swallowed by line 3.
constexpr char kBrokenTiming[] =
    "00:00:00 00:00:02 P slide01.jpg\r\n"
    "0:00:02 00:00:04 P slide02.gif\r\n"
    "00:00:04\r\n"
    "00:00:04 00:00:06 V klip.avi\r\n"
    "00:00:06 00:00:08 P slide03.png\r\n"
    "00:00:08 00:00:10 h stranka.htm\r\n"
    "00:00:10 00:00:12 P tabu\xBEka.htm\r\n"
    "00:00:13 00:00:12 P slide06.jpg\r\n"
    "00:00:12 00:00:20 V klip.avi\r\n";

class CheckCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(ORVELLO_SOURCE_DIR "/examples", dir_.path(), fs::copy_options::recursive);
    previous_ = fs::current_path();
    fs::current_path(dir_.path());
    testing::RemovePlayerFiles("Style");  // the player's findings have tests of their own
    // Windows finds the stand-in recording tool as rmevents.exe, which is built elsewhere; the
    // scripts never start here.
    if (platform::kPathSeparator == '\\') WriteFileBytes("Producer/rmevents.exe", "");
  }
  void TearDown() override { fs::current_path(previous_); }

  int Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = RunCli(args, out, err);
    out_ = out.str();
    err_ = err.str();
    // The findings name paths with the system's separator; the expectations write '/'.
    for (std::string* text : {&out_, &err_})
      std::replace(text->begin(), text->end(), platform::kPathSeparator, '/');
    return status;
  }
  // Every file under the copy with its size, to show that the check writes nothing.
  static std::string Listing() {
    std::string listing;
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
      listing += entry.path().string();
      if (entry.is_regular_file()) listing.append(" ").append(std::to_string(entry.file_size()));
      listing += "\n";
    }
    return listing;
  }
  void Break() {
    WriteFileBytes("lecture/prednaska.txt", kBrokenTiming);
    fs::remove("Style/web.gif");
  }

  ScopedTempDir dir_;
  fs::path previous_;
  std::string out_, err_;
};

const char kBrokenFindings[] =
    "lecture/prednaska.txt:2: error: start \"0:00:02 \" and end \"0:00:04 \" are not times "
    "HH:MM:SS with minutes and seconds below 60; the run reads start \"0:00:02 \", end \"0:00:04 "
    "\", type \" \", file \"lide02.gif\"\n"
    "lecture/prednaska.txt:3: error: the line is shorter than \"HH:MM:SS HH:MM:SS T FILE\", so "
    "the run reads it together with line 4 as start \"00:00:04\", end \"\", type \"0\", file "
    "\":00:04 00:00:06 V klip.avi\"\n"
    "lecture/prednaska.txt:3: error: the run refuses the lecture: Súbor segmentu 3 „:00:04 "
    "00:00:06 V klip.avi“ má v mene dvojbodku, ktorá vo Windows oddeľuje meno súboru od mena "
    "jeho dátového prúdu.\n"
    "lecture/prednaska.txt:5: error: \"slide03.png\" is not in the recording's folder; the copy "
    "script copies nothing for it\n"
    "lecture/prednaska.txt:6: warning: type \"h\" publishes the segment as a picture; an HTML "
    "page is type \"H\"\n"
    "lecture/prednaska.txt:7: warning: type \"P\" publishes a picture, but \"tabuľka.htm\" looks "
    "like an HTML page\n"
    "lecture/prednaska.txt:8: warning: the segment ends at 00:00:12, before it starts at "
    "00:00:13\n"
    "lecture/prednaska.txt:8: warning: the segment starts at 00:00:13, but the one before it "
    "(line 7) ends at 00:00:12: a gap\n"
    "lecture/prednaska.txt:9: warning: the segment ends at 00:00:20, after the recording ends at "
    "00:00:14.016\n"
    "Style/web.gif: error: the style folder has no such file; the copy script copies nothing for "
    "it\n"
    "5 errors, 5 warnings\n";

TEST_F(CheckCommandTest, TheExampleHasNoFindings) {
  EXPECT_EQ(Run({"check", "--media", "lecture/prednaska.rm", "--style", "Style"}), kExitSuccess);
  EXPECT_EQ(out_, "0 errors, 0 warnings\n");
  EXPECT_EQ(err_, "");
}

TEST_F(CheckCommandTest, ABrokenCopyIsReportedLineByLine) {
  Break();
  std::string before = Listing();
  EXPECT_EQ(Run({"check", "--media", "lecture/prednaska.rm", "--style", "Style"}), kExitRefused);
  EXPECT_EQ(out_, kBrokenFindings);
  EXPECT_EQ(err_, "");
  EXPECT_EQ(Listing(), before);
}

TEST_F(CheckCommandTest, PublishShowsTheFindingsOnStandardErrorOnly) {
  Break();
  fs::create_directories("out");
  EXPECT_EQ(Run({"publish", "--media", "lecture/prednaska.rm", "--out", "out", "--style", "Style",
                 "--producer", "Producer", "--no-start"}),
            kExitRefused);
  EXPECT_EQ(out_,
            "1: Súbor segmentu 3 „:00:04 00:00:06 V klip.avi“ má v mene dvojbodku, ktorá vo "
            "Windows oddeľuje meno súboru od mena jeho dátového prúdu.\n");
  EXPECT_EQ(err_, kBrokenFindings);
}

// The run reports success before proces.bat starts the recording tool, so only the check can
// say that the tool is missing; publish shows it before its own message line.
TEST_F(CheckCommandTest, ARecordingToolThatCannotRunIsAnError) {
  const std::string media = "lecture/prednaska.rm";
  EXPECT_EQ(Run({"check", "--media", media, "--producer", "Producer"}), kExitSuccess) << out_;
  EXPECT_EQ(out_, "0 errors, 0 warnings\n");
  const char kConsequence[] = "; proces.bat cannot process the recording, though the run says OK\n";
  fs::create_directories("NoTool");
  std::vector<std::pair<std::string, std::string>> cases = {
      {"NoTool", "NoTool/rmevents: error: there is no such program"}};
  if (platform::kPathSeparator == '/') {  // Windows runs what it finds
    fs::create_directories("Folder/rmevents");
    fs::permissions("Producer/rmevents", fs::perms::owner_read | fs::perms::owner_write);
    cases.push_back(
        {"Producer", "Producer/rmevents: error: this is not a program that may be run"});
    cases.push_back({"Folder", "Folder/rmevents: error: this is not a program that may be run"});
  }
  for (const auto& [producer, finding] : cases) {
    EXPECT_EQ(Run({"check", "--media", media, "--producer", producer}), kExitRefused) << producer;
    EXPECT_EQ(out_, finding + kConsequence + "1 error, 0 warnings\n");
  }
  fs::create_directories("out");
  EXPECT_EQ(Run({"publish", "--media", media, "--out", "out", "--style", "Style", "--producer",
                 "NoTool", "--no-start"}),
            kExitSuccess);
  EXPECT_EQ(out_, "On line prednaska: OK\n");
  EXPECT_EQ(err_, cases.front().second + kConsequence + "1 error, 0 warnings\n");
  Break();  // the tool comes first, where the shortened list before publishing keeps it
  Run({"publish", "--media", media, "--out", "out", "--style", "Style", "--producer", "NoTool",
       "--no-start"});
  EXPECT_TRUE(err_.starts_with(cases.front().second + kConsequence)) << err_;
}

// Hundreds of findings would bury the run's own lines: publish shows the first twenty of what
// check lists, then how many it left out and how to list them all.
TEST_F(CheckCommandTest, PublishShowsAtMostTwentyFindings) {
  const std::string how =
      " more: orvello-cli check --media lecture/prednaska.rm --style Style "
      "lists them all\n";
  const struct {
    int segments;  // each with 3 warnings and 1 error
    std::string more;
  } cases[] = {{5, ""}, {6, "… and 4" + how}, {250, "… and 980" + how}};
  fs::create_directories("out");
  for (const auto& c : cases) {
    std::string timing;
    for (int i = 0; i < c.segments; ++i) timing += "00:00:20 00:00:20 X #.jpg\r\n";
    WriteFileBytes("lecture/prednaska.txt", timing);
    ASSERT_EQ(Run({"check", "--media", "lecture/prednaska.rm", "--style", "Style"}), kExitRefused);
    const std::string summary =
        std::to_string(c.segments) + " errors, " + std::to_string(3 * c.segments) + " warnings\n";
    ASSERT_TRUE(out_.ends_with(summary)) << out_;
    size_t twenty = 0;
    for (int line = 0; line < 20; ++line) twenty = out_.find('\n', twenty) + 1;
    const std::string first_twenty = out_.substr(0, twenty);

    EXPECT_EQ(Run({"publish", "--media", "lecture/prednaska.rm", "--out", "out", "--style", "Style",
                   "--producer", "Producer", "--no-start"}),
              kExitSuccess);
    EXPECT_EQ(out_, "On line prednaska: OK\n");
    EXPECT_EQ(err_, first_twenty + c.more + summary) << c.segments;
    EXPECT_LE(std::count(err_.begin(), err_.end(), '\n'), 22) << c.segments;
  }
}

TEST_F(CheckCommandTest, WarningsAloneSucceedAndAMissingTimingFileIsAnIoError) {
  WriteFileBytes("lecture/prednaska.txt", "00:00:00 00:00:20 P slide01.jpg\r\n");
  EXPECT_EQ(Run({"check", "--media=lecture/prednaska.rm"}), kExitSuccess);
  EXPECT_EQ(out_,
            "lecture/prednaska.txt:1: warning: the segment ends at 00:00:20, after the recording "
            "ends at 00:00:14.016\n"
            "0 errors, 1 warning\n");
  fs::remove("lecture/prednaska.txt");
  EXPECT_EQ(Run({"check", "--media", "lecture/prednaska.rm"}), kExitIoError);
  EXPECT_EQ(out_, "");
  EXPECT_EQ(err_, "orvello-cli check: lecture/prednaska.txt: File not found.\n");
}

}  // namespace
}  // namespace orvello::cli
