#include "imaging/resample_passes.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "imaging/resample_wide.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pictavo {
namespace {

constexpr int kHalf = 1 << (kWeightBits - 1);  // rounds the fixed-point sums to nearest

uint8_t toChannel(int sum) {
  return static_cast<uint8_t>(std::clamp((sum + kHalf) >> kWeightBits, 0, 255));
}

// Premultiplied colour never exceeds alpha; ringing of the kernel can push it past.
uint32_t keptWithinAlpha(uint32_t pixel) {
  const uint32_t a = pixel >> 24;
  uint32_t out = pixel & 0xff000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= std::min((pixel >> shift) & 0xffu, a) << shift;
  return out;
}

// Bytes [from, to) of one output row, one byte at a time.
void downBytes(const uint8_t* const* rows, const int16_t* w, int taps, int from, int to,
               uint8_t* out) {
  for (int b = from; b < to; ++b) {
    int sum = 0;
    for (int t = 0; t < taps; ++t) sum += w[t] * rows[t][b];
    out[b] = toChannel(sum);
  }
}

uint32_t acrossPixel(const uint8_t* in, const int16_t* w, int taps) {
  int sum[4] = {0, 0, 0, 0};
  for (int t = 0; t < taps; ++t)
    for (int c = 0; c < 4; ++c) sum[c] += w[t] * in[t * 4 + c];
  uint8_t bytes[4];
  for (int c = 0; c < 4; ++c) bytes[c] = toChannel(sum[c]);
  uint32_t pixel;
  std::memcpy(&pixel, bytes, 4);
  return pixel;
}

#if defined(__SSE2__)

// Two 16-bit weights side by side, as _mm_madd_epi16 pairs them with interleaved values.
__m128i weightPair(int16_t first, int16_t second) {
  return _mm_set1_epi32(static_cast<int>(static_cast<uint16_t>(first)) |
                        (static_cast<int>(static_cast<uint16_t>(second)) << 16));
}

// Four int32 sums of a pixel's channels back to one packed pixel, and the same for 16 bytes.
__m128i packSums(__m128i s0, __m128i s1, __m128i s2, __m128i s3) {
  const __m128i lo = _mm_packs_epi32(_mm_srai_epi32(s0, kWeightBits), _mm_srai_epi32(s1, kWeightBits));
  const __m128i hi = _mm_packs_epi32(_mm_srai_epi32(s2, kWeightBits), _mm_srai_epi32(s3, kWeightBits));
  return _mm_packus_epi16(lo, hi);
}

// Bytes [from, bytes) of one output row, 16 at a time; returns how far it got.
int downVector(const uint8_t* const* rows, const int16_t* w, int taps, int from, int bytes,
               uint8_t* out) {
  const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi32(kHalf);
  int b = from;
  for (; b + 16 <= bytes; b += 16) {
    __m128i s0 = half, s1 = half, s2 = half, s3 = half;
    for (int t = 0; t < taps; t += 2) {
      const bool pair = t + 1 < taps;
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[t] + b));
      const __m128i c =
          pair ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[t + 1] + b)) : zero;
      const __m128i wp = weightPair(w[t], pair ? w[t + 1] : 0);
      const __m128i aLo = _mm_unpacklo_epi8(a, zero), aHi = _mm_unpackhi_epi8(a, zero);
      const __m128i cLo = _mm_unpacklo_epi8(c, zero), cHi = _mm_unpackhi_epi8(c, zero);
      s0 = _mm_add_epi32(s0, _mm_madd_epi16(_mm_unpacklo_epi16(aLo, cLo), wp));
      s1 = _mm_add_epi32(s1, _mm_madd_epi16(_mm_unpackhi_epi16(aLo, cLo), wp));
      s2 = _mm_add_epi32(s2, _mm_madd_epi16(_mm_unpacklo_epi16(aHi, cHi), wp));
      s3 = _mm_add_epi32(s3, _mm_madd_epi16(_mm_unpackhi_epi16(aHi, cHi), wp));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + b), packSums(s0, s1, s2, s3));
  }
  return b;
}

__m128i loadPixel(const uint8_t* p) {
  int v;
  std::memcpy(&v, p, 4);
  return _mm_cvtsi32_si128(v);
}

// The weights w[t] and w[t + 1] in every 32-bit lane (the lower half first).
__m128i storedPair(const int16_t* w) {
  int both;
  std::memcpy(&both, w, 4);
  return _mm_set1_epi32(both);
}

// The four channel sums of one output pixel, taps taken two at a time (an odd run reads one
// pixel more, with weight zero).
__m128i acrossSums(const uint8_t* in, const int16_t* w, int taps) {
  const __m128i zero = _mm_setzero_si128();
  __m128i sum = _mm_set1_epi32(kHalf);
  for (int t = 0; t < taps; t += 2) {
    // a0 c0 a1 c1 a2 c2 a3 c3 as 16-bit values, against the weights w[t] w[t+1].
    const __m128i both =
        _mm_unpacklo_epi8(_mm_unpacklo_epi8(loadPixel(in + t * 4), loadPixel(in + t * 4 + 4)), zero);
    sum = _mm_add_epi32(sum, _mm_madd_epi16(both, storedPair(w + t)));
  }
  return sum;
}

// Packed pixels with each colour byte kept at or below the pixel's alpha.
__m128i withinAlpha(__m128i pixels) {
  __m128i alpha = _mm_srli_epi32(pixels, 24);
  alpha = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 8));
  alpha = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
  return _mm_min_epu8(pixels, alpha);
}

// Output pixels two at a time; returns how many it made.
size_t acrossVector(const uint8_t* in, int firstColumn, const AxisWeights& columns,
                    uint32_t* out) {
  const size_t pixels = columns.first.size();
  size_t i = 0;
  for (; i + 2 <= pixels; i += 2) {
    const __m128i first = acrossSums(in + (columns.first[i] - firstColumn) * 4,
                                     columns.weights.data() + columns.offset[i], columns.count[i]);
    const __m128i second =
        acrossSums(in + (columns.first[i + 1] - firstColumn) * 4,
                   columns.weights.data() + columns.offset[i + 1], columns.count[i + 1]);
    const __m128i packed = withinAlpha(packSums(first, second, first, second));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), packed);
  }
  return i;
}

#endif

}  // namespace

void resampleDown(PixelRows source, const AxisWeights& rows, int from, int to, int pixels,
                  OutputRows out) {
  const int bytes = pixels * 4;
  std::vector<const uint8_t*> taps;
  for (int j = from; j < to; ++j) {
    const int count = rows.count[j];
    taps.resize(static_cast<size_t>(count));
    for (int t = 0; t < count; ++t)
      taps[static_cast<size_t>(t)] =
          source.data + static_cast<ptrdiff_t>(rows.first[j] + t) * source.stride;
    const int16_t* w = rows.weights.data() + rows.offset[j];
    uint8_t* row = out.data + static_cast<ptrdiff_t>(j - from) * out.stride;
    if (count == 1 && w[0] == (1 << kWeightBits)) {  // a row kept as it is
      std::memcpy(row, taps[0], static_cast<size_t>(bytes));
      continue;
    }
    int done = widePassesAvailable() ? downWide(taps.data(), w, count, bytes, row) : 0;
#if defined(__SSE2__)
    done = downVector(taps.data(), w, count, done, bytes, row);
#endif
    downBytes(taps.data(), w, count, done, bytes, row);
  }
}

void resampleAcross(PixelRows source, int rowCount, const AxisWeights& columns, int firstColumn,
                    OutputRows out) {
  const size_t pixels = columns.first.size();
  for (int r = 0; r < rowCount; ++r) {
    const uint8_t* in = source.data + static_cast<ptrdiff_t>(r) * source.stride;
    auto* row = reinterpret_cast<uint32_t*>(out.data + static_cast<ptrdiff_t>(r) * out.stride);
    size_t i = 0;
    if (widePassesAvailable()) i = acrossWide(in, firstColumn, columns, row);
#if defined(__SSE2__)
    if (i == 0) i = acrossVector(in, firstColumn, columns, row);
#endif
    for (; i < pixels; ++i) {
      const uint8_t* start = in + static_cast<ptrdiff_t>(columns.first[i] - firstColumn) * 4;
      row[i] = keptWithinAlpha(acrossPixel(start, columns.weights.data() + columns.offset[i],
                                           columns.count[i]));
    }
  }
}

}  // namespace pictavo
