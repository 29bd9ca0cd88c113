#include "ui/toolkit/win32/win32_application.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "core/script_starter.h"
#include "platform/win32_text.h"
#include "test_util.h"
#include "ui/Strih02.h"
#include "ui/toolkit/win32/win32_dpi.h"
#include "ui/toolkit/win32/win32_window.h"
#include "ui_test_util.h"

namespace orvello::ui::win32 {
namespace {

using ui::testing::MakeTestApplication;
using ui::testing::RunSoon;
using ui::testing::SetNextFileName;
using ui::testing::ShownBounds;

class Win32ApplicationTest : public ::testing::Test {
 protected:
  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = MakeTestApplication(&errors_);
  std::unique_ptr<Window> main_ = app_->CreateWindow();
};

TEST_F(Win32ApplicationTest, ClosingTheMainWindowEndsTheLoopAndAnotherOnlyHides) {
  auto other = app_->CreateWindow();
  Edit* kept = other->AddEdit({0, 0, 100, 21}, "kept");
  other->Show();
  bool shown_during_loop = false;
  RunSoon([&] {
    other->Close();
    shown_during_loop = main_->visible() && !other->visible();
    main_->Close();
  });
  EXPECT_EQ(0, app_->Run());
  EXPECT_TRUE(shown_during_loop);
  EXPECT_FALSE(main_->visible());
  EXPECT_EQ("kept", kept->text());
}

// The real dialog, read while it is up and then answered with its OK button.
TEST_F(Win32ApplicationTest, TheErrorDialogIsAStopBoxTitledWithTheProgramsName) {
  BaseOf(*app_).SetErrorRecorder({});
  main_->Show();
  std::wstring title, text;
  bool ok = false, cancel = true, icon = false;  // icon: the system's stop icon
  RunSoon([&] {
    HWND box = FindWindowW(L"#32770", nullptr);
    ASSERT_NE(nullptr, box);
    wchar_t buffer[256] = {};
    GetWindowTextW(box, buffer, 256);
    title = buffer;
    GetDlgItemTextW(box, 0xFFFF, buffer, 256);  // the message's static text
    text = buffer;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      HICON shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
      icon = icon || (shown && shown == LoadIconW(nullptr, IDI_HAND));
    }
    ok = GetDlgItem(box, IDOK) != nullptr;
    cancel =
        GetDlgItem(box, IDCANCEL) != nullptr && GetDlgItem(box, IDCANCEL) != GetDlgItem(box, IDOK);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  app_->ShowError("Súbor nebol nájdený."_cp1250);
  EXPECT_EQ(L"Orvello", title);
  EXPECT_EQ(L"Súbor nebol nájdený.", text);
  EXPECT_TRUE(icon);
  EXPECT_TRUE(ok);
  EXPECT_FALSE(cancel);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Win32ApplicationTest, FileDialogAnswersComeBackInWindows1250OrAreRefused) {
  std::string path = "unchanged";
  SetNextFileName(*app_, "C:\\lekcie\\čas.rm");
  ASSERT_TRUE(app_->RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_EQ("C:\\lekcie\\čas.rm"_cp1250, path);
  SetNextFileName(*app_, std::nullopt);
  EXPECT_FALSE(app_->RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_TRUE(errors_.empty());
  SetNextFileName(*app_, "C:\\lekcie\\日.rm");
  EXPECT_FALSE(app_->RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_EQ(
      std::vector<std::string>{
          "Cesta obsahuje znaky mimo kódovej stránky Windows-1250: C:\\lekcie\\?.rm."_cp1250},
      errors_);
}

// Visual styles and per-monitor DPI come from the manifest every program with windows links.
TEST(Win32Manifest, AsksForVisualStylesAndPerMonitorDpi) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_NE(nullptr, found);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  std::string manifest(bytes, SizeofResource(nullptr, found));
  for (const char* wanted : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0",
                             "<dpiAwareness", "PerMonitorV2", "true/pm"}) {
    EXPECT_NE(std::string::npos, manifest.find(wanted)) << wanted;
  }
  // The loader honoured it: comctl32.dll comes from the common controls' assembly of version 6.
  ACTCTX_SECTION_KEYED_DATA found_dll = {};
  found_dll.cbSize = sizeof found_dll;
  ASSERT_TRUE(FindActCtxSectionStringW(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr,
                                       ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll",
                                       &found_dll));
  SIZE_T size = 0;
  QueryActCtxW(0, found_dll.hActCtx, &found_dll.ulAssemblyRosterIndex,
               AssemblyDetailedInformationInActivationContext, nullptr, 0, &size);
  std::vector<char> details(size);
  ASSERT_TRUE(QueryActCtxW(0, found_dll.hActCtx, &found_dll.ulAssemblyRosterIndex,
                           AssemblyDetailedInformationInActivationContext, details.data(), size,
                           nullptr));
  const auto& assembly =
      *reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(details.data());
  std::wstring identity =
      assembly.lpAssemblyEncodedAssemblyIdentity ? assembly.lpAssemblyEncodedAssemblyIdentity : L"";
  EXPECT_NE(std::wstring::npos, identity.find(L"Microsoft.Windows.Common-Controls")) << identity;
  EXPECT_NE(std::wstring::npos, identity.find(L"version=\"6.")) << identity;
  ReleaseActCtx(found_dll.hActCtx);
}

// The system's own dialog, answered as a user would: a Slovak file name typed, then Open.
TEST_F(Win32ApplicationTest, TheFileDialogGivesTheChosenFileInWindows1250) {
  orvello::testing::ScopedTempDir temp;
  std::wstring folder = platform::WideFromUtf8(temp.path());
  std::wstring file = folder + L"\\prednáška.rm";
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  main_->Show();
  bool answered = false;
  RunSoon([&] {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    ASSERT_NE(nullptr, dialog);
    // The file name box: a combo box (cmb13) in the dialog's newer look, an edit field (edt1) in
    // the older one.
    answered = SetDlgItemTextW(dialog, 0x47C, file.c_str()) ||
               SetDlgItemTextW(dialog, 0x480, file.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  std::string path;
  ASSERT_TRUE(app_->RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_TRUE(answered);
  std::string expected;
  ASSERT_TRUE(platform::Cp1250FromWide(file, &expected));
  EXPECT_EQ(expected, path);
  EXPECT_TRUE(errors_.empty());
}

// The main window as a monitor at 150 % shows it: every place scaled from 96 DPI.
TEST_F(Win32ApplicationTest, TheMainWindowScalesItsPlacesAt144Dpi) {
  main_.reset();
  orvello::testing::MemoryDisk disk;
  core::NoScriptStarter starter;
  TForm1 form(*app_, disk, starter, [](const std::string&) {});
  form.Show();
  auto* window = static_cast<Win32Window*>(&form.window());
  ASSERT_EQ(96, window->dpi()) << "the tests run at 96 DPI";
  RECT rect;
  GetWindowRect(window->hwnd(), &rect);
  SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&rect));
  EXPECT_EQ(144, window->dpi());
  EXPECT_EQ((Bounds{0, 0, 860, 429}), ShownBounds(&form.window()));
  struct Place {
    Control* control;
    Bounds at_144;
  };
  const Place places[] = {
      // Each edge is scaled and rounded, so neighbours still meet: 104 + 220 = 324 -> 486.
      {form.Edit1, {156, 24, 330, 32}},   {form.Edit3, {156, 216, 326, 32}},
      {form.Memo1, {36, 264, 338, 74}},   {form.Bevel1, {144, 108, 686, 98}},
      {form.Button9, {660, 36, 150, 50}}, {form.Button4, {420, 288, 158, 50}},
  };
  for (const Place& p : places) {
    EXPECT_EQ(p.at_144, ShownBounds(p.control)) << p.control->bounds().left;
  }
  // The font grows with the places.
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(HandleOf(form.Button1), WM_GETFONT, 0, 0));
  LOGFONTW at_144 = {};
  GetObjectW(font, sizeof at_144, &at_144);
  HFONT base = CreateMessageFont(96);
  LOGFONTW at_96 = {};
  GetObjectW(base, sizeof at_96, &at_96);
  DeleteObject(base);
  EXPECT_EQ(MulDiv(std::abs(at_96.lfHeight), 3, 2), std::abs(at_144.lfHeight));
}

}  // namespace
}  // namespace orvello::ui::win32
