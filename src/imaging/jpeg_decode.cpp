#include "imaging/jpeg_decode.h"

#include "imaging/image_library.h"
#include "imaging/turbo_handles.h"

namespace pictavo {
namespace {

// Cairo's ARGB32 words with alpha set to opaque.
constexpr int kSurfacePixelFormat =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? TJPF_BGRA : TJPF_ARGB;

int scaled(int size, int divisor) { return (size + divisor - 1) / divisor; }

bool withinLimits(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         static_cast<long long>(width) * height <= kMaxPicturePixels;
}

}  // namespace

int jpegScaleDivisor(int width, int height, int minWidth, int minHeight) {
  int divisor = 1;
  while (divisor < 8 && scaled(width, divisor * 2) >= minWidth &&
         scaled(height, divisor * 2) >= minHeight)
    divisor *= 2;
  return divisor;
}

DecodedJpeg decodeJpeg(const std::string& bytes, int minWidth, int minHeight) {
  tjhandle decoder = threadDecompressor();
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  int width = 0, height = 0, subsampling = 0, colourspace = 0;
  if (!decoder || tjDecompressHeader3(decoder, data, bytes.size(), &width, &height, &subsampling,
                                      &colourspace) != 0)
    return {};
  if (colourspace == TJCS_CMYK || colourspace == TJCS_YCCK || !withinLimits(width, height))
    return {};
  int divisor = jpegScaleDivisor(width, height, minWidth, minHeight);
  int outWidth = scaled(width, divisor), outHeight = scaled(height, divisor);
  SurfacePtr surface = newSurface(outWidth, outHeight);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return {};
  cairo_surface_flush(surface.get());
  // A warning fails the decode too: the image library's reading handles damaged pictures.
  if (tjDecompress2(decoder, data, bytes.size(), cairo_image_surface_get_data(surface.get()),
                    outWidth, cairo_image_surface_get_stride(surface.get()), outHeight,
                    kSurfacePixelFormat, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS) != 0)
    return {};
  cairo_surface_mark_dirty(surface.get());
  return {std::move(surface), width, height};
}

}  // namespace pictavo
