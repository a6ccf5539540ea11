// The two passes of a separable resize over 8-bit premultiplied ARGB rows, four channels of
// a pixel at once: down the columns (each output row a weighted sum of whole source rows,
// which walks memory in order) and then across each row.
#pragma once

#include <cstdint>

#include "imaging/lanczos_weights.h"

namespace pictavo {

// Pixel rows: `data` points at the first pixel of the first row.
struct PixelRows {
  const uint8_t* data;
  int stride;  // bytes from one row to the next
};
struct OutputRows {
  uint8_t* data;
  int stride;
};

// Output rows for runs [from, to) of `rows`: output row j - from = the rows of `source`
// weighted by run j, over `pixels` pixels from the first of each source row. Channels are
// rounded and kept within 0..255.
void resampleDown(PixelRows source, const AxisWeights& rows, int from, int to, int pixels,
                  OutputRows out);

// Each of `rowCount` rows resampled across: output pixel i = the pixels of the row weighted
// by columns' run i, where source pixel k of the run is pixel k - firstColumn of the row.
// Each row must hold kTapGroup - 1 pixels past the last any run reads (they are read with
// weight zero).
// Colour is also kept within alpha, as premultiplied pixels must be.
void resampleAcross(PixelRows source, int rowCount, const AxisWeights& columns, int firstColumn,
                    OutputRows out);

}  // namespace pictavo
