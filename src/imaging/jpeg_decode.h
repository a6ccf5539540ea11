// JPEG pictures decoded by libjpeg-turbo straight into 8-bit surfaces, at 1/2, 1/4 or 1/8
// of their size when they are larger than they will be shown: the decoder's own scaling
// skips most of the work of decoding every pixel and resampling it away afterwards. At
// full scale the pixels are exactly those the image library reads (the same decoder and
// settings), so a picture that needs no resampling passes through bit for bit.
#pragma once

#include <string>

#include "imaging/argb_frame.h"

namespace pictavo {

struct DecodedJpeg {
  SurfacePtr pixels;  // opaque; null when not decoded here
  int fullWidth = 0;  // the picture's own size, whatever the scale
  int fullHeight = 0;
};

// The scale divisor (1, 2, 4 or 8) that keeps a width x height picture at least
// minWidth x minHeight: the largest such, as the decoder rounds sizes up.
int jpegScaleDivisor(int width, int height, int minWidth, int minHeight);

// The JPEG in `bytes`, decoded at the divisor above. Null pixels when this decoder would
// not give what the image library gives: not a JPEG, CMYK or YCCK colours (the library
// converts those), any warning of damaged data (the library fills in and logs it), a size
// beyond the program's limits. The caller then reads the picture the ordinary way.
DecodedJpeg decodeJpeg(const std::string& bytes, int minWidth, int minHeight);

}  // namespace pictavo
