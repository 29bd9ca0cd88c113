#ifndef ORVELLO_TESTS_TESTING_WIN32_TEST_UTIL_H_
#define ORVELLO_TESTS_TESTING_WIN32_TEST_UTIL_H_

#include <string>
#include <vector>

// Windows only: helpers for tests that start the built programs.
namespace orvello::testing {

/// Runs the program `args[0]` with the arguments after it (UTF-8) in the current folder, and
/// waits for it. Returns its exit status, or -1 when it could not be started; its standard output
/// goes to `*out`, its standard error to `*err`, byte for byte.
int RunCapturing(const std::vector<std::string>& args, std::string* out, std::string* err);

/// The folder of the running test program, where the build puts every program (UTF-8, with a
/// trailing separator).
std::string ProgramFolder();

}  // namespace orvello::testing

#endif  // ORVELLO_TESTS_TESTING_WIN32_TEST_UTIL_H_
