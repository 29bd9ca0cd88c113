#include "core/player_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/io_error.h"
#include "core/messages.h"
#include "core/process_run.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;

class RecordingStarter : public ScriptStarter {
 public:
  void Start(const std::string& dir, const std::string& name) override {
    started.push_back(dir + name);
  }
  std::vector<std::string> started;
};

// A small lecture whose names and titles hold what could end the page's script block or a cue,
// Slovak letters (Windows-1250) among them, published with the player.
class PlayerRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disk_.AddFile("C:\\lect\\n\xE1vrh.rm", "RMF");  // "návrh.rm"
    disk_.AddFile("C:\\lect\\n\xE1vrh.txt",
                  "00:00:00 00:00:02 P obr\xE1zky\\sn\xEDmka <1> & 'a'.jpg\r\n"  // "obrázky\snímka"
                  "00:00:02 00:00:04 V klip.avi\r\n"
                  "00:00:04 0:00:06  H </script><!--<script>.htm\r\n"
                  "xx:00:06 00:00:08 V klip.avi\r\n"
                  "00:00:09 00:00:07 P <!--<script>ko\xE8ka\x01.gif\r\n"  // "kočka"
                  "00:01:10 bad      H bez.htm\r\n");
    disk_.AddFile("C:\\lect\\</script><!--<script>.htm",
                  "<html><head><TITLE lang=sk>\r\n  Str\xE1nka \"o\" &amp; \x01ni\xE8om "
                  "&#x1F600;&lt;/script&gt; </TITLE></head></html>\r\n");
    disk_.AddFile("C:\\lect\\bez.htm", "<title> </title>");
    disk_.AddFile("C:\\Style\\p00.htm", "p");
    disk_.AddFile("C:\\Style\\f00.htm", "f");
    disk_.AddFile("C:\\Style\\n00.htm", "n");
    disk_.AddFile("C:\\Style\\prehravac.htm",
                  "<!DOCTYPE html>\n<meta charset=\"utf-8\"><title>\xC5\xA0</title>"
                  "<!--prednaska-->\n<script src=\"prehravac.js\"></script><!--prednaska--\n");
  }
  RunOutcome Run() {
    return ProcessRun({"C:\\lect\\n\xE1vrh.rm", "C:\\RP", "", "C:\\Style", "C:\\out"}, &state_,
                      disk_, starter_, "C:\\ffmpeg\\ffmpeg.exe");
  }

  MemoryDisk disk_;
  RecordingStarter starter_;
  RunState state_;
};

TEST_F(PlayerRunTest, WritesThePageTheChaptersAndTheConversionScriptByteForByte) {
  ASSERT_EQ(Run().result, RunResult::kSucceeded);
  const std::string data =
      "<script type=\"application/json\" id=\"prednaska\">{\"title\":\"n\\u00e1vrh\","
      "\"video\":\"zaznam.mp4\",\"segments\":["
      "{\"number\":1,\"start\":0,\"end\":2,\"type\":\"P\","
      "\"shows\":\"obr\\u00e1zky\\\\sn\\u00edmka \\u003c1\\u003e \\u0026 \\u0027a\\u0027.jpg\","
      "\"thumbnail\":\"obr\\u00e1zky\\\\sn\\u00edmka \\u003c1\\u003e \\u0026 \\u0027a\\u0027.jpg\","
      "\"title\":\"sn\\u00edmka \\u003c1\\u003e \\u0026 \\u0027a\\u0027\",\"page\":\"p01.htm\"},"
      "{\"number\":2,\"start\":2,\"end\":4,\"type\":\"V\",\"shows\":\"klip02.mp4\","
      "\"thumbnail\":\"video.gif\",\"title\":\"klip\",\"page\":\"p02.htm\"},"
      "{\"number\":3,\"start\":4,\"end\":6,\"type\":\"H\",\"shows\":\"sld03.htm\","
      "\"thumbnail\":\"web.gif\",\"title\":\"Str\\u00e1nka \\\"o\\\" \\u0026 \\u0001ni\\u010dom "
      "\\ud83d\\ude00\\u003c/script\\u003e\",\"page\":\"p03.htm\"},"
      "{\"number\":4,\"start\":6,\"end\":8,\"type\":\"V\",\"shows\":\"klip02.mp4\","
      "\"thumbnail\":\"video.gif\",\"title\":\"klip\",\"page\":\"p04.htm\"},"
      "{\"number\":5,\"start\":9,\"end\":7,\"type\":\"P\","
      "\"shows\":\"\\u003c!--\\u003cscript\\u003eko\\u010dka\\u0001.gif\","
      "\"thumbnail\":\"\\u003c!--\\u003cscript\\u003eko\\u010dka\\u0001.gif\","
      "\"title\":\"\\u003c!--\\u003cscript\\u003eko\\u010dka\\u0001\",\"page\":\"p05.htm\"},"
      "{\"number\":6,\"start\":70,\"end\":70,\"type\":\"H\",\"shows\":\"sld06.htm\","
      "\"thumbnail\":\"web.gif\",\"title\":\"bez\",\"page\":\"p06.htm\"}]}</script>";
  EXPECT_EQ(disk_.Contents("C:\\out\\prehravac.htm"),
            "<!DOCTYPE html>\n<meta charset=\"utf-8\"><title>\xC5\xA0</title>" + data +
                "\n<script src=\"prehravac.js\"></script><!--prednaska--\n");
  EXPECT_EQ(disk_.Contents("C:\\out\\kapitoly.vtt"),
            "WEBVTT\r\n"
            "\r\n1\r\n00:00:00.000 --> 00:00:02.000\r\nsn\xC3\xADmka &lt;1&gt; &amp; 'a'\r\n"
            "\r\n2\r\n00:00:02.000 --> 00:00:04.000\r\nklip\r\n"
            "\r\n3\r\n00:00:04.000 --> 00:00:06.000\r\n"
            "Str\xC3\xA1nka \"o\" &amp;  ni\xC4\x8Dom \xF0\x9F\x98\x80&lt;/script&gt;\r\n"
            "\r\n4\r\n00:00:06.000 --> 00:00:08.000\r\nklip\r\n"
            "\r\n5\r\n00:00:09.000 --> 00:00:09.000\r\n&lt;!--&lt;script&gt;ko\xC4\x8Dka \r\n"
            "\r\n6\r\n00:01:10.000 --> 00:01:10.000\r\nbez\r\n");
  const std::string options =
      " -c:v libx264 -preset veryfast -pix_fmt yuv420p -vf \"scale=trunc(iw/2)*2:trunc(ih/2)*2\""
      " -c:a aac -movflags +faststart -f mp4 ";
  EXPECT_EQ(disk_.Contents("C:\\out\\konvertuj.bat"),
            "\"C:\\ffmpeg\\ffmpeg.exe\" -nostdin -hide_banner -loglevel level+info -y -i "
            "\"C:\\lect\\n\xE1vrh.rm\"" +
                options +
                "\"zaznam.mp4.tmp\" && Move /Y \"zaznam.mp4.tmp\" \"zaznam.mp4\"\r\n"
                "\"C:\\ffmpeg\\ffmpeg.exe\" -nostdin -hide_banner -loglevel level+info -y -i "
                "\"C:\\lect\\klip.avi\"" +
                options + "\"klip02.mp4.tmp\" && Move /Y \"klip02.mp4.tmp\" \"klip02.mp4\"\r\n");
  EXPECT_TRUE(disk_.Contents("C:\\out\\kopiruj.bat")
                  .ends_with("Copy \"C:\\Style\\video.gif\" \"C:\\out\\\"\r\n"
                             "Copy \"C:\\Style\\prehravac.js\" \"C:\\out\\\"\r\n"
                             "Copy \"C:\\Style\\prehravac.css\" \"C:\\out\\\"\r\n"
                             "Del skus.txt\r\nDel kopiruj.bat\r\n"));
  EXPECT_EQ(starter_.started, (std::vector<std::string>{"C:\\out\\kopiruj", "C:\\out\\proces",
                                                        "C:\\out\\konvertuj"}));
  const std::vector<std::string>& created = disk_.created();
  EXPECT_EQ(std::vector<std::string>(created.end() - 3, created.end()),
            (std::vector<std::string>{"C:\\out\\prehravac.htm", "C:\\out\\kapitoly.vtt",
                                      "C:\\out\\konvertuj.bat"}))
      << "after the existing files";
}

// Without the template a run is exactly what it always was: none of the player's files, no third
// script, and the player's names are free for copied segments.
TEST_F(PlayerRunTest, WithoutTheTemplateNothingOfThePlayerIsWrittenOrReserved) {
  disk_.AddFile("C:\\Style2\\p00.htm", "p");
  disk_.AddFile("C:\\Style2\\f00.htm", "f");
  disk_.AddFile("C:\\Style2\\n00.htm", "n");
  disk_.AddFile("C:\\lect\\n\xE1vrh.txt",
                "00:00:00 00:00:02 P zaznam.mp4\r\n00:00:02 00:00:04 P ffmpeg.exe\r\n");
  RunFields fields{"C:\\lect\\n\xE1vrh.rm", "C:\\RP", "", "C:\\Style2", "C:\\out"};
  ASSERT_EQ(ProcessRun(fields, &state_, disk_, starter_, "C:\\ffmpeg\\ffmpeg.exe").result,
            RunResult::kSucceeded);
  for (const char* name : {"prehravac.htm", "kapitoly.vtt", "konvertuj.bat"})
    EXPECT_FALSE(disk_.Exists(std::string("C:\\out\\") + name)) << name;
  EXPECT_EQ(disk_.Contents("C:\\out\\kopiruj.bat").find("prehravac"), std::string::npos);
  EXPECT_EQ(starter_.started, (std::vector<std::string>{"C:\\out\\kopiruj", "C:\\out\\proces"}));

  fields.style = "C:\\Style";
  RunOutcome outcome = ProcessRun(fields, &state_, disk_, starter_, "C:\\ffmpeg\\ffmpeg.exe");
  EXPECT_EQ(outcome.result, RunResult::kRefused);
  EXPECT_NE(Cp1250ToUtf8(outcome.message_line).find("„zaznam.mp4“ má rovnaké meno"),
            std::string::npos)
      << Cp1250ToUtf8(outcome.message_line);
}

TEST_F(PlayerRunTest, AQuoteInTheConvertersPathIsRefusedOnlyWithThePlayer) {
  RunOutcome outcome = ProcessRun({"C:\\lect\\n\xE1vrh.rm", "C:\\RP", "", "C:\\Style", "C:\\out"},
                                  &state_, disk_, starter_, "C:\\a\" & del x & \"\\ffmpeg.exe");
  EXPECT_EQ(outcome.message_line, std::string("1") + kQuoteInNameMessage);
  EXPECT_FALSE(disk_.Exists("C:\\out\\p01.htm"));
}

TEST_F(PlayerRunTest, AnUnreadableTemplateStopsTheRunWithItsError) {
  disk_.FailOpenFor("C:\\Style\\prehravac.htm", kFileAccessDenied);
  try {
    Run();
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), kFileAccessDenied);
  }
  EXPECT_FALSE(disk_.Exists("C:\\out\\prehravac.htm"));
}

TEST(WritePlayerPage, FindsAMarkerAcrossTheReadersBlocks) {
  MemoryDisk disk;
  disk.set_read_chunk(5);
  std::string big(70000, 'x');
  disk.AddFile("S\\prehravac.htm", big + "<!--prednaska--><!--prednaska-" + big + "<!--prednaska");
  RunState state;
  state.params.style_dir = "S\\";
  state.params.output_dir = "O\\";
  state.params.media_name = "a.rm";
  WritePlayerPage(disk, state, {});
  const std::string block =
      "<script type=\"application/json\" id=\"prednaska\">{\"title\":\"a\",\"video\":"
      "\"zaznam.mp4\",\"segments\":[]}</script>";
  EXPECT_EQ(disk.Contents("O\\prehravac.htm"),
            big + block + "<!--prednaska-" + big + "<!--prednaska");
}

}  // namespace
}  // namespace orvello::core
