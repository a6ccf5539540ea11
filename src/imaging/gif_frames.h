// The frames of a GIF animation as separate picture files: the animation is coalesced into
// full frames, and each is written to a fresh name in a folder ("%H-%M-%S-N.png", or ".jpg"
// for a frame without transparency).
#pragma once

#include <functional>
#include <string>

namespace pictavo {

enum class GifFramesResult { Done, Unreadable, WriteFailed, Stopped };

// Called with the frame's number (from 1), the number of frames and the written file; a
// false return stops before the next frame.
using GifFrameWritten = std::function<bool(int number, int total, const std::string& path)>;

// `gifPath` and `folder` are internal paths.
GifFramesResult writeGifFrames(const std::string& gifPath, const std::string& folder,
                               const GifFrameWritten& written);

// The status line while frames are imported: "导入图片: %d / %d", the number padded to the
// width of the total from 10 frames on.
std::string importingFramesText(int number, int total);

}  // namespace pictavo
