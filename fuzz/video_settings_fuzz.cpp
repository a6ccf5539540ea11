// Fuzzes the video settings (.sz) reader: any bytes as the file's text. Besides not
// crashing, every field keeps to the size the file format allows, and what the reader made
// of the text survives a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/video_settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pictavo;
  VideoSettingsRecord record =
      parseVideoSettings(std::string(reinterpret_cast<const char*>(data), size));
  if (record.videoSize.size() > 15 || record.pauseTime.size() > 7 ||
      record.logoPath.size() > 259)
    std::abort();

  std::string written = videoSettingsText(record);
  if (videoSettingsText(parseVideoSettings(written)) != written) std::abort();
  return 0;
}
