#include "video/picture_preparation.h"

#include <system_error>

#include "imaging/image.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/translate.h"

namespace pictavo {

WandPtr preparePicture(const DispatchContext& context, const ImageItem& item) {
  WandPtr fitted = pictureOnCanvas(item.path, context.width, context.height, context.background,
                                   item.turnAngle);
  if (fitted) return fitted;
  infoLog(localFormat("图片读取失败:\r\n%s", item.path.c_str()));
  return newCanvas(context.width, context.height, context.background);
}

PicturesAhead::~PicturesAhead() {
  if (ahead_.valid()) ahead_.wait();
}

void PicturesAhead::prepareNext(const ImageItem& item) {
  if (ahead_.valid()) ahead_.wait();
  try {
    ahead_ = std::async(std::launch::async,
                        [this, item] { return preparePicture(context_, item); });
    aheadPath_ = item.path;
    aheadTurn_ = item.turnAngle;
  } catch (const std::system_error&) {
    ahead_ = {};
  }
}

WandPtr PicturesAhead::take(const ImageItem& item) {
  if (ahead_.valid()) {
    WandPtr picture = ahead_.get();
    if (item.path == aheadPath_ && item.turnAngle == aheadTurn_) return picture;
  }
  return preparePicture(context_, item);
}

}  // namespace pictavo
