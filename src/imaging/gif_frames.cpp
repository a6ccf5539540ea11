#include "imaging/gif_frames.h"

#include <atomic>

#include "imaging/image.h"
#include "platform/files.h"
#include "platform/local_time.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// Every attempt in the process draws the next number, so two imports in the same second
// never pick the same name.
std::atomic<int> frameCounter{0};

std::string freshFrameName(const std::string& folder, bool alpha) {
  std::string path;
  do {
    path = joinPath(folder, strprintf("%s-%d.%s", localTimeText("%H-%M-%S").c_str(),
                                      ++frameCounter, alpha ? "png" : "jpg"));
  } while (fileExists(path) || folderExists(path));
  return path;
}

}  // namespace

std::string importingFramesText(int number, int total) {
  if (total > 99) return localFormat("导入图片: %3d / %d", number, total);
  if (total >= 10) return localFormat("导入图片: %2d / %d", number, total);
  return localFormat("导入图片: %d / %d", number, total);
}

GifFramesResult writeGifFrames(const std::string& gifPath, const std::string& folder,
                               const GifFrameWritten& written) {
  WandPtr animation(NewMagickWand());
  if (!readImageFile(animation.get(), gifPath)) return GifFramesResult::Unreadable;
  WandPtr frames(MagickCoalesceImages(animation.get()));
  animation.reset();
  if (!frames) return GifFramesResult::Unreadable;
  int total = static_cast<int>(MagickGetNumberImages(frames.get()));
  for (int k = 0; k < total; ++k) {
    MagickSetIteratorIndex(frames.get(), k);
    WandPtr frame(MagickGetImage(frames.get()));
    if (!frame) return GifFramesResult::WriteFailed;
    std::string path = freshFrameName(folder, MagickGetImageAlphaChannel(frame.get()) == MagickTrue);
    if (!writeImageFile(frame.get(), path)) return GifFramesResult::WriteFailed;
    if (!written(k + 1, total, path)) return GifFramesResult::Stopped;
  }
  return GifFramesResult::Done;
}

}  // namespace pictavo
