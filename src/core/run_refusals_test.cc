#include "core/run_refusals.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/encoding.h"
#include "lecture_state.h"

namespace orvello::core {
namespace {

using testing::RunStateFor;

// How a segment is refused, and the message text that says so (UTF-8, "%d" the segment's number
// and "%s" its file name).
enum Kind { kFine, kQuote, kOutside, kReserved };
const char* const kTexts[] = {
    "",
    "Názov súboru alebo cesta obsahuje úvodzovky.",
    "Súbor segmentu %d „%s“ je zadaný absolútnou cestou alebo cestou s „..“.",
    "Súbor segmentu %d „%s“ má rovnaké meno ako súbor, ktorý zapisuje spracovanie.",
};

// `text` with its first `mark` replaced by `value`. Built by appending: g++ 12 at -O3 takes
// std::string::replace here for an overlapping copy.
std::string Filled(const std::string& text, const char* mark, const std::string& value) {
  size_t at = text.find(mark);
  if (at == std::string::npos) return text;
  return std::string(text, 0, at).append(value).append(text, at + 2);
}

std::string Expected(Kind kind, int number, const std::string& name) {
  return Filled(Filled(kTexts[kind], "%d", std::to_string(number)), "%s", name);
}

TEST(FindSegmentRefusals, ListsEveryRefusedSegmentWithItsFirstReason) {
  const struct {
    char type;
    const char* name;
    Kind kind;
  } cases[] = {
      {'P', "slide01.jpg", kFine},
      {'V', "sub/clip.avi", kFine},
      {'H', "pages\\intro.htm", kFine},
      {'H', "stránka.htm", kFine},
      {'H', "./p01.htm", kFine},
      {'P', "..slide.jpg", kFine},
      {'P', "a..b/c.jpg", kFine},
      {'H', "proces.bat", kFine},  // read where it lies, never copied
      {'H', "sld01.htm", kFine},
      {'P', "kl\"ip.avi", kQuote},
      {'V', "kl\"ip.avi", kQuote},
      {'h', "kl\"ip.avi", kQuote},
      {'H', "kl\"ip.htm", kQuote},  // would end the thumbnail's attribute in folie.htm
      {'P', "../../elsewhere/notes.txt", kOutside},
      {'H', "../../../dev/zero", kOutside},
      {'P', "sub/../../x.jpg", kOutside},
      {'P', "sub\\..\\x.jpg", kOutside},
      {'P', "sub/.. /x.jpg", kOutside},
      {'P', ".../x.jpg", kOutside},
      {'P', "..", kOutside},
      {'P', "/etc/passwd", kOutside},
      {'H', "\\\\server\\share\\a.htm", kOutside},
      {'P', "C:\\x.jpg", kOutside},
      {'P', "c:x.jpg", kOutside},
      {'P', "../proces.bat\"", kQuote},
      {'P', "", kFine},  // the script runner copies exactly the file named, or nothing
      {'P', "sub/", kFine},
      {'P', "*.*", kFine},
      {'P', "slide?.jpg", kFine},
      {'P', "%COMSPEC%.jpg", kFine},
      {'P', "proces.bat", kReserved},
      {'V', "sub/KOPIRUJ.BAT", kReserved},
      {'h', "sld01.htm", kReserved},
      {'P', "p999.htm", kReserved},
      {'P', "R12.rpm", kReserved},
      {'P', "Skus.txt", kReserved},
      {'P', "event.txt", kReserved},
      {'P', "folie.htm", kReserved},
      {'P', "web.gif", kReserved},
      {'V', "a.rm", kReserved},  // the recording's output copy
      {'P', "proces.bat. ", kReserved},
      {'P', "proces.bat::$DATA", kReserved},
  };
  std::vector<Segment> segments;
  for (const auto& c : cases) {
    std::string name;
    ASSERT_TRUE(Utf8ToCp1250(c.name, &name)) << c.name;
    segments.push_back({"00:00:00", "00:00:01", c.type, name});
  }
  const RunState state = RunStateFor({"C:\\lect\\a.rm", "", "", "", "C:\\out"}, '\\', segments);

  std::vector<std::string> found, expected;
  for (const SegmentRefusal& refusal : FindSegmentRefusals(state)) {
    found.push_back(std::to_string(refusal.segment) + ": " + Cp1250ToUtf8(refusal.reason));
  }
  for (size_t i = 0; i < std::size(cases); ++i) {
    if (cases[i].kind == kFine) continue;
    int number = static_cast<int>(i) + 1;
    expected.push_back(std::to_string(number) + ": " +
                       Expected(cases[i].kind, number, cases[i].name));
  }
  EXPECT_EQ(found, expected);
}

// Windows writes "ab:proces.bat" into a stream of "ab", a runner cutting at the last ':' into
// proces.bat: a copied name with a ':' is refused whatever comes after it.
TEST(FindSegmentRefusals, RefusesAColonAnywhereInACopiedName) {
  const char kStream[] =
      "má v mene dvojbodku, ktorá vo Windows oddeľuje meno súboru od mena jeho dátového prúdu.";
  const struct {
    char type;
    const char* name;
    const char* ending;  // of the reason, UTF-8; "" when the segment is fine
  } cases[] = {
      {'P', "ab:proces.bat", kStream},
      {'V', "sub/x:folie.htm", kStream},
      {'h', "a.jpg:", kStream},
      {'P', "sub:dir\\a.jpg", kStream},
      {'P', "PROCES.BAT:x", "má rovnaké meno ako súbor, ktorý zapisuje spracovanie."},
      {'P', "d:proces.bat", "je zadaný absolútnou cestou alebo cestou s „..“."},
      {'H', "ab:proces.bat", ""},  // read where it lies, never copied
  };
  for (const auto& c : cases) {
    const RunState state = RunStateFor({"C:\\lect\\a.rm", "", "", "", "C:\\out"}, '\\',
                                       {{"00:00:00", "00:00:01", c.type, c.name}});
    std::vector<SegmentRefusal> refusals = FindSegmentRefusals(state);
    std::string found = refusals.empty() ? "" : Cp1250ToUtf8(refusals.front().reason);
    std::string expected =
        *c.ending == '\0' ? "" : std::string("Súbor segmentu 1 „") + c.name + "“ " + c.ending;
    EXPECT_EQ(found, expected) << c.name;
  }
}

TEST(IsOutputName, KnowsEveryNameARunWritesInAnyCase) {
  const std::pair<std::string_view, bool> cases[] = {
      {"kopiruj.bat", true},
      {"PROCES.BAT", true},
      {"Event.Txt", true},
      {"skus.txt", true},
      {"FOLIE.HTM", true},
      {"problems.htm", true},
      {"Freeplayer_G2.gif", true},
      {"video.GIF", true},
      {"lecture.rm", true},
      {"p01.htm", true},
      {"F09.htm", true},
      {"n10.htm", true},
      {"sld99.htm", true},
      {"P100.HTM", true},
      {"sld999.htm", true},
      {"r01.ram", true},
      {"r250.rpm", true},
      {"proces.bat...", true},
      {"folie.htm:x", true},
      {"p00.htm", false},
      {"p1.htm", false},
      {"p001.htm", false},
      {"p1000.htm", false},
      {"sld7.htm", false},
      {"s01.htm", false},
      {"r01.htm", false},
      {"p01.ram", false},
      {"p0a.htm", false},
      {"p-1.htm", false},
      {"pomoc.htm", false},
      {"data.txt", false},
      {"slide01.jpg", false},
      {"proces.bat.txt", false},
      {"lecture.rmx", false},
      {"", false},
  };
  for (const auto& [name, written] : cases)
    EXPECT_EQ(IsOutputName(name, "lecture.rm"), written) << name;
  EXPECT_FALSE(IsOutputName("", ""));
}

TEST(SegmentFileReason, CutsALongNameShort) {
  const std::string name = std::string(kLongestShownName, 'x') + "y*.jpg";
  EXPECT_EQ(Cp1250ToUtf8(SegmentFileReason(7, name, "!")),
            "Súbor segmentu 7 „" + std::string(kLongestShownName, 'x') + "…“ !");
  EXPECT_EQ(Cp1250ToUtf8(SegmentFileReason(7, name.substr(1), "!")),
            "Súbor segmentu 7 „" + name.substr(1, kLongestShownName) + "…“ !");
}

TEST(TooManySegmentsRefusal, NamesTheFirstSegmentPastTheLimit) {
  SegmentRefusal refusal = TooManySegmentsRefusal();
  EXPECT_EQ(refusal.segment, 1000);
  EXPECT_EQ(Cp1250ToUtf8(refusal.reason), "Časovací súbor má viac ako 999 segmentov.");
}

}  // namespace
}  // namespace orvello::core
