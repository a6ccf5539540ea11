#include "imaging/turned_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "imaging/resample_wide.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PICTAVO_WIDE_TURN 1
#endif

namespace pictavo {
namespace {

constexpr int kFixedOne = 1 << 16;

// The turned picture: its pixels and size.
struct Piece {
  const uint32_t* pixels;
  int strideInPixels, width, height;
};

// Rounded half away from zero, as lround, without a library call.
int32_t toFixed(double value) {
  const double scaled = value * kFixedOne;
  return static_cast<int32_t>(scaled + (scaled >= 0 ? 0.5 : -0.5));
}

// A target row: pixel x samples the piece at (u + x du, v + x dv), measured at the pixel's
// centre. Positions are taken exactly at every pixel (or every eighth, then stepped in
// 16.16 fixed point), so that rounding does not pile up along a long row.
struct RowWalk {
  double u, v, du, dv;
  int32_t uAt(int x) const { return toFixed(u + x * du); }
  int32_t vAt(int x) const { return toFixed(v + x * dv); }
};

// x * a / 255, rounded, for bytes (the compositor's own rounding).
inline uint32_t scaleByte(uint32_t x, uint32_t a) {
  const uint32_t t = x * a + 0x80;
  return (t + (t >> 8)) >> 8;
}

uint32_t tapAt(const Piece& piece, int x, int y) {
  if (x < 0 || y < 0 || x >= piece.width || y >= piece.height) return 0;
  return piece.pixels[static_cast<ptrdiff_t>(y) * piece.strideInPixels + x];
}

// The piece sampled bilinearly at (u, v): 7-bit weights, each channel of the four taps
// weighed first down then across, truncated.
uint32_t sampleAt(const Piece& piece, int32_t u, int32_t v) {
  const int32_t x1 = u - kFixedOne / 2, y1 = v - kFixedOne / 2;
  const int ix = x1 >> 16, iy = y1 >> 16;
  const uint32_t wx = (x1 >> 9) & 127, wy = (y1 >> 9) & 127;
  const uint32_t tl = tapAt(piece, ix, iy), tr = tapAt(piece, ix + 1, iy);
  const uint32_t bl = tapAt(piece, ix, iy + 1), br = tapAt(piece, ix + 1, iy + 1);
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    auto channel = [shift](uint32_t p) { return (p >> shift) & 0xff; };
    const uint32_t left = channel(tl) * (128 - wy) + channel(bl) * wy;
    const uint32_t right = channel(tr) * (128 - wy) + channel(br) * wy;
    out |= ((left * (128 - wx) + right * wx) >> 14) << shift;
  }
  return out;
}

// `source` scaled by `mask` laid OVER `dest`, byte by byte, kept within a byte.
uint32_t over(uint32_t source, uint32_t mask, uint32_t dest) {
  uint32_t scaled = 0;
  for (int shift = 0; shift < 32; shift += 8)
    scaled |= scaleByte((source >> shift) & 0xff, mask) << shift;
  const uint32_t keep = 255 - (scaled >> 24);
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t sum = ((scaled >> shift) & 0xff) + scaleByte((dest >> shift) & 0xff, keep);
    out |= std::min<uint32_t>(sum, 255) << shift;
  }
  return out;
}

void paintPixels(const Piece& piece, RowWalk walk, uint32_t mask, uint32_t* row, int from,
                 int to) {
  for (int x = from; x < to; ++x)
    row[x] = over(sampleAt(piece, walk.uAt(x), walk.vAt(x)), mask, row[x]);
}

#if defined(PICTAVO_WIDE_TURN)

#define PICTAVO_AVX2 __attribute__((target("avx2")))

PICTAVO_AVX2 __m256i evenBytes(__m256i p) {
  return _mm256_and_si256(p, _mm256_set1_epi32(0x00ff00ff));
}
PICTAVO_AVX2 __m256i oddBytes(__m256i p) { return evenBytes(_mm256_srli_epi32(p, 8)); }

// The same 16-bit value in both halves of every 32-bit lane.
PICTAVO_AVX2 __m256i bothHalves(__m256i value) {
  return _mm256_or_si256(value, _mm256_slli_epi32(value, 16));
}

// Lanes where 0 <= value < limit.
PICTAVO_AVX2 __m256i within(__m256i value, int limit) {
  return _mm256_and_si256(_mm256_cmpgt_epi32(value, _mm256_set1_epi32(-1)),
                          _mm256_cmpgt_epi32(_mm256_set1_epi32(limit), value));
}

PICTAVO_AVX2 __m256i gather(const Piece& piece, __m256i offset, __m256i inside) {
  return _mm256_mask_i32gather_epi32(_mm256_setzero_si256(),
                                     reinterpret_cast<const int*>(piece.pixels), offset, inside,
                                     4);
}

// One half (even or odd bytes) of eight samples: down with the row weights in 16 bits,
// then across with multiply-adds of (left, right) pairs in 32 bits, truncated by 14 bits.
PICTAVO_AVX2 __m256i blendHalf(__m256i tl, __m256i tr, __m256i bl, __m256i br, __m256i wy,
                               __m256i across) {
  const __m256i up = bothHalves(_mm256_sub_epi32(_mm256_set1_epi32(128), wy));
  const __m256i down = bothHalves(wy);
  const __m256i left =
      _mm256_add_epi16(_mm256_mullo_epi16(tl, up), _mm256_mullo_epi16(bl, down));
  const __m256i right =
      _mm256_add_epi16(_mm256_mullo_epi16(tr, up), _mm256_mullo_epi16(br, down));
  const __m256i low = _mm256_madd_epi16(_mm256_unpacklo_epi16(left, right),
                                        _mm256_unpacklo_epi32(across, across));
  const __m256i high = _mm256_madd_epi16(_mm256_unpackhi_epi16(left, right),
                                         _mm256_unpackhi_epi32(across, across));
  return _mm256_packs_epi32(_mm256_srli_epi32(low, 14), _mm256_srli_epi32(high, 14));
}

// x * a / 255 rounded, in 16-bit lanes holding bytes.
PICTAVO_AVX2 __m256i scaleBytes(__m256i x, __m256i a) {
  const __m256i t = _mm256_add_epi16(_mm256_mullo_epi16(x, a), _mm256_set1_epi16(0x80));
  return _mm256_mulhi_epu16(t, _mm256_set1_epi16(0x0101));
}

// Eight samples' bytes in 16-bit lanes: blue and red (even), green and alpha (odd).
struct Halves {
  __m256i even, odd;
};

// Eight positions from `first` on, `step` apart (16.16 fixed point), less half a pixel:
// where a sample's top-left tap lies.
PICTAVO_AVX2 __m256i tapPositions(int32_t first, double step) {
  const __m256i steps = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  return _mm256_add_epi32(_mm256_set1_epi32(first - kFixedOne / 2),
                          _mm256_mullo_epi32(steps, _mm256_set1_epi32(toFixed(step))));
}

// The piece sampled under target pixels x .. x + 7 of the row.
PICTAVO_AVX2 Halves sampleEight(const Piece& piece, RowWalk walk, int x) {
  const __m256i x1 = tapPositions(walk.uAt(x), walk.du);
  const __m256i y1 = tapPositions(walk.vAt(x), walk.dv);
  const __m256i ix = _mm256_srai_epi32(x1, 16), iy = _mm256_srai_epi32(y1, 16);
  const __m256i seven = _mm256_set1_epi32(127);
  const __m256i wx = _mm256_and_si256(_mm256_srli_epi32(x1, 9), seven);
  const __m256i wy = _mm256_and_si256(_mm256_srli_epi32(y1, 9), seven);
  const __m256i one = _mm256_set1_epi32(1);
  const __m256i left = within(ix, piece.width);
  const __m256i right = within(_mm256_add_epi32(ix, one), piece.width);
  const __m256i top = within(iy, piece.height);
  const __m256i bottom = within(_mm256_add_epi32(iy, one), piece.height);
  const __m256i offset =
      _mm256_add_epi32(_mm256_mullo_epi32(iy, _mm256_set1_epi32(piece.strideInPixels)), ix);
  const __m256i below = _mm256_add_epi32(offset, _mm256_set1_epi32(piece.strideInPixels));
  const __m256i tl = gather(piece, offset, _mm256_and_si256(left, top));
  const __m256i tr = gather(piece, _mm256_add_epi32(offset, one), _mm256_and_si256(right, top));
  const __m256i bl = gather(piece, below, _mm256_and_si256(left, bottom));
  const __m256i br =
      gather(piece, _mm256_add_epi32(below, one), _mm256_and_si256(right, bottom));
  // (128 - wx) in the low half and wx in the high half: the across weights of a pair.
  const __m256i across =
      _mm256_or_si256(_mm256_sub_epi32(_mm256_set1_epi32(128), wx), _mm256_slli_epi32(wx, 16));
  return {blendHalf(evenBytes(tl), evenBytes(tr), evenBytes(bl), evenBytes(br), wy, across),
          blendHalf(oddBytes(tl), oddBytes(tr), oddBytes(bl), oddBytes(br), wy, across)};
}

// The samples scaled by the mask and laid over the eight pixels at `out`.
PICTAVO_AVX2 void layOverEight(Halves sample, uint32_t mask, uint32_t* out) {
  if (mask < 255) {
    const __m256i m = _mm256_set1_epi16(static_cast<short>(mask));
    sample = {scaleBytes(sample.even, m), scaleBytes(sample.odd, m)};
  }
  const __m256i alpha = _mm256_srli_epi32(sample.odd, 16);
  const __m256i keep = bothHalves(_mm256_sub_epi32(_mm256_set1_epi32(255), alpha));
  const __m256i dest = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out));
  const __m256i byteMax = _mm256_set1_epi16(255);
  const __m256i even = _mm256_min_epu16(
      _mm256_add_epi16(sample.even, scaleBytes(evenBytes(dest), keep)), byteMax);
  const __m256i odd = _mm256_min_epu16(
      _mm256_add_epi16(sample.odd, scaleBytes(oddBytes(dest), keep)), byteMax);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                      _mm256_or_si256(even, _mm256_slli_epi32(odd, 8)));
}

// Pixels [from, to) of a row, eight at a time; returns where it stopped.
PICTAVO_AVX2 int paintWide(const Piece& piece, RowWalk walk, uint32_t mask, uint32_t* row,
                           int from, int to) {
  int x = from;
  for (; x + 8 <= to; x += 8) layOverEight(sampleEight(piece, walk, x), mask, row + x);
  return x;
}

#else

int paintWide(const Piece&, RowWalk, uint32_t, uint32_t*, int from, int) { return from; }

#endif

// The target columns of a row where u (or v), starting at `start` and moving `step` a
// pixel, lies within [-1/2, limit + 1/2): where any of a sample's taps can fall inside the
// piece. Widened by a pixel each side; the painting leaves pixels with no tap inside as
// they were.
void narrowToSpan(double start, double step, int limit, double& from, double& to) {
  const double low = -0.5, high = limit + 0.5;
  if (std::fabs(step) < 1e-12) {
    if (start < low || start >= high) to = from;  // the whole row misses
    return;
  }
  double a = (low - start) / step, b = (high - start) / step;
  if (a > b) std::swap(a, b);
  from = std::max(from, std::floor(a) - 1);
  to = std::min(to, std::ceil(b) + 1);
}

// Paints row y of a target `width` pixels wide: the piece turned by (cos, sin) about its
// centre, which lies at (centreX, centreY).
void paintRow(const Piece& piece, double cos, double sin, double centreX, double centreY,
              uint32_t mask, uint32_t* row, int width, int y) {
  // The piece's point under the centre of target pixel (0, y): the target point taken back
  // about the centre by the turn.
  const double dy = y + 0.5 - centreY, dx = 0.5 - centreX;
  const double u = cos * dx + sin * dy + piece.width / 2.0;
  const double v = -sin * dx + cos * dy + piece.height / 2.0;
  double from = 0, to = width;
  narrowToSpan(u, cos, piece.width, from, to);
  narrowToSpan(v, -sin, piece.height, from, to);
  if (to <= from) return;
  const RowWalk walk{u, v, cos, -sin};
  int x = static_cast<int>(from);
  const int end = static_cast<int>(to);
  if (widePassesAvailable()) x = paintWide(piece, walk, mask, row, x, end);
  paintPixels(piece, walk, mask, row, x, end);
}

}  // namespace

void paintTurned(cairo_surface_t* target, cairo_surface_t* piece, double centreX,
                 double centreY, double radians, double opacity) {
  const uint32_t mask = opacity >= 1 ? 255 : static_cast<uint32_t>(opacity * 65535 + 0.5) >> 8;
  cairo_surface_flush(target);
  cairo_surface_flush(piece);
  uint8_t* data = cairo_image_surface_get_data(target);
  const Piece source{reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(piece)),
                     cairo_image_surface_get_stride(piece) / 4,
                     cairo_image_surface_get_width(piece), cairo_image_surface_get_height(piece)};
  if (mask == 0 || !data || !source.pixels) return;
  const int width = cairo_image_surface_get_width(target);
  const int height = cairo_image_surface_get_height(target);
  const int stride = cairo_image_surface_get_stride(target);
  const double c = std::cos(radians), s = std::sin(radians);
  // The turned piece's reach from its centre, in target rows.
  const double reachY = std::fabs(s) * source.width / 2 + std::fabs(c) * source.height / 2 + 1;
  const int firstRow = std::max(0, static_cast<int>(std::floor(centreY - reachY)));
  const int lastRow = std::min(height - 1, static_cast<int>(std::ceil(centreY + reachY)));
  for (int y = firstRow; y <= lastRow; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    paintRow(source, c, s, centreX, centreY, mask, row, width, y);
  }
  cairo_surface_mark_dirty(target);
}

}  // namespace pictavo
