// render_windows.exe: draws each of the program's windows as Windows shows them into
// windows-*.png files, for the README. It needs a display; on Linux run it under Wine:
//
//   cd examples && wine64 ../build/windows/bin/render_windows.exe ../docs
//
// Run in examples/, the main window loads the example's settings as at a real start; the
// timing editor shows the example lecture's segments. Errors go to standard error.
// The backend's view of <windows.h> first, before the system headers that include it.
#include "ui/toolkit/win32/win32_api.h"

#include <objbase.h>
#include <wincodec.h>

#include <iostream>
#include <string>

#include "core/script_starter.h"
#include "platform/real_disk.h"
#include "ui/program.h"
#include "ui/toolkit/win32/win32_application.h"

namespace {

constexpr char kExampleMedia[] = "lecture\\prednaska.rm";

template <class T>
struct Released {
  ~Released() {
    if (pointer) pointer->Release();
  }
  T* pointer = nullptr;
};

bool SavePng(HBITMAP bitmap, int width, int height, const std::wstring& path) {
  Released<IWICImagingFactory> factory;
  Released<IWICBitmap> source;
  Released<IWICStream> stream;
  Released<IWICBitmapEncoder> encoder;
  Released<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&factory.pointer))) &&
         SUCCEEDED(factory.pointer->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha,
                                                            &source.pointer)) &&
         SUCCEEDED(factory.pointer->CreateStream(&stream.pointer)) &&
         SUCCEEDED(stream.pointer->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(
             factory.pointer->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.pointer)) &&
         SUCCEEDED(encoder.pointer->Initialize(stream.pointer, WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder.pointer->CreateNewFrame(&frame.pointer, nullptr)) &&
         SUCCEEDED(frame.pointer->Initialize(nullptr)) &&
         SUCCEEDED(frame.pointer->SetSize(width, height)) &&
         SUCCEEDED(frame.pointer->SetPixelFormat(&format)) &&
         SUCCEEDED(frame.pointer->WriteSource(source.pointer, nullptr)) &&
         SUCCEEDED(frame.pointer->Commit()) && SUCCEEDED(encoder.pointer->Commit());
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Shows the window, copies it from the screen as drawn there, title bar included, and hides it.
bool Render(orvello::ui::Window& window, const std::wstring& folder, const wchar_t* name) {
  HWND hwnd = orvello::ui::win32::HandleOf(&window);
  window.Show();
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 10; ++i) {  // let the display server catch up with the drawing
    PumpMessages();
    Sleep(50);
  }
  RECT rect;
  GetWindowRect(hwnd, &rect);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  std::wstring path = folder + L"\\" + name;
  bool saved = SavePng(bitmap, width, height, path);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::wcerr << (saved ? L"wrote " : L"cannot write ") << path << L"\n";
  window.Close();
  return saved;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace orvello;
  if (argc != 2) {
    std::cerr << "usage: render_windows OUTPUT_FOLDER   (run it in examples/)\n";
    return 64;
  }
  auto app = ui::win32::MakeApplication();
  int errors = 0;
  app->SetErrorRecorder([&errors](const std::string& text) {
    std::cerr << "error: " << text << "\n";
    ++errors;
  });
  std::wstring folder = argv[1];
  auto disk = platform::MakeRealDisk();
  core::NoScriptStarter starter;

  ui::Program program(*app, *disk, starter, [](const std::string&) {});
  program.Form1.window().Show();
  bool ok = Render(program.Form4.window(), folder, L"windows-output-picker.png");
  program.Form1.Edit1->SetText(kExampleMedia);
  app->RunGuarded([&program] { program.Form6.Button5Click(); });
  ok = ok && Render(program.Form6.window(), folder, L"windows-timing-editor.png");
  ok = ok && Render(program.Form1.window(), folder, L"windows-main-window.png");
  return ok && errors == 0 ? 0 : 1;
}
