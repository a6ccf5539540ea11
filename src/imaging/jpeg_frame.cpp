#include "imaging/jpeg_frame.h"

#include "imaging/turbo_handles.h"

namespace pictavo {
namespace {

constexpr int kSurfacePixelFormat =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? TJPF_BGRX : TJPF_XRGB;

// The logo drawn over a copy of the frame, as the image library's encoder does it.
ImageBlob encodeWithLogo(cairo_surface_t* frame, const PreviewLogo& logo) {
  WandPtr copy = wandFromSurface(frame);
  return encodeFrame(copy.get(), &logo);
}

}  // namespace

ImageBlob encodeSurface(cairo_surface_t* frame, const PreviewLogo* logo) {
  if (logo && logo->image) return encodeWithLogo(frame, *logo);
  cairo_surface_flush(frame);
  int width = cairo_image_surface_get_width(frame);
  int height = cairo_image_surface_get_height(frame);
  unsigned long capacity = tjBufSize(width, height, TJSAMP_420);
  // The bytes live in the image library's memory, so ImageBlob releases them as any other.
  auto* bytes = static_cast<unsigned char*>(AcquireMagickMemory(capacity));
  unsigned long length = capacity;
  ImageBlob blob;
  if (!bytes) return blob;
  blob.bytes.reset(bytes);
  int failed = tjCompress2(threadCompressor(), cairo_image_surface_get_data(frame), width,
                           cairo_image_surface_get_stride(frame), height, kSurfacePixelFormat,
                           &bytes, &length, TJSAMP_420, kFrameJpegQuality,
                           TJFLAG_NOREALLOC);
  if (failed) {
    blob.bytes.reset();
    return blob;
  }
  blob.length = length;
  return blob;
}

}  // namespace pictavo
