#include "ui/Strih02.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/cp1250_literal.h"
#include "core/io_error.h"
#include "platform/real_disk.h"
#include "test_util.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace orvello::ui {
namespace {

using orvello::testing::ReadFileBytes;
using orvello::testing::WriteFileBytes;
using testing::Click;
using testing::IsShown;
using testing::Joined;
using testing::LastRowInView;
using testing::ScrollBarsOf;
using testing::SetNextFileName;
using testing::ShownBounds;
using testing::ShownRows;
using testing::TypeInto;

constexpr auto& kMediaText = "Rm súbor spracovanej prednášky"_cp1250;
constexpr auto& kOutputText = "Adresár pre online prednášku"_cp1250;
constexpr auto& kNoHelp =
    "Pozor: Najprv nastavte cestu k Style adresáru, potom sa Vam otvori nápoveda."_cp1250;

class RecordingStarter : public core::ScriptStarter {
 public:
  void Start(const std::string& dir, const std::string& name) override {
    started.push_back(dir + " " + name);
  }
  std::vector<std::string> started;
};

class Strih02Test : public ::testing::Test {
 protected:
  void SetUp() override { fs::current_path(temp_.path()); }
  void TearDown() override {
    form_.reset();
    fs::current_path(saved_);
  }

  // Starts the main window in the temporary folder, with a stand-in timing editor.
  TForm1& Start(core::DiskInterface* disk = nullptr) {
    form_ = std::make_unique<TForm1>(*app_, disk ? *disk : *disk_, starter_,
                                     [this](const std::string& path) { opened_.push_back(path); });
    timing_ = app_->CreateWindow();
    form_->SetPeers({nullptr, nullptr, nullptr, timing_.get()});
    form_->Show();
    return *form_;
  }
  // `name` in the temporary folder.
  std::string Here(const std::string& name) { return testing::PathIn(temp_.path(), name); }

  fs::path saved_ = fs::current_path();
  orvello::testing::ScopedTempDir temp_;
  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = testing::MakeTestApplication(&errors_);
  std::unique_ptr<core::DiskInterface> disk_ = platform::MakeRealDisk();
  RecordingStarter starter_;
  std::vector<std::string> opened_;
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<Window> timing_;
};

TEST_F(Strih02Test, StartsWithOneErrorAndTheInitialTextsWithoutSettings) {
  // No Style folder: the path is not found; a Style folder without data.txt: the file is not.
  for (const char* shown : {"Invalid filename.", "File not found."}) {
    errors_.clear();
    TForm1& form = Start();
    EXPECT_EQ(std::vector<std::string>{shown}, errors_);
    EXPECT_EQ(kMediaText, form.Edit1->text());
    EXPECT_EQ(kOutputText, form.Edit5->text());
    EXPECT_EQ("Style adresár"_cp1250, form.Edit4->text());
    EXPECT_EQ("Real Producer", form.Edit2->text());
    EXPECT_EQ("", form.Edit3->text());
    EXPECT_TRUE(form.Memo1->lines().empty());
    EXPECT_TRUE(form.window().visible());
    fs::create_directory("Style");
  }
}

TEST_F(Strih02Test, LoadsTheTwoSettingsLinesAsTheyAre) {
  struct Case {
    std::string bytes;
    std::string style;
    std::string producer;
  };
  const Case cases[] = {
      {"Style\r\nProducer", "Style", "Producer"},
      {"C:\\site\\Style\r\nC:\\Real\r\nignored\r\n", "C:\\site\\Style", "C:\\Real"},
      {"only one line", "only one line", ""},
      {"only one line\r\n", "only one line", ""},
      {"", "", ""},
      {std::string(5000, 'x'), std::string(5000, 'x'), ""},  // no line end at all
      {"a\nb\r\nc", "a", "b"},  // a bare LF ends no line, but skipping one stops after it
      // Junk: control bytes and the code page's undefined ones; a Ctrl-Z ends the file.
      {std::string("\0\x01\x7F", 3) + "\x81\x98\xFF x\ty\r\n\x1B\x83\x1A"
                                      "after",
       std::string("\0\x01\x7F", 3) + "\x81\x98\xFF x\ty", "\x1B\x83"},
  };
  fs::create_directory("Style");
  for (const Case& c : cases) {
    WriteFileBytes(Here("Style/data.txt"), c.bytes);
    TForm1& form = Start();
    EXPECT_EQ(c.style, form.Edit4->text()) << c.bytes;
    EXPECT_EQ(c.producer, form.Edit2->text()) << c.bytes;
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Strih02Test, SavesIntoTheStyleFieldsFolderAndLoadsFromTheWorkingDirectory) {
  fs::create_directories("site/Style");
  fs::create_directory("Style");
  WriteFileBytes(Here("Style/data.txt"), "Style\r\nProducer");
  TForm1& form = Start();
  TypeInto(form.Edit4, Here("site/Style"));
  TypeInto(form.Edit2, "C:\\Program Files\\Real\\Producer\\");
  Click(form.Button3);
  EXPECT_EQ(Here("site/Style") + "\r\nC:\\Program Files\\Real\\Producer\\",
            ReadFileBytes(Here("site/Style/data.txt")));
  EXPECT_EQ("Style\r\nProducer", ReadFileBytes(Here("Style/data.txt")));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Strih02Test, SavingIntoAMissingFolderShowsTheErrorAndChangesNothingElse) {
  fs::create_directory("Style");
  TForm1& form = Start();
  errors_.clear();
  form.Edit4->SetText(Here("missing"));
  form.Memo1->Append("before");
  Click(form.Button3);
  EXPECT_EQ(std::vector<std::string>{"Invalid filename."}, errors_);
  EXPECT_EQ(Here("missing"), form.Edit4->text());
  EXPECT_EQ("Real Producer", form.Edit2->text());
  EXPECT_EQ(std::vector<std::string>{"before"}, form.Memo1->lines());
  EXPECT_TRUE(fs::is_empty(Here("Style")));
  EXPECT_FALSE(fs::exists(Here("missing")));
}

TEST_F(Strih02Test, AFailedSaveKeepsThePreviousSettings) {
  orvello::testing::MemoryDisk disk('/');
  disk.AddFile("Style/data.txt", "old\r\nsettings");
  TForm1& form = Start(&disk);
  disk.FailCloseFor("Style/data.txt", core::kDiskFull);
  form.Edit4->SetText("Style");
  Click(form.Button3);
  EXPECT_EQ(std::vector<std::string>{"Disk full."}, errors_);
  EXPECT_EQ("old\r\nsettings", disk.Contents("Style/data.txt"));
}

TEST_F(Strih02Test, HelpOpensPomocInTheStyleFolderOrSaysWhyNot) {
  TForm1& form = Start();
  errors_.clear();
  form.Edit4->SetText(Here("Style"));
  Click(form.Button4);
  EXPECT_EQ(std::vector<std::string>{kNoHelp}, form.Memo1->lines());
  EXPECT_TRUE(opened_.empty());

  fs::create_directory("Style");
  WriteFileBytes(Here("Style/pomoc.htm"), "<html></html>");
  form.Edit4->SetText("Style");  // relative: from the working directory
  Click(form.Button4);
  EXPECT_EQ(std::vector<std::string>{testing::PathIn("Style", "pomoc.htm")}, opened_);
  EXPECT_EQ(1u, form.Memo1->lines().size());
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Strih02Test, TimingAndProcessButtonsShareTheMessageCounter) {
  TForm1& form = Start();
  form.Edit1->SetText(Here("a.rm"));
  Click(form.Button9);
  Click(form.Button9);
  Click(form.Button1);
  EXPECT_FALSE(timing_->visible());
  WriteFileBytes(Here("a.rm"), "");
  Click(form.Button9);
  EXPECT_TRUE(timing_->visible());
  fs::remove(Here("a.rm"));
  Click(form.Button9);
  EXPECT_EQ((std::vector<std::string>{
                "1: Najprv nastavte Media súbor."_cp1250,
                "2: Najprv nastavte Media súbor."_cp1250,
                "3: Najprv nastavte Media súbor alebo výstupný adresár."_cp1250,
                "5: Najprv nastavte Media súbor."_cp1250,
            }),
            form.Memo1->lines());
  app_->RunGuarded([&] { form.FormCreate(); });  // the counter starts again with the window
  Click(form.Button9);
  EXPECT_EQ("1: Najprv nastavte Media súbor."_cp1250, form.Memo1->lines().back());
}

TEST_F(Strih02Test, TheMediaDialogSharesItsPathWithTheLastRun) {
  TForm1& form = Start();
  SetNextFileName(*app_, std::nullopt);
  Click(form.Button2);
  EXPECT_EQ("", form.Edit1->text());  // cancelled before any choice

  SetNextFileName(*app_, Here("přednaska.rm"));
  Click(form.Button2);
  EXPECT_EQ(Here("přednaska.rm"_cp1250), form.Edit1->text());

  TypeInto(form.Edit1, "typed.rm");
  SetNextFileName(*app_, std::nullopt);
  Click(form.Button2);
  EXPECT_EQ(Here("přednaska.rm"_cp1250), form.Edit1->text());

  SetNextFileName(*app_, Here("日.rm"));  // no Windows-1250 name: refused
  Click(form.Button2);
  EXPECT_EQ(Here("přednaska.rm"_cp1250), form.Edit1->text());
  EXPECT_EQ(2u, errors_.size());
}

TEST_F(Strih02Test, FieldsRefuseWhatWindows1250CannotHold) {
  TForm1& form = Start();
  TypeInto(form.Edit5, "výstup日/🎓x");
  EXPECT_EQ("výstup/x"_cp1250, form.Edit5->text());
  TypeInto(form.Edit3, "http://example.org/škola");
  EXPECT_EQ("http://example.org/škola"_cp1250, form.Edit3->text());
}

// Copies the bundled example into the temporary folder, with a recording tool that runs here.
void CopyExample(const std::string& to) {
  fs::copy(fs::path(ORVELLO_SOURCE_DIR) / "examples", to, fs::copy_options::recursive);
#ifdef _WIN32
  fs::copy_file(ORVELLO_BINARY_DIR "/examples/Producer/rmevents.exe",
                to + "/Producer/rmevents.exe");
#endif
}

TEST_F(Strih02Test, TheProcessButtonPublishesTheExampleLecture) {
  CopyExample(temp_.path());
  fs::create_directory("out");
  TForm1& form = Start();
  ASSERT_TRUE(errors_.empty());
  EXPECT_EQ("Style", form.Edit4->text());
  EXPECT_EQ("Producer", form.Edit2->text());
  SetNextFileName(*app_, Here("lecture/prednaska.rm"));
  Click(form.Button2);
  form.Edit5->SetText("out");  // relative, as typed
  Click(form.Button1);
  EXPECT_EQ(std::vector<std::string>{"On line prednaska: OK"}, form.Memo1->lines());
  EXPECT_TRUE(errors_.empty());
  // The example's style holds the player: the conversion script starts third.
  EXPECT_EQ(
      (std::vector<std::string>{Here("out/ kopiruj"), Here("out/ proces"), Here("out/ konvertuj")}),
      starter_.started);
  // The scripts run in the output folder, so they name the style folder absolutely.
  std::string copy_script = ReadFileBytes(Here("out/kopiruj.bat"));
  EXPECT_NE(std::string::npos, copy_script.find(Here("Style/web.gif"))) << copy_script;
  EXPECT_TRUE(fs::exists(Here("out/folie.htm")));
  EXPECT_TRUE(fs::exists(Here("out/p07.htm")));
  EXPECT_TRUE(fs::exists(Here("out/prehravac.htm")));
}

TEST_F(Strih02Test, ARunWithoutARunnableRecordingToolSaysSoAfterItsLine) {
  CopyExample(temp_.path());
  fs::create_directory("out");
  TForm1& form = Start();
  SetNextFileName(*app_, Here("lecture/prednaska.rm"));
  Click(form.Button2);
  form.Edit5->SetText("out");
  const std::string warning =
      "Pozor: v adresári RealProducer nie je program rmevents, ktorý sa dá spustiť; záznam sa "
      "nespracuje."_cp1250;
  for (const char* producer : {"nowhere", "lecture"}) {  // no such folder; a folder without it
    form.Memo1->Clear();
    form.Edit2->SetText(producer);
    Click(form.Button1);
    EXPECT_EQ((std::vector<std::string>{"On line prednaska: OK", warning}), form.Memo1->lines())
        << producer;
  }
  form.Memo1->Clear();  // a refused run starts no script: nothing to warn of
  form.Edit1->SetText("");
  Click(form.Button1);
  EXPECT_EQ(1u, form.Memo1->lines().size());
}

TEST_F(Strih02Test, TheMessageBoxShowsWholeMessagesAndTheLatestOne) {
  auto refusal = [](int number) {
    return std::to_string(number) + ": Najprv nastavte Media súbor alebo výstupný adresár."_cp1250;
  };
  TForm1& form = Start();
  Click(form.Button1);  // nothing chosen yet
  std::vector<std::string> rows = ShownRows(form.Memo1);
  EXPECT_GE(rows.size(), 2u) << "wrapped at the box's width";
  EXPECT_EQ(refusal(1), Joined(rows));
  EXPECT_FALSE(ScrollBarsOf(form.Memo1).vertical) << "one message fits";
  EXPECT_FALSE(ScrollBarsOf(form.Memo1).horizontal);

  Click(form.Button1);
  Click(form.Button1);
  EXPECT_EQ(refusal(1) + refusal(2) + refusal(3), Joined(ShownRows(form.Memo1)));
  EXPECT_TRUE(ScrollBarsOf(form.Memo1).vertical);
  EXPECT_FALSE(ScrollBarsOf(form.Memo1).horizontal);
  EXPECT_TRUE(LastRowInView(form.Memo1));
}

TEST_F(Strih02Test, ARunThatFailsOnAFileShowsTheErrorAndNoSuccessLine) {
  TForm1& form = Start();
  errors_.clear();
  WriteFileBytes(Here("a.rm"), "");  // no a.txt beside it
  fs::create_directory("out");
  form.Edit1->SetText(Here("a.rm"));
  form.Edit5->SetText(Here("out"));
  Click(form.Button1);
  EXPECT_EQ(std::vector<std::string>{"File not found."}, errors_);
  EXPECT_TRUE(form.Memo1->lines().empty());
  EXPECT_TRUE(fs::exists(Here("out/Skus.txt")));
  EXPECT_TRUE(starter_.started.empty());
}

TEST_F(Strih02Test, ControlsSitAtTheirPlaces) {
  TForm1& form = Start();
  EXPECT_EQ("  Orvello", form.window().caption());
  EXPECT_EQ((Bounds{0, 0, 573, 286}), ShownBounds(&form.window()));
  struct Place {
    Control* control;
    Bounds rect;
    std::string caption;
  };
  const std::string open = "Otvoriť"_cp1250;
  const Place places[] = {
      {form.Edit1, {104, 16, 220, 21}, ""},
      {form.Edit5, {104, 40, 220, 21}, ""},
      {form.Edit4, {104, 80, 220, 21}, ""},
      {form.Edit2, {104, 112, 220, 21}, ""},
      {form.Edit3, {104, 144, 217, 21}, ""},
      {form.Memo1, {24, 176, 225, 49}, ""},
      {form.Bevel1, {96, 72, 457, 65}, ""},
      {form.Button2, {328, 16, 100, 20}, open},
      {form.Button7, {328, 40, 100, 20}, open},
      {form.Button6, {328, 80, 100, 20}, open},
      {form.Button8, {328, 112, 100, 20}, open},
      {form.Button9, {440, 24, 100, 33}, "Časovanie"_cp1250},
      {form.Button3, {440, 88, 100, 33}, "Uložiť nastavenia"_cp1250},
      {form.Button1, {440, 144, 100, 33}, "S P R A C U J"},
      {form.Button4, {280, 192, 105, 33}, "Pomoc"},
  };
  for (const Place& p : places) {
    EXPECT_EQ(p.rect, ShownBounds(p.control)) << p.caption;
    EXPECT_TRUE(IsShown(p.control)) << p.caption;
    if (auto* button = dynamic_cast<Button*>(p.control)) {
      EXPECT_EQ(p.caption, button->caption());
    }
  }
  // Each label on its field's line, left of it.
  const std::pair<Label*, Edit*> labels[] = {{form.Label1, form.Edit1},
                                             {form.Label2, form.Edit5},
                                             {form.Label3, form.Edit4},
                                             {form.Label4, form.Edit2},
                                             {form.Label5, form.Edit3}};
  const std::string texts[] = {"Media súbor"_cp1250, "Výst. adresár:"_cp1250,
                               "Style adresár:"_cp1250, "RealProducer:", "Web adresa:"};
  for (size_t i = 0; i < std::size(labels); ++i) {
    Bounds label = labels[i].first->bounds();
    Bounds field = labels[i].second->bounds();
    EXPECT_EQ(texts[i], labels[i].first->caption());
    EXPECT_LE(label.left + label.width, field.left) << texts[i];
    EXPECT_GE(label.top, field.top) << texts[i];
    EXPECT_LE(label.top + label.height, field.top + field.height) << texts[i];
  }
}

}  // namespace
}  // namespace orvello::ui
