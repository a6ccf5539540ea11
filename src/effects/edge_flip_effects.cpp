#include "effects/edge_flip_effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

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

// For each weight a in 256ths, 256 - a in the four low 16-bit lanes and a in the four high
// ones: the weights of a pixel and of its neighbour, one lane per channel.
struct alignas(16) WeightPair {
  uint16_t lanes[8];
};

constexpr std::array<WeightPair, 257> weightPairs() {
  std::array<WeightPair, 257> pairs{};
  for (int a = 0; a <= 256; ++a)
    for (int lane = 0; lane < 8; ++lane)
      pairs[a].lanes[lane] = static_cast<uint16_t>(lane < 4 ? 256 - a : a);
  return pairs;
}

constexpr std::array<WeightPair, 257> kWeightPairs = weightPairs();

// The four pixels p0[0], p0[1] (a row) and p1[0], p1[1] (the row below) mixed with weights
// in 256ths (ax across, ay down), rounded: the sum of ((256 - ax) or ax) x ((256 - ay) or ay)
// x pixel over the four, in 65536ths.
uint32_t bilinear(const uint32_t* p0, const uint32_t* p1, uint32_t ax, uint32_t ay) {
#if defined(__SSE2__)
  // Across first, in 16 bits (at most 256 x 255 each), then down in 32.
  const __m128i zero = _mm_setzero_si128();
  const __m128i wx = _mm_load_si128(reinterpret_cast<const __m128i*>(kWeightPairs[ax].lanes));
  const __m128i wy = _mm_load_si128(reinterpret_cast<const __m128i*>(kWeightPairs[ay].lanes));
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

// The picture's premultiplied pixels.
struct Texels {
  const unsigned char* data;
  int width, height, stride;

  const uint32_t* at(int x, int y) const {
    return reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride) + x;
  }
  // Null beyond the picture's edges, where it is transparent.
  const uint32_t* atOrNull(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return nullptr;
    return at(x, y);
  }
};

// The map of one step from canvas pixels to picture positions, with the products that stay
// the same down a column computed once per column. Every position comes out with the same
// bits as the plain formula: only the order of computing, not the arithmetic, changes.
class FlipMap {
 public:
  FlipMap(const std::array<double, 9>& m, double side, int left, int right)
      : m_(m), side_(side), left_(left), across_(right - left), perWCache_(across_, 0.0),
        wCache_(across_, 0.0) {
    for (int u = left; u < right; ++u) {
      const double cx = u + 0.5;
      columns_.push_back({m[0] * cx, m[3] * cx, m[6] * cx});
    }
    // With m1 and m7 zero the row adds nothing to x and w: both depend on the column alone
    // (the same bits on every row), so they are worked out once per column.
    if (m[1] == 0 && m[7] == 0) fixColumns();
  }

  // The picture position (sx, sy) of the centre of pixel (u, v), false when it lies beyond
  // the picture's horizon.
  bool position(int u, double rowX, double rowY, double rowW, double* sx, double* sy) {
    const Column& c = columns_[u - left_];
    if (columnsFixed_) {
      if (!c.inFront) return false;
      *sx = c.sx;
      *sy = (c.m3x + rowY) * c.perW - 0.5;
      return true;
    }
    const double w = c.m6x + rowW;
    if (w * side_ <= 0) return false;
    const double perW = reciprocal(w, u - left_);
    *sx = (c.m0x + rowX) * perW - 0.5;
    *sy = (c.m3x + rowY) * perW - 0.5;
    return true;
  }

  // The parts of the map that stay the same along row v.
  void row(int v, double* rowX, double* rowY, double* rowW) const {
    const double cy = v + 0.5;
    *rowX = m_[1] * cy + m_[2], *rowY = m_[4] * cy + m_[5], *rowW = m_[7] * cy + 1;
  }

 private:
  struct Column {
    double m0x, m3x, m6x;
    // Filled by fixColumns: whether the column lies before the horizon, 1 / w and x.
    bool inFront = false;
    double perW = 0, sx = 0;
  };

  void fixColumns() {
    double rowX, rowY, rowW;
    row(0, &rowX, &rowY, &rowW);
    for (Column& c : columns_) {
      const double w = c.m6x + rowW;
      c.inFront = w * side_ > 0;
      if (!c.inFront) continue;
      c.perW = 1 / w;
      c.sx = (c.m0x + rowX) * c.perW - 0.5;
    }
    columnsFixed_ = true;
  }

  // 1 / w, remembered: w repeats along a row when the hinge is horizontal and down a column
  // when it is vertical, so most divisions are skipped. A w never seen gives its own.
  double reciprocal(double w, int column) {
    if (w == lastW_) return lastPerW_;
    lastW_ = w;
    if (w == wCache_[column]) return lastPerW_ = perWCache_[column];
    wCache_[column] = w;
    return lastPerW_ = perWCache_[column] = 1 / w;
  }

  std::array<double, 9> m_;
  double side_;
  int left_, across_;
  std::vector<Column> columns_;
  std::vector<double> perWCache_, wCache_;
  double lastW_ = 0, lastPerW_ = 0;
  bool columnsFixed_ = false;
};

// The picture at (sx, sy) laid over `under`: the four nearest pixel centres mixed, those
// beyond the picture's edges transparent. Both coordinates are above -1 and below the size.
uint32_t sample(const Texels& t, double sx, double sy, uint32_t under) {
  // Both are above -1 here, so truncating one more than them floors them.
  const int ix = static_cast<int>(sx + 1) - 1, iy = static_cast<int>(sy + 1) - 1;
  const double fx = sx - ix, fy = sy - iy;
  if (ix >= 0 && iy >= 0 && ix + 1 < t.width && iy + 1 < t.height) {
    // All four neighbours inside the picture: blend them in fixed point (weights in
    // 256ths), then lay the result over the canvas by its alpha.
    const uint32_t* p0 = t.at(ix, iy);
    const uint32_t* p1 = t.at(ix, iy + 1);
    const auto ax = static_cast<uint32_t>(fx * 256 + 0.5);
    const auto ay = static_cast<uint32_t>(fy * 256 + 0.5);
    const uint32_t mixed = bilinear(p0, p1, ax, ay);
    return mixed >> 24 == 255 ? mixed : layOver(mixed, under);
  }
  const uint32_t* corner[4] = {t.atOrNull(ix, iy), t.atOrNull(ix + 1, iy),
                               t.atOrNull(ix, iy + 1), t.atOrNull(ix + 1, iy + 1)};
  const double weight[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
  double sum[4] = {0, 0, 0, 0};  // premultiplied channels, blue first
  for (int k = 0; k < 4; ++k) {
    if (!corner[k]) continue;
    for (int ch = 0; ch < 4; ++ch) sum[ch] += weight[k] * ((*corner[k] >> (8 * ch)) & 0xff);
  }
  const double keep = 1 - sum[3] / 255.0;  // what shows of the canvas beneath
  uint32_t result = 0;
  for (int ch = 0; ch < 4; ++ch) {
    const double c = sum[ch] + keep * ((under >> (8 * ch)) & 0xff);
    result |= static_cast<uint32_t>(std::clamp(std::lround(c), 0L, 255L)) << (8 * ch);
  }
  return result;
}

// The canvas pixels the trapezoid can touch: its bounds and a pixel more all round, cut to
// the canvas (left, top inclusive; right, bottom exclusive).
struct PixelBounds {
  int left, top, right, bottom;
};

PixelBounds trapezoidBounds(const FlipStep& step, int W, int H) {
  double x0 = step.points[2], x1 = x0, y0 = step.points[3], y1 = y0;
  for (int k = 1; k < 4; ++k) {
    x0 = std::min(x0, step.points[4 * k + 2]), x1 = std::max(x1, step.points[4 * k + 2]);
    y0 = std::min(y0, step.points[4 * k + 3]), y1 = std::max(y1, step.points[4 * k + 3]);
  }
  return {std::max(0, static_cast<int>(std::floor(x0)) - 1),
          std::max(0, static_cast<int>(std::floor(y0)) - 1),
          std::min(W, static_cast<int>(std::ceil(x1)) + 1),
          std::min(H, static_cast<int>(std::ceil(y1)) + 1)};
}

// Draws the picture as the step's trapezoid over the canvas. Each canvas pixel inside the
// trapezoid's bounds takes the picture at the point its centre maps to, interpolated
// between the four nearest pixel centres; beyond the picture's edges those are transparent,
// so the trapezoid's edges fade into the canvas.
void drawFlipStep(cairo_surface_t* canvas, cairo_surface_t* picture, const FlipStep& step) {
  cairo_surface_flush(canvas);
  cairo_surface_flush(picture);
  const Texels t{cairo_image_surface_get_data(picture), cairo_image_surface_get_width(picture),
                 cairo_image_surface_get_height(picture),
                 cairo_image_surface_get_stride(picture)};
  const int cs = cairo_image_surface_get_stride(canvas);
  unsigned char* cd = cairo_image_surface_get_data(canvas);
  const PixelBounds b = trapezoidBounds(step, cairo_image_surface_get_width(canvas),
                                        cairo_image_surface_get_height(canvas));
  const std::array<double, 9> m = destinationToSource(step);
  // The homogeneous weight keeps one sign over the trapezoid; points of the other sign lie
  // beyond the picture's horizon.
  const double side = m[6] * step.points[2] + m[7] * step.points[3] + 1 < 0 ? -1.0 : 1.0;
  FlipMap map(m, side, b.left, b.right);
  for (int v = b.top; v < b.bottom; ++v) {
    uint32_t* row = reinterpret_cast<uint32_t*>(cd + static_cast<size_t>(v) * cs);
    double rowX, rowY, rowW;
    map.row(v, &rowX, &rowY, &rowW);
    for (int u = b.left; u < b.right; ++u) {
      double sx, sy;
      if (!map.position(u, rowX, rowY, rowW, &sx, &sy)) continue;
      if (sx <= -1 || sy <= -1 || sx >= t.width || sy >= t.height) continue;
      row[u] = sample(t, sx, sy, row[u]);
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
