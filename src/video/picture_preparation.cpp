#include "video/picture_preparation.h"

#include <system_error>

#include "imaging/face_finder.h"
#include "imaging/image.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/translate.h"

namespace pictavo {

namespace {

ReadyPicture viewedPicture(const DispatchContext& context, const ImageItem& item,
                              const ViewChoice& choice) {
  ReadyPicture prepared;
  // Faces matter where the view is cut or zooms; pans keep their middle.
  bool aimed = choice.framing == Framing::Fill || choice.motion == Motion::ZoomIn ||
               choice.motion == Motion::ZoomOut;
  std::vector<FaceBox> faces = aimed ? pictureFaces(item.path, item.turnAngle) : std::vector<FaceBox>();
  std::unique_ptr<PictureView> view =
      PictureView::open(item.path, context.width, context.height, context.background,
                        item.turnAngle, choice, faces);
  if (!view) return prepared;
  prepared.first = wandFromSurface(view->frameAt(0).get());
  if (view->moves()) prepared.moving = std::move(view);
  return prepared;
}

}  // namespace

ReadyPicture preparePicture(const DispatchContext& context, const ImageItem& item) {
  ViewChoice choice = viewChoiceFor(context, item);
  ReadyPicture prepared;
  if (choice.plain())
    prepared.first = pictureOnCanvas(item.path, context.width, context.height, context.background,
                                     item.turnAngle);
  else
    prepared = viewedPicture(context, item, choice);
  if (prepared.first) return prepared;
  infoLog(localFormat("图片读取失败:\r\n%s", item.path.c_str()));
  prepared.first = newCanvas(context.width, context.height, context.background);
  return prepared;
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
    aheadMotion_ = item.motion;
  } catch (const std::system_error&) {
    ahead_ = {};
  }
}

ReadyPicture PicturesAhead::take(const ImageItem& item) {
  if (ahead_.valid()) {
    ReadyPicture picture = ahead_.get();
    if (item.path == aheadPath_ && item.turnAngle == aheadTurn_ && item.motion == aheadMotion_)
      return picture;
  }
  return preparePicture(context_, item);
}

}  // namespace pictavo
