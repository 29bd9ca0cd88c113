#include "core/lecture_check.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/io_error.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;
using testing::RealMediaHeader;

constexpr char kGoodLine[] = "00:00:00 00:01:00 P a.jpg\r\n";

// A lecture folder L holding the recording, the style folder S complete, and a segment file
// for every name the cases use.
MemoryDisk Lecture(const std::string& timing) {
  MemoryDisk disk;
  disk.AddFile("L\\talk.rm", RealMediaHeader(600000));
  disk.AddFile("L\\talk.txt", timing);
  for (const char* name :
       {"a.jpg", "b.gif", "c.avi", "p.htm", "\"q\".jpg", "b\x81.gif", "tabu\xC4\xBEka.htm",
        "\xE4\xB8\xAD.jpg", "a#b&.jpg", "50%.png", "a*?%*.png", "p%.htm"}) {
    disk.AddFile(std::string("L\\") + name, "x");
  }
  for (const char* name : {"p00.htm", "f00.htm", "n00.htm", "problems.htm", "freeplayer_g2.gif",
                           "web.gif", "video.gif"}) {
    disk.AddFile(std::string("S\\") + name, "x");
  }
  return disk;
}

// The findings as the command line shows them, in UTF-8.
std::string Describe(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& f : findings) {
    text += f.file + ":" + std::to_string(f.line) + ": " +
            (f.severity == Severity::kError ? "error: " : "warning: ") + f.text + "\n";
  }
  return Cp1250ToUtf8(text);
}

std::string Check(MemoryDisk& disk) {
  std::string findings = Describe(CheckLecture(disk, {"L\\talk.rm", "S"}));
  EXPECT_TRUE(disk.created().empty()) << "the check wrote a file";
  return findings;
}

// Each case: line 1 is sound, line 2 and on hold the broken text; the findings all concern line 2.
TEST(CheckLecture, ReportsEachBrokenLineOnItsLine) {
  struct Case {
    const char* name;
    std::string lines;
    std::string finding;  // after "L\talk.txt:2: "
  } cases[] = {
      {"seven-character time", "0:01:00 00:02:00 P b.gif",
       "error: start \"0:01:00 \" and end \"0:02:00 \" are not times HH:MM:SS with minutes and "
       "seconds below 60; the run reads start \"0:01:00 \", end \"0:02:00 \", type \" \", file "
       "\".gif\""},
      {"minutes past 59", "00:01:00 00:60:00 P b.gif",
       "error: end \"00:60:00\" is not a time HH:MM:SS with minutes and seconds below 60; the run "
       "reads start \"00:01:00\", end \"00:60:00\", type \"P\", file \"b.gif\""},
      {"short line", "00:01:00\r\n00:01:00 00:02:00 P b.gif",
       "error: the line is shorter than \"HH:MM:SS HH:MM:SS T FILE\", so the run reads it "
       "together with line 3 as start \"00:01:00\", end \"\", type \"0\", file "
       "\":01:00 00:02:00 P b.gif\"\n"
       "L\\talk.txt:2: error: the run refuses the lecture: Súbor segmentu 2 „:01:00 00:02:00 P "
       "b.gif“ má v mene dvojbodku, ktorá vo Windows oddeľuje meno súboru od mena jeho dátového "
       "prúdu."},
      {"line ends before the type", "00:01:00 00:02:00",
       "error: the line ends before its type and file name; the run reads start \"00:01:00\", "
       "end \"00:02:00\", type \"\\n\", file \"\""},
      {"missing picture", "00:01:00 00:02:00 P none.jpg",
       "error: \"none.jpg\" is not in the recording's folder; the copy script copies nothing for "
       "it"},
      {"missing long name", "00:01:00 00:02:00 P " + std::string(100, 'x'),
       "error: \"" + std::string(80, 'x') +
           "…\" is not in the recording's folder; the copy script copies nothing for it"},
      {"name no path can hold", "00:01:00 00:02:00 H " + std::string(40000, 'x'),
       "error: \"" + std::string(80, 'x') +
           "…\" is longer than any path a file system takes; the run stops at it"},
      {"missing page", "00:01:00 00:02:00 H none.htm",
       "error: \"none.htm\" is not in the recording's folder; the run stops with \"File not "
       "found.\""},
      {"folder as page", "00:01:00 00:02:00 H dir.htm",
       "error: \"dir.htm\" is not a regular file or may not be read; the run stops with \"File "
       "access denied.\""},
      {"page without a name", "00:01:00 00:02:00 H ",
       "error: the segment has no file name; the run stops with \"File not found.\""},
      {"picture without a name", "00:01:00 00:02:00 P ",
       "error: the segment has no file name; the copy script copies nothing for it"},
      {"folder as picture", "00:01:00 00:02:00 P slides/",
       "error: \"slides/\" names a folder, so the segment has no file; the copy script copies "
       "nothing for it"},
      {"folder as clip", "00:01:00 00:02:00 V clips\\",
       "error: \"clips\\\" names a folder, so the segment has no file; the copy script copies "
       "nothing for it"},
      {"percent in a copied name", "00:01:00 00:02:00 P 50%.png",
       "warning: \"50%.png\" holds \"%\", which a web server may refuse or misread\n"
       "L\\talk.txt:2: warning: \"50%.png\" holds \"%\": the program's own script runner "
       "copies the file as written, but the command interpreter would not, should anyone run "
       "kopiruj.bat by hand"},
      {"patterns in a copied name", "00:01:00 00:02:00 P a*?%*.png",
       "warning: \"a*?%*.png\" holds \"*\", \"?\" and \"%\", which a web server may refuse or "
       "misread\n"
       "L\\talk.txt:2: warning: \"a*?%*.png\" holds \"*\", \"?\" and \"%\": the program's own "
       "script runner copies the file as written, but the command interpreter would not, should "
       "anyone run kopiruj.bat by hand"},
      {"percent in a missing name", "00:01:00 00:02:00 P 5%.png",
       "warning: \"5%.png\" holds \"%\", which a web server may refuse or misread\n"
       "L\\talk.txt:2: error: \"5%.png\" is not in the recording's folder; the copy script "
       "copies nothing for it"},
      {"percent in a page's name", "00:01:00 00:02:00 H p%.htm",
       "warning: \"p%.htm\" holds \"%\", which a web server may refuse or misread"},
      {"quote in a copied name", "00:01:00 00:02:00 P \"q\".jpg",
       "error: the run refuses the lecture: Názov súboru alebo cesta obsahuje úvodzovky."},
      {"name leaving the folder", "00:01:00 00:02:00 H ../p.htm",
       "error: the run refuses the lecture: Súbor segmentu 2 „../p.htm“ je zadaný absolútnou "
       "cestou alebo cestou s „..“."},
      {"name the run writes", "00:01:00 00:02:00 P Proces.bat",
       "error: the run refuses the lecture: Súbor segmentu 2 „Proces.bat“ má rovnaké meno ako "
       "súbor, ktorý zapisuje spracovanie."},
      {"end before start", "00:01:00 00:00:30 P b.gif",
       "warning: the segment ends at 00:00:30, before it starts at 00:01:00"},
      {"gap", "00:01:30 00:02:00 P b.gif",
       "warning: the segment starts at 00:01:30, but the one before it (line 1) ends at "
       "00:01:00: a gap"},
      {"overlap", "00:00:30 00:02:00 P b.gif",
       "warning: the segment starts at 00:00:30, but the one before it (line 1) ends at "
       "00:01:00: they overlap"},
      {"lower-case h", "00:01:00 00:02:00 h p.htm",
       "warning: type \"h\" publishes the segment as a picture; an HTML page is type \"H\""},
      {"unknown type", "00:01:00 00:02:00 X b.gif",
       "warning: type \"X\" is not P, V or H; the segment is published as a picture"},
      {"picture type, page file", "00:01:00 00:02:00 P p.htm",
       "warning: type \"P\" publishes a picture, but \"p.htm\" looks like an HTML page"},
      {"page type, picture file", "00:01:00 00:02:00 H a.jpg",
       "warning: type \"H\" publishes an HTML page, but \"a.jpg\" looks like a picture"},
      {"video type, picture file", "00:01:00 00:02:00 V b.gif",
       "warning: type \"V\" publishes a video clip, but \"b.gif\" looks like a picture"},
      {"undefined byte", "00:01:00 00:02:00 P b\x81.gif",
       "warning: \"b\u0081.gif\" holds 0x81, which Windows-1250 does not define"},
      {"UTF-8 name", "00:01:00 00:02:00 H tabu\xC4\xBEka.htm",
       "warning: \"tabuÄľka.htm\" looks like UTF-8 for \"tabuľka.htm\"; the timing file "
       "is read as Windows-1250"},
      {"UTF-8 beyond Windows-1250", "00:01:00 00:02:00 P \xE4\xB8\xAD.jpg",
       "warning: \"ä¸\u00AD.jpg\" looks like UTF-8 for a name that Windows-1250 cannot hold"},
      {"web-unsafe characters", "00:01:00 00:02:00 P a#b&.jpg",
       "warning: \"a#b&.jpg\" holds \"#\" and \"&\", which a web server may refuse or misread"},
      {"ends after the recording", "00:01:00 00:10:01 P b.gif",
       "warning: the segment ends at 00:10:01, after the recording ends at 00:10:00.000"},
  };
  for (const auto& c : cases) {
    MemoryDisk disk = Lecture(std::string(kGoodLine) + c.lines + "\r\n");
    disk.FailOpenFor("L\\dir.htm", kFileAccessDenied);
    EXPECT_EQ(Check(disk), "L\\talk.txt:2: " + c.finding + "\n") << c.name;
  }
}

TEST(CheckLecture, ReportsTheLecturesFilesAsAWhole) {
  MemoryDisk sound = Lecture(std::string(kGoodLine) + "00:01:00 00:10:00 H p.htm");
  EXPECT_EQ(Check(sound), "");

  MemoryDisk broken = Lecture(std::string(kGoodLine) + "00:11:00 00:12:00 P b.gif\r\n");
  broken.AddFile("L\\talk.rm", ".RMF");
  broken.FailOpenFor("S\\p00.htm", kFileNotFound);
  broken.FailOpenFor("S\\web.gif", kFileAccessDenied);
  EXPECT_EQ(Check(broken),
            "L\\talk.rm:0: warning: the recording's length is unknown (the file ends inside a "
            "chunk header at byte 0); segment times are not checked against it\n"
            "L\\talk.txt:2: warning: the segment starts at 00:11:00, but the one before it (line "
            "1) ends at 00:01:00: a gap\n"
            "S\\p00.htm:0: error: the style folder has no such file; the run stops with \"File not "
            "found.\"\n"
            "S\\web.gif:0: error: the file cannot be read (File access denied.); the copy script "
            "copies nothing for it\n");

  MemoryDisk late = Lecture(std::string(kGoodLine) + "00:11:00 00:12:00 P b.gif\r\n");
  EXPECT_NE(Check(late).find("2: warning: the segment starts at 00:11:00, after the recording"),
            std::string::npos);
}

// With the player in the style folder its assets are checked, and its names are the run's.
TEST(CheckLecture, WithThePlayerChecksItsFilesAndRefusesItsNames) {
  MemoryDisk disk = Lecture(std::string(kGoodLine) + "00:01:00 00:02:00 V zaznam.mp4\r\n");
  disk.AddFile("L\\zaznam.mp4", "x");
  EXPECT_EQ(Check(disk), "");
  disk.AddFile("S\\prehravac.htm", "<!--prednaska-->");
  disk.AddFile("S\\prehravac.css", "x");
  EXPECT_EQ(Check(disk),
            "L\\talk.txt:2: error: the run refuses the lecture: Súbor segmentu 2 „zaznam.mp4“ má "
            "rovnaké meno ako súbor, ktorý zapisuje spracovanie.\n"
            "S\\prehravac.js:0: error: the style folder has no such file; the copy script copies "
            "nothing for it\n");
}

TEST(CheckLecture, RefusesWhatTheRunRefuses) {
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "00:00:00 00:00:00 P a.jpg\r\n";
  MemoryDisk disk = Lecture(lines);
  EXPECT_EQ(Check(disk),
            "L\\talk.txt:1000: error: the run refuses the lecture: Časovací súbor má viac ako "
            "999 segmentov.\n");

  disk.AddFile("L\\t\"k.rm", RealMediaHeader(600000));
  disk.AddFile("L\\t\"k.txt", kGoodLine);
  EXPECT_EQ(Describe(CheckLecture(disk, {"L\\t\"k.rm", std::nullopt})),
            "L\\t\"k.rm:0: error: the run refuses the lecture: Názov súboru alebo cesta obsahuje "
            "úvodzovky.\n");
}

TEST(CheckLecture, AnUnreadableRecordingOrTimingFileIsAnIoError) {
  for (const char* missing : {"L\\talk.rm", "L\\talk.txt"}) {
    MemoryDisk disk = Lecture(kGoodLine);
    disk.FailOpenFor(missing, kFileNotFound);
    EXPECT_THROW(CheckLecture(disk, {"L\\talk.rm", "S"}), IoError) << missing;
  }
}

}  // namespace
}  // namespace orvello::core
