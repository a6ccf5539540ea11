#include "imaging/yuv_wide.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PICTAVO_WIDE_YUV 1
#endif

namespace pictavo {

#if defined(PICTAVO_WIDE_YUV)

namespace {

#define PICTAVO_AVX2 __attribute__((target("avx2")))

PICTAVO_AVX2 __m256i load(const uint32_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

// Of every ARGB word: blue in the low 16 bits and red in the high 16.
PICTAVO_AVX2 __m256i blueRed(__m256i p) {
  return _mm256_and_si256(p, _mm256_set1_epi32(0x00ff00ff));
}

// Of every ARGB word: green in the low 16 bits and alpha in the high 16.
PICTAVO_AVX2 __m256i greenAlpha(__m256i p) { return blueRed(_mm256_srli_epi32(p, 8)); }

// low * the low half + high * the high half of every 32-bit lane.
PICTAVO_AVX2 __m256i weigh(__m256i halves, int low, int high) {
  const int weights = (low & 0xffff) | (high << 16);
  return _mm256_madd_epi16(halves, _mm256_set1_epi32(weights));
}

// (sum + 32768) >> 16, arithmetic as the plain code's, plus `offset`.
PICTAVO_AVX2 __m256i scaled(__m256i sum, int offset) {
  const __m256i rounded = _mm256_add_epi32(sum, _mm256_set1_epi32(32768));
  return _mm256_add_epi32(_mm256_srai_epi32(rounded, 16), _mm256_set1_epi32(offset));
}

PICTAVO_AVX2 __m256i lumaOf8(const uint32_t* pixels) {
  const __m256i p = load(pixels);
  const __m256i ga = greenAlpha(p);
  // Green's weight, 33039, does not fit a signed 16-bit weight: 32768 of it is a shift.
  const __m256i green = _mm256_and_si256(ga, _mm256_set1_epi32(0xffff));
  __m256i sum = _mm256_add_epi32(weigh(blueRed(p), 6416, 16829), weigh(ga, 271, 0));
  sum = _mm256_add_epi32(sum, _mm256_slli_epi32(green, 15));
  return scaled(sum, 16);
}

// Packs the 32 lanes of a, b, c, d (each within 0..255) into 32 bytes in order.
PICTAVO_AVX2 __m256i packBytes(__m256i a, __m256i b, __m256i c, __m256i d) {
  const __m256i bytes =
      _mm256_packus_epi16(_mm256_packus_epi32(a, b), _mm256_packus_epi32(c, d));
  return _mm256_permutevar8x32_epi32(bytes, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
}

// The rounded 2 x 2 averages of 16 pixels' halves (blue/red or green/alpha) of two rows,
// 8 pairs whose lanes come in the order 0 1 4 5 | 2 3 6 7. Sums of four bytes fit 16 bits,
// so both halves add in one 32-bit lane.
PICTAVO_AVX2 __m256i averages(__m256i top0, __m256i bottom0, __m256i top1, __m256i bottom1) {
  const __m256i pairs =
      _mm256_hadd_epi32(_mm256_add_epi16(top0, bottom0), _mm256_add_epi16(top1, bottom1));
  return _mm256_srli_epi16(_mm256_add_epi16(pairs, _mm256_set1_epi16(2)), 2);
}

struct Chroma {
  __m256i blue, red;
};

// Chroma of pairs 0..7 of 16 pixels, lanes in the order averages() leaves them.
PICTAVO_AVX2 Chroma chromaOf8(const uint32_t* top, const uint32_t* bottom) {
  const __m256i t0 = load(top), t1 = load(top + 8), b0 = load(bottom), b1 = load(bottom + 8);
  const __m256i br = averages(blueRed(t0), blueRed(b0), blueRed(t1), blueRed(b1));
  const __m256i ga = averages(greenAlpha(t0), greenAlpha(b0), greenAlpha(t1), greenAlpha(b1));
  return {scaled(_mm256_add_epi32(weigh(br, 28784, -9714), weigh(ga, -19070, 0)), 128),
          scaled(_mm256_add_epi32(weigh(br, -4681, 28784), weigh(ga, -24103, 0)), 128)};
}

// 16 chroma bytes in order from the lanes of two chromaOf8 results (pairs 0..7, 8..15).
PICTAVO_AVX2 void storeChroma(__m256i first, __m256i second, uint8_t* out) {
  // Words come as 0 1 4 5 8 9 12 13 | 2 3 6 7 10 11 14 15; put them in order by pairs.
  const __m256i words = _mm256_permutevar8x32_epi32(_mm256_packus_epi32(first, second),
                                                    _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
  const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(words, words), 0x08);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(bytes));
}

}  // namespace

PICTAVO_AVX2 int lumaWide(const uint32_t* row, int width, uint8_t* out) {
  int x = 0;
  for (; x + 32 <= width; x += 32) {
    const __m256i bytes = packBytes(lumaOf8(row + x), lumaOf8(row + x + 8),
                                    lumaOf8(row + x + 16), lumaOf8(row + x + 24));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), bytes);
  }
  return x;
}

PICTAVO_AVX2 int chromaWide(const uint32_t* top, const uint32_t* bottom, int width,
                            uint8_t* blue, uint8_t* red) {
  int pair = 0;
  for (; pair + 16 <= width / 2; pair += 16) {
    const Chroma first = chromaOf8(top + 2 * pair, bottom + 2 * pair);
    const Chroma second = chromaOf8(top + 2 * pair + 16, bottom + 2 * pair + 16);
    storeChroma(first.blue, second.blue, blue + pair);
    storeChroma(first.red, second.red, red + pair);
  }
  return pair;
}

#else

int lumaWide(const uint32_t*, int, uint8_t*) { return 0; }
int chromaWide(const uint32_t*, const uint32_t*, int, uint8_t*, uint8_t*) { return 0; }

#endif

}  // namespace pictavo
