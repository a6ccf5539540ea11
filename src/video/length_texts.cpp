#include "video/length_texts.h"

#include "imaging/image.h"
#include "project/pause_table.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/text_format.h"
#include "util/time_text.h"
#include "util/translate.h"
#include "video/timeline.h"

namespace pictavo {

std::string videoLengthText(const Project& project, int loopStartEffect) {
  float seconds = 0;
  runPictureTotal(project, loopStartEffect, &seconds);
  return localFormat("视频长度: %s", timeText(seconds).c_str());
}

std::string selectionInfoText(const Project& project, const ImageItem& item) {
  std::string line = pictureInformation(item.path);
  if (line.empty()) {
    infoLog(localFormat("无法识别的图片:\r\n%s", item.path.c_str()));
    return std::string();
  }
  return line + effectLengthText(project, item);
}

std::string effectLengthText(const Project& project, const ImageItem& item) {
  int frames = pictureFrames(countingContextFor(project), item);
  double seconds = static_cast<double>(frames) / kFramesPerSecond;
  return localFormat(", 动画长度: %0.2f秒", seconds);
}

std::string selectionCountText(int count) {
  return localFormat("选中了 %d 张图片", count);
}

}  // namespace pictavo
