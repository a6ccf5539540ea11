#include "imaging/jpeg_on_canvas.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "imaging/fit_geometry.h"
#include "imaging/lanczos_scale.h"
#include "platform/user_file.h"

namespace pictavo {
namespace {

// Larger files go the image library's way, which streams them instead of holding them.
constexpr uint64_t kMaxQuickJpegBytes = uint64_t{128} << 20;

// Source pixel of turned pixel (x, y), for a source of width x height.
inline void sourceOf(int quarters, int x, int y, int width, int height, int* sx, int* sy) {
  switch (quarters) {
    case 1: *sx = y; *sy = height - 1 - x; break;
    case 2: *sx = width - 1 - x; *sy = height - 1 - y; break;
    default: *sx = width - 1 - y; *sy = x; break;
  }
}

}  // namespace

SurfacePtr turnedByQuarters(SurfacePtr surface, int quarters) {
  if (quarters == 0) return surface;
  cairo_surface_flush(surface.get());
  int width = cairo_image_surface_get_width(surface.get());
  int height = cairo_image_surface_get_height(surface.get());
  bool swapped = quarters % 2 == 1;
  SurfacePtr turned = newSurface(swapped ? height : width, swapped ? width : height);
  cairo_surface_flush(turned.get());
  const uint8_t* from = cairo_image_surface_get_data(surface.get());
  uint8_t* to = cairo_image_surface_get_data(turned.get());
  int fromStride = cairo_image_surface_get_stride(surface.get());
  int toStride = cairo_image_surface_get_stride(turned.get());
  int outWidth = cairo_image_surface_get_width(turned.get());
  int outHeight = cairo_image_surface_get_height(turned.get());
  for (int y = 0; y < outHeight; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(to + static_cast<size_t>(y) * toStride);
    for (int x = 0; x < outWidth; ++x) {
      int sx = 0, sy = 0;
      sourceOf(quarters, x, y, width, height, &sx, &sy);
      row[x] = reinterpret_cast<const uint32_t*>(from + static_cast<size_t>(sy) * fromStride)[sx];
    }
  }
  cairo_surface_mark_dirty(turned.get());
  return turned;
}

std::optional<DecodedJpeg> quickJpeg(const std::string& path, const PictureHeader& header,
                                     int minWidth, int minHeight) {
  if (header.type != "JPEG") return std::nullopt;
  auto bytes = readUserFile(path, kMaxQuickJpegBytes);
  if (!bytes) return std::nullopt;
  DecodedJpeg jpeg = decodeJpeg(*bytes, minWidth, minHeight);
  if (!jpeg.pixels || jpeg.fullWidth != header.width || jpeg.fullHeight != header.height)
    return std::nullopt;
  return jpeg;
}

SurfacePtr filledSurface(int width, int height, const char* colour) {
  SurfacePtr surface = newSurface(width, height);
  CairoPtr cr = drawOn(surface.get());
  double level = std::strcmp(colour, "#000000") == 0 ? 0.0 : 1.0;
  cairo_set_source_rgb(cr.get(), level, level, level);
  cairo_paint(cr.get());
  return surface;
}

SurfacePtr jpegOnCanvas(const std::string& path, int width, int height, const char* background,
                        int turnAngle) {
  PictureHeader header;
  if (turnAngle % 90 != 0 || !probePictureHeader(path, &header)) return nullptr;
  int quarters = (turnAngle / 90) % 4;
  bool swapped = quarters % 2 == 1;
  FitPlacement place = fitPlacement(width, height, swapped ? header.height : header.width,
                                    swapped ? header.width : header.height);
  int shownWidth = static_cast<int>(swapped ? place.height : place.width);
  int shownHeight = static_cast<int>(swapped ? place.width : place.height);
  std::optional<DecodedJpeg> jpeg = quickJpeg(path, header, shownWidth, shownHeight);
  if (!jpeg) return nullptr;
  SurfacePtr picture = turnedByQuarters(std::move(jpeg->pixels), quarters);
  SurfacePtr canvas = filledSurface(width, height, background);
  int w = static_cast<int>(place.width), h = static_cast<int>(place.height);
  if (cairo_image_surface_get_width(picture.get()) == w &&
      cairo_image_surface_get_height(picture.get()) == h)
    pastePart(canvas.get(), picture.get(), 0, 0, w, h, static_cast<int>(place.x), static_cast<int>(place.y));
  else
    drawLanczosScaled(canvas.get(), picture.get(), static_cast<int>(place.x),
                      static_cast<int>(place.y), w, h);
  return canvas;
}

}  // namespace pictavo
