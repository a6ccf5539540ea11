// The per-user settings that outlive a project. This is the in-memory record the rest of
// the program reads; project/stored_preferences.h loads and stores it.
#pragma once

#include <string>

#include "imaging/caption_margins.h"

namespace pictavo {

// How generation hands frames to the encoder: raw pixels, or each frame as a JPEG (the
// MJPEG pipe, which costs a JPEG encode here and a decode in the encoder, and some detail).
enum class FramePipe { Raw, Mjpeg };

struct Preferences {
  // Folders in which the file choosers start (GBK).
  std::string imageFolder;
  std::string musicFolder;
  std::string projectFolder;
  std::string videoFolder;
  std::string logoFolder;
  std::string importFolder;

  int backgroundFill = 0;        // video_bg_fill_color: 0 white, 1 black
  int defaultFileName = 0;       // mp4_default_file_name: 0 empty, 1 time, 2 first picture
  CaptionMargins margins;
  int loopStartEffect = 31;      // image_loop_play_animation; 99 keeps "无动画"
  int closeButtonHides = 0;      // click_close_button_status
  int audioBitRate = 128;        // kbit/s; the remote settings may set 96..320
  FramePipe framePipe = FramePipe::Raw;  // video_frame_pipe: 1 the MJPEG pipe, else raw

  // The frame background colour text: "#000000" for black, "#ffffff" otherwise.
  const char* frameBackground() const { return backgroundFill == 1 ? "#000000" : "#ffffff"; }
};

}  // namespace pictavo
