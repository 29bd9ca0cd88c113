#include "core/batch_scripts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/process_run.h"
#include "lecture_state.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;
using testing::RunStateFor;

const std::vector<Segment> kMixedSegments = {
    {"00:00:00", "00:01:00", 'P', "slide01.jpg"},
    {"00:01:00", "00:02:00", 'H', "stranka.htm"},
    {"00:02:00", "00:03:00", 'h', "mala.htm"},
    {"00:03:00", "00:04:00", 'V', "my clip.avi"},
    {"00:04:00", "00:05:00", 'P',
     "tabu\xBE"
     "ka.jpg"},  // "tabuľka.jpg"
};

const RunFields kWindowsFields = {"C:\\lect\\a.rm", "C:\\RP", "", "C:\\Style", "C:\\out"};
const RunFields kPosixFields = {"/home/u/lect/a.rm", "/opt/RP", "", "/srv/Style", "/srv/out"};

TEST(WriteCopyScript, CopiesAllButHtmlSegmentsThenAssetsThenDeletes) {
  MemoryDisk disk('\\');
  WriteCopyScript(disk, RunStateFor(kWindowsFields, '\\', kMixedSegments));
  EXPECT_EQ(disk.created(), std::vector<std::string>{"C:\\out\\kopiruj.bat"});
  EXPECT_EQ(disk.Contents("C:\\out\\kopiruj.bat"),
            "Copy \"C:\\lect\\slide01.jpg\" \"C:\\out\"\r\n"
            "Copy \"C:\\lect\\mala.htm\" \"C:\\out\"\r\n"
            "Copy \"C:\\lect\\my clip.avi\" \"C:\\out\"\r\n"
            "Copy \"C:\\lect\\tabu\xBE"
            "ka.jpg\" \"C:\\out\"\r\n"
            "Copy \"C:\\Style\\problems.htm\" \"C:\\out\\\"\r\n"
            "Copy \"C:\\Style\\freeplayer_g2.gif\" \"C:\\out\\\"\r\n"
            "Copy \"C:\\Style\\web.gif\" \"C:\\out\\\"\r\n"
            "Copy \"C:\\Style\\video.gif\" \"C:\\out\\\"\r\n"
            "Del skus.txt\r\n"
            "Del kopiruj.bat\r\n");
}

TEST(WriteCopyScript, UsesThePlatformsSeparator) {
  MemoryDisk disk('/');
  WriteCopyScript(disk, RunStateFor(kPosixFields, '/', kMixedSegments));
  EXPECT_EQ(disk.Contents("/srv/out/kopiruj.bat"),
            "Copy \"/home/u/lect/slide01.jpg\" \"/srv/out\"\r\n"
            "Copy \"/home/u/lect/mala.htm\" \"/srv/out\"\r\n"
            "Copy \"/home/u/lect/my clip.avi\" \"/srv/out\"\r\n"
            "Copy \"/home/u/lect/tabu\xBE"
            "ka.jpg\" \"/srv/out\"\r\n"
            "Copy \"/srv/Style/problems.htm\" \"/srv/out/\"\r\n"
            "Copy \"/srv/Style/freeplayer_g2.gif\" \"/srv/out/\"\r\n"
            "Copy \"/srv/Style/web.gif\" \"/srv/out/\"\r\n"
            "Copy \"/srv/Style/video.gif\" \"/srv/out/\"\r\n"
            "Del skus.txt\r\n"
            "Del kopiruj.bat\r\n");
}

// A copy once put "slides/a.jpg" at "out/a.jpg", where the pages do not look for it. A name
// without a sub-folder keeps its line as it always was.
TEST(WriteCopyScript, ACopiedFileKeepsItsSubFolder) {
  const std::vector<Segment> segments = {{"00:00:00", "00:01:00", 'P', "slides/a.jpg"},
                                         {"00:01:00", "00:02:00", 'V', "clips\\deep/b.avi"},
                                         {"00:02:00", "00:03:00", 'P', "c.jpg"}};
  const struct {
    char separator;
    RunFields fields;
    const char* path;
    const char* lines;
  } cases[] = {
      {'/', kPosixFields, "/srv/out/kopiruj.bat",
       "Copy \"/home/u/lect/slides/a.jpg\" \"/srv/out/slides/a.jpg\"\r\n"
       "Copy \"/home/u/lect/clips\\deep/b.avi\" \"/srv/out/clips\\deep/b.avi\"\r\n"
       "Copy \"/home/u/lect/c.jpg\" \"/srv/out\"\r\n"},
      {'\\', kWindowsFields, "C:\\out\\kopiruj.bat",
       "Copy \"C:\\lect\\slides/a.jpg\" \"C:\\out\\slides\\a.jpg\"\r\n"
       "Copy \"C:\\lect\\clips\\deep/b.avi\" \"C:\\out\\clips\\deep\\b.avi\"\r\n"
       "Copy \"C:\\lect\\c.jpg\" \"C:\\out\"\r\n"},
  };
  for (const auto& c : cases) {
    MemoryDisk disk(c.separator);
    WriteCopyScript(disk, RunStateFor(c.fields, c.separator, segments));
    std::string script = disk.Contents(c.path);
    EXPECT_EQ(script.substr(0, script.find("Copy \"" + std::string(c.fields.style))), c.lines);
  }
}

TEST(WriteCopyScript, NoCopiedSegmentsLeaveTheAssetLinesAlone) {
  const std::vector<Segment> no_segments;
  const std::vector<Segment> all_html = {{"00:00:00", "00:01:00", 'H', "a.htm"},
                                         {"00:01:00", "00:02:00", 'H', "b.htm"}};
  for (const auto* segments : {&no_segments, &all_html}) {
    MemoryDisk disk('/');
    WriteCopyScript(disk, RunStateFor(kPosixFields, '/', *segments));
    EXPECT_EQ(disk.Contents("/srv/out/kopiruj.bat"),
              "Copy \"/srv/Style/problems.htm\" \"/srv/out/\"\r\n"
              "Copy \"/srv/Style/freeplayer_g2.gif\" \"/srv/out/\"\r\n"
              "Copy \"/srv/Style/web.gif\" \"/srv/out/\"\r\n"
              "Copy \"/srv/Style/video.gif\" \"/srv/out/\"\r\n"
              "Del skus.txt\r\n"
              "Del kopiruj.bat\r\n")
        << segments->size() << " segments";
  }
}

TEST(WriteProcessScript, RunsTheRecordingToolOnTheRecording) {
  struct Case {
    char separator;
    RunFields fields;
    const char* path;
    const char* expected;
  } cases[] = {
      {'\\', kWindowsFields, "C:\\out\\proces.bat",
       "\"C:\\RP\\rmevents\" -i \"C:\\lect\\a.rm\" -o \"C:\\out\\a.rm\" -e event.txt\r\n"},
      {'/', kPosixFields, "/srv/out/proces.bat",
       "\"/opt/RP/rmevents\" -i \"/home/u/lect/a.rm\" -o \"/srv/out/a.rm\" -e event.txt\r\n"},
      {'\\',
       {"D:\\p\xF4"
        "da\\n\xE1zov.rm",
        "C:\\RP\\", "", "", "E:\\"},
       "E:\\\\proces.bat",
       "\"C:\\RP\\\\rmevents\" -i \"D:\\p\xF4"
       "da\\n\xE1"
       "zov.rm\" -o \"E:\\\\n\xE1"
       "zov.rm\" -e event.txt\r\n"},
  };
  for (const Case& c : cases) {
    MemoryDisk disk(c.separator);
    WriteProcessScript(disk, RunStateFor(c.fields, c.separator, kMixedSegments));
    EXPECT_EQ(disk.created(), std::vector<std::string>{c.path});
    EXPECT_EQ(disk.Contents(c.path), c.expected) << c.path;
  }
}

TEST(ScriptPathsHoldQuote, FindsAQuoteInEveryQuotedPath) {
  std::string JobParameters::*const quoted[] = {
      &JobParameters::media_path,      &JobParameters::media_name, &JobParameters::output_dir,
      &JobParameters::output_dir_bare, &JobParameters::style_dir,  &JobParameters::producer_dir,
  };
  const RunState clean = RunStateFor(kWindowsFields, '\\', kMixedSegments);
  EXPECT_FALSE(ScriptPathsHoldQuote(clean.params));
  for (auto member : quoted) {
    RunState state = clean;
    state.params.*member += "\"";
    EXPECT_TRUE(ScriptPathsHoldQuote(state.params)) << state.params.*member;
  }
  RunState unquoted = clean;  // texts that no script quotes
  unquoted.params.web_address = "http://x/\"";
  unquoted.params.media_dir = "C:\\le\"ct\\";
  unquoted.params.timing_path = "C:\\le\"ct\\a.txt";
  EXPECT_FALSE(ScriptPathsHoldQuote(unquoted.params));
}

// Records each start with the scripts that were on the disk at that moment.
class RecordingStarter : public ScriptStarter {
 public:
  explicit RecordingStarter(const MemoryDisk& disk) : disk_(disk) {}
  void Start(const std::string& dir, const std::string& name) override {
    started_ += dir + "|" + name + "|" + std::to_string(disk_.Exists(dir + "kopiruj.bat")) +
                std::to_string(disk_.Exists(dir + "proces.bat")) + ";";
  }
  const std::string& started() const { return started_; }

 private:
  const MemoryDisk& disk_;
  std::string started_;
};

class ProcessRunScriptsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disk_.AddFile("C:\\lect\\a.rm", "RMF");
    disk_.AddFile("C:\\lect\\a.txt", "00:00:00 00:05:30 P slide01.jpg\r\n");
    for (const char* name : {"p00.htm", "f00.htm", "n00.htm"})
      disk_.AddFile(std::string("C:\\Style\\") + name, "");
  }
  RunOutcome Run(const RunFields& fields) { return ProcessRun(fields, &state_, disk_, starter_); }

  MemoryDisk disk_;
  RecordingStarter starter_{disk_};
  RunState state_;
};

TEST_F(ProcessRunScriptsTest, WritesTheEventListFirstAndStartsTheScriptsLast) {
  RunOutcome outcome = Run(kWindowsFields);
  ASSERT_EQ(outcome.result, RunResult::kSucceeded);
  const std::vector<std::string>& created = disk_.created();
  ASSERT_GE(created.size(), 4u);
  EXPECT_EQ(created[0], "C:\\out\\Skus.txt");
  EXPECT_EQ(created[1], "C:\\out\\event.txt");
  EXPECT_EQ(created[created.size() - 2], "C:\\out\\kopiruj.bat");
  EXPECT_EQ(created.back(), "C:\\out\\proces.bat");
  EXPECT_EQ(starter_.started(), "C:\\out\\|kopiruj|11;C:\\out\\|proces|11;");
}

TEST_F(ProcessRunScriptsTest, RefusesAQuoteBeforeWritingAnything) {
  const std::string timing = "00:00:00 00:05:30 P slide01.jpg\r\n";
  disk_.AddFile("C:\\le\"ct\\a.rm", "RMF");
  disk_.AddFile("C:\\le\"ct\\a.txt", timing);
  disk_.AddFile("C:\\lect\\a\".rm", "RMF");
  disk_.AddFile("C:\\lect\\a\".txt", timing);
  disk_.AddFile("C:\\lect\\q.rm", "RMF");
  disk_.AddFile("C:\\lect\\q.txt", timing + "00:05:30 00:06:00 V kl\"ip.avi\r\n");
  const RunFields cases[] = {
      {"C:\\le\"ct\\a.rm", "C:\\RP", "", "C:\\Style", "C:\\out"},
      {"C:\\lect\\a\".rm", "C:\\RP", "", "C:\\Style", "C:\\out"},
      {"C:\\lect\\a.rm", "C:\\R\"P", "", "C:\\Style", "C:\\out"},
      {"C:\\lect\\a.rm", "C:\\RP", "", "C:\\St\"yle", "C:\\out"},
      {"C:\\lect\\a.rm", "C:\\RP", "", "C:\\Style", "C:\\o\"ut"},
      {"C:\\lect\\q.rm", "C:\\RP", "", "C:\\Style", "C:\\out"},
  };
  int number = 0;
  for (const RunFields& fields : cases) {
    std::vector<std::string> before = disk_.created();
    RunOutcome outcome = Run(fields);
    EXPECT_EQ(outcome.result, RunResult::kRefused) << fields.media;
    // "N: Názov súboru alebo cesta obsahuje úvodzovky."
    EXPECT_EQ(outcome.message_line, std::to_string(++number) +
                                        ": N\xE1"
                                        "zov s\xFA"
                                        "boru alebo cesta obsahuje \xFA"
                                        "vodzovky.");
    before.push_back(fields.output + "\\Skus.txt");
    EXPECT_EQ(disk_.created(), before) << "only the probe file";
  }
  EXPECT_EQ(starter_.started(), "");
}

}  // namespace
}  // namespace orvello::core
