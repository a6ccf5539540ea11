#include "imaging/resample_wide.h"

#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PICTAVO_WIDE_DOWN 1
#endif

namespace pictavo {

#if defined(PICTAVO_WIDE_DOWN)

bool widePassesAvailable() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

namespace {

// The weights w[t] and w[t + 1] in every 32-bit lane (the lower half first).
__attribute__((target("avx2"))) __m256i weightPair(int16_t first, int16_t second) {
  return _mm256_set1_epi32(static_cast<int>(static_cast<uint16_t>(first)) |
                           (static_cast<int>(static_cast<uint16_t>(second)) << 16));
}

// The pair (a, c) of tap rows, widened and interleaved, multiplied by their weights and
// added to the four sums.
__attribute__((target("avx2"))) void addPair(__m256i a, __m256i c, __m256i wp, __m256i* s) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i aLo = _mm256_unpacklo_epi8(a, zero), aHi = _mm256_unpackhi_epi8(a, zero);
  const __m256i cLo = _mm256_unpacklo_epi8(c, zero), cHi = _mm256_unpackhi_epi8(c, zero);
  s[0] = _mm256_add_epi32(s[0], _mm256_madd_epi16(_mm256_unpacklo_epi16(aLo, cLo), wp));
  s[1] = _mm256_add_epi32(s[1], _mm256_madd_epi16(_mm256_unpackhi_epi16(aLo, cLo), wp));
  s[2] = _mm256_add_epi32(s[2], _mm256_madd_epi16(_mm256_unpacklo_epi16(aHi, cHi), wp));
  s[3] = _mm256_add_epi32(s[3], _mm256_madd_epi16(_mm256_unpackhi_epi16(aHi, cHi), wp));
}

__attribute__((target("avx2"))) __m256i load(const uint8_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

}  // namespace

// Unpacking and packing work within each 128-bit half, so each half holds the sums of its
// own 16 bytes in the order the 16-byte pass keeps them.
__attribute__((target("avx2"))) int downWide(const uint8_t* const* rows, const int16_t* w,
                                             int taps, int bytes, uint8_t* out) {
  const __m256i zero = _mm256_setzero_si256(), half = _mm256_set1_epi32(1 << (kWeightBits - 1));
  int b = 0;
  for (; b + 32 <= bytes; b += 32) {
    __m256i s[4] = {half, half, half, half};
    int t = 0;
    for (; t + 1 < taps; t += 2)
      addPair(load(rows[t] + b), load(rows[t + 1] + b), weightPair(w[t], w[t + 1]), s);
    if (t < taps) addPair(load(rows[t] + b), zero, weightPair(w[t], 0), s);
    const __m256i lo = _mm256_packs_epi32(_mm256_srai_epi32(s[0], kWeightBits),
                                          _mm256_srai_epi32(s[1], kWeightBits));
    const __m256i hi = _mm256_packs_epi32(_mm256_srai_epi32(s[2], kWeightBits),
                                          _mm256_srai_epi32(s[3], kWeightBits));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + b), _mm256_packus_epi16(lo, hi));
  }
  return b;
}

namespace {

// The four channel sums of one output pixel: eight taps at a time (the run's weights are
// padded with zeros to whole groups), each 128-bit half taking four pixels with their
// channels paired as (pixel t, pixel t + 1).
__attribute__((target("avx2"))) __m128i acrossSums(const uint8_t* in, const int16_t* w,
                                                    int taps) {
  // Within each half: p0 and p1 channel by channel, then p2 and p3.
  const __m256i pairUp = _mm256_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15,
                                          0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
  const __m256i firstPairs = _mm256_setr_epi32(0, 0, 0, 0, 2, 2, 2, 2);
  const __m256i secondPairs = _mm256_setr_epi32(1, 1, 1, 1, 3, 3, 3, 3);
  const __m256i zero = _mm256_setzero_si256();
  __m256i wide = zero;
  for (int t = 0; t < taps; t += kTapGroup) {
    const __m256i pixels = _mm256_shuffle_epi8(load(in + t * 4), pairUp);
    const __m256i weights = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + t)));
    const __m256i lo = _mm256_madd_epi16(_mm256_unpacklo_epi8(pixels, zero),
                                         _mm256_permutevar8x32_epi32(weights, firstPairs));
    const __m256i hi = _mm256_madd_epi16(_mm256_unpackhi_epi8(pixels, zero),
                                         _mm256_permutevar8x32_epi32(weights, secondPairs));
    wide = _mm256_add_epi32(wide, _mm256_add_epi32(lo, hi));
  }
  const __m128i sum = _mm_add_epi32(_mm_set1_epi32(1 << (kWeightBits - 1)),
                                    _mm_add_epi32(_mm256_castsi256_si128(wide),
                                                  _mm256_extracti128_si256(wide, 1)));
  return sum;
}

// Two pixels' sums packed and each colour byte kept at or below the pixel's alpha.
__attribute__((target("avx2"))) uint64_t packedPair(__m128i first, __m128i second) {
  const __m128i lo = _mm_packs_epi32(_mm_srai_epi32(first, kWeightBits),
                                     _mm_srai_epi32(second, kWeightBits));
  const __m128i pixels = _mm_packus_epi16(lo, lo);
  __m128i alpha = _mm_srli_epi32(pixels, 24);
  alpha = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 8));
  alpha = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
  return static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_min_epu8(pixels, alpha)));
}

}  // namespace

__attribute__((target("avx2"))) size_t acrossWide(const uint8_t* in, int firstColumn,
                                                  const AxisWeights& columns, uint32_t* out) {
  const size_t pixels = columns.first.size();
  size_t i = 0;
  for (; i + 2 <= pixels; i += 2) {
    const __m128i first = acrossSums(in + (columns.first[i] - firstColumn) * 4,
                                     columns.weights.data() + columns.offset[i], columns.count[i]);
    const __m128i second =
        acrossSums(in + (columns.first[i + 1] - firstColumn) * 4,
                   columns.weights.data() + columns.offset[i + 1], columns.count[i + 1]);
    const uint64_t both = packedPair(first, second);
    std::memcpy(out + i, &both, 8);
  }
  return i;
}

#else

bool widePassesAvailable() { return false; }

size_t acrossWide(const uint8_t*, int, const AxisWeights&, uint32_t*) { return 0; }

int downWide(const uint8_t* const*, const int16_t*, int, int, uint8_t*) { return 0; }

#endif

}  // namespace pictavo
