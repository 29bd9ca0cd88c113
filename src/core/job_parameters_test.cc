#include "core/job_parameters.h"

#include <gtest/gtest.h>

namespace orvello::core {
namespace {

TEST(DeriveJobParameters, DerivesEveryPathOfARun) {
  RunFields fields{"C:\\lect\\a.rm", "C:\\RP", "http://x/", "C:\\site\\Style", "C:\\out"};
  JobParameters p = DeriveJobParameters(fields, '\\');
  EXPECT_EQ(p.media_path, "C:\\lect\\a.rm");
  EXPECT_EQ(p.media_name, "a.rm");
  EXPECT_EQ(p.media_dir, "C:\\lect\\");
  EXPECT_EQ(p.timing_path, "C:\\lect\\a.txt");
  EXPECT_EQ(p.producer_dir, "C:\\RP\\");
  EXPECT_EQ(p.style_dir, "C:\\site\\Style\\");
  EXPECT_EQ(p.output_dir_bare, "C:\\out");
  EXPECT_EQ(p.output_dir, "C:\\out\\");
  EXPECT_EQ(p.web_address, "http://x/");
}

TEST(DeriveJobParameters, AppendsTheSeparatorEvenAfterOne) {
  JobParameters p = DeriveJobParameters({"/l/a.rm", "/rp/", "", "/s/", "/out/"}, '/');
  EXPECT_EQ(p.producer_dir, "/rp//");
  EXPECT_EQ(p.style_dir, "/s//");
  EXPECT_EQ(p.output_dir, "/out//");
  EXPECT_EQ(p.output_dir_bare, "/out/");
}

TEST(DeriveJobParameters, SplitsTheMediaPathAtItsLastSeparatorWhateverTheNameLength) {
  const std::string long_name = std::string(51, 'n') + ".rm";
  struct Case {
    std::string path, dir, name;
  } cases[] = {
      {"/l/a.rm", "/l/", "a.rm"},
      {"/l/x", "/l/", "x"},
      {"/l/" + long_name, "/l/", long_name},
      {"/a/b c/d.rm", "/a/b c/", "d.rm"},
      {"a.rm", "", "a.rm"},
      {"/l/", "/l/", ""},
      {"/", "/", ""},
  };
  for (const auto& c : cases) {
    JobParameters p = DeriveJobParameters({c.path, "", "", "", ""}, '/');
    EXPECT_EQ(p.media_dir, c.dir) << c.path;
    EXPECT_EQ(p.media_name, c.name) << c.path;
  }
}

TEST(DeriveJobParameters, UsesOnlyThePlatformSeparator) {
  JobParameters p = DeriveJobParameters({"/l/a\\b.rm", "", "", "", ""}, '/');
  EXPECT_EQ(p.media_name, "a\\b.rm");
}

}  // namespace
}  // namespace orvello::core
