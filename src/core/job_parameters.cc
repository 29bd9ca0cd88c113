#include "core/job_parameters.h"

#include "core/timing_file.h"

namespace orvello::core {

JobParameters DeriveJobParameters(const RunFields& fields, char separator) {
  JobParameters params;
  params.media_path = fields.media;
  params.producer_dir = fields.producer + separator;
  params.web_address = fields.web;
  params.style_dir = fields.style + separator;
  params.output_dir_bare = fields.output;
  params.output_dir = fields.output + separator;

  size_t last = params.media_path.rfind(separator);
  size_t name_start = last == std::string::npos ? 0 : last + 1;
  params.media_dir = params.media_path.substr(0, name_start);
  params.media_name = params.media_path.substr(name_start);
  params.timing_path = TimingPathFor(params.media_path);
  return params;
}

}  // namespace orvello::core
