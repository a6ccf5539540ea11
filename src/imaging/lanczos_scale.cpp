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

// The Lanczos-3 kernel along one axis (the other axis is left as it is): it spans source
// pixels when enlarging and target pixels when shrinking, so a shrink also filters away
// what the smaller size cannot hold.
void setLanczosFilter(pixman_image_t* image, double scale, bool horizontal) {
  pixman_kernel_t reconstruct = scale > 1 ? PIXMAN_KERNEL_IMPULSE : PIXMAN_KERNEL_LANCZOS3;
  pixman_kernel_t sample = scale > 1 ? PIXMAN_KERNEL_LANCZOS3 : PIXMAN_KERNEL_IMPULSE;
  constexpr int kPhaseBits = 5;
  // The other axis keeps its pixels: a box one pixel wide is one tap of weight 1.
  constexpr pixman_kernel_t kOneTap = PIXMAN_KERNEL_BOX;
  int count = 0;
  pixman_fixed_t one = pixman_double_to_fixed(1.0), scaled = pixman_double_to_fixed(scale);
  pixman_fixed_t* params = pixman_filter_create_separable_convolution(
      &count, horizontal ? scaled : one, horizontal ? one : scaled,
      horizontal ? reconstruct : kOneTap, horizontal ? kOneTap : reconstruct,
      horizontal ? sample : PIXMAN_KERNEL_IMPULSE, horizontal ? PIXMAN_KERNEL_IMPULSE : sample,
      horizontal ? kPhaseBits : 0,
      horizontal ? 0 : kPhaseBits);
  pixman_image_set_filter(image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params, count);
  std::free(params);
}

// `from` resampled along one axis by `scale` (source pixels per target pixel) into `to`:
// target pixel (i, j) of the w x h area at (toX, toY) samples `from` around
// ((i + fromX + 0.5) x scale, j + fromY + 0.5) when horizontal, and the other way round.
void resampleAxis(pixman_image_t* from, pixman_image_t* to, double scale, bool horizontal,
                  int fromX, int fromY, int toX, int toY, int w, int h) {
  pixman_transform_t transform;
  pixman_fixed_t one = pixman_double_to_fixed(1.0), scaled = pixman_double_to_fixed(scale);
  pixman_transform_init_scale(&transform, horizontal ? scaled : one, horizontal ? one : scaled);
  pixman_image_set_transform(from, &transform);
  pixman_image_set_repeat(from, PIXMAN_REPEAT_PAD);  // edges as the resize sees them
  // An axis that keeps its size keeps its pixels. Pixman's convolution does not give them
  // back exactly, and a picture resized again and again piles the error up into seams.
  if (scale == 1.0)
    pixman_image_set_filter(from, PIXMAN_FILTER_NEAREST, nullptr, 0);
  else
    setLanczosFilter(from, scale, horizontal);
  pixman_image_composite32(PIXMAN_OP_SRC, from, nullptr, to, fromX, fromY, 0, 0, toX, toY, w, h);
}

}  // namespace

void drawLanczosScaled(cairo_surface_t* target, cairo_surface_t* source, int x, int y,
                       int newWidth, int newHeight) {
  int targetWidth = cairo_image_surface_get_width(target);
  int targetHeight = cairo_image_surface_get_height(target);
  int left = std::max(x, 0), top = std::max(y, 0);
  int right = std::min(x + newWidth, targetWidth), bottom = std::min(y + newHeight, targetHeight);
  if (right <= left || bottom <= top) return;
  int sourceHeight = cairo_image_surface_get_height(source);
  double scaleX = static_cast<double>(cairo_image_surface_get_width(source)) / newWidth;
  double scaleY = static_cast<double>(sourceHeight) / newHeight;
  // Two passes, as the image library resizes: across the visible columns first, then down
  // the visible rows; a kernel in both directions at once would cost its square.
  SurfacePtr across = newSurface(right - left, sourceHeight);
  PixmanImagePtr from = viewOf(source), middle = viewOf(across.get()), to = viewOf(target);
  resampleAxis(from.get(), middle.get(), scaleX, true, left - x, 0, 0, 0, right - left,
               sourceHeight);
  resampleAxis(middle.get(), to.get(), scaleY, false, 0, top - y, left, top, right - left,
               bottom - top);
  cairo_surface_mark_dirty(target);
}

void drawResizedPicture(cairo_surface_t* target, MagickWand* picture, int x, int y, int newWidth,
                        int newHeight) {
  if (newWidth <= 0 || newHeight <= 0) return;
  WandPtr resized = cloneWand(picture);
  MagickResizeImage(resized.get(), static_cast<size_t>(newWidth), static_cast<size_t>(newHeight),
                    LanczosFilter, 1.0);
  SurfacePtr part = surfaceFromWand(resized.get());
  copySurface(target, part.get(), x, y);
}

}  // namespace pictavo
