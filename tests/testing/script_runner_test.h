#ifndef ORVELLO_TESTS_TESTING_SCRIPT_RUNNER_TEST_H_
#define ORVELLO_TESTS_TESTING_SCRIPT_RUNNER_TEST_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "script_runner/script_runner.h"
#include "test_util.h"

namespace orvello::script_runner {

/// Runs scripts inside a fresh temporary folder, which is the working directory meanwhile; it
/// holds the folders "lect", with a.gif, and "out".
class ScriptRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(testing::HostPath(dir_.path()));
    std::filesystem::create_directories("lect");
    std::filesystem::create_directories("out");
    testing::WriteFileBytes("lect/a.gif", "GIF");
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  bool Run(std::string_view script) { return RunScript("t.bat", script, log_); }
  std::string Log() const { return log_.str(); }

  testing::ScopedTempDir dir_;
  std::filesystem::path previous_;
  std::ostringstream log_;
};

/// Runs the built runner on `script` in the current folder; returns its exit status, its standard
/// error in `*err` and, when `out` is given, its standard output in `*out`.
int RunRunner(const std::string& script, std::string* err, std::string* out = nullptr);

}  // namespace orvello::script_runner

#endif  // ORVELLO_TESTS_TESTING_SCRIPT_RUNNER_TEST_H_
