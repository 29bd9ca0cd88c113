#include "core/process_run.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/encoding.h"
#include "core/io_error.h"
#include "core/messages.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;

const std::string kRefusal = kNoMediaOrOutputMessage;

class ProcessRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disk_.AddFile("C:\\lect\\a.rm", "RMF");
    disk_.AddFile("C:\\lect\\a.txt", "00:00:00 00:05:30 P slide01.jpg\r\n");
    disk_.AddFile("C:\\Style\\p00.htm", "<P>$ # % @</P>\r\n");
    disk_.AddFile("C:\\Style\\f00.htm", "<F>$ #</F>\r\n");
    disk_.AddFile("C:\\Style\\n00.htm", "<N>#&%@</N>\r\n");
  }
  RunOutcome Run(const RunFields& fields) { return ProcessRun(fields, &state_, disk_, scripts_); }

  MemoryDisk disk_;
  NoScriptStarter scripts_;
  RunState state_;
  RunFields fields_{"C:\\lect\\a.rm", "C:\\RP", "", "C:\\Style", "C:\\out"};
};

TEST_F(ProcessRunTest, SucceedsAndKeepsTheRunsState) {
  RunOutcome outcome = Run(fields_);
  EXPECT_EQ(outcome.result, RunResult::kSucceeded);
  EXPECT_EQ(outcome.message_line, "On line prednaska: OK");
  EXPECT_EQ(state_.params.media_name, "a.rm");
  EXPECT_EQ(state_.params.output_dir, "C:\\out\\");
  ASSERT_EQ(state_.segments.count(), 1);
  EXPECT_EQ(state_.segments.at(1).file_name, "slide01.jpg");
  EXPECT_EQ(disk_.Contents("C:\\out\\Skus.txt"), "");
}

TEST_F(ProcessRunTest, RefusesBadInputWithANumberedLineAndWritesNothing) {
  struct Case {
    const char* name;
    RunFields fields;
    bool probe_made;
  } cases[] = {
      {"missing media", {"C:\\lect\\none.rm", "", "", "", "C:\\out"}, false},
      {"empty media", {"", "", "", "", "C:\\out"}, false},
      {"empty output field", {"C:\\lect\\a.rm", "", "", "", ""}, false},
      {"unwritable output", {"C:\\lect\\a.rm", "", "", "", "C:\\ro"}, false},
  };
  disk_.FailOpenFor("C:\\ro\\Skus.txt", kFileAccessDenied);
  int number = 0;
  for (const auto& c : cases) {
    RunOutcome outcome = Run(c.fields);
    EXPECT_EQ(outcome.result, RunResult::kRefused) << c.name;
    EXPECT_EQ(outcome.message_line, std::to_string(++number) + kRefusal) << c.name;
    EXPECT_TRUE(disk_.created().empty() || disk_.created().back() == "C:\\ro\\Skus.txt") << c.name;
  }
  EXPECT_EQ(state_.params.media_path, "") << "a refused run derives nothing";
}

// A folder whose path is too long for a working directory (on Windows) would get every page
// and then neither script: the run refuses it before its first write, the probe included.
TEST_F(ProcessRunTest, RefusesAFolderNoScriptCanStartInBeforeItsFirstWrite) {
  class LimitedStarter : public NoScriptStarter {
   public:
    bool CanStartIn(const std::string& dir) override {
      asked = dir;
      return false;
    }
    std::string asked;
  } starter;
  RunOutcome outcome = ProcessRun(fields_, &state_, disk_, starter);
  EXPECT_EQ(outcome.result, RunResult::kRefused);
  EXPECT_EQ(Cp1250ToUtf8(outcome.message_line),
            "1: Cesta k výstupnému adresáru je príliš dlhá: Windows v ňom nespustí skripty.");
  EXPECT_EQ(starter.asked, "C:\\out\\");
  EXPECT_TRUE(disk_.created().empty());
}

TEST_F(ProcessRunTest, SuccessfulRunsConsumeCounterNumbersToo) {
  EXPECT_EQ(Run({"C:\\none.rm", "", "", "", "C:\\out"}).message_line, "1" + kRefusal);
  Run(fields_);
  EXPECT_EQ(Run({"C:\\none.rm", "", "", "", "C:\\out"}).message_line, "3" + kRefusal);
}

TEST_F(ProcessRunTest, RefusesTooManySegmentsLeavingOnlyTheProbe) {
  std::string timing;
  for (int i = 0; i <= kMaxSegments; ++i) timing += "00:00:00 00:00:01 P a.jpg\r\n";
  disk_.AddFile("C:\\lect\\a.txt", timing);
  RunOutcome outcome = Run(fields_);
  EXPECT_EQ(outcome.result, RunResult::kRefused);
  EXPECT_EQ(outcome.message_line, std::string("1") + kTooManySegmentsMessage);
  EXPECT_EQ(disk_.created(), std::vector<std::string>{"C:\\out\\Skus.txt"});
}

// A run that would overwrite its own input, or let the lecture folder replace its scripts, is
// refused before it writes anything it would not write for a refusal anyway.
TEST_F(ProcessRunTest, RefusesWhatWouldDestroyItsInputOrReplaceItsScripts) {
  disk_.AddFolderAlias("C:\\link", "C:\\lect");
  disk_.AddFolderAlias("C:\\lect\\site", "C:\\out");
  disk_.AddFile("C:\\lect\\b.rm", "RMF");
  disk_.AddFile("C:\\lect\\b.txt",
                "00:00:00 00:00:01 P a.jpg\r\n00:00:01 00:00:02 P proces.bat\r\n");
  disk_.AddFile("C:\\lect\\c.rm", "RMF");
  disk_.AddFile("C:\\lect\\c.txt", "00:00:00 00:00:01 H site\\sld01.htm\r\n");
  disk_.AddFile("C:\\lect\\d.rm", "RMF");
  disk_.AddFile("C:\\lect\\d.txt", "00:00:00 00:00:01 H ..\\..\\elsewhere\\notes.htm\r\n");
  const struct {
    RunFields fields;
    const char* message;  // after "N: ", UTF-8
    bool probe_made;
  } cases[] = {
      {{"C:\\lect\\a.rm", "", "", "C:\\Style", "C:\\lect"},
       "Výstupný adresár je adresár nahrávky.",
       false},
      {{"C:\\lect\\a.rm", "", "", "C:\\Style", "C:\\lect\\\\"},
       "Výstupný adresár je adresár nahrávky.",
       false},
      {{"C:\\lect\\a.rm", "", "", "C:\\Style", "C:\\link"},
       "Výstupný adresár je adresár nahrávky.",
       false},
      {{"C:\\lect\\b.rm", "", "", "C:\\Style", "C:\\out"},
       "Súbor segmentu 2 „proces.bat“ má rovnaké meno ako súbor, ktorý zapisuje spracovanie.",
       true},
      {{"C:\\lect\\c.rm", "", "", "C:\\Style", "C:\\out"},
       "Súbor segmentu 1 „site\\sld01.htm“ leží vo výstupnom adresári.",
       true},
      {{"C:\\lect\\d.rm", "", "", "C:\\Style", "C:\\out"},
       "Súbor segmentu 1 „..\\..\\elsewhere\\notes.htm“ je zadaný absolútnou cestou alebo "
       "cestou s „..“.",
       true},
  };
  int number = 0;
  for (const auto& c : cases) {
    std::vector<std::string> before = disk_.created();
    RunOutcome outcome = Run(c.fields);
    EXPECT_EQ(outcome.result, RunResult::kRefused) << c.message;
    EXPECT_EQ(Cp1250ToUtf8(outcome.message_line), std::to_string(++number) + ": " + c.message);
    if (c.probe_made) before.push_back(c.fields.output + "\\Skus.txt");
    EXPECT_EQ(disk_.created(), before) << c.message;
  }
  EXPECT_EQ(disk_.Contents("C:\\lect\\a.txt"), "00:00:00 00:05:30 P slide01.jpg\r\n");
}

// The copy script copies into the sub-folders, so they are there before the run writes its
// first page; names that Windows takes for one file are refused before anything is created.
TEST_F(ProcessRunTest, CreatesTheSubFoldersFirstAndRefusesTwoNamesOfOneFile) {
  disk_.AddFile("C:\\lect\\a.txt",
                "00:00:00 00:00:01 P slides/a.jpg\r\n00:00:01 00:00:02 H notes\\b.htm\r\n");
  disk_.AddFile("C:\\lect\\notes\\b.htm", "<B>b</B>");
  ASSERT_EQ(Run(fields_).result, RunResult::kSucceeded);
  EXPECT_EQ(disk_.created_folders(), std::vector<std::string>{"C:\\out\\slides"});
  const std::vector<std::string>& journal = disk_.journal();
  auto folder = std::find(journal.begin(), journal.end(), "folder C:\\out\\slides");
  EXPECT_EQ(std::find(journal.begin(), journal.end(), "write C:\\out\\event.txt"), folder + 1);

  disk_.AddFile("C:\\lect\\a.txt",
                "00:00:00 00:00:01 P Slides/a.jpg\r\n00:00:01 00:00:02 P slides\\A.JPG\r\n");
  std::vector<std::string> before = disk_.created();
  RunOutcome outcome = Run(fields_);
  EXPECT_EQ(outcome.result, RunResult::kRefused);
  EXPECT_EQ(Cp1250ToUtf8(outcome.message_line),
            "2: Súbor segmentu 2 „slides\\A.JPG“ sa skopíruje na to isté miesto ako súbor "
            "segmentu 1.");
  before.push_back("C:\\out\\Skus.txt");
  EXPECT_EQ(disk_.created(), before);
  EXPECT_EQ(disk_.created_folders().size(), 1u) << "no folder for a refused run";
}

TEST_F(ProcessRunTest, RefusesAnOutputFolderThatAnotherRunIsWriting) {
  std::unique_ptr<FolderLock> other_run;
  ASSERT_EQ(disk_.LockFolder("C:\\out\\", &other_run), LockStatus::kLocked);
  RunOutcome outcome = Run(fields_);
  EXPECT_EQ(outcome.result, RunResult::kRefused);
  EXPECT_EQ(Cp1250ToUtf8(outcome.message_line),
            "1: Do výstupného adresára práve zapisuje iné spracovanie.");
  EXPECT_TRUE(disk_.created().empty());
  other_run.reset();
  EXPECT_EQ(Run(fields_).result, RunResult::kSucceeded);
  std::unique_ptr<FolderLock> after;
  EXPECT_EQ(disk_.LockFolder("C:\\out", &after), LockStatus::kLocked) << "released at the end";
}

TEST_F(ProcessRunTest, MissingTimingFileRaisesTheIoError) {
  disk_.AddFile("C:\\lect\\b.rm", "RMF");
  try {
    Run({"C:\\lect\\b.rm", "", "", "", "C:\\out"});
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), kFileNotFound);
  }
  EXPECT_EQ(state_.message_counter, 1);
}

// The pages and link files a run created, in order (the scripts and lists left out).
std::vector<std::string> PagesCreated(const MemoryDisk& disk) {
  std::vector<std::string> pages;
  for (const std::string& path : disk.created()) {
    if (path.ends_with(".htm") || path.ends_with(".ram") || path.ends_with(".rpm")) {
      pages.push_back(path);
    }
  }
  return pages;
}

TEST_F(ProcessRunTest, WritesEachSegmentsPagesInOrderThenTheIndex) {
  disk_.AddFile("C:\\lect\\a.txt",
                "00:00:00 00:05:30 P slide01.jpg\r\n00:05:30 00:09:00 H notes.htm\r\n");
  disk_.AddFile("C:\\lect\\notes.htm", "<B>notes</B>\n");
  ASSERT_EQ(Run(fields_).result, RunResult::kSucceeded);
  EXPECT_EQ(PagesCreated(disk_),
            (std::vector<std::string>{"C:\\out\\p01.htm", "C:\\out\\f01.htm", "C:\\out\\r01.ram",
                                      "C:\\out\\r01.rpm", "C:\\out\\sld01.htm", "C:\\out\\n01.htm",
                                      "C:\\out\\p02.htm", "C:\\out\\f02.htm", "C:\\out\\r02.ram",
                                      "C:\\out\\r02.rpm", "C:\\out\\sld02.htm", "C:\\out\\n02.htm",
                                      "C:\\out\\folie.htm"}));
  EXPECT_EQ(disk_.Contents("C:\\out\\p02.htm"), "<P>p01.htm sld02.htm n02.htm p02.htm</P>\r\n");
  EXPECT_EQ(disk_.Contents("C:\\out\\sld02.htm"), "<B>notes</B>\n");
  EXPECT_EQ(disk_.Contents("C:\\out\\r02.rpm"), "file:a.rm?start=\"00:05:30\"");
}

TEST_F(ProcessRunTest, MissingHtmlSegmentStopsTheRunAfterItsLinkFiles) {
  disk_.AddFile("C:\\lect\\a.txt",
                "00:00:00 00:05:30 P slide01.jpg\r\n00:05:30 00:09:00 H gone.htm\r\n");
  EXPECT_THROW(Run(fields_), IoError);
  EXPECT_EQ(PagesCreated(disk_),
            (std::vector<std::string>{"C:\\out\\p01.htm", "C:\\out\\f01.htm", "C:\\out\\r01.ram",
                                      "C:\\out\\r01.rpm", "C:\\out\\sld01.htm", "C:\\out\\n01.htm",
                                      "C:\\out\\p02.htm", "C:\\out\\f02.htm", "C:\\out\\r02.ram",
                                      "C:\\out\\r02.rpm"}));
}

TEST_F(ProcessRunTest, EmptyLectureWritesOnlyTheIndex) {
  disk_.AddFile("C:\\lect\\a.txt", "");
  ASSERT_EQ(Run(fields_).result, RunResult::kSucceeded);
  EXPECT_EQ(PagesCreated(disk_), std::vector<std::string>{"C:\\out\\folie.htm"});
}

}  // namespace
}  // namespace orvello::core
