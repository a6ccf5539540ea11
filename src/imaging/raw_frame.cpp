#include "imaging/raw_frame.h"

#include <algorithm>

#include "imaging/resample_wide.h"
#include "imaging/yuv_wide.h"

namespace pictavo {
namespace {

// Bytes in the image library's memory, so ImageBlob releases them as any other.
ImageBlob allocate(size_t length) {
  ImageBlob blob;
  blob.bytes.reset(static_cast<unsigned char*>(AcquireMagickMemory(length)));
  if (blob.bytes) blob.length = length;
  return blob;
}

int chromaSize(int size) { return (size + 1) / 2; }

// Channels of an ARGB word; reading whole words keeps them right on either byte order.
inline int redOf(uint32_t p) { return static_cast<int>((p >> 16) & 0xff); }
inline int greenOf(uint32_t p) { return static_cast<int>((p >> 8) & 0xff); }
inline int blueOf(uint32_t p) { return static_cast<int>(p & 0xff); }

// BT.601 in the limited range, coefficients in 16-bit fixed point, rounded to nearest.
void lumaRow(const uint32_t* row, int width, unsigned char* out) {
  for (int x = widePassesAvailable() ? lumaWide(row, width, out) : 0; x < width; ++x) {
    uint32_t p = row[x];
    out[x] = static_cast<unsigned char>(
        ((16829 * redOf(p) + 33039 * greenOf(p) + 6416 * blueOf(p) + 32768) >> 16) + 16);
  }
}

inline void chromaOf(int r, int g, int b, unsigned char* blue, unsigned char* red) {
  *blue = static_cast<unsigned char>(((-9714 * r - 19070 * g + 28784 * b + 32768) >> 16) + 128);
  *red = static_cast<unsigned char>(((28784 * r - 24103 * g - 4681 * b + 32768) >> 16) + 128);
}

// One chroma row from two pixel rows (the same row twice at an odd bottom edge). The loop
// over whole pairs has no edge test, so the compiler can vectorise it.
void chromaRow(const uint32_t* top, const uint32_t* bottom, int width, unsigned char* blue,
               unsigned char* red) {
  int pairs = width / 2;
  int cx = widePassesAvailable() ? chromaWide(top, bottom, width, blue, red) : 0;
  for (; cx < pairs; ++cx) {
    uint32_t a = top[2 * cx], b = top[2 * cx + 1], c = bottom[2 * cx], d = bottom[2 * cx + 1];
    chromaOf((redOf(a) + redOf(b) + redOf(c) + redOf(d) + 2) >> 2,
             (greenOf(a) + greenOf(b) + greenOf(c) + greenOf(d) + 2) >> 2,
             (blueOf(a) + blueOf(b) + blueOf(c) + blueOf(d) + 2) >> 2, blue + cx, red + cx);
  }
  if (width % 2 != 0) {
    uint32_t a = top[width - 1], c = bottom[width - 1];
    chromaOf((redOf(a) + redOf(c) + 1) >> 1, (greenOf(a) + greenOf(c) + 1) >> 1,
             (blueOf(a) + blueOf(c) + 1) >> 1, blue + pairs, red + pairs);
  }
}

}  // namespace

size_t rawFrameLength(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  return static_cast<size_t>(width) * height +
         size_t{2} * chromaSize(width) * static_cast<size_t>(chromaSize(height));
}

void yuv420FromArgb(const unsigned char* pixels, int width, int height, int stride,
                    unsigned char* out) {
  auto rowAt = [&](int y) {
    return reinterpret_cast<const uint32_t*>(pixels + static_cast<size_t>(stride) * y);
  };
  unsigned char* luma = out;
  unsigned char* blue = luma + static_cast<size_t>(width) * height;
  unsigned char* red = blue + static_cast<size_t>(chromaSize(width)) * chromaSize(height);
  // Row by row pair, so that the chroma reads the two rows while they are still in cache.
  for (int cy = 0; cy < chromaSize(height); ++cy) {
    const int bottom = std::min(2 * cy + 1, height - 1);
    for (int y = 2 * cy; y <= bottom; ++y)
      lumaRow(rowAt(y), width, luma + static_cast<size_t>(width) * y);
    size_t offset = static_cast<size_t>(chromaSize(width)) * cy;
    chromaRow(rowAt(2 * cy), rowAt(bottom), width, blue + offset, red + offset);
  }
}

ImageBlob rawFromSurface(cairo_surface_t* frame) {
  cairo_surface_flush(frame);
  int width = cairo_image_surface_get_width(frame);
  int height = cairo_image_surface_get_height(frame);
  const unsigned char* pixels = cairo_image_surface_get_data(frame);
  ImageBlob blob = allocate(rawFrameLength(width, height));
  if (blob.empty() || !pixels) return {};
  yuv420FromArgb(pixels, width, height, cairo_image_surface_get_stride(frame), blob.bytes.get());
  return blob;
}

ImageBlob rawFromWand(MagickWand* frame) {
  SurfacePtr surface = surfaceFromWand(frame);
  return rawFromSurface(surface.get());
}

}  // namespace pictavo
