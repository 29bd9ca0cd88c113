#ifndef ORVELLO_CORE_JOB_PARAMETERS_H_
#define ORVELLO_CORE_JOB_PARAMETERS_H_

#include <string>

namespace orvello::core {

/// The five fields of the main window that make up a run's inputs, as typed.
struct RunFields {
  std::string media;     ///< `Edit1`: the recording
  std::string producer;  ///< `Edit2`: the recording tool's folder
  std::string web;       ///< `Edit3`: the site's web address, may be empty
  std::string style;     ///< `Edit4`: the style folder
  std::string output;    ///< `Edit5`: the output folder
};

/// The paths and the web address of one run.
struct JobParameters {
  std::string media_path;       ///< the media field as typed
  std::string producer_dir;     ///< producer field + separator
  std::string web_address;      ///< web field as typed
  std::string style_dir;        ///< style field + separator
  std::string output_dir_bare;  ///< output field as typed
  std::string output_dir;       ///< output field + separator
  std::string media_name;       ///< the recording's file name
  std::string media_dir;        ///< the recording's folder, with its trailing separator
  std::string timing_path;      ///< the timing file beside the recording
  std::string converter;        ///< the program konvertuj.bat runs: the one the front end found
};

/// Derives every path of a run from its fields. The separator is appended unconditionally, so a
/// field that already ends in one yields a doubled separator. The media path is split at its last
/// separator; without one the name is the whole path and the folder is empty.
JobParameters DeriveJobParameters(const RunFields& fields, char separator);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_JOB_PARAMETERS_H_
