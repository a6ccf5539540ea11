#include "imaging/lanczos_scale.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/resample_passes.h"

namespace pictavo {

void drawLanczosScaled(cairo_surface_t* target, cairo_surface_t* source, int x, int y,
                       int newWidth, int newHeight) {
  const int targetWidth = cairo_image_surface_get_width(target);
  const int targetHeight = cairo_image_surface_get_height(target);
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + newWidth, targetWidth);
  const int bottom = std::min(y + newHeight, targetHeight);
  if (right <= left || bottom <= top) return;
  // Only the visible part is computed: its columns and rows, and the source pixels they read.
  const AxisWeights columns = lanczosWeights(cairo_image_surface_get_width(source), newWidth,
                                             left - x, right - x);
  const AxisWeights rows = lanczosWeights(cairo_image_surface_get_height(source), newHeight,
                                          top - y, bottom - y);
  const int firstColumn = columns.lowestSource;
  const int sourcePixels = columns.highestSource - firstColumn + 1;
  const int middleStride = sourcePixels * 4;
  std::vector<uint8_t> middle(static_cast<size_t>(middleStride) *
                              static_cast<size_t>(bottom - top));
  cairo_surface_flush(source);
  cairo_surface_flush(target);
  const int sourceStride = cairo_image_surface_get_stride(source);
  const uint8_t* sourceData = cairo_image_surface_get_data(source);
  resampleDown({sourceData + static_cast<ptrdiff_t>(firstColumn) * 4, sourceStride}, rows,
               sourcePixels, {middle.data(), middleStride});
  const int targetStride = cairo_image_surface_get_stride(target);
  uint8_t* corner = cairo_image_surface_get_data(target) +
                    static_cast<ptrdiff_t>(top) * targetStride + static_cast<ptrdiff_t>(left) * 4;
  resampleAcross({middle.data(), middleStride}, bottom - top, columns, firstColumn,
                 {corner, targetStride});
  cairo_surface_mark_dirty(target);
}

}  // namespace pictavo
