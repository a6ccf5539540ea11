#include "effects/soft_rectangle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace pictavo {
namespace {

// Pixel access to two surfaces of the same size, for the pixels of the rectangle
// [left, right] x [top, bottom].
class SoftFill {
 public:
  SoftFill(cairo_surface_t* target, cairo_surface_t* source, const Rectangle& r)
      : left_(std::min(r.x1, r.x2)), right_(std::max(r.x1, r.x2)),
        top_(std::min(r.y1, r.y2)), bottom_(std::max(r.y1, r.y2)),
        width_(cairo_image_surface_get_width(target)),
        height_(cairo_image_surface_get_height(target)),
        stride_(cairo_image_surface_get_stride(target)),
        to_(cairo_image_surface_get_data(target)), from_(cairo_image_surface_get_data(source)) {}

  // The pixels whose centres lie inside, copied row by row.
  void copyInside(long x0, long x1, long y0, long y1) const {
    x0 = std::max(x0, 0L), x1 = std::min(x1, width_ - 1);
    y0 = std::max(y0, 0L), y1 = std::min(y1, height_ - 1);
    if (x0 > x1) return;
    for (long y = y0; y <= y1; ++y)
      std::memcpy(at(to_, x0, y), at(from_, x0, y), static_cast<size_t>(x1 - x0 + 1) * 4);
  }

  // One pixel next to an edge, blended by its distance from the rectangle.
  void blendOutside(long x, long y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    double dx = std::max({left_ - x, x - right_, 0.0});
    double dy = std::max({top_ - y, y - bottom_, 0.0});
    double d = std::hypot(dx, dy);
    if (d >= 1) return;
    double a = (1 - d) * (1 - d);
    uint8_t* to = at(to_, x, y);
    const uint8_t* from = at(from_, x, y);
    for (int c = 0; c < 4; ++c)
      to[c] = static_cast<uint8_t>(std::lround(to[c] + (from[c] - to[c]) * a));
  }

  double left() const { return left_; }
  double right() const { return right_; }
  double top() const { return top_; }
  double bottom() const { return bottom_; }

 private:
  uint8_t* at(uint8_t* data, long x, long y) const { return data + y * stride_ + x * 4; }
  const uint8_t* at(const uint8_t* data, long x, long y) const {
    return data + y * stride_ + x * 4;
  }

  double left_, right_, top_, bottom_;
  long width_, height_, stride_;
  uint8_t* to_;
  const uint8_t* from_;
};

}  // namespace

void fillSoftRectangleFrom(cairo_surface_t* target, cairo_surface_t* source,
                           const Rectangle& rectangle) {
  cairo_surface_flush(target);
  cairo_surface_flush(source);
  SoftFill fill(target, source, rectangle);
  // Columns x0 .. x1 and rows y0 .. y1 have their centres inside; the ring of pixels just
  // around them is partly covered.
  const long x0 = static_cast<long>(std::ceil(fill.left()));
  const long x1 = static_cast<long>(std::floor(fill.right()));
  const long y0 = static_cast<long>(std::ceil(fill.top()));
  const long y1 = static_cast<long>(std::floor(fill.bottom()));
  fill.copyInside(x0, x1, y0, y1);
  for (long x = x0 - 1; x <= x1 + 1; ++x) {
    fill.blendOutside(x, y0 - 1);
    fill.blendOutside(x, y1 + 1);
  }
  for (long y = y0; y <= y1; ++y) {
    fill.blendOutside(x0 - 1, y);
    fill.blendOutside(x1 + 1, y);
  }
  cairo_surface_mark_dirty(target);
}

}  // namespace pictavo
