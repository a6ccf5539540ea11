// The two passes of a resize with 256-bit integer vectors, for processors that have them.
// Every sum is the same integer the 16-byte passes form and is rounded the same way, so the
// bytes come out the same; only fewer instructions make them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/lanczos_weights.h"

namespace pictavo {

// Whether this processor can run the wide passes.
bool widePassesAvailable();

// Bytes [0, n) of one output row, where n is the largest multiple of 32 within `bytes`:
// out[b] = the taps' bytes b weighted by w (fixed point), rounded and kept within 0..255.
// Returns n.
int downWide(const uint8_t* const* rows, const int16_t* w, int taps, int bytes, uint8_t* out);

// The output pixels of one row resampled across, two at a time, as resampleAcross makes
// them (colour kept within alpha); source pixel k of a run is in[k - firstColumn]. Returns
// how many it made.
size_t acrossWide(const uint8_t* in, int firstColumn, const AxisWeights& columns, uint32_t* out);

}  // namespace pictavo
