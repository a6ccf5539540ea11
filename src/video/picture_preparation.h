// Preparing the timeline's pictures: each read, turned and fitted onto the canvas (imaging's
// pictureOnCanvas), or a canvas of the background when its file can no longer be read. The
// next picture is prepared on another thread while the current one is rendered and encoded,
// so that no frame waits for a decode.
#pragma once

#include <future>
#include <string>

#include "project/project_model.h"
#include "video/dispatch.h"

namespace pictavo {

// The picture fitted on the canvas (or filled, or over its blurred copy, and its view when it
// moves); a canvas of the background colour when the file can no longer be read (the run
// goes on and the information log names the file).
ReadyPicture preparePicture(const DispatchContext& context, const ImageItem& item);

class PicturesAhead {
 public:
  explicit PicturesAhead(const DispatchContext& context) : context_(context) {}
  // Waits for a preparation still running.
  ~PicturesAhead();
  PicturesAhead(const PicturesAhead&) = delete;
  PicturesAhead& operator=(const PicturesAhead&) = delete;

  // Starts preparing `item` on another thread; prepares nothing when a thread cannot start
  // (take then prepares it itself).
  void prepareNext(const ImageItem& item);

  // The picture of `item`: the one prepared ahead when it was for the same file, turn and
  // motion, else prepared now.
  ReadyPicture take(const ImageItem& item);

 private:
  const DispatchContext& context_;
  std::future<ReadyPicture> ahead_;
  std::string aheadPath_;
  int aheadTurn_ = 0;
  int aheadMotion_ = kMotionOfProject;
};

}  // namespace pictavo
