#include "cli/cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

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
    WriteFileBytes(lecture_ + "/a.rm", "RMF");
    WriteFileBytes(lecture_ + "/a.txt", "00:00:00 00:05:30 P slide01.jpg\r\n");
    std::filesystem::create_directories(HostPath(dir_.path() + "/Style"));
    for (const char* name : {"p00.htm", "f00.htm", "n00.htm"}) {
      WriteFileBytes(dir_.path() + "/Style/" + name, "<P>#</P>\r\n");
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

TEST_F(PublishTest, IoErrorGoesToStandardErrorWithItsPeriod) {
  std::filesystem::remove(HostPath(lecture_ + "/a.txt"));
  Result r = Invoke(Args(lecture_ + "/a.rm", out_));
  EXPECT_EQ(r.status, kExitIoError);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "orvello-cli: File not found.\n");
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

}  // namespace
}  // namespace orvello::cli
