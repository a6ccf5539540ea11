#include "imaging/argb_frame.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pictavo {
namespace {

// The byte order of CAIRO_FORMAT_ARGB32 (a native-endian 32-bit word) in the image
// library's channel names.
constexpr const char* kSurfaceChannels =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? "BGRA" : "ARGB";
// The same with the alpha byte skipped, for frames, which are opaque.
constexpr const char* kOpaqueChannels =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? "BGRP" : "PRGB";

void premultiplyRow(uint8_t* row, int width) {
  for (int x = 0; x < width; ++x, row += 4) {
    unsigned alpha = row[__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? 3 : 0];
    if (alpha == 255) continue;
    for (int c = 0; c < 4; ++c) {
      bool isAlpha = c == (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? 3 : 0);
      if (!isAlpha) row[c] = static_cast<uint8_t>((row[c] * alpha + 127) / 255);
    }
  }
}

}  // namespace

SurfacePtr newSurface(int width, int height) {
  return SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

SurfacePtr surfaceOver(cairo_surface_t* buffer, int width, int height) {
  cairo_surface_flush(buffer);
  return SurfacePtr(cairo_image_surface_create_for_data(
      cairo_image_surface_get_data(buffer), CAIRO_FORMAT_ARGB32, width, height,
      cairo_image_surface_get_stride(buffer)));
}

SurfacePtr surfaceFromWand(MagickWand* wand) {
  int width = static_cast<int>(MagickGetImageWidth(wand));
  int height = static_cast<int>(MagickGetImageHeight(wand));
  SurfacePtr surface = newSurface(width, height);
  cairo_surface_flush(surface.get());
  uint8_t* data = cairo_image_surface_get_data(surface.get());
  int stride = cairo_image_surface_get_stride(surface.get());
  bool alpha = MagickGetImageAlphaChannel(wand) != MagickFalse;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = data + static_cast<size_t>(y) * stride;
    MagickExportImagePixels(wand, 0, y, static_cast<size_t>(width), 1, kSurfaceChannels,
                            CharPixel, row);
    if (alpha) premultiplyRow(row, width);
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

WandPtr wandFromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  std::vector<uint8_t> packed(static_cast<size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y)
    std::copy_n(data + static_cast<size_t>(y) * stride, static_cast<size_t>(width) * 4,
                packed.data() + static_cast<size_t>(y) * width * 4);
  WandPtr wand(NewMagickWand());
  // Frames are opaque, so their premultiplied pixels are the plain ones.
  MagickConstituteImage(wand.get(), static_cast<size_t>(width), static_cast<size_t>(height),
                        kOpaqueChannels, CharPixel, packed.data());
  return wand;
}

CairoPtr drawOn(cairo_surface_t* surface) { return CairoPtr(cairo_create(surface)); }

void copySurface(cairo_surface_t* target, cairo_surface_t* source, double x, double y) {
  CairoPtr cr = drawOn(target);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr.get(), source, x, y);
  int width = cairo_image_surface_get_width(source);
  int height = cairo_image_surface_get_height(source);
  cairo_rectangle(cr.get(), x, y, width, height);
  cairo_fill(cr.get());
}

void pastePart(cairo_surface_t* target, cairo_surface_t* source, int sourceX, int sourceY,
               int width, int height, int x, int y) {
  if (width <= 0 || height <= 0) return;
  CairoPtr cr = drawOn(target);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr.get(), source, x - sourceX, y - sourceY);
  cairo_rectangle(cr.get(), x, y, width, height);
  cairo_fill(cr.get());
}

}  // namespace pictavo
