#include "imaging/raw_frame.h"

#include <cstring>

namespace pictavo {
namespace {

// Bytes in the image library's memory, so ImageBlob releases them as any other.
ImageBlob allocate(size_t length) {
  ImageBlob blob;
  blob.bytes.reset(static_cast<unsigned char*>(AcquireMagickMemory(length)));
  if (blob.bytes) blob.length = length;
  return blob;
}

}  // namespace

ImageBlob rawFromSurface(cairo_surface_t* frame) {
  cairo_surface_flush(frame);
  int width = cairo_image_surface_get_width(frame);
  int height = cairo_image_surface_get_height(frame);
  int stride = cairo_image_surface_get_stride(frame);
  const unsigned char* pixels = cairo_image_surface_get_data(frame);
  size_t row = static_cast<size_t>(width) * 4;
  ImageBlob blob = allocate(row * static_cast<size_t>(height));
  if (blob.empty() || !pixels) return {};
  if (static_cast<size_t>(stride) == row) {
    std::memcpy(blob.bytes.get(), pixels, blob.length);
  } else {
    for (int y = 0; y < height; ++y)
      std::memcpy(blob.bytes.get() + row * y, pixels + static_cast<size_t>(stride) * y, row);
  }
  return blob;
}

ImageBlob rawFromWand(MagickWand* frame) {
  size_t width = MagickGetImageWidth(frame);
  size_t height = MagickGetImageHeight(frame);
  const char* order = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? "BGRA" : "ARGB";
  ImageBlob blob = allocate(width * height * 4);
  if (blob.empty()) return {};
  if (MagickExportImagePixels(frame, 0, 0, width, height, order, CharPixel, blob.bytes.get()) ==
      MagickFalse)
    return {};
  return blob;
}

}  // namespace pictavo
