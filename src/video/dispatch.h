// The effect dispatcher: prepares one picture (read, turn, fit, caption) and calls the
// renderer of its effect with that effect's constants. In counting mode it touches no
// image and only asks the renderer for the picture's frame count.
#pragma once

#include "effects/frame_sink.h"
#include "imaging/caption.h"
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

// Render mode with the picture already prepared (video/picture_preparation.h).
WandPtr dispatchPrepared(const DispatchContext& context, const ImageItem& item, WandPtr picture,
                         WandPtr previous);

// The frames one picture takes (counting mode).
int pictureFrames(const DispatchContext& context, const ImageItem& item);

}  // namespace pictavo
