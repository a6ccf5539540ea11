#include "imaging/resample_down_wide.h"

#include <cstring>

#include "imaging/lanczos_weights.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PICTAVO_WIDE_DOWN 1
#endif

namespace pictavo {

#if defined(PICTAVO_WIDE_DOWN)

bool wideDownAvailable() {
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

#else

bool wideDownAvailable() { return false; }

int downWide(const uint8_t* const*, const int16_t*, int, int, uint8_t*) { return 0; }

#endif

}  // namespace pictavo
