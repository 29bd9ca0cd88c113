#include "ui/directory_picker.h"

#include "core/cp1250_literal.h"

namespace orvello::ui {

namespace {

constexpr int kWidth = 285;
constexpr int kHeight = 365;
constexpr auto& kChosenHeading = "Vybraný adresár:"_cp1250;
constexpr char kCancelCaption[] = "Cancel";

}  // namespace

DirectoryPicker::DirectoryPicker(Application& app, const PickerTexts& texts, Edit* field)
    : field_(field), window_(app.CreateWindow()) {
  Window& w = *window_;
  w.SetCaption(texts.caption);
  w.SetSize(kWidth, kHeight);
  Memo1 = w.AddMemo({8, 8, 185, 57});
  Button1 = w.AddButton({200, 8, 77, 25}, texts.ok_caption);
  Button2 = w.AddButton({200, 40, 77, 25}, kCancelCaption);
  DriveComboBox1 = w.AddDriveList({8, 72, 269, 21});
  DirectoryListBox1 = w.AddDirectoryList({8, 100, 269, 257});

  Button1->OnClick([this] { Button1Click(); });
  Button2->OnClick([this] { Button2Click(); });
  DriveComboBox1->OnChange([this] { DriveComboBox1Change(); });
  DirectoryListBox1->OnChange([this] { DirectoryListBox1Change(); });
  app.RunGuarded([this] { FormCreate(); });
}

DirectoryPicker::~DirectoryPicker() = default;

void DirectoryPicker::FormCreate() {
  Memo1->Clear();
  Memo1->Append(kChosenHeading);
}

void DirectoryPicker::DriveComboBox1Change() {
  DirectoryListBox1->SetDrive(DriveComboBox1->drive());
}

void DirectoryPicker::DirectoryListBox1Change() {
  Memo1->Clear();
  Memo1->Append(kChosenHeading);
  Memo1->Append(DirectoryListBox1->directory());
}

void DirectoryPicker::Button1Click() {
  field_->SetText(DirectoryListBox1->directory());
  window_->Close();
}

void DirectoryPicker::Button2Click() { window_->Close(); }

}  // namespace orvello::ui
