#include "core/settings_file.h"

#include "core/text_reader.h"
#include "core/text_writer.h"

namespace orvello::core {

Settings LoadSettings(DiskInterface& disk, const std::string& path) {
  TextReader reader(disk, path);
  Settings settings;
  settings.style = reader.ReadString(kLongestSetting);
  reader.SkipLine();
  settings.producer = reader.ReadString(kLongestSetting);
  reader.Close();
  return settings;
}

void SaveSettings(DiskInterface& disk, const std::string& path, const Settings& settings) {
  TextWriter writer(disk.OpenForReplace(path));
  writer.Write(settings.style);
  writer.WriteLineEnd();
  writer.Write(settings.producer);
  writer.Close();
}

}  // namespace orvello::core
