// The quick way of fitting a JPEG picture onto a frame, at 8 bits: decoded by libjpeg-turbo
// at the smallest of its scales that is still no smaller than the picture will be shown,
// turned by quarter turns, then resampled with the Lanczos filter onto the canvas; a
// picture that already has its shown size is copied without resampling, bit for bit.
#pragma once

#include <optional>
#include <string>

#include "imaging/argb_frame.h"
#include "imaging/image.h"
#include "imaging/jpeg_decode.h"

namespace pictavo {

// The width x height frame of the JPEG file at `path` on a canvas of `background`
// ("#000000" or "#ffffff"), turned clockwise by `turnAngle` degrees (a multiple of 90).
// Null when the quick way would not give what the image library's reading gives (not a
// JPEG, CMYK, damaged data, an unreadable file): the caller reads the picture the ordinary
// way, which also says why it fails.
SurfacePtr jpegOnCanvas(const std::string& path, int width, int height, const char* background,
                        int turnAngle);

// The JPEG file at `path`, whose probed header is `header`, decoded by libjpeg-turbo at the
// smallest of its scales that keeps it at least minWidth x minHeight. Nothing when the image
// library must read it instead (not a JPEG, too large a file to hold, CMYK, damaged data).
std::optional<DecodedJpeg> quickJpeg(const std::string& path, const PictureHeader& header,
                                     int minWidth, int minHeight);

// A width x height surface of `colour` ("#000000" is black, any other white).
SurfacePtr filledSurface(int width, int height, const char* colour);

// The surface turned clockwise by `quarters` quarter turns (0 to 3); the same surface when 0.
SurfacePtr turnedByQuarters(SurfacePtr surface, int quarters);

}  // namespace pictavo
