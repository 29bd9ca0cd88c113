#include "test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace orvello::testing {

namespace {

std::string Utf8(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

fs::path HostPath(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

ScopedTempDir::ScopedTempDir() {
  std::error_code ec;
  fs::path base = fs::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = base / ("orvello-test-" + std::to_string(random()));
    if (fs::create_directory(candidate, ec)) {
      path_ = Utf8(candidate);
      return;
    }
  }
  ADD_FAILURE() << "cannot create a temporary folder under " << base;
}

ScopedTempDir::~ScopedTempDir() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(HostPath(path_), ec);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(HostPath(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

void RemovePlayerFiles(const std::string& style) {
  for (const char* name : {"prehravac.htm", "prehravac.js", "prehravac.css"})
    std::filesystem::remove(HostPath(style + "/" + name));
}

void AddPlayerFiles(const std::string& style) {
  for (const char* name : {"prehravac.htm", "prehravac.js", "prehravac.css"}) {
    std::filesystem::copy_file(
        HostPath(std::string(ORVELLO_SOURCE_DIR "/tests/data/player_style/") + name),
        HostPath(style + "/" + name), std::filesystem::copy_options::overwrite_existing);
  }
}

std::string RealMediaHeader(uint32_t duration_ms) {
  auto big_endian = [](uint32_t value) {
    return std::string{static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                       static_cast<char>(value >> 8), static_cast<char>(value)};
  };
  // Properties: version, five counts, the duration, preroll and three more fields.
  std::string prop_body = std::string(22, '\0') + big_endian(duration_ms) + std::string(16, '\0');
  return ".RMF" + big_endian(18) + std::string(10, '\0') + "PROP" +
         big_endian(static_cast<uint32_t>(8 + prop_body.size())) + prop_body;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(HostPath(path), std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "cannot read " << path;
    return "";
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orvello::testing
