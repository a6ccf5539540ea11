#include "effects/edge_flip_effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "effects/transition_plan.h"

namespace pictavo {
namespace {

// 17 swinging frames, then the picture in place.
constexpr int kSwingFrames = 17;
constexpr double kSteps = 18.0;
// The far edge starts 2.3 times shorter than the hinge, an eighth of the canvas away from it.
constexpr double kShortening = 2.3;
constexpr double kStartDistance = 0.125;

// The perspective control points (source x, y, destination x, y, four times) of one step, in
// coordinates where pixel i spans [i, i + 1); the destination points are canvas positions.
struct FlipStep {
  double points[16];
};

// The far edge's two ends across the hinge direction, growing from 1/2.3 of `extent` to all
// of it around the integer middle.
void farEdgeEnds(double extent, int step, double* low, double* high) {
  const double middle = static_cast<int>(extent) / 2;
  const double shortHalf = (extent / kShortening) * 0.5;
  const double grown = step * ((extent - extent / kShortening) * 0.5 / kSteps);
  *low = (middle - shortHalf) - grown;
  *high = middle + shortHalf + grown;
}

FlipStep flipStep(Hinge hinge, int canvasWidth, int canvasHeight, int i) {
  const double W = canvasWidth, H = canvasHeight;
  double a, b;  // far-edge ends: top and bottom (left/right hinge) or left and right
  switch (hinge) {
    case Hinge::Left: {
      farEdgeEnds(H, i, &a, &b);
      const double xr = W * kStartDistance + i * ((W - W * kStartDistance) / kSteps);
      return {{0, 0, 0, 0, 0, H, 0, H, W, 0, xr, a, W, H, xr, b}};
    }
    case Hinge::Right: {
      farEdgeEnds(H, i, &a, &b);
      const double reach = W - W * kStartDistance;
      const double xl = std::trunc(reach - (reach / kSteps) * i);
      return {{0, 0, xl, a, 0, H, xl, b, W, H, W, H, W, 0, W, 0}};
    }
    case Hinge::Top: {
      farEdgeEnds(W, i, &a, &b);
      const double yb = H * kStartDistance + i * ((H - H * kStartDistance) / kSteps);
      return {{0, 0, 0, 0, W, 0, W, 0, W, H, b, yb, 0, H, a, yb}};
    }
    case Hinge::Bottom:
      break;
  }
  farEdgeEnds(W, i, &a, &b);
  const double reach = H - H * kStartDistance;
  const double yt = std::trunc(reach - i * (reach / kSteps));
  return {{0, 0, a, yt, 0, H, 0, H, W, H, W, H, W, 0, b, yt}};
}

// The projective map taking each destination control point to its source point, as the
// 3 x 3 matrix m (m[8] = 1): (x, y) goes to ((m0 x + m1 y + m2) / w, (m3 x + m4 y + m5) / w)
// with w = m6 x + m7 y + 1.
std::array<double, 9> destinationToSource(const FlipStep& step) {
  double a[8][9] = {};
  for (int k = 0; k < 4; ++k) {
    const double sx = step.points[4 * k], sy = step.points[4 * k + 1];
    const double dx = step.points[4 * k + 2], dy = step.points[4 * k + 3];
    double* rx = a[2 * k];
    double* ry = a[2 * k + 1];
    rx[0] = dx, rx[1] = dy, rx[2] = 1, rx[6] = -dx * sx, rx[7] = -dy * sx, rx[8] = sx;
    ry[3] = dx, ry[4] = dy, ry[5] = 1, ry[6] = -dx * sy, ry[7] = -dy * sy, ry[8] = sy;
  }
  // Gaussian elimination with partial pivoting.
  for (int c = 0; c < 8; ++c) {
    int pivot = c;
    for (int r = c + 1; r < 8; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    std::swap(a[c], a[pivot]);
    for (int r = 0; r < 8; ++r) {
      if (r == c || a[c][c] == 0) continue;
      const double f = a[r][c] / a[c][c];
      for (int k = c; k < 9; ++k) a[r][k] -= f * a[c][k];
    }
  }
  std::array<double, 9> m{};
  for (int k = 0; k < 8; ++k) m[k] = a[k][k] != 0 ? a[k][8] / a[k][k] : 0;
  m[8] = 1;
  return m;
}

// The four pixels p0[0], p0[1] (a row) and p1[0], p1[1] (the row below) mixed with weights
// in 256ths (ax across, ay down), rounded: the sum of ((256 - ax) or ax) x ((256 - ay) or ay)
// x pixel over the four, in 65536ths.
uint32_t bilinear(const uint32_t* p0, const uint32_t* p1, uint32_t ax, uint32_t ay) {
#if defined(__SSE2__)
  // Across first, in 16 bits (at most 256 x 255 each), then down in 32.
  const __m128i zero = _mm_setzero_si128();
  const auto bx = static_cast<int16_t>(ax), by = static_cast<int16_t>(ay);
  const auto cx = static_cast<int16_t>(256 - ax), cy = static_cast<int16_t>(256 - ay);
  const __m128i wx = _mm_set_epi16(bx, bx, bx, bx, cx, cx, cx, cx);
  const __m128i wy = _mm_set_epi16(by, by, by, by, cy, cy, cy, cy);
  const __m128i top = _mm_mullo_epi16(
      _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p0)), zero), wx);
  const __m128i bottom = _mm_mullo_epi16(
      _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p1)), zero), wx);
  const __m128i across = _mm_unpacklo_epi64(_mm_add_epi16(top, _mm_srli_si128(top, 8)),
                                            _mm_add_epi16(bottom, _mm_srli_si128(bottom, 8)));
  const __m128i lo = _mm_mullo_epi16(across, wy), hi = _mm_mulhi_epu16(across, wy);
  __m128i sum = _mm_add_epi32(_mm_unpacklo_epi16(lo, hi), _mm_unpackhi_epi16(lo, hi));
  sum = _mm_srli_epi32(_mm_add_epi32(sum, _mm_set1_epi32(32768)), 16);
  const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(sum, sum), zero);
  return static_cast<uint32_t>(_mm_cvtsi128_si32(packed));
#else
  const uint32_t w00 = (256 - ax) * (256 - ay), w10 = ax * (256 - ay);
  const uint32_t w01 = (256 - ax) * ay, w11 = ax * ay;
  uint32_t mixed = 0;
  for (int ch = 0; ch < 32; ch += 8) {
    const uint32_t c = w00 * ((p0[0] >> ch) & 0xff) + w10 * ((p0[1] >> ch) & 0xff) +
                       w01 * ((p1[0] >> ch) & 0xff) + w11 * ((p1[1] >> ch) & 0xff);
    mixed |= ((c + 32768) >> 16) << ch;
  }
  return mixed;
#endif
}

// A premultiplied pixel laid over another by its alpha.
uint32_t layOver(uint32_t pixel, uint32_t under) {
  const uint32_t keep = 255 - (pixel >> 24);
  uint32_t result = 0;
  for (int ch = 0; ch < 32; ch += 8) {
    const uint32_t c = ((pixel >> ch) & 0xff) + (((under >> ch) & 0xff) * keep + 127) / 255;
    result |= std::min(c, 255u) << ch;
  }
  return result;
}

// Draws the picture as the step's trapezoid over the canvas. Each canvas pixel inside the
// trapezoid's bounds takes the picture at the point its centre maps to, interpolated
// between the four nearest pixel centres; beyond the picture's edges those are transparent,
// so the trapezoid's edges fade into the canvas.
void drawFlipStep(cairo_surface_t* canvas, cairo_surface_t* picture, const FlipStep& step) {
  cairo_surface_flush(canvas);
  cairo_surface_flush(picture);
  const int W = cairo_image_surface_get_width(canvas), H = cairo_image_surface_get_height(canvas);
  const int pw = cairo_image_surface_get_width(picture);
  const int ph = cairo_image_surface_get_height(picture);
  const int cs = cairo_image_surface_get_stride(canvas), ps = cairo_image_surface_get_stride(picture);
  unsigned char* cd = cairo_image_surface_get_data(canvas);
  const unsigned char* pd = cairo_image_surface_get_data(picture);
  const std::array<double, 9> m = destinationToSource(step);
  double x0 = step.points[2], x1 = x0, y0 = step.points[3], y1 = y0;
  for (int k = 1; k < 4; ++k) {
    x0 = std::min(x0, step.points[4 * k + 2]), x1 = std::max(x1, step.points[4 * k + 2]);
    y0 = std::min(y0, step.points[4 * k + 3]), y1 = std::max(y1, step.points[4 * k + 3]);
  }
  const int left = std::max(0, static_cast<int>(std::floor(x0)) - 1);
  const int right = std::min(W, static_cast<int>(std::ceil(x1)) + 1);
  const int top = std::max(0, static_cast<int>(std::floor(y0)) - 1);
  const int bottom = std::min(H, static_cast<int>(std::ceil(y1)) + 1);
  // The homogeneous weight keeps one sign over the trapezoid; points of the other sign lie
  // beyond the picture's horizon.
  const double side = m[6] * step.points[2] + m[7] * step.points[3] + 1 < 0 ? -1.0 : 1.0;
  auto texel = [&](int x, int y) -> const uint32_t* {
    if (x < 0 || y < 0 || x >= pw || y >= ph) return nullptr;
    return reinterpret_cast<const uint32_t*>(pd + static_cast<size_t>(y) * ps) + x;
  };
  for (int v = top; v < bottom; ++v) {
    uint32_t* row = reinterpret_cast<uint32_t*>(cd + static_cast<size_t>(v) * cs);
    const double cy = v + 0.5;
    // The parts of the map that stay the same along the row.
    const double rowX = m[1] * cy + m[2], rowY = m[4] * cy + m[5], rowW = m[7] * cy + 1;
    for (int u = left; u < right; ++u) {
      const double cx = u + 0.5;
      const double w = m[6] * cx + rowW;
      if (w * side <= 0) continue;
      const double perW = 1 / w;
      const double sx = (m[0] * cx + rowX) * perW - 0.5;
      const double sy = (m[3] * cx + rowY) * perW - 0.5;
      if (sx <= -1 || sy <= -1 || sx >= pw || sy >= ph) continue;
      // Both are above -1 here, so truncating one more than them floors them.
      const int ix = static_cast<int>(sx + 1) - 1, iy = static_cast<int>(sy + 1) - 1;
      const double fx = sx - ix, fy = sy - iy;
      if (ix >= 0 && iy >= 0 && ix + 1 < pw && iy + 1 < ph) {
        // All four neighbours inside the picture: blend them in fixed point (weights in
        // 256ths), then lay the result over the canvas by its alpha.
        const uint32_t* p0 = texel(ix, iy);
        const uint32_t* p1 = reinterpret_cast<const uint32_t*>(
                                 reinterpret_cast<const unsigned char*>(p0) + ps);
        const auto ax = static_cast<uint32_t>(fx * 256 + 0.5);
        const auto ay = static_cast<uint32_t>(fy * 256 + 0.5);
        const uint32_t mixed = bilinear(p0, p1, ax, ay);
        const uint32_t alpha = mixed >> 24;
        row[u] = alpha == 255 ? mixed : layOver(mixed, row[u]);
        continue;
      }
      const uint32_t* corner[4] = {texel(ix, iy), texel(ix + 1, iy), texel(ix, iy + 1),
                                   texel(ix + 1, iy + 1)};
      const double weight[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
      double sum[4] = {0, 0, 0, 0};  // premultiplied channels, blue first
      for (int k = 0; k < 4; ++k) {
        if (!corner[k]) continue;
        const uint32_t p = *corner[k];
        for (int ch = 0; ch < 4; ++ch) sum[ch] += weight[k] * ((p >> (8 * ch)) & 0xff);
      }
      const double keep = 1 - sum[3] / 255.0;  // what shows of the canvas beneath
      const uint32_t under = row[u];
      uint32_t result = 0;
      for (int ch = 0; ch < 4; ++ch) {
        const double c = sum[ch] + keep * ((under >> (8 * ch)) & 0xff);
        result |= static_cast<uint32_t>(std::clamp(std::lround(c), 0L, 255L)) << (8 * ch);
      }
      row[u] = result;
    }
  }
  cairo_surface_mark_dirty(canvas);
}

}  // namespace

// Every step draws onto the same canvas (previous, or black for the first picture): the
// trapezoid only grows, so the outgoing picture stays visible just outside it.
TransitionPlan planEdgeFlip(const TransitionJob& job, const EffectVariant& variant) {
  const Hinge hinge = std::get<Hinge>(variant);
  const int W = job.width, H = job.height;
  StepDraw draw = [=](cairo_surface_t* target, SurfaceSet& s, int k) {
    drawFlipStep(target, s.incoming.get(), flipStep(hinge, W, H, k + 1));
  };
  return {{{kSwingFrames, Layering::OntoOutgoing, std::move(draw)}}};
}

}  // namespace pictavo
