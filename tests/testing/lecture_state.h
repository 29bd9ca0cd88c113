#ifndef ORVELLO_TESTS_TESTING_LECTURE_STATE_H_
#define ORVELLO_TESTS_TESTING_LECTURE_STATE_H_

#include <string>
#include <vector>

#include "core/job_parameters.h"
#include "core/output_names.h"
#include "core/run_state.h"

namespace orvello::testing {

/// A run's state after reading the timing file: the parameters derived from `fields` with
/// `separator`, `segments` numbered from 1 and their output names.
inline core::RunState RunStateFor(const core::RunFields& fields, char separator,
                                  const std::vector<core::Segment>& segments) {
  core::RunState state;
  state.params = core::DeriveJobParameters(fields, separator);
  for (const core::Segment& segment : segments) state.segments.Add(segment);
  BuildOutputNames(state.segments.count(), &state.names);
  return state;
}

/// A run's state as the page writers see it: `segments` numbered from 1, their output names, the
/// style folder "S\", the output folder "O\", the recording "M\talk.rm" and `web` as web address.
inline core::RunState LectureState(const std::vector<core::Segment>& segments,
                                   const std::string& web = "") {
  return RunStateFor({"M\\talk.rm", "", web, "S", "O"}, '\\', segments);
}

/// `count` picture segments "s1.jpg", "s2.jpg", ... starting a minute apart.
inline std::vector<core::Segment> PictureSegments(int count) {
  std::vector<core::Segment> segments;
  for (int i = 1; i <= count; ++i) {
    // Appended piece by piece: g++ 12 at -O3 takes "00:" + mm for an overlapping copy.
    std::string hh_mm = std::string("00:").append(i <= 10 ? "0" : "").append(std::to_string(i - 1));
    std::string name = std::string("s").append(std::to_string(i)).append(".jpg");
    segments.push_back({hh_mm + ":00", hh_mm + ":59", 'P', name});
  }
  return segments;
}

}  // namespace orvello::testing

#endif  // ORVELLO_TESTS_TESTING_LECTURE_STATE_H_
