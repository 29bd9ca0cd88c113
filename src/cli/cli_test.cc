#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <sstream>

#include "cli/command_options.h"
#include "core/disk_interface.h"
#include "platform/real_disk.h"
#include "test_util.h"

namespace orvello::cli {
namespace {

using testing::HostPath;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

struct Result {
  int status;
  std::string out, err;
};

Result Invoke(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

class PublishTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lecture_ = dir_.path() + "/prednáška";
    out_ = dir_.path() + "/out";
    std::filesystem::create_directories(HostPath(lecture_));
    std::filesystem::create_directories(HostPath(out_));
    // A sound lecture, in which the check before publishing finds nothing.
    WriteFileBytes(lecture_ + "/a.rm", testing::RealMediaHeader(600000));
    WriteFileBytes(lecture_ + "/a.txt", "00:00:00 00:05:30 P slide01.jpg\r\n");
    WriteFileBytes(lecture_ + "/slide01.jpg", "JPEG");
    std::filesystem::create_directories(HostPath(dir_.path() + "/Style"));
    for (const char* name : {"p00.htm", "f00.htm", "n00.htm"}) {
      WriteFileBytes(dir_.path() + "/Style/" + name, "<P>#</P>\r\n");
    }
    for (const char* name : {"problems.htm", "freeplayer_g2.gif", "web.gif", "video.gif"}) {
      WriteFileBytes(dir_.path() + "/Style/" + name, name);
    }
    // The recording tool as each system finds it; the scripts never start here.
    std::filesystem::create_directories(HostPath(dir_.path() + "/RP"));
    for (const char* name : {"/RP/rmevents", "/RP/rmevents.exe"}) {
      WriteFileBytes(dir_.path() + name, "");
      std::filesystem::permissions(HostPath(dir_.path() + name), std::filesystem::perms::owner_all);
    }
  }
  std::vector<std::string> Args(const std::string& media, const std::string& out) {
    return {"publish",
            "--media",
            media,
            "--out",
            out,
            "--style",
            dir_.path() + "/Style",
            "--producer",
            dir_.path() + "/RP",
            "--no-start"};
  }

  ScopedTempDir dir_;
  std::string lecture_, out_;
};

TEST_F(PublishTest, SuccessPrintsTheMessageLineAlone) {
  Result r = Invoke(Args(lecture_ + "/a.rm", out_));
  EXPECT_EQ(r.status, kExitSuccess) << r.err;
  EXPECT_EQ(r.out, "On line prednaska: OK\n");
  EXPECT_EQ(ReadFileBytes(out_ + "/Skus.txt"), "");
}

TEST_F(PublishTest, RefusalPrintsTheNumberedLineInUtf8) {
  Result r = Invoke(Args(lecture_ + "/none.rm", out_));
  EXPECT_EQ(r.status, kExitRefused);
  EXPECT_EQ(r.out, "1: Najprv nastavte Media súbor alebo výstupný adresár.\n");
}

TEST_F(PublishTest, EmptyOutputFieldIsRefused) {
  // An empty field once meant the probe and the whole lecture went into the root folder.
  const bool probe_there_before = std::filesystem::exists("/Skus.txt");
  Result r = Invoke(Args(lecture_ + "/a.rm", ""));
  EXPECT_EQ(r.status, kExitRefused);
  EXPECT_EQ(r.out, "1: Najprv nastavte Media súbor alebo výstupný adresár.\n");
  EXPECT_EQ(std::filesystem::exists("/Skus.txt"), probe_there_before);
}

// The error's own text stays as the desktop program shows it; the command line names the file,
// as the run named it: absolute, with the system's separator. The check before the run has seen
// what it could of the same problem.
TEST_F(PublishTest, IoErrorGoesToStandardErrorWithItsFileAndPeriod) {
  namespace fs = std::filesystem;
  const std::string timing = lecture_ + "/a.txt", style = dir_.path() + "/Style/";
  struct Case {
    std::function<void()> breakage;
    std::string expected;
  };
  std::vector<Case> cases = {
      {[&] { fs::remove(HostPath(timing)); }, "orvello-cli: " + timing + ": File not found."},
      {[&] { fs::remove(HostPath(style + "f00.htm")); },
       style +
           "f00.htm: error: the style folder has no such file; the run stops with \"File not "
           "found.\"\n1 error, 0 warnings\norvello-cli: " +
           style + "f00.htm: File not found."},
      {[&] { WriteFileBytes(timing, "00:00:00 00:05:30 H gon\xE9.htm\r\n"); },
       timing +
           ":1: error: \"goné.htm\" is not in the recording's folder; the run stops with "
           "\"File not found.\"\n1 error, 0 warnings\norvello-cli: " +
           lecture_ + "/goné.htm: File not found."},
  };
  if (platform::kPathSeparator == '/') {  // links to a device and to themselves: POSIX systems
    cases.push_back({[&] { fs::remove(timing), fs::create_symlink("/dev/zero", timing); },
                     "orvello-cli: " + timing + ": File access denied."});
    cases.push_back({[&] { fs::remove(timing), fs::create_symlink(timing, timing); },
                     "orvello-cli: " + timing + ": I/O error 40."});
  }
  for (const auto& c : cases) {
    fs::remove(HostPath(timing));
    SetUp();
    c.breakage();
    Result r = Invoke(Args(lecture_ + "/a.rm", out_));
    std::string expected = c.expected;
    std::replace(expected.begin(), expected.end(), '/', platform::kPathSeparator);
    EXPECT_EQ(r.status, kExitIoError);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, expected + "\n");
  }
}

// Publishing into the lecture's own folder once overwrote its timing file and pages.
TEST_F(PublishTest, RefusesTheLecturesOwnFolderAndABusyOne) {
  namespace fs = std::filesystem;
  auto busy = platform::MakeRealDisk();
  std::unique_ptr<core::FolderLock> other_run;
  fs::create_directory(HostPath(dir_.path() + "/busy"));
  ASSERT_EQ(busy->LockFolder(dir_.path() + "/busy", &other_run), core::LockStatus::kLocked);
  std::vector<std::pair<std::string, const char*>> cases = {
      {lecture_, "Výstupný adresár je adresár nahrávky."},
      {lecture_ + "/", "Výstupný adresár je adresár nahrávky."},
      {out_ + "/../prednáška", "Výstupný adresár je adresár nahrávky."},
      {dir_.path() + "/busy", "Do výstupného adresára práve zapisuje iné spracovanie."},
  };
  std::error_code no_links;  // where the system (or its C++ library) has no symbolic links
  fs::create_directory_symlink(HostPath(lecture_), HostPath(dir_.path() + "/link"), no_links);
  if (!no_links) cases.push_back({dir_.path() + "/link", "Výstupný adresár je adresár nahrávky."});
  for (const auto& [out, message] : cases) {
    Result r = Invoke(Args(lecture_ + "/a.rm", out));
    EXPECT_EQ(r.status, kExitRefused) << out;
    EXPECT_EQ(r.out, "1: " + std::string(message) + "\n");
  }
  EXPECT_EQ(ReadFileBytes(lecture_ + "/a.txt"), "00:00:00 00:05:30 P slide01.jpg\r\n");
  // Still the recording, its timing file and its slide alone.
  EXPECT_EQ(std::distance(fs::directory_iterator(HostPath(lecture_)), fs::directory_iterator()), 3);
  EXPECT_TRUE(fs::is_empty(HostPath(dir_.path() + "/busy")));
}

// The files of the folder `dir` by name.
std::map<std::string, std::string> FilesIn(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(HostPath(dir))) {
    std::string name = entry.path().filename().string();  // the run's names are ASCII
    if (entry.is_regular_file()) files[name] = ReadFileBytes(dir + "/" + name);
  }
  return files;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// A name with a '%', an empty one and one ending in a separator are published as any other name:
// each file the run writes is the one it writes for the lecture's ordinary name, with the name in
// its place. The script runner copies exactly the file named, or nothing and says so.
TEST_F(PublishTest, PublishesNamesThatNameOneFileOrNoneAsAnyOther) {
  auto publish = [&](const std::string& name) {
    std::filesystem::remove_all(HostPath(out_));
    std::filesystem::create_directories(HostPath(out_));
    WriteFileBytes(lecture_ + "/a.txt", "00:00:00 00:05:30 P " + name + "\r\n");
    return Invoke(Args(lecture_ + "/a.rm", out_));
  };
  ASSERT_EQ(publish("slide01.jpg").status, kExitSuccess);
  const std::map<std::string, std::string> ordinary = FilesIn(out_);
  WriteFileBytes(lecture_ + "/50%.png", "PNG");
  for (const std::string name : {"50%.png", "", "slides/"}) {
    Result r = publish(name);
    EXPECT_EQ(r.status, kExitSuccess) << name;
    EXPECT_EQ(r.out, "On line prednaska: OK\n") << name;
    std::map<std::string, std::string> expected;
    for (const auto& [file, bytes] : ordinary)
      expected[file] = Replaced(bytes, "slide01.jpg", name);
    EXPECT_EQ(FilesIn(out_), expected) << name;
  }
}

TEST_F(PublishTest, RelativePathsAreTakenFromTheCurrentFolder) {
  auto previous = std::filesystem::current_path();
  std::filesystem::current_path(HostPath(dir_.path()));
  Result r = Invoke(Args("prednáška/a.rm", "out"));
  std::filesystem::current_path(previous);
  EXPECT_EQ(r.status, kExitSuccess) << r.err;
}

TEST(Cli, UsageErrors) {
  const std::vector<std::string> cases[] = {
      {},
      {"frobnicate"},
      {"publish"},
      {"publish", "--media", "a.rm", "--out", "o", "--style", "s"},
      {"publish", "--media", "a.rm", "--out", "o", "--style", "s", "--producer"},
      {"publish", "--media", "a.rm", "--out", "o", "--style", "s", "--producer", "p", "--bogus"},
      {"publish", "--media", "a.rm", "--out", "o", "--style", "s", "--producer", "p", "--wait",
       "--no-start"},
      {"publish", "--media", "中.rm", "--out", "o", "--style", "s", "--producer", "p"},
      {"publish", "--media=a.rm", "--out=o", "--style=s", "--producer=p", "--web=\xFF"},
      {"publish", "--media=a.rm", "--out=o\r\nDel x", "--style=s", "--producer=p"},
      {"publish", "--media=a.rm", "--out=o", "--style=s", "--producer=p", "--wait", "--wait"},
      {"check"},
      {"check", "--style", "s"},
      {"check", "--media"},
      {"check", "--media", "a.rm", "--wait"},
      {"check", "--media=a.rm", "--style=中"},
  };
  for (const auto& args : cases) {
    Result r = Invoke(args);
    EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(args);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: orvello-cli publish"), std::string::npos);
  }
}

TEST(Cli, HelpDocumentsEveryOptionAndExitStatus) {
  Result r = Invoke({"--help"});
  EXPECT_EQ(r.status, kExitSuccess);
  for (const char* word :
       {"--media", "--out", "--style", "--producer", "--web", "--no-start", "--wait", "64"}) {
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  }
}

// Every option of every command's table, with its value's name and its meaning on its own line
// of the help; the synopses say which options a command needs and which switches exclude each
// other.
TEST(Cli, HelpIsPrintedFromTheOptionTables) {
  const std::string help = Invoke({"--help"}).out;
  const std::span<const CommandOption> tables[] = {kPublishOptions, kCheckOptions};
  for (std::span<const CommandOption> options : tables) {
    for (const CommandOption& option : options) {
      std::string flag = option.option->flag;
      if (option.option->value_name) flag += std::string(" ") + option.option->value_name;
      std::string meaning = option.option->meaning;
      size_t line = help.find("\n  " + flag + " ");
      ASSERT_NE(line, std::string::npos) << flag;
      EXPECT_EQ(help.find(meaning.substr(0, meaning.find('\n')), line),
                help.find_first_not_of(' ', line + 3 + flag.size()))
          << flag;
    }
  }
  EXPECT_NE(
      help.find("orvello-cli publish --media PATH --out DIR --style DIR --producer DIR\n"
                "                          [--web URL] [--ffmpeg PATH] [--no-start | --wait]\n"),
      std::string::npos);
  EXPECT_NE(help.find("\n       orvello-cli check --media PATH [--style DIR] [--producer DIR] "
                      "[--ffmpeg PATH]\n"),
            std::string::npos);
}

}  // namespace
}  // namespace orvello::cli
