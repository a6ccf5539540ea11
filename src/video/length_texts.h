// The status texts about length: the video's, and one selected picture's.
#pragma once

#include <string>

#include "project/preferences.h"
#include "project/project_model.h"

namespace pictavo {

// "视频长度: hh:mm:ss": from the loop-play length when loop play applies, else one pass.
std::string videoLengthText(const Project& project, int loopStartEffect);

// The picture's information line and ", 动画长度: %0.2f秒" (its frames / 25). When the
// picture cannot be read at all the information log says so and the text is empty.
std::string selectionInfoText(const Project& project, const ImageItem& item);

// ", 动画长度: %0.2f秒": the picture's counting-mode frames / 25.
std::string effectLengthText(const Project& project, const ImageItem& item);

// "选中了 %d 张图片".
std::string selectionCountText(int count);

}  // namespace pictavo
