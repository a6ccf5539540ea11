// The effect dispatcher: prepares one picture (read, turn, fit, caption) and calls the
// renderer of its effect with that effect's constants. In counting mode it touches no
// image and only asks the renderer for the picture's frame count.
#pragma once

#include "effects/frame_sink.h"
#include "imaging/caption.h"
#include "imaging/picture_view.h"
#include "project/preferences.h"
#include "project/project_model.h"

namespace pictavo {

// What every picture of one run shares.
struct DispatchContext {
  int width = 0;
  int height = 0;
  int pauseFrames = 0;
  const char* background = "#ffffff";  // the frame background
  int captionPointSize = 36;
  CaptionMargins margins;
  FrameSink* sink = nullptr;  // null in counting mode
  // The project's framing and motion; a picture may have its own motion.
  Motion motion = Motion::Off;
  int motionStrength = kDefaultMotionStrength;
  Framing framing = Framing::Fit;
};

DispatchContext dispatchContextFor(const Project& project, const Preferences& preferences,
                                   FrameSink* sink);

// What counting needs: the canvas size and the pause, nothing to render into.
DispatchContext countingContextFor(const Project& project);

// Render mode (countOut null): returns the picture's last frame, or null when a frame could
// not be handed on; previous is consumed. Counting mode: stores the picture's frame count
// (transition and pause) in *countOut and returns null; pass a null previous.
WandPtr dispatchPicture(const DispatchContext& context, const ImageItem& item, WandPtr previous,
                        int* countOut);

// A picture made ready for its renderer: its frame at the start of its stay, and the view
// that makes its later frames when it moves (null when it stands still).
struct ReadyPicture {
  WandPtr first;
  std::unique_ptr<PictureView> moving;
};

// How `item` is framed and moves in this run. Its motion is the picture's own when it has
// one, else the project's; auto (not resolved by the caller) zooms in.
ViewChoice viewChoiceFor(const DispatchContext& context, const ImageItem& item);

// Render mode with the picture already prepared (video/picture_preparation.h).
WandPtr dispatchPrepared(const DispatchContext& context, const ImageItem& item,
                         ReadyPicture picture, WandPtr previous);

// The frames one picture takes (counting mode).
int pictureFrames(const DispatchContext& context, const ImageItem& item);

}  // namespace pictavo
