#include "imaging/lanczos_scale.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/resample_passes.h"

namespace pictavo {

void drawLanczosView(cairo_surface_t* target, cairo_surface_t* source, const ViewRect& view, int x,
                     int y, int newWidth, int newHeight) {
  const int targetWidth = cairo_image_surface_get_width(target);
  const int targetHeight = cairo_image_surface_get_height(target);
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + newWidth, targetWidth);
  const int bottom = std::min(y + newHeight, targetHeight);
  if (right <= left || bottom <= top) return;
  // Only the visible part is computed: its columns and rows, and the source pixels they read.
  const AxisWeights columns = lanczosWeightsOver(cairo_image_surface_get_width(source), view.x,
                                                 view.width, newWidth, left - x, right - x);
  const AxisWeights rows = lanczosWeightsOver(cairo_image_surface_get_height(source), view.y,
                                              view.height, newHeight, top - y, bottom - y);
  const int firstColumn = columns.lowestSource;
  const int sourcePixels = columns.highestSource - firstColumn + 1;
  // The rows go down and across a strip at a time, so what the first pass writes is still
  // in the cache when the second reads it.
  constexpr int kStripRows = 16;
  // Pixels to spare for the across pass, which reads whole groups of taps.
  const int stripStride = (sourcePixels + kTapGroup - 1) * 4;
  std::vector<uint8_t> strip(static_cast<size_t>(stripStride) * kStripRows);
  cairo_surface_flush(source);
  cairo_surface_flush(target);
  const PixelRows from{cairo_image_surface_get_data(source) + static_cast<ptrdiff_t>(firstColumn) * 4,
                       cairo_image_surface_get_stride(source)};
  const int targetStride = cairo_image_surface_get_stride(target);
  uint8_t* corner = cairo_image_surface_get_data(target) +
                    static_cast<ptrdiff_t>(top) * targetStride + static_cast<ptrdiff_t>(left) * 4;
  for (int j = 0; j < bottom - top; j += kStripRows) {
    const int count = std::min(kStripRows, bottom - top - j);
    resampleDown(from, rows, j, j + count, sourcePixels, {strip.data(), stripStride});
    resampleAcross({strip.data(), stripStride}, count, columns, firstColumn,
                   {corner + static_cast<ptrdiff_t>(j) * targetStride, targetStride});
  }
  cairo_surface_mark_dirty(target);
}

void drawLanczosScaled(cairo_surface_t* target, cairo_surface_t* source, int x, int y,
                       int newWidth, int newHeight) {
  const ViewRect whole{0.0, 0.0, static_cast<double>(cairo_image_surface_get_width(source)),
                       static_cast<double>(cairo_image_surface_get_height(source))};
  drawLanczosView(target, source, whole, x, y, newWidth, newHeight);
}

}  // namespace pictavo
