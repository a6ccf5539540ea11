#include "imaging/turned_paint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

namespace pictavo::test {
namespace {

// A surface of random premultiplied pixels; `opaque` or with alpha anywhere.
SurfacePtr randomSurface(int width, int height, bool opaque, std::mt19937& random) {
  SurfacePtr surface = newSurface(width, height);
  uint8_t* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint32_t alpha = opaque ? 255 : random() % 256;
      uint32_t pixel = alpha << 24;
      for (int shift = 0; shift < 24; shift += 8) pixel |= (random() % (alpha + 1)) << shift;
      reinterpret_cast<uint32_t*>(data + y * stride)[x] = pixel;
    }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

SurfacePtr copyOf(cairo_surface_t* surface) {
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  SurfacePtr copy = newSurface(width, height);
  CairoPtr cr(cairo_create(copy.get()));
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr.get(), surface, 0, 0);
  cairo_paint(cr.get());
  return copy;
}

// The same turn drawn by cairo's transformed paint.
void cairoTurned(cairo_surface_t* target, cairo_surface_t* piece, double x, double y,
                 double radians, double opacity) {
  CairoPtr cr(cairo_create(target));
  cairo_translate(cr.get(), x, y);
  cairo_rotate(cr.get(), radians);
  cairo_translate(cr.get(), -cairo_image_surface_get_width(piece) / 2.0,
                  -cairo_image_surface_get_height(piece) / 2.0);
  cairo_set_source_surface(cr.get(), piece, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_BILINEAR);
  cairo_paint_with_alpha(cr.get(), opacity);
}

struct Difference {
  int largest = 0;
  double share = 0;  // of the target's pixels that differ at all
};

Difference compare(cairo_surface_t* a, cairo_surface_t* b) {
  cairo_surface_flush(a);
  cairo_surface_flush(b);
  const int width = cairo_image_surface_get_width(a), height = cairo_image_surface_get_height(a);
  const int stride = cairo_image_surface_get_stride(a);
  Difference d;
  int differing = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint32_t p = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(a) + y * stride)[x];
      const uint32_t q = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(b) + y * stride)[x];
      if (p != q) ++differing;
      for (int shift = 0; shift < 32; shift += 8)
        d.largest = std::max(d.largest, std::abs(static_cast<int>((p >> shift) & 255) -
                                                 static_cast<int>((q >> shift) & 255)));
    }
  d.share = static_cast<double>(differing) / (width * height);
  return d;
}

// Both sample with 7-bit weights and lay the sample over in the same arithmetic, so they
// differ only where their rounded positions fall on either side of a weight step: by a
// level or so, on a few percent of the pixels of these noise pictures (fewer on photos).
// Pieces partly or wholly off the target, odd sizes, quarter turns, see-through pieces and
// faint opacities are all among the cases.
TEST(TurnedPaint, AgreesWithCairosTransformedPaint) {
  struct Case {
    int pieceWidth, pieceHeight;
    double x, y, degrees, opacity;
    bool opaque;
  };
  const std::vector<Case> cases = {
      {96, 54, 100, 60, 18, 1.0, true},    {96, 54, 100, 60, 37, 0.5, true},
      {333, 187, 160, 90, 162, 0.05, true}, {333, 187, 160, 90, 270, 0.85, true},
      {200, 120, 10, 5, 315, 1.0, false},  {7, 3, 100, 60, 45, 1.0, true},
      {1, 1, 50, 50, 30, 0.7, false},      {190, 107, 99.5, 56, 342, 0.95, true},
      {96, 54, 100, 60, 0, 1.0, true},     {50, 50, -500, -500, 30, 1.0, true},
      {96, 54, 100, 60, 90, 0.002, true},
  };
  std::mt19937 random(11);
  for (const Case& c : cases) {
    SurfacePtr piece = randomSurface(c.pieceWidth, c.pieceHeight, c.opaque, random);
    SurfacePtr ours = randomSurface(200, 120, true, random);
    SurfacePtr theirs = copyOf(ours.get());
    const double radians = c.degrees * M_PI / 180;
    paintTurned(ours.get(), piece.get(), c.x, c.y, radians, c.opacity);
    cairoTurned(theirs.get(), piece.get(), c.x, c.y, radians, c.opacity);
    const Difference d = compare(ours.get(), theirs.get());
    EXPECT_LE(d.largest, 3) << c.pieceWidth << "x" << c.pieceHeight << " at " << c.degrees;
    EXPECT_LT(d.share, 0.06) << c.pieceWidth << "x" << c.pieceHeight << " at " << c.degrees;
  }
}

}  // namespace
}  // namespace pictavo::test
