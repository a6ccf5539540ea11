#include "effects/projective_fill.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pictavo {
namespace {

// The projective map taking each destination control point to its source point, as the
// 3 x 3 matrix m (m[8] = 1): (x, y) goes to ((m0 x + m1 y + m2) / w, (m3 x + m4 y + m5) / w)
// with w = m6 x + m7 y + 1.
std::array<double, 9> destinationToSource(const ControlPoints& control) {
  double a[8][9] = {};
  for (int k = 0; k < 4; ++k) {
    const double sx = control.points[4 * k], sy = control.points[4 * k + 1];
    const double dx = control.points[4 * k + 2], dy = control.points[4 * k + 3];
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

// One coordinate of a picture position s (above -1): the pixel at or before it, the
// fraction beyond that pixel and the fraction in 256ths.
struct Axis {
  int i;
  double f;
  uint32_t a;
};

Axis axisOf(double s) {
  // s is above -1, so truncating one more than it floors it.
  const int i = static_cast<int>(s + 1) - 1;
  const double f = s - i;
  return {i, f, static_cast<uint32_t>(f * 256 + 0.5)};
}

// The map of one drawing from canvas pixels to picture positions, with what stays the same down
// a column or along a row worked out once. Every position comes out with the same bits as
// the plain formula: only the order of computing, not the arithmetic, changes.
class PerspectiveMap {
 public:
  PerspectiveMap(const std::array<double, 9>& m, double side, int left, int right, const Texels& t)
      : m_(m), side_(side), left_(left), width_(t.width), height_(t.height),
        perWCache_(right - left, 0.0), wCache_(right - left, 0.0) {
    for (int u = left; u < right; ++u) {
      const double cx = u + 0.5;
      columns_.push_back({m[0] * cx, m[3] * cx, m[6] * cx});
    }
    // With m1 and m7 zero the row adds nothing to x and w (a vertical hinge): both depend on
    // the column alone, with the same bits on every row. With m3 and m6 zero (a horizontal
    // hinge) y and w depend on the row alone.
    if (m[1] == 0 && m[7] == 0) fixColumns();
    rowsFixed_ = !columnsFixed_ && m[3] == 0 && m[6] == 0;
  }

  // Starts canvas row v.
  void beginRow(int v) {
    const double cy = v + 0.5;
    rowX_ = m_[1] * cy + m_[2], rowY_ = m_[4] * cy + m_[5], rowW_ = m_[7] * cy + 1;
    if (!rowsFixed_) return;
    rowInFront_ = rowW_ * side_ > 0;
    if (!rowInFront_) return;
    rowPerW_ = 1 / rowW_;
    const double sy = rowY_ * rowPerW_ - 0.5;
    rowInside_ = sy > -1 && sy < height_;
    if (rowInside_) rowAxis_ = axisOf(sy);
  }

  // The picture position of the centre of pixel u of the row, false when it lies beyond the
  // picture's horizon or off the picture.
  bool at(int u, Axis* x, Axis* y) {
    const Column& c = columns_[u - left_];
    if (columnsFixed_) {
      if (!c.inside) return false;
      *x = c.axis;
      return onPicture(height_, (c.m3x + rowY_) * c.perW - 0.5, y);
    }
    if (rowsFixed_) {
      if (!rowInFront_ || !rowInside_) return false;
      *y = rowAxis_;
      return onPicture(width_, (c.m0x + rowX_) * rowPerW_ - 0.5, x);
    }
    const double w = c.m6x + rowW_;
    if (w * side_ <= 0) return false;
    const double perW = reciprocal(w, u - left_);
    const double sx = (c.m0x + rowX_) * perW - 0.5, sy = (c.m3x + rowY_) * perW - 0.5;
    if (sx <= -1 || sy <= -1 || sx >= width_ || sy >= height_) return false;
    *x = axisOf(sx), *y = axisOf(sy);
    return true;
  }

 private:
  struct Column {
    double m0x, m3x, m6x;
    // Filled by fixColumns: 1 / w, and where x lies, when it lies on the picture.
    bool inside = false;
    double perW = 0;
    Axis axis{};
  };

  // The coordinate s on a picture side `extent` long, as an axis; false off the picture.
  static bool onPicture(double extent, double s, Axis* axis) {
    if (s <= -1 || s >= extent) return false;
    *axis = axisOf(s);
    return true;
  }

  void fixColumns() {
    beginRow(0);
    for (Column& c : columns_) {
      const double w = c.m6x + rowW_;
      if (w * side_ <= 0) continue;
      c.perW = 1 / w;
      const double sx = (c.m0x + rowX_) * c.perW - 0.5;
      c.inside = sx > -1 && sx < width_;
      if (c.inside) c.axis = axisOf(sx);
    }
    columnsFixed_ = true;
  }

  // 1 / w, remembered: in the general case w still repeats along a row or down a column
  // most of the time, so most divisions are skipped. A w never seen gives its own.
  double reciprocal(double w, int column) {
    if (w == lastW_) return lastPerW_;
    lastW_ = w;
    if (w == wCache_[column]) return lastPerW_ = perWCache_[column];
    wCache_[column] = w;
    return lastPerW_ = perWCache_[column] = 1 / w;
  }

  std::array<double, 9> m_;
  double side_;
  int left_, width_, height_;
  std::vector<Column> columns_;
  std::vector<double> perWCache_, wCache_;
  double lastW_ = 0, lastPerW_ = 0;
  bool columnsFixed_ = false, rowsFixed_ = false;
  double rowX_ = 0, rowY_ = 0, rowW_ = 0, rowPerW_ = 0;
  bool rowInFront_ = false, rowInside_ = false;
  Axis rowAxis_{};
};

// The picture at (x, y) laid over `under`: the four nearest pixel centres mixed, those
// beyond the picture's edges transparent.
uint32_t sample(const Texels& t, const Axis& x, const Axis& y, uint32_t under) {
  if (x.i >= 0 && y.i >= 0 && x.i + 1 < t.width && y.i + 1 < t.height) {
    // All four neighbours inside the picture: blend them in fixed point (weights in
    // 256ths), then lay the result over the canvas by its alpha.
    const uint32_t mixed = bilinear(t.at(x.i, y.i), t.at(x.i, y.i + 1), x.a, y.a);
    return mixed >> 24 == 255 ? mixed : layOver(mixed, under);
  }
  const double fx = x.f, fy = y.f;
  const uint32_t* corner[4] = {t.atOrNull(x.i, y.i), t.atOrNull(x.i + 1, y.i),
                               t.atOrNull(x.i, y.i + 1), t.atOrNull(x.i + 1, y.i + 1)};
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

// The canvas pixels the quadrilateral can touch: its bounds and a pixel more all round, cut to
// the canvas (left, top inclusive; right, bottom exclusive).
struct PixelBounds {
  int left, top, right, bottom;
};

PixelBounds quadBounds(const ControlPoints& control, int W, int H) {
  double x0 = control.points[2], x1 = x0, y0 = control.points[3], y1 = y0;
  for (int k = 1; k < 4; ++k) {
    x0 = std::min(x0, control.points[4 * k + 2]), x1 = std::max(x1, control.points[4 * k + 2]);
    y0 = std::min(y0, control.points[4 * k + 3]), y1 = std::max(y1, control.points[4 * k + 3]);
  }
  return {std::max(0, static_cast<int>(std::floor(x0)) - 1),
          std::max(0, static_cast<int>(std::floor(y0)) - 1),
          std::min(W, static_cast<int>(std::ceil(x1)) + 1),
          std::min(H, static_cast<int>(std::ceil(y1)) + 1)};
}

}  // namespace

void drawInPerspective(cairo_surface_t* canvas, cairo_surface_t* picture,
                       const ControlPoints& control) {
  cairo_surface_flush(canvas);
  cairo_surface_flush(picture);
  const Texels t{cairo_image_surface_get_data(picture), cairo_image_surface_get_width(picture),
                 cairo_image_surface_get_height(picture),
                 cairo_image_surface_get_stride(picture)};
  const int cs = cairo_image_surface_get_stride(canvas);
  unsigned char* cd = cairo_image_surface_get_data(canvas);
  const PixelBounds b = quadBounds(control, cairo_image_surface_get_width(canvas),
                                   cairo_image_surface_get_height(canvas));
  const std::array<double, 9> m = destinationToSource(control);
  // The homogeneous weight keeps one sign over the quadrilateral; points of the other sign lie
  // beyond the picture's horizon.
  const double side = m[6] * control.points[2] + m[7] * control.points[3] + 1 < 0 ? -1.0 : 1.0;
  PerspectiveMap map(m, side, b.left, b.right, t);
  for (int v = b.top; v < b.bottom; ++v) {
    uint32_t* row = reinterpret_cast<uint32_t*>(cd + static_cast<size_t>(v) * cs);
    map.beginRow(v);
    for (int u = b.left; u < b.right; ++u) {
      Axis x, y;
      if (map.at(u, &x, &y)) row[u] = sample(t, x, y, row[u]);
    }
  }
  cairo_surface_mark_dirty(canvas);
}

}  // namespace pictavo
