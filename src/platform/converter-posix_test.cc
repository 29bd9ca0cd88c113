#include "platform/converter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "test_util.h"

namespace orvello::platform {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using testing::WriteFileBytes;

// PATH for the length of a test.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& path) : saved_(std::getenv("PATH")) {
    setenv("PATH", path.c_str(), 1);
  }
  ~ScopedPath() { setenv("PATH", saved_.c_str(), 1); }

 private:
  std::string saved_;
};

void WriteProgram(const std::string& path, const std::string& script) {
  WriteFileBytes(path, "#!/bin/sh\n" + script);
  fs::permissions(path, fs::perms::owner_all);
}

TEST(FindConverter, TakesTheFirstRunnableFfmpegOnPathButNeverTheWorkingDirectory) {
  testing::ScopedTempDir dir;
  const std::string d = dir.path();
  for (const char* folder : {"/empty", "/folder/ffmpeg", "/plain", "/first", "/second"})
    fs::create_directories(d + folder);
  WriteFileBytes(d + "/plain/ffmpeg", "not runnable");
  WriteProgram(d + "/first/ffmpeg", "");
  WriteProgram(d + "/second/ffmpeg", "");
  fs::path saved = fs::current_path();
  fs::current_path(d + "/second");
  {
    ScopedPath path(":.:" + d + "/empty:" + d + "/folder:" + d + "/plain:" + d + "/first:" + d +
                    "/second");
    EXPECT_EQ(FindConverter(), d + "/first/ffmpeg");
    EXPECT_TRUE(IsProgramFile(d + "/first/ffmpeg"));
    EXPECT_FALSE(IsProgramFile(d + "/plain/ffmpeg"));
  }
  {
    ScopedPath path(".:" + d + "/empty");
    EXPECT_EQ(FindConverter(), "");
  }
  fs::current_path(saved);
}

TEST(ProbeRecording, TellsARecordingTheConverterReadsFromOneItDoesNot) {
  testing::ScopedTempDir dir;
  const std::string d = dir.path();
  const std::string ffmpeg = FindConverter();
  ASSERT_FALSE(ffmpeg.empty()) << "the tests need ffmpeg (tools/install-deps.sh)";
  WriteFileBytes(d + "/broken.rm", ".RMF and nothing that plays");
  WriteProgram(d + "/slow", "exec sleep 30\n");
  EXPECT_EQ(
      std::system(("ffmpeg -nostdin -v error -f lavfi -i testsrc=size=64x48:rate=5:duration=1 "
                   "-c:v rv20 -f rm '" +
                   d + "/good.rm'")
                      .c_str()),
      0);

  RecordingProbe good = ProbeRecording(ffmpeg, d + "/good.rm", milliseconds(20000));
  EXPECT_EQ(good.outcome, RecordingProbe::Outcome::kReadable) << good.detail;
  RecordingProbe broken = ProbeRecording(ffmpeg, d + "/broken.rm", milliseconds(20000));
  EXPECT_EQ(broken.outcome, RecordingProbe::Outcome::kUnreadable);
  EXPECT_NE(broken.detail.find("broken.rm"), std::string::npos) << broken.detail;
  RecordingProbe slow = ProbeRecording(d + "/slow", d + "/good.rm", milliseconds(300));
  EXPECT_EQ(slow.outcome, RecordingProbe::Outcome::kUnknown);
  EXPECT_EQ(slow.detail, "it did not finish in time");
  RecordingProbe none = ProbeRecording(d + "/none", d + "/good.rm", milliseconds(300));
  EXPECT_EQ(none.outcome, RecordingProbe::Outcome::kUnknown);
  EXPECT_EQ(none.detail, "No such file or directory");
}

}  // namespace
}  // namespace orvello::platform
