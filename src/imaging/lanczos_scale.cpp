#include "imaging/lanczos_scale.h"

#include <pixman.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace pictavo {
namespace {

struct PixmanImageDeleter {
  void operator()(pixman_image_t* image) const {
    if (image) pixman_image_unref(image);
  }
};
using PixmanImagePtr = std::unique_ptr<pixman_image_t, PixmanImageDeleter>;

// A pixman view of the surface's pixels (no copy).
PixmanImagePtr viewOf(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  return PixmanImagePtr(pixman_image_create_bits(
      PIXMAN_a8r8g8b8, cairo_image_surface_get_width(surface),
      cairo_image_surface_get_height(surface),
      reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface)),
      cairo_image_surface_get_stride(surface)));
}

// The Lanczos-3 kernel spans source pixels when enlarging and target pixels when
// shrinking, so a shrink also filters away what the smaller size cannot hold.
void setLanczosFilter(pixman_image_t* image, double scaleX, double scaleY) {
  auto kernels = [](double scale, pixman_kernel_t* reconstruct, pixman_kernel_t* sample) {
    *reconstruct = scale > 1 ? PIXMAN_KERNEL_IMPULSE : PIXMAN_KERNEL_LANCZOS3;
    *sample = scale > 1 ? PIXMAN_KERNEL_LANCZOS3 : PIXMAN_KERNEL_IMPULSE;
  };
  pixman_kernel_t reconstructX, sampleX, reconstructY, sampleY;
  kernels(scaleX, &reconstructX, &sampleX);
  kernels(scaleY, &reconstructY, &sampleY);
  int count = 0;
  constexpr int kPhaseBits = 5;
  pixman_fixed_t* params = pixman_filter_create_separable_convolution(
      &count, pixman_double_to_fixed(scaleX), pixman_double_to_fixed(scaleY), reconstructX,
      reconstructY, sampleX, sampleY, kPhaseBits, kPhaseBits);
  pixman_image_set_filter(image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params, count);
  std::free(params);
}

}  // namespace

void drawLanczosScaled(cairo_surface_t* target, cairo_surface_t* source, int x, int y,
                       int newWidth, int newHeight) {
  int targetWidth = cairo_image_surface_get_width(target);
  int targetHeight = cairo_image_surface_get_height(target);
  int left = std::max(x, 0), top = std::max(y, 0);
  int right = std::min(x + newWidth, targetWidth), bottom = std::min(y + newHeight, targetHeight);
  if (right <= left || bottom <= top) return;
  PixmanImagePtr from = viewOf(source), to = viewOf(target);
  double scaleX = static_cast<double>(cairo_image_surface_get_width(source)) / newWidth;
  double scaleY = static_cast<double>(cairo_image_surface_get_height(source)) / newHeight;
  pixman_transform_t transform;
  pixman_transform_init_scale(&transform, pixman_double_to_fixed(scaleX),
                              pixman_double_to_fixed(scaleY));
  pixman_image_set_transform(from.get(), &transform);
  pixman_image_set_repeat(from.get(), PIXMAN_REPEAT_PAD);  // edges as the resize sees them
  setLanczosFilter(from.get(), scaleX, scaleY);
  pixman_image_composite32(PIXMAN_OP_SRC, from.get(), nullptr, to.get(), left - x, top - y, 0, 0,
                           left, top, right - left, bottom - top);
  cairo_surface_mark_dirty(target);
}

}  // namespace pictavo
