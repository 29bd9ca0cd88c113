#ifndef ORVELLO_TESTS_TESTING_EXAMPLE_OUTPUT_H_
#define ORVELLO_TESTS_TESTING_EXAMPLE_OUTPUT_H_

#include <map>
#include <string>

namespace orvello::cli {

/// Where the published example's golden files lie, and how the temporary folder the example was
/// copied to is written in them.
inline constexpr char kGoldenFolder[] = ORVELLO_SOURCE_DIR "/tests/data/example_golden";
inline constexpr char kTempMark[] = "<temp>";

/// Every file of the folder `dir` (UTF-8) by its UTF-8 name, as tests/data/example_golden holds
/// the output: the folder the example was copied to, `temp` (Windows-1250, as the scripts name
/// it), written as kTempMark, and in the scripts the platform's separator written as '/'.
std::map<std::string, std::string> ExampleOutput(const std::string& dir, const std::string& temp);

}  // namespace orvello::cli

#endif  // ORVELLO_TESTS_TESTING_EXAMPLE_OUTPUT_H_
