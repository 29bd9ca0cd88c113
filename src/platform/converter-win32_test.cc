#include "platform/converter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32_text.h"
#include "test_util.h"

namespace orvello::platform {
namespace {

using std::chrono::milliseconds;

// The converter's stand-in that the build makes (tests/ffmpeg_stand_in.cc), in its own folder.
const std::string kStandInFolder = ORVELLO_BINARY_DIR "\\tests\\converter";

TEST(FindConverter, LooksOnPathWhenNoneIsBesideTheProgram) {
  std::wstring saved(32767, L'\0');
  saved.resize(GetEnvironmentVariableW(L"PATH", saved.data(), 32767));
  SetEnvironmentVariableW(L"PATH", WideFromUtf8(".;C:\\none;" + kStandInFolder + "\\").c_str());
  std::string found = FindConverter();
  SetEnvironmentVariableW(L"PATH", L"C:\\none");
  std::string none = FindConverter();
  SetEnvironmentVariableW(L"PATH", saved.c_str());
  EXPECT_EQ(Utf8FromWide(FullPath(WideFromCp1250(found))),
            Utf8FromWide(FullPath(WideFromUtf8(kStandInFolder + "\\ffmpeg.exe"))));
  EXPECT_EQ(none, "");
  EXPECT_TRUE(IsProgramFile(found));
}

TEST(ProbeRecording, TellsARecordingTheConverterReadsFromOneItDoesNot) {
  testing::ScopedTempDir dir;
  std::string converter;
  ASSERT_TRUE(Cp1250FromWide(WideFromUtf8(kStandInFolder + "\\ffmpeg.exe"), &converter));
  testing::WriteFileBytes(dir.path() + "/z\xC3\xA1znam.rm", ".RMF" + std::string(200, 'x'));
  testing::WriteFileBytes(dir.path() + "/broken.rm", "not a recording");
  std::string folder;
  ASSERT_TRUE(Cp1250FromWide(WideFromUtf8(dir.path()), &folder));
  RecordingProbe good = ProbeRecording(converter, folder + "\\z\xE1znam.rm", milliseconds(20000));
  EXPECT_EQ(good.outcome, RecordingProbe::Outcome::kReadable) << good.detail;
  RecordingProbe broken = ProbeRecording(converter, folder + "\\broken.rm", milliseconds(20000));
  EXPECT_EQ(broken.outcome, RecordingProbe::Outcome::kUnreadable);
  EXPECT_NE(broken.detail.find("Invalid data found"), std::string::npos) << broken.detail;
  RecordingProbe none =
      ProbeRecording(folder + "\\none.exe", folder + "\\broken.rm", milliseconds(2000));
  EXPECT_EQ(none.outcome, RecordingProbe::Outcome::kUnknown);
}

}  // namespace
}  // namespace orvello::platform
