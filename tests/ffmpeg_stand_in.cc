// ffmpeg.exe: a STAND-IN for the converter on Windows, for the tests only (the real one is not to
// be had on the build machine). It takes konvertuj.bat's lines,
//
//   ffmpeg -nostdin -hide_banner -loglevel level+info -y -i INPUT ... OUTPUT
//
// and logs as the converter does at that level: "[info]" lines with the input's Duration, then
// statistics lines ending in CR, one for each tenth of the recording, 0.3 seconds apart. A
// RealMedia or AVI INPUT (it starts with ".RMF" or "RIFF") of N bytes lasts N / 1000 seconds;
// OUTPUT gets "ftyp" and the input's bytes ("-" writes nothing). Anything else is "Invalid data":
// OUTPUT gets half a file, the error goes out tagged "[error]", status 1. Names arrive whole from
// the wide command line; the log is UTF-8.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

void Log(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

std::string Clock(int hundredths) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%02d", hundredths / 360000,
                hundredths / 6000 % 60, hundredths / 100 % 60, hundredths % 100);
  return text;
}

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main() {
  _setmode(_fileno(stderr), _O_BINARY);
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<fs::path> args(wide + 1, wide + count);
  LocalFree(wide);
  fs::path input;
  for (size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == L"-i") input = args[i + 1];
  }
  if (input.empty() || args.size() < 3) {
    Log("[fatal] usage: ffmpeg ... -i INPUT ... OUTPUT\n");
    return 1;
  }
  const fs::path& output = args.back();
  std::ifstream in(input, std::ios::binary);
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (!in.is_open() || !(bytes.starts_with(".RMF") || bytes.starts_with("RIFF"))) {
    Write(output, "ftyp, half a file");
    Log("[error] " + Utf8(input) + ": Invalid data found when processing input\n");
    return 1;
  }
  int length = static_cast<int>(bytes.size()) / 10;  // hundredths of a second
  Log("[info] Input #0, rm, from '" + Utf8(input) + "':\n[info]   Duration: " + Clock(length) +
      ", start: 0.000000, bitrate: 63 kb/s\n[libx264 @ 0x1] [info] profile High\n");
  for (int done = 0; done < length; done += length / 10 + 1) {
    Log("[info] frame=  " + std::to_string(done / 10) + " time=" + Clock(done) + " bitrate=N/A\r");
    Sleep(300);
  }
  if (output != L"-") Write(output, "ftyp" + bytes);
  Log("[info] frame=  " + std::to_string(length / 10) + " Lsize=1kB time=" + Clock(length) + "\n");
  return 0;
}
