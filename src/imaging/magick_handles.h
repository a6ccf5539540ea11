// RAII owners for ImageMagick handles. Every wand is destroyed exactly once by its owner;
// passing ownership is a move.
#pragma once

#include <wand/MagickWand.h>

#include <cstddef>
#include <memory>
#include <string>

namespace pictavo {

struct MagickWandDeleter {
  void operator()(MagickWand* w) const {
    if (w) DestroyMagickWand(w);
  }
};
struct PixelWandDeleter {
  void operator()(PixelWand* w) const {
    if (w) DestroyPixelWand(w);
  }
};
struct DrawingWandDeleter {
  void operator()(DrawingWand* w) const {
    if (w) DestroyDrawingWand(w);
  }
};
struct MagickMemoryDeleter {
  void operator()(void* p) const {
    if (p) MagickRelinquishMemory(p);
  }
};

using WandPtr = std::unique_ptr<MagickWand, MagickWandDeleter>;
using PixelPtr = std::unique_ptr<PixelWand, PixelWandDeleter>;
using DrawingPtr = std::unique_ptr<DrawingWand, DrawingWandDeleter>;
using MagickText = std::unique_ptr<char, MagickMemoryDeleter>;

// JPEG (or other) bytes handed out by the image library, released with
// MagickRelinquishMemory.
struct ImageBlob {
  std::unique_ptr<unsigned char, MagickMemoryDeleter> bytes;
  size_t length = 0;

  const unsigned char* data() const { return bytes.get(); }
  bool empty() const { return !bytes || length == 0; }
};

inline WandPtr cloneWand(const MagickWand* w) {
  return WandPtr(CloneMagickWand(w));
}

// A pixel wand of the given colour text ("#rrggbb" or "none").
inline PixelPtr makePixel(const char* colour) {
  PixelPtr p(NewPixelWand());
  PixelSetColor(p.get(), colour);
  return p;
}

// The wand's pending exception text, cleared from the wand.
inline std::string takeWandError(MagickWand* w) {
  ExceptionType severity;
  MagickText text(MagickGetException(w, &severity));
  MagickClearException(w);
  return text ? std::string(text.get()) : std::string();
}

// Current image format name ("JPEG", "PNG", ...), empty when none.
inline std::string imageFormat(MagickWand* w) {
  MagickText format(MagickGetImageFormat(w));
  return format ? std::string(format.get()) : std::string();
}

}  // namespace pictavo
