// Implementation details: the window is built in code, control by control, at the positions the
// program has always had. The process button hands the run every relative path made absolute
// against the working directory (which the directory pickers change): the run's scripts execute
// in the output folder and would otherwise look for the style and segment files there.
#include "ui/Strih02.h"

#include <string>
#include <utility>

#include "core/batch_scripts.h"
#include "core/cp1250_literal.h"
#include "core/file_checks.h"
#include "core/process_run.h"
#include "core/settings_file.h"
#include "platform/converter.h"
#include "platform/program_check.h"
#include "platform/working_directory.h"

namespace orvello::ui {

namespace {

constexpr int kWidth = 573;
constexpr int kHeight = 286;
constexpr char kCaption[] = "  Orvello";

constexpr auto& kMediaLabel = "Media súbor"_cp1250;
constexpr auto& kOutputLabel = "Výst. adresár:"_cp1250;
constexpr auto& kStyleLabel = "Style adresár:"_cp1250;
constexpr char kProducerLabel[] = "RealProducer:";
constexpr char kWebLabel[] = "Web adresa:";

constexpr auto& kMediaText = "Rm súbor spracovanej prednášky"_cp1250;
constexpr auto& kOutputText = "Adresár pre online prednášku"_cp1250;
constexpr auto& kStyleText = "Style adresár"_cp1250;
constexpr char kProducerText[] = "Real Producer";

constexpr auto& kOpenCaption = "Otvoriť"_cp1250;
constexpr auto& kTimingCaption = "Časovanie"_cp1250;
constexpr auto& kSaveCaption = "Uložiť nastavenia"_cp1250;
constexpr char kProcessCaption[] = "S P R A C U J";
constexpr char kHelpCaption[] = "Pomoc";

constexpr char kMediaFilter[] = "Rm files (*.rm)|*.rm";
constexpr char kSettingsFolder[] = "Style";
constexpr char kHelpName[] = "pomoc.htm";

constexpr auto& kNoHelpMessage =
    "Pozor: Najprv nastavte cestu k Style adresáru, potom sa Vam otvori nápoveda."_cp1250;
constexpr auto& kNoRecordingToolMessage =
    "Pozor: v adresári RealProducer nie je program rmevents, ktorý sa dá spustiť; záznam sa "
    "nespracuje."_cp1250;
constexpr auto& kNoMediaMessage = ": Najprv nastavte Media súbor."_cp1250;

// A label stands left of its field, its text on the field's line.
Bounds LabelFor(int field_top) { return {16, field_top + 3, 84, 16}; }

}  // namespace

TForm1::TForm1(Application& app, core::DiskInterface& disk, core::ScriptStarter& starter,
               HelpOpener open_help)
    : app_(app),
      disk_(disk),
      starter_(starter),
      open_help_(std::move(open_help)),
      window_(app.CreateWindow()) {
  Build();
  app_.RunGuarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::Build() {
  Window& w = *window_;
  w.SetCaption(kCaption);
  w.SetSize(kWidth, kHeight);
  Bevel1 = w.AddFrame({96, 72, 457, 65});
  Label1 = w.AddLabel(LabelFor(16), kMediaLabel);
  Label2 = w.AddLabel(LabelFor(40), kOutputLabel);
  Label3 = w.AddLabel(LabelFor(80), kStyleLabel);
  Label4 = w.AddLabel(LabelFor(112), kProducerLabel);
  Label5 = w.AddLabel(LabelFor(144), kWebLabel);
  Edit1 = w.AddEdit({104, 16, 220, 21}, kMediaText);
  Edit5 = w.AddEdit({104, 40, 220, 21}, kOutputText);
  Edit4 = w.AddEdit({104, 80, 220, 21}, kStyleText);
  Edit2 = w.AddEdit({104, 112, 220, 21}, kProducerText);
  Edit3 = w.AddEdit({104, 144, 217, 21}, "");
  Memo1 = w.AddMemo({24, 176, 225, 49});
  Button2 = w.AddButton({328, 16, 100, 20}, kOpenCaption);
  Button7 = w.AddButton({328, 40, 100, 20}, kOpenCaption);
  Button6 = w.AddButton({328, 80, 100, 20}, kOpenCaption);
  Button8 = w.AddButton({328, 112, 100, 20}, kOpenCaption);
  Button9 = w.AddButton({440, 24, 100, 33}, kTimingCaption);
  Button3 = w.AddButton({440, 88, 100, 33}, kSaveCaption);
  Button1 = w.AddButton({440, 144, 100, 33}, kProcessCaption);
  Button4 = w.AddButton({280, 192, 105, 33}, kHelpCaption);

  Button1->OnClick([this] { Button1Click(); });
  Button2->OnClick([this] { Button2Click(); });
  Button3->OnClick([this] { Button3Click(); });
  Button4->OnClick([this] { Button4Click(); });
  Button6->OnClick([this] { Button6Click(); });
  Button7->OnClick([this] { Button7Click(); });
  Button8->OnClick([this] { Button8Click(); });
  Button9->OnClick([this] { Button9Click(); });
}

void TForm1::FormCreate() {
  state_.message_counter = 0;
  Memo1->Clear();
  core::Settings settings = core::LoadSettings(
      disk_, std::string(kSettingsFolder) + disk_.separator() + core::kSettingsFileName);
  Edit4->SetText(settings.style);
  Edit2->SetText(settings.producer);
}

void TForm1::Button1Click() {
  core::RunFields fields;
  fields.media = platform::AbsolutePath(Edit1->text());
  fields.producer = platform::AbsolutePath(Edit2->text());
  fields.web = Edit3->text();
  fields.style = platform::AbsolutePath(Edit4->text());
  fields.output = platform::AbsolutePath(Edit5->text());
  core::RunOutcome outcome =
      core::ProcessRun(fields, &state_, disk_, starter_, platform::FindConverter());
  Memo1->Append(outcome.message_line);
  // The run says OK once its scripts start; proces.bat fails later, where nobody sees it.
  if (outcome.result == core::RunResult::kSucceeded &&
      platform::CheckProgram(state_.params.producer_dir + core::kRecordingToolName) !=
          platform::ProgramState::kRunnable) {
    Memo1->Append(kNoRecordingToolMessage);
  }
}

void TForm1::Button2Click() {
  std::string chosen;
  if (app_.RunFileOpenDialog(kMediaFilter, &chosen)) state_.params.media_path = chosen;
  Edit1->SetText(state_.params.media_path);
}

void TForm1::Button3Click() {
  core::SaveSettings(disk_, Edit4->text() + disk_.separator() + core::kSettingsFileName,
                     {Edit4->text(), Edit2->text()});
}

void TForm1::Button4Click() {
  std::string path = Edit4->text() + disk_.separator() + kHelpName;
  if (core::FileCanBeOpened(disk_, path)) {
    open_help_(path);
  } else {
    Memo1->Append(kNoHelpMessage);
  }
}

void TForm1::Button6Click() { ShowPeer(peers_.style_picker); }

void TForm1::Button7Click() { ShowPeer(peers_.output_picker); }

void TForm1::Button8Click() { ShowPeer(peers_.producer_picker); }

void TForm1::Button9Click() {
  ++state_.message_counter;
  if (core::FileCanBeOpened(disk_, Edit1->text())) {
    ShowPeer(peers_.timing_editor);
  } else {
    Memo1->Append(std::to_string(state_.message_counter) + kNoMediaMessage);
  }
}

void TForm1::ShowPeer(Window* peer) {
  if (peer) peer->Show();
}

}  // namespace orvello::ui
