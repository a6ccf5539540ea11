// Raw-frame colour conversion with 256-bit integer vectors, for processors that have them
// (widePassesAvailable() in resample_wide.h). Every sample is the same integer the plain
// conversion in raw_frame.cpp forms, so the bytes come out the same.
#pragma once

#include <cstdint>

namespace pictavo {

// Luma of pixels [0, n) of an ARGB row, n the largest multiple of 32 within `width`.
// Returns n.
int lumaWide(const uint32_t* row, int width, uint8_t* out);

// Chroma of pixel pairs [0, n) of two ARGB rows, n the largest multiple of 16 within
// width / 2: each sample from the rounded average of its 2 x 2 pixels. Returns n.
int chromaWide(const uint32_t* top, const uint32_t* bottom, int width, uint8_t* blue,
               uint8_t* red);

}  // namespace pictavo
