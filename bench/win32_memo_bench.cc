// win32_memo_bench.exe: how long the main window's message box takes to take N lines (default
// 10000), in blocks of a tenth each, so that a cost that grows with the lines already there
// shows. It needs a display; on Linux run it under Wine:
//
//   xvfb-run -a tools/wine-run.sh build/windows/bin/win32_memo_bench.exe [N]
#include "ui/toolkit/win32/win32_api.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/messages.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/win32_application.h"

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
  int block = lines >= 10 ? lines / 10 : 1;
  auto app = orvello::ui::win32::MakeApplication();
  auto window = app->CreateWindow();
  window->SetSize(573, 286);
  orvello::ui::Memo* memo = window->AddMemo({24, 176, 225, 49});  // the main window's box
  window->Show();
  Clock::time_point start = Clock::now();
  Clock::time_point block_start = start;
  for (int i = 1; i <= lines; ++i) {
    memo->Append(std::to_string(i) + orvello::core::kNoMediaOrOutputMessage);
    if (i % block == 0 || i == lines) {
      Clock::time_point now = Clock::now();
      std::printf("lines %5d to %5d: %8.1f ms\n", i - (i - 1) % block, i,
                  std::chrono::duration<double, std::milli>(now - block_start).count());
      block_start = now;
    }
  }
  std::printf("%d lines: %.1f ms\n", lines,
              std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  return 0;
}
