// The down pass of a resize 32 bytes at a time, for processors with 256-bit integer vectors.
// Each 16-byte half is summed and rounded exactly as the 16-byte pass does, so the bytes
// come out the same; only fewer instructions make them.
#pragma once

#include <cstdint>

namespace pictavo {

// Whether this processor can run downWide.
bool wideDownAvailable();

// Bytes [0, n) of one output row, where n is the largest multiple of 32 within `bytes`:
// out[b] = the taps' bytes b weighted by w (fixed point), rounded and kept within 0..255.
// Returns n.
int downWide(const uint8_t* const* rows, const int16_t* w, int taps, int bytes, uint8_t* out);

}  // namespace pictavo
